#include "XmlDocument.h"

#include <locale.h>
#include <tinyxml.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "XmlParser.h"
#include "platform/WholeFile.h"

namespace tavoro {

namespace {

// The library steps past the terminating NUL when a multi-byte character is
// cut off at the very end; these NULs are what it finds there.
constexpr size_t kNulPadding = 64;

// The library classifies bytes with isspace, isalpha and tolower, which
// follow the thread's locale; the nesting scan assumes the "C" classes.
class ClassicCharacterClasses {
 public:
  ClassicCharacterClasses() {
    static const locale_t classic = ::newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    m_previous = classic ? ::uselocale(classic) : static_cast<locale_t>(nullptr);
  }
  ~ClassicCharacterClasses() {
    if (m_previous) ::uselocale(m_previous);
  }
  ClassicCharacterClasses(const ClassicCharacterClasses&) = delete;
  ClassicCharacterClasses& operator=(const ClassicCharacterClasses&) = delete;

 private:
  locale_t m_previous = nullptr;
};

// Whether a document, once printed, would pass the checks on loading it
// again: the nodes' memory, the nesting and the attributes per element.
bool withinLimits(const TiXmlNode& top) {
  size_t bytes = 0;
  std::vector<std::pair<const TiXmlNode*, int>> pending{{&top, 0}};
  while (!pending.empty()) {
    const auto [node, depth] = pending.back();
    pending.pop_back();
    for (const TiXmlNode* child = node->FirstChild(); child; child = child->NextSibling()) {
      const TiXmlElement* element = child->ToElement();
      if (!element) {
        bytes += kXmlOtherNodeBytes;
        continue;
      }
      if (depth + 1 > XmlDocument::kMaxNesting) return false;
      bytes += kXmlElementBytes;
      int attributes = 0;
      for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next()) ++attributes;
      if (attributes > XmlDocument::kMaxAttributes) return false;
      bytes += static_cast<size_t>(attributes) * kXmlAttributeBytes;
      pending.emplace_back(element, depth + 1);
    }
    if (bytes > XmlDocument::kMaxNodeBytes) return false;
  }
  return true;
}

}  // namespace

XmlDocument::XmlDocument() = default;
XmlDocument::~XmlDocument() = default;

bool XmlDocument::load(std::wstring_view path, size_t maxBytes) {
  m_document = std::make_unique<TiXmlDocument>();
  std::string text;
  if (readWholeFile(path, maxBytes, text) != FileReadStatus::Ok) return false;
  return parseOwned(text);
}

bool XmlDocument::parse(std::string_view bytes) {
  m_document = std::make_unique<TiXmlDocument>();
  std::string text(bytes);
  return parseOwned(text);
}

bool XmlDocument::parseOwned(std::string& text) {
  prepareXmlText(text);
  // The library parses and deletes recursively, one level per element, and
  // is slow or greedy with some shapes of text: those are refused unread.
  if (checkXml(text, kLimits) != XmlCheck::WithinLimits) return false;
  text.append(kNulPadding, '\0');
  ClassicCharacterClasses classic;
  m_document->SetTabSize(0);  // no row and column tracking: nothing reports them
  m_document->Parse(text.c_str(), nullptr, TIXML_ENCODING_UNKNOWN);
  return !m_document->Error();
}

bool XmlDocument::save(std::wstring_view path, size_t maxBytes) const {
  if (!m_document || !withinLimits(*m_document)) return false;
  return replaceFileAtomically(path, [&](std::FILE* file) {
           if (!m_document->SaveFile(file)) return false;
           const long size = std::ftell(file);
           return size >= 0 && static_cast<unsigned long>(size) <= maxBytes;
         })
      .ok();
}

XmlElement XmlDocument::createWithRoot(const char* rootName) {
  m_document = std::make_unique<TiXmlDocument>();
  m_document->LinkEndChild(new TiXmlDeclaration("1.0", "UTF-8", ""));
  auto* root = new TiXmlElement(rootName);
  m_document->LinkEndChild(root);
  return XmlElement(root);
}

XmlElement XmlDocument::root() const {
  return XmlElement(m_document ? m_document->RootElement() : nullptr);
}

}  // namespace tavoro
