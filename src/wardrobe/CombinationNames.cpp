#include "CombinationNames.h"

#include "CombinationList.h"
#include "WardrobeNaming.h"
#include "platform/CharClass.h"
#include "platform/Utf16.h"

namespace tavoro {

CombinationNameCheck checkCombinationName(const CombinationList& list, std::wstring_view name,
                                          const Combination* renamed) {
  CombinationNameCheck check;
  check.name = trimSpace(name);
  if (check.name.empty()) {
    check.problem = CombinationNameProblem::Empty;
  } else if (!isPrintableName(check.name)) {
    check.problem = CombinationNameProblem::Invalid;
  } else if (utf16Length(check.name) > kCombinationNameLimit) {
    check.problem = CombinationNameProblem::TooLong;
  } else if (const Combination* other = list.findByName(check.name); other && other != renamed) {
    check.problem = CombinationNameProblem::Taken;
  }
  return check;
}

std::wstring combinationNameMessage(CombinationNameProblem problem, std::wstring_view name) {
  switch (problem) {
    case CombinationNameProblem::None:
      return {};
    case CombinationNameProblem::Empty:
      return L"Please enter a name for the combination.";
    case CombinationNameProblem::Invalid:
      return invalidNameMessage(NameKind::Combination);
    case CombinationNameProblem::TooLong:
      return L"The name is too long: a combination's name has at most 260 characters.";
    case CombinationNameProblem::Taken:
      return L"There is already a combination named \"" + std::wstring(name) + L"\". Please choose another name.";
  }
  return {};
}

}  // namespace tavoro
