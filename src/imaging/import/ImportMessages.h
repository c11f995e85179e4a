// The texts shown on the ways photos enter a collection, shared by the
// program and tavoro-cli. Thread-safe (constants and a pure function).
#pragma once

#include <cstddef>
#include <string>

namespace tavoro {

inline constexpr const wchar_t* kImportCaption = L"Tavoro Wardrobe Manager";
inline constexpr const wchar_t* kAllCollectionsName = L"All Collections";
// Adding photos to "All Collections" is not allowed, a blank line, then the advice.
inline constexpr const wchar_t* kAllCollectionsRefusal =
    L"Adding photos to \"All Collections\" is not allowed.\n\nPlease select a collection and try again.";
inline constexpr const wchar_t* kPasteFailedMessage =
    L"Paste failed: unsupported file type.\n\nSupported file types are BMP, JPEG and PNG.";
inline constexpr const wchar_t* kCancelFilteringQuestion = L"Cancel filtering?";
inline constexpr const wchar_t* kCancelFilteringCaption = L"Confirm Cancel";
inline constexpr const wchar_t* kAddFilesCaption = L"Confirm Add Files";

// "<count> files are to be added. This may take some time. \nAre you sure you
// want to continue?"
std::wstring addFilesQuestion(size_t count);

}  // namespace tavoro
