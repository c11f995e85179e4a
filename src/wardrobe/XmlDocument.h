// The XML layer under the wardrobe file and the settings file: the one place
// that holds the XML library's documents. It guards the library against files
// that would crash or exhaust it, turns its results into plain flags, and
// saves atomically. Not thread-safe: one document belongs to one thread at a
// time (different documents may be used on different threads).
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "XmlElement.h"

class TiXmlDocument;

namespace tavoro {

class XmlDocument {
 public:
  // Far beyond any real wardrobe (a 50,000-item wardrobe takes about 20 MB),
  // low enough that parsing cannot exhaust memory.
  static constexpr size_t kMaxFileBytes = size_t{256} << 20;
  // Our files nest 7 elements deep; the library recurses once per level.
  static constexpr int kMaxNesting = 256;

  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Drops the current document and parses the file at path the way the
  // library loads files (the text ends at the first NUL byte; CR LF and CR
  // become LF; the encoding comes from a byte-order mark or the declaration).
  // False when the file is missing, not a regular file, larger than
  // maxBytes, nested deeper than kMaxNesting, or not well-formed; the handle
  // may then hold a partial document, which the caller discards.
  bool load(std::wstring_view path, size_t maxBytes = kMaxFileBytes);
  // The same for text in memory.
  bool parse(std::string_view bytes);

  // Writes the document with the library's standard printing, atomically:
  // on failure the previous file is left whole. False without a document,
  // when the printed text would be larger than maxBytes (it could not be
  // loaded again), or when writing fails.
  bool save(std::wstring_view path, size_t maxBytes = kMaxFileBytes) const;

  // Starts a new document (dropping any current one): the declaration with
  // version "1.0" and encoding "UTF-8", then the root element, returned.
  XmlElement createWithRoot(const char* rootName);
  // The first element at the top of the document; none without one.
  XmlElement root() const;

 private:
  bool parseOwned(std::string& text);

  std::unique_ptr<TiXmlDocument> m_document;
};

}  // namespace tavoro
