// Conversions between the program's wide text (std::wstring, UTF-32) and Qt's
// QString at the edge of the user interface. Thread-safe (pure functions).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavoro::ui {

inline QString toQString(std::wstring_view text) {
  static_assert(sizeof(wchar_t) == 4, "wide text is UTF-32 here");
  return QString::fromUcs4(reinterpret_cast<const char32_t*>(text.data()), static_cast<qsizetype>(text.size()));
}

inline std::wstring toWString(const QString& text) { return text.toStdWString(); }

}  // namespace tavoro::ui
