// The folder set-up at start: the data folder of an installed copy and the
// private temporary folder, each with its information box when it cannot be
// made. User-interface thread only.
#pragma once

#include <functional>
#include <string>

namespace tavoro {

inline constexpr const wchar_t* kDataFolderFailedText =
    L"Failed to create directory for application data!\nUser settings will not be saved.";
inline constexpr const wchar_t* kTempFolderFailedText = L"Failed to create directory for application temp data!";

// Makes the folders; inform is called with the text of each box to show, data
// folder first. Start-up goes on either way. True when there is a private
// temporary folder to use: the usual one or, when that failed its check, one
// made for this run (the temporary folder's box is shown then too, once).
bool setUpFolders(const std::function<void(const std::wstring& text)>& inform);

}  // namespace tavoro
