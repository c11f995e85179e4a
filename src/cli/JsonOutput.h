// JSON on standard output for tavoro-cli: UTF-8, one document per call.
#pragma once

#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace tavoro::cli {

// Text for a JSON string value (UTF-8).
std::string jsonText(std::wstring_view text);
// Prints the document and a line break, keys in the order they were given;
// bytes that are not valid UTF-8 (file names can hold them) are replaced
// rather than failing the output.
void printJson(const nlohmann::ordered_json& document);
// One line "tavoro-cli: <what>" on standard error.
void printError(std::string_view what);

}  // namespace tavoro::cli
