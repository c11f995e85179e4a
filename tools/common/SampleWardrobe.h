// A small wardrobe for pictures of the program: a few collections with tags,
// values and photos drawn on the spot, written to a folder of the caller's.
#pragma once

#include <string>

namespace tavoro::tools {

// Makes the wardrobe "Sample Wardrobe" under folder (its photos drawn into
// folder + "/drawn" first) and writes its file; returns the file's path, or
// empty text (with a message on stderr) when something could not be written.
std::wstring makeSampleWardrobe(const std::wstring& folder);

}  // namespace tavoro::tools
