#include "ui/common/UiText.h"

#include "ui/common/QtText.h"

namespace tavoro::ui {

QString fillPlaceholders(const QString& translated, std::initializer_list<std::wstring_view> arguments) {
  QString filled;
  filled.reserve(translated.size());
  const qsizetype size = translated.size();
  for (qsizetype i = 0; i < size; ++i) {
    const QChar c = translated.at(i);
    qsizetype end = i + 1;
    int number = 0;
    while (end < size && translated.at(end).isDigit() && number < 100) number = number * 10 + translated.at(end++).digitValue();
    if (c != u'%' || end == i + 1 || number < 1 || number > static_cast<int>(arguments.size())) {
      filled += c;
      continue;
    }
    filled += toQString(*(arguments.begin() + (number - 1)));
    i = end - 1;
  }
  return filled;
}

std::wstring uiText(const QString& translated, std::initializer_list<std::wstring_view> arguments) {
  return toWString(arguments.size() == 0 ? translated : fillPlaceholders(translated, arguments));
}

}  // namespace tavoro::ui
