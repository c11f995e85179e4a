// The searches the user has run: the recent ones (newest first, at most
// three) and every distinct one (sorted by UTF-16 code units), the
// suggestions offered while typing, and the state of the search options menu.
// Works on lists and a switch that the caller owns (the settings object's).
// Not thread-safe: user-interface thread only.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tavoro {

class SearchHistory {
 public:
  static constexpr size_t kMaxRecent = 3;
  static constexpr size_t kMaxSuggestions = 3;

  struct MenuState {
    bool clearHistoryEnabled = false;  // greyed while there is no recent search
    bool autoSuggestChecked = false;
  };

  // The object keeps the three references; they must outlive it.
  SearchHistory(std::vector<std::wstring>& recent, std::vector<std::wstring>& known, bool& autoSuggest)
      : m_recent(recent), m_known(known), m_autoSuggest(autoSuggest) {}

  // Puts text first among the recent searches (moving it there if present,
  // dropping the oldest beyond three) and into the known ones where it
  // sorts, unless there already. Empty text is not recorded.
  void recordSearch(std::wstring_view text);
  // For an empty text the recent searches; otherwise up to three known
  // searches, in list order, that begin with text (case-sensitive) and are
  // longer than it.
  std::vector<std::wstring> suggestionsFor(std::wstring_view text) const;
  void clearHistory();
  void toggleAutoSuggest() { m_autoSuggest = !m_autoSuggest; }
  bool autoSuggest() const { return m_autoSuggest; }
  MenuState menuState() const { return {!m_recent.empty(), m_autoSuggest}; }

 private:
  std::vector<std::wstring>& m_recent;
  std::vector<std::wstring>& m_known;
  bool& m_autoSuggest;
};

}  // namespace tavoro
