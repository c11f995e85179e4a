#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "wardrobe/XmlDocument.h"
#include "wardrobe/XmlParser.h"

namespace tavoro {
namespace {

// The deepest element nesting in what the library actually built, also from
// a parse it gave up on (elements it opened stay in the partial tree).
int libraryDepth(std::string_view text) {
  XmlDocument document;
  document.parse(text);
  int deepest = 0;
  std::vector<std::pair<XmlElement, int>> pending;
  for (XmlElement top = document.root(); top; top = top.nextSibling()) pending.emplace_back(top, 1);
  while (!pending.empty()) {
    const auto [element, depth] = pending.back();
    pending.pop_back();
    deepest = std::max(deepest, depth);
    for (XmlElement child = element.firstChild(); child; child = child.nextSibling())
      pending.emplace_back(child, depth + 1);
  }
  return deepest;
}

std::string nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<e>";
  for (int i = 0; i < depth; ++i) text += "</e>";
  return text;
}

struct Case {
  const char* what;
  std::string text;
  int depth;
};

// Each text is one the library tokenizes differently from a naive tag
// counter; the scan must agree with the library on every one.
TEST(XmlParserTest, AgreesWithTheLibraryOnTrickyTokens) {
  const std::string utf8 = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>";
  const std::vector<Case> cases = {
      {"empty text", "", 0},
      {"text only", "just words", 0},
      {"plain nesting", "<a><b><c/></b></a>", 3},
      {"siblings do not add up", "<a><b/><b/><b><c/></b></a>", 3},
      {"several top-level elements", "<a/><b><c><d/></c></b>", 3},
      {"'/>' and '>' inside double quotes", "<a x=\"/>\" y=\">\"><b/></a>", 2},
      {"double quote inside single quotes", "<a x='\"/>'><b><c/></b></a>", 3},
      {"tags inside a comment", "<a><!-- <b><c><d> --></a>", 1},
      {"comment ends at the first -->", "<a><!-- x --> <b/> --></a>", 2},
      {"tags inside CDATA", "<a><![CDATA[<b><c>]]></a>", 1},
      {"unknown node ends at the first >", "<a><!DOCTYPE <b> ><c/></a>", 2},
      {"processing instruction is an unknown node", "<a><?pi <b> ?><c/></a>", 2},
      {"declaration value holding >", "<?xml version=\">\" ?><a><b/></a>", 2},
      {"blanks before the '>' of an end tag", "<a><b></b \n ><c><d/></c></a>", 3},
      {"an end tag that only starts with the name", "<a><b></bc><c><d/></c></b></a>", 2},
      {"end tag of another element stops the parse", "<a><b></c></a><x><y><z/></y></x>", 2},
      {"repeated attribute stops the parse", "<a x=\"1\" x=\"2\"><b><c/></b></a>", 1},
      {"bad character reference stops the parse", "<a x=\"&#x1g;\"><b><c/></b></a>", 1},
      {"reference without ';' stops the parse", "<a x=\"&#12\"><b/></a>", 1},
      {"unquoted value", "<a x=1><b y=2/></a>", 2},
      {"quote inside an unquoted value stops the parse", "<a x=1\"><b/></a>", 1},
      {"text with entities and '>'", "<a>x &amp; y > z<b/></a>", 2},
      {"truncated inside a value", "<a><b x=\"", 2},
      {"truncated inside a comment", "<a><b><!-- ", 2},
      {"truncated inside CDATA", "<a><b><![CDATA[", 2},
      {"CDATA at the very end", "<a><b><![CDATA[x]]>", 2},
      {"text at the very end", "<a>text", 1},
      {"blank between '<' and name is text", "<a>< b><c/></a>", 2},
      {"top-level text ends the document", "<a/>text<b><c/></b>", 1},
      {"end tag at the top level is an unknown node", "</x><a><b/></a>", 2},
      // A byte that is not part of UTF-8 is one character wherever it stands
      // (the library would take the bytes after a lead byte with it, even a
      // closing quote or a '<').
      {"a stray lead byte before a quote", utf8 + "<a x=\"\xE0\"><b/></a>", 2},
      {"a stray lead byte before '<' in text", utf8 + "<a>\xE0<b>x</b></a><c><d/></c>", 2},
      {"a stray lead byte without a declaration", "<a x=\"\xE0\"><b/></a>", 2},
      {"a lead byte at the very end", utf8 + "<a><b x=\"\xF0", 2},
      {"byte-order mark inside a tag is skipped",
       utf8 + "<a><\xEF\xBB\xBF"
              "b/></a>",
       2},
      {"deep but allowed", nested(200), 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string prepared = c.text;
    prepareXmlText(prepared);
    EXPECT_EQ(xmlNestingDepth(prepared, 1000), c.depth);
    EXPECT_EQ(libraryDepth(c.text), c.depth);
  }
}

TEST(XmlParserTest, StopsCountingAboveTheLimit) {
  EXPECT_EQ(xmlNestingDepth(nested(10), 10), 10);
  EXPECT_EQ(xmlNestingDepth(nested(11), 10), 11);
  EXPECT_EQ(xmlNestingDepth(nested(100000), 10), 11);
  // Unclosed elements nest just the same.
  std::string unclosed;
  for (int i = 0; i < 100000; ++i) unclosed += "<a>";
  EXPECT_EQ(xmlNestingDepth(unclosed, 256), 257);
}

// The library allocates one node per element, attribute, text, comment and
// declaration; the check adds up their cost as it goes and stops at the
// first limit passed.
TEST(XmlParserTest, ChecksAttributesAndNodesAgainstTheLimits) {
  const size_t e = kXmlElementBytes, a = kXmlAttributeBytes, o = kXmlOtherNodeBytes;
  struct LimitCase {
    const char* what;
    std::string text;
    XmlLimits limits;
    XmlCheck expected;
  };
  const std::string mixed = "<?xml version='1.0'?><a x='1'>text<!--c--><b/></a>";
  const size_t mixedBytes = o + e + a + o + o + e;
  const std::vector<LimitCase> cases = {
      {"attributes up to the limit", "<a x='1' y='2'/>", {8, 2, 1000}, XmlCheck::WithinLimits},
      {"one attribute too many", "<a x='1' y='2'/>", {8, 1, 1000}, XmlCheck::TooManyAttributes},
      {"counted before the repeated name", "<a x='1' x='2'/>", {8, 1, 1000}, XmlCheck::TooManyAttributes},
      {"every kind of node counted", mixed, {8, 8, mixedBytes}, XmlCheck::WithinLimits},
      {"one byte short", mixed, {8, 8, mixedBytes - 1}, XmlCheck::TooManyNodes},
      {"blanks between elements are no text", "<a>\n  <b/>\n</a>", {8, 8, 2 * e}, XmlCheck::WithinLimits},
      {"too deep", nested(3), {2, 8, 10000}, XmlCheck::TooDeep},
      {"nothing after the library stops", "<a x='1' x='2'/><b/><c/>", {8, 8, e + 2 * a}, XmlCheck::WithinLimits},
  };
  for (const LimitCase& c : cases) EXPECT_EQ(checkXml(c.text, c.limits), c.expected) << c.what;
}

}  // namespace
}  // namespace tavoro
