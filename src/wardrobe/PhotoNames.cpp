#include "PhotoNames.h"

#include <algorithm>

namespace tavoro {

std::wstring numberedName(wchar_t letter, int32_t id) {
  // The digits of the magnitude, as unsigned so that the smallest id has one.
  uint32_t magnitude = id < 0 ? 0u - static_cast<uint32_t>(id) : static_cast<uint32_t>(id);
  wchar_t digits[10];
  int count = 0;
  do {
    digits[count++] = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  std::wstring name{letter, L'_'};
  // "%06d" pads to six characters in all, the sign among them.
  const int width = id < 0 ? 5 : 6;
  if (id < 0) name.push_back(L'-');
  name.append(static_cast<size_t>(std::max(0, width - count)), L'0');
  while (count > 0) name.push_back(digits[--count]);
  return name;
}

}  // namespace tavoro
