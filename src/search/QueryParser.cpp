#include "QueryParser.h"

#include <algorithm>
#include <boost/regex.hpp>

#include "SearchChars.h"
#include "TextNormalizer.h"
#include "platform/CharClass.h"
#include "platform/DecimalText.h"
#include "wardrobe/Tag.h"

namespace tavoro {

namespace {

using Match = boost::match_results<std::wstring_view::const_iterator>;

// ^([^\s":=]+)((:=?)(([^\s"]+)|"([^"]+)"?))? with \s standing for the
// program's own white space, so that the grammar does not depend on how the
// regex library classifies characters.
const boost::wregex& termPattern() {
  static const boost::wregex pattern = [] {
    const std::wstring& space = search::whiteSpaceClassPattern();
    const std::wstring text = L"^([^" + space + L"\":=]+)((:=?)(([^" + space + L"\"]+)|\"([^\"]+)\"?))?";
    return boost::wregex(text, boost::regex::perl | boost::regex::no_mod_m);
  }();
  return pattern;
}

// "never", or ">", a number of days and "d" (the query is lowered already):
// the values that make "worn:" a term of wear. Any other value leaves it a
// tag's, for a tag really named so.
bool wearTerm(std::wstring_view value, int32_t& days) {
  if (value == L"never") {
    days = SearchTerm::kNeverWorn;
    return true;
  }
  if (value.size() < 3 || value.front() != L'>' || value.back() != L'd') return false;
  const std::wstring_view digits = value.substr(1, value.size() - 2);
  int32_t n = 0;
  if (!std::all_of(digits.begin(), digits.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }) ||
      !parseDecimalInt(digits, n))
    return false;
  days = n;
  return true;
}

std::wstring groupText(const Match& match, int group) {
  return match[group].matched ? std::wstring(match[group].first, match[group].second) : std::wstring();
}

}  // namespace

std::vector<std::wstring> tokenizeQuery(std::wstring_view query) {
  std::vector<std::wstring> tokens;
  const std::wstring normal = normalizeText(query);
  const std::wstring_view q = normal;
  size_t pos = 0;
  while (pos < q.size()) {
    if (q[pos] == L' ') {
      ++pos;
      continue;
    }
    if (q[pos] == L'"') {
      const size_t close = q.find(L'"', pos + 1);
      const size_t end = close == std::wstring_view::npos ? q.size() : close;
      std::wstring content = trimSpace(q.substr(pos + 1, end - pos - 1));
      if (!content.empty()) tokens.push_back(L"\"" + content);
      pos = close == std::wstring_view::npos ? q.size() : close + 1;
      continue;
    }
    Match match;
    bool found = false;
    try {
      found = boost::regex_search(q.begin() + pos, q.end(), match, termPattern(), boost::match_continuous);
    } catch (const std::exception&) {
      found = false;  // the regex library gave up: keep the tokens found so far
    }
    if (!found || match.length(0) <= 0) break;
    tokens.emplace_back(match[0].first, match[0].second);
    pos += static_cast<size_t>(match.length(0));
  }
  return tokens;
}

bool parseToken(std::wstring_view token, SearchTerm& term) {
  term = SearchTerm{};
  if (token.empty()) return false;
  if (token.front() == L'"') {
    term.value = std::wstring(token.substr(1));
    return true;
  }
  Match match;
  try {
    if (!boost::regex_match(token.begin(), token.end(), match, termPattern())) return false;
  } catch (const std::exception&) {
    return false;
  }
  if (!match[2].matched) {
    term.value = groupText(match, 1);
    return true;
  }
  const std::wstring name = groupText(match, 1);
  term.exact = groupText(match, 3) == L":=";
  term.value = trimSpace(match[5].matched ? groupText(match, 5) : groupText(match, 6));
  if (name == L"itemname") {
    term.kind = TermKind::ItemName;
  } else if (name == L"worn" && !term.exact && match[5].matched && wearTerm(term.value, term.wornDays)) {
    term.kind = TermKind::Worn;
  } else {
    term.kind = TermKind::TagValue;
    term.tagKey = Tag::keyOf(name);
  }
  return true;
}

std::vector<SearchTerm> parseQuery(std::wstring_view query) {
  std::vector<SearchTerm> terms;
  for (const std::wstring& token : tokenizeQuery(query)) {
    SearchTerm term;
    if (parseToken(token, term)) terms.push_back(std::move(term));
  }
  return terms;
}

}  // namespace tavoro
