// The ordering commands that the collection and tag lists share: moving one
// row with Move to Top / Up / Down / to Bottom, and sorting by name. Both
// lists keep some rows in place (a heading row first, an "add" placeholder
// last); the commands act on the rows from first to last only.
// User-interface thread only.
#pragma once

#include <functional>
#include <string_view>

namespace tavoro::ui {

class RowList;

// Moves the row at from within first..last as the move command says and
// scrolls to it; false when it stays where it is (or the command is no move).
bool moveRowByCommand(RowList& list, int from, int commandId, int first, int last);

// Sorts rows first..last by their names with an exchange sort on UTF-16 code
// units (so every capital letter of the basic Latin range sorts before every
// small one, as names compare everywhere else in the wardrobe); true when any
// row moved.
bool sortRowsByName(RowList& list, int first, int last, bool ascending,
                    const std::function<std::wstring_view(int row)>& nameOf);

}  // namespace tavoro::ui
