#include "XmlStreamWriter.h"

#include <tinyxml.h>

#include "platform/WholeFile.h"

// The library prints a document as its declaration and each top-level node,
// each followed by a line break; an element as its indentation (four blanks
// a level), "<name", " " and each attribute, then " />" without children,
// or ">" and each child element after a line break, then a line break, the
// indentation and "</name>". An open element's start tag and end tag are
// written here by those rules; everything else is the library's printing.

namespace tavoro {

namespace {

// What the nodes of an element and everything in it take in the library's
// memory once read again (the estimate the XML layer reads files by).
size_t nodeBytes(const TiXmlElement& element) {
  size_t bytes = kXmlElementBytes;
  for (const TiXmlAttribute* a = element.FirstAttribute(); a; a = a->Next()) bytes += kXmlAttributeBytes;
  for (const TiXmlNode* child = element.FirstChild(); child; child = child->NextSibling())
    bytes += child->ToElement() ? nodeBytes(*child->ToElement()) : kXmlOtherNodeBytes;
  return bytes;
}

}  // namespace

struct XmlStreamWriter::Open {
  std::unique_ptr<TiXmlElement> element;  // holds the attributes
  bool started = false;                   // its start tag is written
};

bool XmlStreamWriter::writeFile(std::wstring_view path, const std::function<void(XmlStreamWriter&)>& body,
                                size_t maxBytes, size_t maxNodeBytes) {
  return replaceFileAtomically(path, [&](std::FILE* file) {
    size_t nodeBytes = 0;
    {
      XmlStreamWriter writer(file);
      body(writer);
      writer.closeAll();
      nodeBytes = writer.m_nodeBytes;
    }
    // A file that could not be read again is not written.
    const long size = std::ftell(file);
    return !std::ferror(file) && size >= 0 && static_cast<unsigned long>(size) <= maxBytes && nodeBytes <= maxNodeBytes;
  });
}

XmlStreamWriter::XmlStreamWriter(std::FILE* file) : m_file(file), m_nodeBytes(kXmlOtherNodeBytes) {
  TiXmlDeclaration("1.0", "UTF-8", "").Print(m_file, 0);
  std::fputc('\n', m_file);
}

XmlStreamWriter::~XmlStreamWriter() {
  closeAll();
}

void XmlStreamWriter::closeAll() {
  while (!m_open.empty()) close();
  flushElement();
}

XmlElement XmlStreamWriter::open(const char* name) {
  flushElement();
  startParent();
  m_open.push_back(Open{std::make_unique<TiXmlElement>(name), false});
  return XmlElement(m_open.back().element.get());
}

void XmlStreamWriter::close() {
  if (m_open.empty()) return;
  flushElement();
  Open& innermost = m_open.back();
  const int depth = static_cast<int>(m_open.size()) - 1;
  if (!innermost.started) {
    beginLine(depth);
    innermost.element->Print(m_file, depth);  // no children: the empty form
    m_nodeBytes += nodeBytes(*innermost.element);
  } else {
    std::fputc('\n', m_file);
    for (int i = 0; i < depth; ++i) std::fputs("    ", m_file);
    std::fprintf(m_file, "</%s>", innermost.element->Value());
  }
  m_open.pop_back();
  if (m_open.empty()) std::fputc('\n', m_file);
}

XmlElement XmlStreamWriter::element(const char* name) {
  flushElement();
  startParent();
  m_element = std::make_unique<TiXmlElement>(name);
  return XmlElement(m_element.get());
}

void XmlStreamWriter::flushElement() {
  if (!m_element) return;
  const int depth = static_cast<int>(m_open.size());
  beginLine(depth);
  m_element->Print(m_file, depth);
  m_nodeBytes += nodeBytes(*m_element);
  if (depth == 0) std::fputc('\n', m_file);
  m_element.reset();
}

void XmlStreamWriter::startParent() {
  if (m_open.empty() || m_open.back().started) return;
  const int depth = static_cast<int>(m_open.size()) - 1;
  const TiXmlElement& parent = *m_open.back().element;
  beginLine(depth);
  for (int i = 0; i < depth; ++i) std::fputs("    ", m_file);
  std::fprintf(m_file, "<%s", parent.Value());
  for (const TiXmlAttribute* a = parent.FirstAttribute(); a; a = a->Next()) {
    std::fputc(' ', m_file);
    a->Print(m_file, depth);
  }
  std::fputc('>', m_file);
  m_nodeBytes += nodeBytes(parent);  // no children yet: the element and its attributes
  m_open.back().started = true;
}

// A child starts on a line of its own; a top-level element follows the line
// break that ended the node before it.
void XmlStreamWriter::beginLine(int depth) {
  if (depth > 0) std::fputc('\n', m_file);
}

}  // namespace tavoro
