#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "TempDir.h"
#include "TestFiles.h"
#include "wardrobe/XmlDocument.h"
#include "wardrobe/XmlStreamWriter.h"

namespace tavoro {
namespace {

using test::readFile;
using test::TempDir;

// An element to write, either streamed (open ... close) or whole.
struct Node {
  const char* name;
  std::vector<std::pair<const char*, std::wstring>> attributes;
  std::vector<Node> children;
  bool streamed = false;
};

void setAttributes(XmlElement element, const Node& node) {
  for (const auto& [name, value] : node.attributes) element.setText(name, value);
}

void buildTree(XmlElement element, const Node& node) {
  setAttributes(element, node);
  for (const Node& child : node.children) buildTree(element.appendChild(child.name), child);
}

void stream(XmlStreamWriter& out, const Node& node) {
  if (!node.streamed) {
    buildTree(out.element(node.name), node);
    return;
  }
  setAttributes(out.open(node.name), node);
  for (const Node& child : node.children) stream(out, child);
  out.close();
}

TEST(XmlStreamWriterTest, WritesWhatTheLibraryPrintsForTheWholeDocument) {
  const std::wstring awkward = L"\"quoted\" & <tag> 'apostrophe' \t\u6D77 \U0001F455";
  const Node leaf{"Leaf", {{"v", L"1"}}, {}};
  const Node subtree{"Whole", {{"a", awkward}}, {leaf, Node{"Inner", {}, {leaf, leaf}}}};
  const std::vector<Node> documents = {
      Node{"Root", {}, {}, true},
      Node{"Root", {{"version", L"1.0"}, {"q", awkward}}, {}, true},
      Node{"Root", {{"x", L"y"}}, {leaf}, true},
      Node{"Root",
           {{"x", L"y"}},
           {subtree, Node{"EmptyOpen", {{"n", L"3"}}, {}, true},
            Node{"Open",
                 {},
                 {leaf, Node{"Deeper", {{"d", L"2"}}, {subtree, Node{"Deepest", {}, {leaf}, true}}, true}},
                 true},
            leaf},
           true},
      subtree,  // a whole element at the top level
  };
  TempDir dir;
  for (size_t i = 0; i < documents.size(); ++i) {
    XmlDocument document;
    buildTree(document.createWithRoot(documents[i].name), documents[i]);
    ASSERT_TRUE(document.save(dir / L"whole.xml"));
    ASSERT_TRUE(
        XmlStreamWriter::writeFile(dir / L"streamed.xml", [&](XmlStreamWriter& out) { stream(out, documents[i]); }));
    EXPECT_EQ(readFile(dir / L"streamed.xml"), readFile(dir / L"whole.xml")) << "document " << i;
  }
}

TEST(XmlStreamWriterTest, ClosesWhatIsLeftOpenAndRefusesTooLargeText) {
  TempDir dir;
  ASSERT_TRUE(XmlStreamWriter::writeFile(dir / L"f.xml", [](XmlStreamWriter& out) {
    out.open("A");
    out.open("B");
    out.element("C");
  }));
  EXPECT_EQ(readFile(dir / L"f.xml"),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n<A>\n    <B>\n        <C />\n    </B>\n</A>\n");
  EXPECT_FALSE(XmlStreamWriter::writeFile(
      dir / L"f.xml", [](XmlStreamWriter& out) { out.element("A").setText("v", std::wstring(100, L'x')); }, 100));
  EXPECT_EQ(readFile(dir / L"f.xml").substr(0, 5), "<?xml");  // the earlier file is whole
  EXPECT_NE(readFile(dir / L"f.xml").find("</A>"), std::string::npos);
}

// The writer refuses exactly what the XML layer would refuse to read again:
// a declaration and three elements take 136 + 3 x 224 bytes of nodes.
TEST(XmlStreamWriterTest, RefusesADocumentWhoseNodesWouldNotBeReadAgain) {
  TempDir dir;
  const auto body = [](XmlStreamWriter& out) {
    out.open("A");
    out.element("B").appendChild("C");
  };
  const size_t nodeBytes = kXmlOtherNodeBytes + 3 * kXmlElementBytes;
  ASSERT_TRUE(XmlStreamWriter::writeFile(dir / L"f.xml", body, XmlDocument::kMaxFileBytes, nodeBytes));
  const std::string written = readFile(dir / L"f.xml");
  EXPECT_EQ(checkXml(written, {8, 8, nodeBytes}), XmlCheck::WithinLimits);
  EXPECT_EQ(checkXml(written, {8, 8, nodeBytes - 1}), XmlCheck::TooManyNodes);
  EXPECT_FALSE(XmlStreamWriter::writeFile(dir / L"f.xml", body, XmlDocument::kMaxFileBytes, nodeBytes - 1));
  EXPECT_EQ(readFile(dir / L"f.xml"), written);
}

}  // namespace
}  // namespace tavoro
