#include "ui/dialogs/VersionText.h"
#include "ui/common/UiText.h"
#include <QCoreApplication>

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
  return uiText(QCoreApplication::translate("AboutDialog", "Version %1.%2.%3  (Build %4)"),
                {std::to_wstring(numbers[0]), std::to_wstring(numbers[1]), std::to_wstring(numbers[2]),
                 std::to_wstring(numbers[3])});
}

}  // namespace tavoro::ui
