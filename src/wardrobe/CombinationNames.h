// The rules a combination's name follows, shared by the window and
// tavoro-cli: the rules of item names (printable, at most 260 UTF-16 units),
// and no two combinations of a wardrobe named alike, since people and
// scripts name a combination by its name. Thread-safe (no shared state).
#pragma once

#include <string>
#include <string_view>

namespace tavoro {

class Combination;
class CombinationList;

inline constexpr size_t kCombinationNameLimit = 260;  // UTF-16 units, as item names

enum class CombinationNameProblem { None, Empty, Invalid, TooLong, Taken };

struct CombinationNameCheck {
  CombinationNameProblem problem = CombinationNameProblem::None;
  std::wstring name;  // trimmed of white space: the name to use
};

// Checks name (trimmed first) for a new combination of list, or for renamed
// (whose own name is not "taken").
CombinationNameCheck checkCombinationName(const CombinationList& list, std::wstring_view name,
                                          const Combination* renamed = nullptr);

// The message for a problem, in English (tavoro-cli; the window has its own
// translated texts); empty for None.
std::wstring combinationNameMessage(CombinationNameProblem problem, std::wstring_view name);

}  // namespace tavoro
