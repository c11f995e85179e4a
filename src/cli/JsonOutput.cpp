#include "JsonOutput.h"

#include <iostream>

#include "platform/Utf8.h"

namespace tavoro::cli {

std::string jsonText(std::wstring_view text) {
  return toUtf8(text);
}

void printJson(const nlohmann::ordered_json& document) {
  std::cout << document.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << '\n';
}

void printError(std::string_view what) {
  std::cerr << "tavoro-cli: " << what << '\n';
}

}  // namespace tavoro::cli
