// The rules for naming and placing a new wardrobe, shared by the New Wardrobe
// dialog and tavoro-cli: the default name and its numbering, and the checks
// made when the dialog is accepted; and the characters any name may hold.
// Thread-safe (no shared state).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tavoro {

// Whether c may stand in a name: control characters (C0, DEL, C1), the line
// and paragraph separators, surrogates (text that came from bytes that were
// not UTF-8) and the non-characters may not; a wardrobe file cannot hold
// some of them and would not read others back the same.
bool isPrintableNameChar(wchar_t c);
// A name that is not empty and whose characters are all printable. The
// panes and tavoro-cli refuse any other name of a collection, a tag or an
// item with invalidNameMessage.
bool isPrintableName(std::wstring_view name);

enum class NameKind { Collection, Tag, Item, Combination };
// "Invalid collection name. Please try another name." and its like.
std::wstring invalidNameMessage(NameKind kind);

// "My Wardrobe" for n of 1 or less, else "My Wardrobe <n>".
std::wstring defaultWardrobeName(int32_t n);

// next_wardrobe_id after the dialog was accepted with name: when the name is
// "My Wardrobe <m>" as a whole and m is at least nextWardrobeId, m + 1;
// otherwise nextWardrobeId unchanged.
int32_t nextWardrobeIdAfterAccept(std::wstring_view name, int32_t nextWardrobeId);

// next_wardrobe_id after the dialog was cancelled: the number taken when it
// opened is given back (the larger of current - 1 and 1).
int32_t nextWardrobeIdAfterCancel(int32_t nextWardrobeId);

enum class NewWardrobeProblem { None, InvalidName, InvalidFolder, AlreadyExists };

struct NewWardrobeCheck {
  NewWardrobeProblem problem = NewWardrobeProblem::None;
  std::wstring message;  // the text the user is shown; empty when accepted
  std::wstring name;     // trimmed
  std::wstring folder;   // trimmed
  std::wstring path;     // folder/name, normalised: the new wardrobe's folder
};

// The three checks of accepting the New Wardrobe dialog, in order, on the
// trimmed texts: the name's characters, the folder (created with its parents
// first, so this has a side effect on disk), and that folder/name does not
// exist yet.
NewWardrobeCheck checkNewWardrobe(std::wstring_view name, std::wstring_view folder);

}  // namespace tavoro
