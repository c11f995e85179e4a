#include "SearchHistory.h"

#include <algorithm>

#include "platform/Utf16.h"

namespace tavoro {

void SearchHistory::recordSearch(std::wstring_view text) {
  if (text.empty()) return;
  const auto same = std::find(m_recent.begin(), m_recent.end(), text);
  if (same != m_recent.end()) m_recent.erase(same);
  m_recent.insert(m_recent.begin(), std::wstring(text));
  // More than one entry can go when the settings file held a longer list.
  if (m_recent.size() > kMaxRecent) m_recent.resize(kMaxRecent);

  auto at = m_known.begin();
  for (; at != m_known.end(); ++at) {
    const int order = compareUtf16(*at, text);
    if (order == 0) return;
    if (order > 0) break;
  }
  m_known.insert(at, std::wstring(text));
}

std::vector<std::wstring> SearchHistory::suggestionsFor(std::wstring_view text) const {
  if (text.empty()) return m_recent;
  std::vector<std::wstring> suggestions;
  const std::wstring_view first = text.substr(0, 1);
  for (const std::wstring& entry : m_known) {
    if (entry.empty()) continue;
    const int order = compareUtf16(std::wstring_view(entry).substr(0, 1), first);
    if (order > 0) break;  // sorted: no later entry begins with the same character
    if (order < 0) continue;
    if (entry.size() > text.size() && std::wstring_view(entry).substr(0, text.size()) == text) {
      suggestions.push_back(entry);
      if (suggestions.size() == kMaxSuggestions) break;
    }
  }
  return suggestions;
}

void SearchHistory::clearHistory() {
  m_recent.clear();
  m_known.clear();
}

}  // namespace tavoro
