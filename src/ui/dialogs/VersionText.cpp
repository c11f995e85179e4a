#include "ui/dialogs/VersionText.h"

#include <boost/regex.hpp>
#include <vector>

#include "platform/CharClass.h"
#include "platform/DecimalText.h"

namespace tavoro::ui {

std::wstring aboutVersionText(std::wstring_view productVersion) {
  static const boost::wregex separator(L"\\.|,");
  const std::wstring text(productVersion);
  std::vector<int32_t> numbers;
  // -1: the text between the separators, empty parts included.
  boost::wsregex_token_iterator part(text.begin(), text.end(), separator, -1), end;
  for (; part != end; ++part) {
    int32_t number = 0;
    if (!parseDecimalInt(trimSpace(part->str()), number)) return {};
    numbers.push_back(number);
  }
  if (numbers.size() != 4) return {};
  return L"Version " + std::to_wstring(numbers[0]) + L"." + std::to_wstring(numbers[1]) + L"." +
         std::to_wstring(numbers[2]) + L"  (Build " + std::to_wstring(numbers[3]) + L")";
}

}  // namespace tavoro::ui
