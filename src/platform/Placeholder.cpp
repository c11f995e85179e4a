#include "Placeholder.h"

namespace tavoro {

std::wstring formatPlaceholder(std::wstring_view format, std::wstring_view text) {
  for (size_t i = 0; i + 1 < format.size(); ++i) {
    if (format[i] != L'%' || format[i + 1] < L'0' || format[i + 1] > L'9') continue;
    size_t end = i + 1;
    while (end < format.size() && format[end] >= L'0' && format[end] <= L'9') ++end;
    std::wstring out(format.substr(0, i));
    out += text;
    out += format.substr(end);
    return out;
  }
  return std::wstring(format);
}

std::wstring formatPlaceholder(std::wstring_view format, long long number) {
  return formatPlaceholder(format, std::to_wstring(number));
}

}  // namespace tavoro
