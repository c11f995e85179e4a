// Small file helpers for tests: write and read whole files, find the shared
// test corpus.
#pragma once

#include <string>
#include <string_view>

namespace tavoro::test {

// Creates or replaces the file; throws on failure (tests only).
void writeFile(std::wstring_view path, std::string_view bytes);
// The whole file; empty when it cannot be read.
std::string readFile(std::wstring_view path);
// The shared test corpus (PngSuite, EXIF samples): $TAVORO_TESTDATA, else
// ../shared/testdata beside the source tree; empty text when absent.
std::wstring testDataFolder();
// The build folder (its bin/ holds the programs).
std::string buildFolder();
// The source tree (its scripts/ holds the sanitizers' suppressions).
std::string sourceFolder();

}  // namespace tavoro::test
