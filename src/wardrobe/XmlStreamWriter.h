// Writing a large XML file element by element, byte for byte as the XML
// library prints a whole document, without ever holding the whole document:
// only the open containers and one small element at a time exist. The
// library itself prints every attribute and every element written whole.
// Not thread-safe: one writer belongs to one thread.
#pragma once

#include <cstddef>
#include <cstdio>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

#include "XmlDocument.h"
#include "XmlElement.h"

namespace tavoro {

class XmlStreamWriter {
 public:
  // Writes the file at path through body, atomically (on failure the
  // previous file is left whole). False when writing fails or the text would
  // be larger than maxBytes or its nodes take more than maxNodeBytes when
  // read (the XML layer would not load it again).
  static bool writeFile(std::wstring_view path, const std::function<void(XmlStreamWriter&)>& body,
                        size_t maxBytes = XmlDocument::kMaxFileBytes, size_t maxNodeBytes = XmlDocument::kMaxNodeBytes);

  // Writes the declaration (version "1.0", encoding "UTF-8") to file.
  explicit XmlStreamWriter(std::FILE* file);
  ~XmlStreamWriter();
  XmlStreamWriter(const XmlStreamWriter&) = delete;
  XmlStreamWriter& operator=(const XmlStreamWriter&) = delete;

  // Starts an element whose children follow through this writer; the handle
  // sets its attributes (before the first child). With no child it is
  // written as an empty element.
  XmlElement open(const char* name);
  // Ends the innermost element started by open().
  void close();
  // An element written whole: set its attributes and build its children
  // through the handle, which stays valid until the next call to this
  // writer. Inside the innermost open element, or at the top level.
  XmlElement element(const char* name);

 private:
  struct Open;
  void closeAll();
  void flushElement();
  void startParent();
  void beginLine(int depth);

  std::FILE* m_file;
  std::vector<Open> m_open;
  std::unique_ptr<TiXmlElement> m_element;  // the element written whole, until flushed
  size_t m_nodeBytes = 0;                   // of everything written, once read again
};

}  // namespace tavoro
