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
#include "XmlParser.h"

class TiXmlDocument;

namespace tavoro {

class XmlDocument {
 public:
  // Limits far beyond any file of ours (a 50,000-item wardrobe takes about
  // 20 MB and a million nodes), low enough that reading any file within them
  // takes time in proportion to its size and well under 1 GiB of memory:
  // the text, the library's tree (kMaxNodeBytes) and, for a wardrobe, the
  // model read from it (whose text is four bytes a character).
  static constexpr size_t kMaxFileBytes = size_t{64} << 20;
  // Our files nest 7 elements deep; the library recurses once per level.
  static constexpr int kMaxNesting = 256;
  // Ours carry at most 8 attributes an element.
  static constexpr int kMaxAttributes = 64;
  static constexpr size_t kMaxNodeBytes = size_t{384} << 20;
  static constexpr XmlLimits kLimits{kMaxNesting, kMaxAttributes, kMaxNodeBytes};

  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // Drops the current document and parses the file at path the way the
  // library loads files (see prepareXmlText; the encoding comes from a
  // byte-order mark or the declaration). False when the file is missing, not a regular file, larger than
  // maxBytes, beyond kLimits, or not well-formed; the handle may then hold a
  // partial document, which the caller discards.
  bool load(std::wstring_view path, size_t maxBytes = kMaxFileBytes);
  // The same for text in memory.
  bool parse(std::string_view bytes);

  // Writes the document with the library's standard printing, atomically:
  // on failure the previous file is left whole. False without a document,
  // when the printed text would be larger than maxBytes or the document
  // beyond kLimits (it could not be loaded again), or when writing fails.
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
