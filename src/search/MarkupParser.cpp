#include "MarkupParser.h"

#include <boost/regex.hpp>

#include "SearchChars.h"

namespace tavoro {

namespace {

using Match = boost::match_results<std::wstring_view::const_iterator>;

// <color(\s+([fb])g=#(X{6}))?(\s+([fb])g=#(X{6}))?\s*>([^<>]+)</color> with
// X the ASCII hexadecimal digits and \s the program's own white space.
const boost::wregex& elementPattern() {
  static const boost::wregex pattern = [] {
    const std::wstring space = L"[" + search::whiteSpaceClassPattern() + L"]";
    const std::wstring attribute = L"(" + space + L"+([fb])g=#([0-9a-fA-F]{6}))?";
    const std::wstring text = L"<color" + attribute + attribute + space + L"*>([^<>]+)</color>";
    return boost::wregex(text, boost::regex::perl | boost::regex::no_mod_m);
  }();
  return pattern;
}

int hexDigit(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

void applyAttribute(const Match& match, int letterGroup, MarkupRun& run) {
  if (!match[letterGroup].matched) return;
  const Rgb color = parseMarkupColor(std::wstring_view(match[letterGroup + 1].first, match[letterGroup + 1].second));
  if (*match[letterGroup].first == L'f') {
    run.textColor = color;
  } else {
    run.backColor = color;
    run.opaque = true;
  }
}

}  // namespace

Rgb parseMarkupColor(std::wstring_view text) {
  if (text.size() == 7 && text.front() == L'#') text.remove_prefix(1);
  if (text.size() != 6) return {};
  int digits[6];
  for (size_t i = 0; i < 6; ++i) {
    digits[i] = hexDigit(text[i]);
    if (digits[i] < 0) return {};
  }
  return Rgb{static_cast<uint8_t>(digits[0] * 16 + digits[1]), static_cast<uint8_t>(digits[2] * 16 + digits[3]),
             static_cast<uint8_t>(digits[4] * 16 + digits[5])};
}

std::vector<MarkupRun> parseMarkup(std::wstring_view markup, const MarkupStyle& defaults) {
  std::vector<MarkupRun> runs;
  const auto plainRun = [&](std::wstring_view::const_iterator from, std::wstring_view::const_iterator to) {
    runs.push_back(MarkupRun{std::wstring(from, to), defaults.textColor, defaults.backColor, defaults.opaque});
  };
  auto pos = markup.begin();
  while (pos != markup.end()) {
    Match match;
    bool found = false;
    try {
      found = boost::regex_search(pos, markup.end(), match, elementPattern());
    } catch (const std::exception&) {
      found = false;  // the regex library gave up: show the rest as it is
    }
    if (!found) {
      plainRun(pos, markup.end());
      break;
    }
    if (match[0].first != pos) plainRun(pos, match[0].first);
    MarkupRun run{std::wstring(match[7].first, match[7].second), defaults.textColor, defaults.backColor,
                  defaults.opaque};
    applyAttribute(match, 2, run);
    applyAttribute(match, 5, run);
    runs.push_back(std::move(run));
    pos = match[0].second;
  }
  return runs;
}

}  // namespace tavoro
