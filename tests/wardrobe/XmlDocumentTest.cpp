#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "platform/Utf8.h"
#include "wardrobe/XmlDocument.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;
using test::writeFile;

std::string nested(int depth) {
  std::string text;
  for (int i = 0; i < depth; ++i) text += "<e>";
  for (int i = 0; i < depth; ++i) text += "</e>";
  return text;
}

TEST(XmlDocumentTest, SavesTheLibraryPrintingWithAttributesInTheOrderSet) {
  TempDir dir;
  XmlDocument document;
  XmlElement root = document.createWithRoot("Root");
  root.setText("b", L"2");
  root.setText("a", L"1");
  XmlElement child = root.appendChild("Child");
  child.setInt("n", -42);
  child.appendChild("Leaf");
  root.appendChild("Empty");
  root.setText("b", L"replaced");  // keeps its place
  ASSERT_TRUE(document.save(dir / L"out.xml"));
  EXPECT_EQ(readFile(dir / L"out.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n"
            "<Root b=\"replaced\" a=\"1\">\n"
            "    <Child n=\"-42\">\n"
            "        <Leaf />\n"
            "    </Child>\n"
            "    <Empty />\n"
            "</Root>\n");
}

TEST(XmlDocumentTest, AttributeValuesSurviveSaveAndLoad) {
  const std::vector<std::wstring> values = {
      L"\u6D77\u8001\u9F20 \u30B7\u30E3\u30C4",  // CJK
      L"\U0001F455\U0001F457 emoji",
      L"a & b < c > d \"quoted\" 'single'",
      L"&amp; &#x41; &#65; &bogus;",  // reference-like text stays text
      L"  blanks kept  ",
      L"tab\there, line\nbreak, return\rend",
      std::wstring(L"nul\0inside", 10),
  };
  TempDir dir;
  XmlDocument written;
  XmlElement root = written.createWithRoot("R");
  for (size_t i = 0; i < values.size(); ++i) root.appendChild("V").setText("v", values[i]);
  ASSERT_TRUE(written.save(dir / L"v.xml"));

  XmlDocument read;
  ASSERT_TRUE(read.load(dir / L"v.xml"));
  size_t i = 0;
  for (XmlElement v = read.root().firstChild("V"); v; v = v.nextSibling(), ++i) {
    std::wstring value;
    ASSERT_LT(i, values.size());
    EXPECT_TRUE(v.getText("v", value));
    EXPECT_EQ(value, values[i]) << "value " << i;
  }
  EXPECT_EQ(i, values.size());
}

TEST(XmlDocumentTest, ReadsIntegersLikeTheLibraryButRefusesOverflow) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  };
  const std::vector<Case> cases = {
      {"7", true, 7},
      {"7a", true, 7},
      {" -12", true, -12},
      {"+5", true, 5},
      {"007", true, 7},
      {"2147483647", true, INT32_MAX},
      {"-2147483648", true, INT32_MIN},
      {"a7", false, 0},
      {"", false, 0},
      {"-", false, 0},
      {"+-1", false, 0},
      {"0x10", true, 0},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"99999999999999999999", false, 0},
  };
  for (const Case& c : cases) {
    XmlDocument document;
    XmlElement root = document.createWithRoot("R");
    root.setText("n", fromUtf8(c.text));
    int32_t out = 12345;
    EXPECT_EQ(root.getInt("n", out), c.ok) << c.text;
    EXPECT_EQ(out, c.ok ? c.value : 12345) << c.text;  // unchanged on failure
  }
  XmlDocument document;
  int32_t out = 1;
  EXPECT_FALSE(document.createWithRoot("R").getInt("missing", out));
}

TEST(XmlDocumentTest, EmptyOrMissingTextCountsAsMissing) {
  XmlDocument document;
  ASSERT_TRUE(document.parse("<R empty=\"\" full=\"x\"/>"));
  std::wstring out = L"old";
  EXPECT_FALSE(document.root().getText("empty", out));
  EXPECT_EQ(out, L"");
  out = L"old";
  EXPECT_FALSE(document.root().getText("missing", out));
  EXPECT_EQ(out, L"");
  EXPECT_TRUE(document.root().getText("full", out));
  EXPECT_EQ(out, L"x");
}

TEST(XmlDocumentTest, FindsChildrenByExactNameAndSkipsOtherNodes) {
  XmlDocument document;
  ASSERT_TRUE(
      document.parse("<?xml version=\"1.0\"?><!-- top --><R><Other/><!--Wanted-->text<wanted/>"
                     "<Wanted id=\"1\"/><Wanted id=\"2\"/><Other/></R>"));
  XmlElement root = document.root();
  EXPECT_EQ(root.name(), "R");
  XmlElement first = root.firstChild("Wanted");
  int32_t id = 0;
  ASSERT_TRUE(first.getInt("id", id));
  EXPECT_EQ(id, 1);
  EXPECT_TRUE(first.nextSibling().nameIs("Wanted"));
  EXPECT_TRUE(first.nextSibling().nextSibling().nameIs("Other"));
  EXPECT_TRUE(first.nextSibling().nextSibling().nextSibling().isNull());
  EXPECT_TRUE(root.firstChild("Absent").isNull());
  EXPECT_TRUE(root.firstChild().nameIs("Other"));
  // A null handle answers every question with "none".
  XmlElement none;
  EXPECT_TRUE(none.firstChild("R").isNull());
  EXPECT_TRUE(none.appendChild("R").isNull());
  EXPECT_EQ(none.name(), "");
  std::wstring text;
  EXPECT_FALSE(none.getText("a", text));
}

TEST(XmlDocumentTest, LoadsLikeTheLibraryLoadsFiles) {
  TempDir dir;
  // Line ends of any kind; the text ends at the first NUL byte.
  writeFile(dir / L"crlf.xml", "<?xml version=\"1.0\"?>\r\n<R a=\"x\r\ny\"\r/>\r\n");
  XmlDocument crlf;
  ASSERT_TRUE(crlf.load(dir / L"crlf.xml"));
  std::wstring value;
  crlf.root().getText("a", value);
  EXPECT_EQ(value, L"x\ny");
  writeFile(dir / L"trailing-nul.xml", std::string("<R/>\0garbage<", 13));
  EXPECT_TRUE(XmlDocument().load(dir / L"trailing-nul.xml"));
  writeFile(dir / L"inner-nul.xml", std::string("<R><A/>\0</R>", 12));
  EXPECT_FALSE(XmlDocument().load(dir / L"inner-nul.xml"));
  // Values are UTF-8 whatever the declaration says; a byte that is not
  // UTF-8 reads as U+FFFD, and is never written back as itself: before the
  // closing quote of a UTF-8 file it would swallow the quote.
  writeFile(dir / L"latin1.xml", "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><R a=\"caf\xE9\"/>");
  XmlDocument latin1;
  ASSERT_TRUE(latin1.load(dir / L"latin1.xml"));
  latin1.root().getText("a", value);
  EXPECT_EQ(value, L"caf\uFFFD");
  XmlDocument copy;
  copy.createWithRoot("R").setText("a", L"caf" + std::wstring(1, static_cast<wchar_t>(0xDCE9)));
  ASSERT_TRUE(copy.save(dir / L"copy.xml"));
  XmlDocument reread;
  ASSERT_TRUE(reread.load(dir / L"copy.xml"));
  reread.root().getText("a", value);
  EXPECT_EQ(value, L"caf\uFFFD");
}

TEST(XmlDocumentTest, RefusesWhatCannotBeParsedWithoutCrashing) {
  TempDir dir;
  std::string huge = "<R v=\"";
  huge.append(size_t{8} << 20, 'x');
  huge += "\"/>";
  std::string unclosed;
  for (int i = 0; i < 200000; ++i) unclosed += "<a>";
  const auto withAttributes = [](int count) {
    std::string text = "<R";
    for (int i = 0; i < count; ++i) text += " a" + std::to_string(i) + "=\"\"";
    return text + "/>";
  };
  // Empty elements cost the library fifty times their size: these would take more memory than it may.
  std::string emptyElements = "<R>";
  for (size_t i = 0; i < XmlDocument::kMaxNodeBytes / kXmlElementBytes; ++i) emptyElements += "<a/>";
  emptyElements += "</R>";
  struct Case {
    const char* what;
    std::string bytes;
    bool loads;
  };
  const std::vector<Case> cases = {
      {"empty file", "", false},
      {"not XML", "hello, world", false},
      {"truncated", "<?xml version=\"1.0\"?><R><A b=\"1\"", false},
      {"unclosed element", "<R><A></R>", false},
      {"deepest allowed nesting", nested(XmlDocument::kMaxNesting), true},
      {"one level too deep", nested(XmlDocument::kMaxNesting + 1), false},
      {"nested far too deep", nested(100000), false},
      {"unclosed far too deep", unclosed, false},
      {"huge attribute value", huge, true},
      {"as many attributes as allowed", withAttributes(XmlDocument::kMaxAttributes), true},
      {"one attribute too many", withAttributes(XmlDocument::kMaxAttributes + 1), false},
      {"fifty thousand attributes", withAttributes(50000), false},
      {"more empty elements than the memory allows", emptyElements, false},
      {"multi-byte character cut at the end", "\xEF\xBB\xBF<R a=\"\xF0", false},
      {"UTF-16 file", std::string("\xFF\xFE<\0R\0/\0>\0", 10), false},
      {"binary noise", std::string("\x89PNG\r\n\x1A\n\0\0\0\rIHDR", 16), false},
  };
  for (const Case& c : cases) {
    writeFile(dir / L"case.xml", c.bytes);
    EXPECT_EQ(XmlDocument().load(dir / L"case.xml"), c.loads) << c.what;
  }
}

TEST(XmlDocumentTest, RefusesWhatIsNotARegularFileOrTooLarge) {
  TempDir dir;
  EXPECT_FALSE(XmlDocument().load(dir / L"missing.xml"));
  EXPECT_FALSE(XmlDocument().load(dir.path()));
  ASSERT_EQ(::mkfifo(toUtf8(dir / L"fifo").c_str(), 0600), 0);
  EXPECT_FALSE(XmlDocument().load(dir / L"fifo"));  // and does not wait for a writer
  writeFile(dir / L"big.xml", "<R a=\"0123456789\"/>");
  EXPECT_TRUE(XmlDocument().load(dir / L"big.xml", 19));
  EXPECT_FALSE(XmlDocument().load(dir / L"big.xml", 18));
}

TEST(XmlDocumentTest, SaveThatWouldNotLoadAgainLeavesTheOldFile) {
  TempDir dir;
  writeFile(dir / L"f.xml", "old");
  XmlDocument document;
  document.createWithRoot("R").setText("a", std::wstring(100, L'x'));
  EXPECT_FALSE(document.save(dir / L"f.xml", 64));
  EXPECT_EQ(readFile(dir / L"f.xml"), "old");
  EXPECT_FALSE(XmlDocument().save(dir / L"f.xml"));  // no document
  EXPECT_EQ(readFile(dir / L"f.xml"), "old");
  XmlElement crowded = document.createWithRoot("R");
  for (int i = 0; i <= XmlDocument::kMaxAttributes; ++i)
    crowded.setInt(std::string("a").append(std::to_string(i)).c_str(), i);
  EXPECT_FALSE(document.save(dir / L"f.xml"));
  EXPECT_EQ(readFile(dir / L"f.xml"), "old");
}

}  // namespace
}  // namespace tavoro
