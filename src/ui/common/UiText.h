// Texts for the user in the user's language: the texts of the window are
// written in English in the code (tr() and QCoreApplication::translate, so
// that lupdate finds them) and looked up in the catalogue installed at start
// (src/ui/translations). This helper makes wide text of a translated text for
// the program's message boxes, filling in its numbered placeholders.
// Thread-safe (a pure function).
#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tavoro::ui {

// translated with each "%1", "%2", ... replaced by the argument of that number
// in one pass, so that an argument that holds "%2" itself stays as it is; a
// placeholder without an argument stays too. Wide text, as showMessage takes it.
std::wstring uiText(const QString& translated, std::initializer_list<std::wstring_view> arguments = {});

// The same, as a QString.
QString fillPlaceholders(const QString& translated, std::initializer_list<std::wstring_view> arguments);

}  // namespace tavoro::ui
