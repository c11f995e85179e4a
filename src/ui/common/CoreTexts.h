// The core's texts as the window shows them, in the user's language. The core
// (Qt-free, shared with tavoro-cli) writes its messages and the names of its
// pseudo rows in English; the window looks them up here by their English text,
// so that the model and the files keep them unchanged whatever the language.
// User-interface thread only (reads the installed catalogue).
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tavoro {
class Collection;
class Item;
class Tag;
}  // namespace tavoro

namespace tavoro::ui {

// A core text (a message, a caption) in the user's language; a text that the
// catalogue does not know stays as it is.
std::wstring coreText(std::wstring_view english);

// The program's caption, "Tavoro Wardrobe Manager".
std::wstring programCaption();

// The name a row shows: "All Collections" and the placeholders translated,
// a real collection's or tag's own name as it is.
QString displayName(const Collection& collection);
QString displayName(const Tag& tag);
// An item's name, or "unnamed" for an item without one.
QString displayName(const Item& item);

// "<count> files are to be added. ..." in the user's language.
std::wstring addFilesQuestionText(size_t count);

}  // namespace tavoro::ui
