#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "wardrobe/XmlDocument.h"
#include "wardrobe/XmlNestingScan.h"

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
TEST(XmlNestingScanTest, AgreesWithTheLibraryOnTrickyTokens) {
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
      // A multi-byte lead byte takes the next bytes with it in UTF-8 mode,
      // even a closing quote or a '<'.
      {"lead byte swallows a quote (UTF-8)", utf8 + "<a x=\"\xE0\"/>\"><b/></a>", 2},
      {"lead byte swallows nothing without a declaration", "<a x=\"\xE0\"/>\"><b/></a>", 1},
      {"byte-order mark selects UTF-8", "\xEF\xBB\xBF<a x=\"\xE0\"/>\"><b/></a>", 2},
      {"a Latin-1 declaration reads bytewise",
       "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><a x=\"\xE0\"/>\"><b/></a>", 1},
      {"encoding is matched as a prefix", "<?xml encoding='utf-8x'?><a x=\"\xE0\"/>\"><b/></a>", 2},
      {"an entity can spell the encoding", "<?xml encoding='&#85;TF-8'?><a x=\"\xE0\"/>\"><b/></a>", 2},
      {"an empty encoding means UTF-8", "<?xml encoding=''?><a x=\"\xE0\"/>\"><b/></a>", 2},
      {"lead byte swallows '<' in text", utf8 + "<a>\xE0<b>x</b></a><c><d/></c>", 1},
      {"lead byte at the very end", utf8 + "<a><b x=\"\xF0", 2},
      {"byte-order mark inside a tag is skipped",
       utf8 + "<a><\xEF\xBB\xBF"
              "b/></a>",
       2},
      {"deep but allowed", nested(200), 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(xmlNestingDepth(c.text, 1000), c.depth);
    EXPECT_EQ(libraryDepth(c.text), c.depth);
  }
}

TEST(XmlNestingScanTest, StopsCountingAboveTheLimit) {
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
TEST(XmlNestingScanTest, ChecksAttributesAndNodesAgainstTheLimits) {
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

TEST(XmlNestingScanTest, FindsTheHeadUpToTheRootsChild) {
  const XmlLimits limits{8, 8, 100000};
  struct HeadCase {
    const char* what;
    std::string text;
    bool found;
    std::string head;  // the text up to the end of the child's start tag
    bool open;
  };
  const std::vector<HeadCase> cases = {
      {"an empty child", "<?xml version='1.0'?><R a='1'><P n='x'/><C/></R>", true,
       "<?xml version='1.0'?><R a='1'><P n='x'/>", false},
      {"a child with content, after others", "<R><C><P/></C><P n='>'><Q/></P></R>", true, "<R><C><P/></C><P n='>'>",
       true},
      {"in a comment or deeper it is not the root's", "<R><!--<P/>--><C><P/></C></R>", false, "", false},
      {"only the first element is the root", "<R/><S><P/></S>", false, "", false},
      {"the text ends first", "<R><C></C><P", false, "", false},
      {"the library stops first", "<R x='1' x='2'><P/></R>", false, "", false},
  };
  for (const HeadCase& c : cases) {
    XmlHead head;
    ASSERT_EQ(findXmlHead(c.text, "P", limits, head), c.found) << c.what;
    if (!c.found) continue;
    EXPECT_EQ(c.text.substr(0, head.end), c.head) << c.what;
    EXPECT_EQ(head.childIsOpen, c.open) << c.what;
    EXPECT_EQ(head.root, "R") << c.what;
  }
}

}  // namespace
}  // namespace tavoro
