#include "XmlParser.h"

#include <cstdint>
#include <cstring>
#include <deque>
#include <limits>

#include "platform/Utf8.h"

// Every function below mirrors one routine of the library's parser and must
// stop exactly where that routine stops, with or without an error: wherever
// the two disagree, a file would read differently from what the library
// made of it, or could nest deeper than measured. The text ends with the
// string's terminating NUL, as the library's does, and nullptr stands for the
// null pointer with which a routine reports failure. The library is the one
// Debian ships (2.6.2 with its security fixes). On a prepared text (every
// byte from 0x80 up part of a valid UTF-8 sequence) the library's steps over
// a multi-byte character never pass a quote, '<', '&' or the end, so the
// parser steps byte by byte where the library steps by character.

namespace tavoro {

namespace {

enum class Encoding { Unknown, Utf8, Legacy };
enum class NodeKind { None, Declaration, Comment, Cdata, Unknown, Element };

// isspace, isalpha and isalnum in the "C" locale; the library takes every
// byte from 127 up for a letter.
bool isSpace(unsigned char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}
bool isAlpha(unsigned char c) {
  return c >= 127 || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool isAlphaNum(unsigned char c) {
  return isAlpha(c) || (c >= '0' && c <= '9');
}
unsigned char asciiLower(unsigned char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<unsigned char>(c + 32) : c;
}
unsigned char byteAt(const char* p) {
  return static_cast<unsigned char>(*p);
}

// The length of the valid UTF-8 sequence at p (of at most n bytes), or 0: the
// rules of fromUtf8, so that a repaired byte reads as it always read.
size_t validSequence(const unsigned char* p, size_t n) {
  const unsigned char b = p[0];
  size_t extra = 0;
  char32_t c = 0;
  char32_t minimum = 0;
  if (b >= 0xC2 && b <= 0xDF) {
    extra = 1, c = b & 0x1F, minimum = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    extra = 2, c = b & 0x0F, minimum = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    extra = 3, c = b & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (extra >= n) return 0;
  for (size_t k = 1; k <= extra; ++k) {
    if ((p[k] & 0xC0) != 0x80) return 0;
    c = (c << 6) | (p[k] & 0x3F);
  }
  if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
  return extra + 1;
}

class Parser {
 public:
  Parser(const std::string& text, const XmlLimits& limits, XmlHandler* handler)
      : m_begin(text.c_str()), m_limits(limits), m_handler(handler) {}

  XmlParse run() {
    const char* p = m_begin;
    if (!*p) return finish(p);  // an empty document is an error
    if (byteAt(p) == 0xEF && byteAt(p + 1) == 0xBB && byteAt(p + 2) == 0xBF) m_encoding = Encoding::Utf8;
    p = skipWhiteSpace(p);
    bool anyNode = false;
    while (p && *p) {
      const NodeKind kind = identify(p);
      if (kind == NodeKind::None) break;  // text at the top level ends the document quietly
      anyNode = true;
      std::string declaredEncoding;
      p = parseNode(kind, p, &declaredEncoding);
      if (m_check != XmlCheck::WithinLimits || m_stopped || m_errorAt) break;
      if (m_encoding == Encoding::Unknown && kind == NodeKind::Declaration)
        m_encoding = encodingNamed(declaredEncoding);
      p = skipWhiteSpace(p);
    }
    if (!anyNode && !m_errorAt) m_errorAt = p ? p : m_begin;
    return finish(nullptr);
  }

  int maxDepth() const { return m_maxDepth; }

 private:
  XmlParse finish(const char* error) {
    if (error && !m_errorAt) m_errorAt = error;
    XmlParse result;
    result.check = m_check;
    result.stopped = m_stopped;
    result.wellFormed = !m_errorAt && m_check == XmlCheck::WithinLimits && !m_stopped;
    if (m_errorAt) {
      result.errorLine = 1;
      for (const char* q = m_begin; q < m_errorAt && *q; ++q)
        if (*q == '\n') ++result.errorLine;
    }
    return result;
  }

  // The library's error, at the construct that failed.
  const char* fail(const char* at) {
    if (!m_errorAt) m_errorAt = at;
    return nullptr;
  }
  bool halted() const { return m_check != XmlCheck::WithinLimits || m_stopped; }

  // Counts a node the library would allocate; false (and the parse stops)
  // once the nodes would take more memory than allowed.
  bool addNode(size_t bytes) {
    m_nodeBytes += bytes;
    if (m_nodeBytes <= m_limits.maxNodeBytes) return true;
    m_check = XmlCheck::TooManyNodes;
    return false;
  }

  // Only the first three letters matter, as a prefix, case-insensitively;
  // a missing or empty encoding means UTF-8.
  static Encoding encodingNamed(const std::string& value) {
    const std::string_view name(value.c_str());
    auto startsWith = [&](std::string_view prefix) {
      if (name.size() < prefix.size()) return false;
      for (size_t i = 0; i < prefix.size(); ++i)
        if (asciiLower(static_cast<unsigned char>(name[i])) != asciiLower(static_cast<unsigned char>(prefix[i])))
          return false;
      return true;
    };
    if (name.empty() || startsWith("UTF-8") || startsWith("UTF8")) return Encoding::Utf8;
    return Encoding::Legacy;
  }

  const char* skipWhiteSpace(const char* p) const {
    if (!p || !*p) return nullptr;
    if (m_encoding == Encoding::Utf8) {
      while (*p) {
        // Byte-order marks and two non-characters are skipped like blanks.
        if (byteAt(p) == 0xEF && ((byteAt(p + 1) == 0xBB && byteAt(p + 2) == 0xBF) ||
                                  (byteAt(p + 1) == 0xBF && (byteAt(p + 2) == 0xBE || byteAt(p + 2) == 0xBF)))) {
          p += 3;
          continue;
        }
        if (!isSpace(byteAt(p))) break;
        ++p;
      }
    } else {
      while (isSpace(byteAt(p))) ++p;
    }
    return p;
  }

  static bool startsWith(const char* p, std::string_view tag, bool ignoreCase) {
    if (!p || !*p) return false;
    for (size_t i = 0; i < tag.size(); ++i) {
      const unsigned char c = byteAt(p + i);
      const auto t = static_cast<unsigned char>(tag[i]);
      if (!c || (ignoreCase ? asciiLower(c) != asciiLower(t) : c != t)) return false;
    }
    return true;
  }

  static const char* readName(const char* p) {
    if (!p || !*p || !(isAlpha(byteAt(p)) || *p == '_')) return nullptr;
    while (*p && (isAlphaNum(byteAt(p)) || *p == '_' || *p == '-' || *p == '.' || *p == ':')) ++p;
    return p;
  }

  // Character and entity references; out (when given) receives the bytes.
  const char* getEntity(const char* p, std::string* out) const {
    if (p[1] == '#' && p[2]) {
      const bool hex = p[2] == 'x';
      if (hex && !p[3]) return nullptr;
      // The ';' may lie anywhere further on, as the library searches for it.
      const char* semicolon = std::strchr(hex ? p + 3 : p + 2, ';');
      if (!semicolon) return nullptr;
      // Read backwards from the ';' to the 'x' or '#', as the library does:
      // the last 'x' before the ';' ends the digits.
      uint64_t ucs = 0;
      uint32_t mult = 1;
      for (const char* q = semicolon - 1; *q != (hex ? 'x' : '#'); --q) {
        const char c = *q;
        uint32_t digit = 0;
        if (c >= '0' && c <= '9')
          digit = static_cast<uint32_t>(c - '0');
        else if (hex && c >= 'a' && c <= 'f')
          digit = static_cast<uint32_t>(c - 'a' + 10);
        else if (hex && c >= 'A' && c <= 'F')
          digit = static_cast<uint32_t>(c - 'A' + 10);
        else
          return nullptr;
        ucs += static_cast<uint32_t>(mult * digit);
        mult *= hex ? 16 : 10;
      }
      if (out) {
        // As the library converts a character reference: nothing from 0x200000 up.
        if (m_encoding == Encoding::Utf8) {
          if (ucs < 0x200000) appendUtf8(*out, static_cast<char32_t>(ucs));
        } else {
          out->push_back(static_cast<char>(ucs));
        }
      }
      return semicolon + 1;
    }
    static constexpr struct {
      std::string_view text;
      char value;
    } kEntities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    for (const auto& entity : kEntities) {
      if (std::strncmp(entity.text.data(), p, entity.text.size()) == 0) {
        if (out) out->push_back(entity.value);
        return p + entity.text.size();
      }
    }
    return p + 1;  // a lone '&' is dropped
  }

  // A quoted value from just after its opening quote: past the closing one,
  // or nullptr when the text runs out first or right after it. value views
  // the text itself when there is no reference in it, else scratch.
  const char* readQuoted(const char* p, char quote, std::string_view& value, std::string& scratch) const {
    const char stops[] = {quote, '&', '\0'};
    const char* q = p + std::strcspn(p, stops);
    if (*q == quote) {
      value = std::string_view(p, static_cast<size_t>(q - p));
      ++q;
      return *q ? q : nullptr;
    }
    if (!*q) return nullptr;
    scratch.assign(p, q);
    while (*q && *q != quote) {
      if (*q == '&') {
        q = getEntity(q, &scratch);
        if (!q) return nullptr;
      } else {
        scratch.push_back(*q++);
      }
    }
    if (!*q) return nullptr;
    value = scratch;
    ++q;
    return *q ? q : nullptr;
  }

  const char* parseAttribute(const char* p, XmlAttribute& attribute, std::string& scratch) const {
    p = skipWhiteSpace(p);
    if (!p || !*p) return nullptr;
    const char* nameStart = p;
    p = readName(p);
    if (!p || !*p) return nullptr;
    attribute.name = std::string_view(nameStart, static_cast<size_t>(p - nameStart));
    p = skipWhiteSpace(p);
    if (!p || *p != '=') return nullptr;
    p = skipWhiteSpace(p + 1);
    if (!p || !*p) return nullptr;
    if (*p == '\'' || *p == '"') return readQuoted(p + 1, *p, attribute.value, scratch);
    const char* valueStart = p;
    while (*p && !isSpace(byteAt(p)) && *p != '/' && *p != '>') {
      if (*p == '\'' || *p == '"') return nullptr;
      ++p;
    }
    attribute.value = std::string_view(valueStart, static_cast<size_t>(p - valueStart));
    return p;
  }

  NodeKind identify(const char* p) const {
    p = skipWhiteSpace(p);
    if (!p || *p != '<') return NodeKind::None;
    if (startsWith(p, "<?xml", true)) return NodeKind::Declaration;
    if (startsWith(p, "<!--", false)) return NodeKind::Comment;
    if (startsWith(p, "<![CDATA[", false)) return NodeKind::Cdata;
    if (startsWith(p, "<!", false)) return NodeKind::Unknown;
    if (isAlpha(byteAt(p + 1)) || p[1] == '_') return NodeKind::Element;
    return NodeKind::Unknown;
  }

  const char* parseNode(NodeKind kind, const char* p, std::string* declaredEncoding) {
    if (kind != NodeKind::Element && kind != NodeKind::None && !addNode(kXmlOtherNodeBytes)) return nullptr;
    switch (kind) {
      case NodeKind::Element:
        return parseElement(p);
      case NodeKind::Declaration:
        return parseDeclaration(p, declaredEncoding);
      case NodeKind::Comment:
        return parseComment(p);
      case NodeKind::Cdata:
        return parseCdata(p);
      case NodeKind::Unknown:
        return parseUnknown(p);
      case NodeKind::None:
        break;
    }
    return nullptr;
  }

  // Its failures are no errors: the library reads its attributes without a
  // document to report to.
  const char* parseDeclaration(const char* p, std::string* declaredEncoding) const {
    p = skipWhiteSpace(p) + 5;  // past "<?xml"
    XmlAttribute attribute;
    std::string scratch;
    while (p && *p) {
      if (*p == '>') return p + 1;
      p = skipWhiteSpace(p);
      if (!p || !*p) break;
      if (startsWith(p, "version", true) || startsWith(p, "standalone", true)) {
        p = parseAttribute(p, attribute, scratch);
      } else if (startsWith(p, "encoding", true)) {
        attribute.value = {};
        p = parseAttribute(p, attribute, scratch);
        if (declaredEncoding) declaredEncoding->assign(attribute.value);
      } else {
        while (*p && *p != '>' && !isSpace(byteAt(p))) ++p;
      }
    }
    return nullptr;
  }

  const char* parseComment(const char* p) const {
    p = skipWhiteSpace(p) + 4;
    while (*p && !startsWith(p, "-->", false)) ++p;
    return *p ? p + 3 : p;
  }

  static const char* parseCdata(const char* p) {
    p += 9;
    while (*p && !startsWith(p, "]]>", false)) ++p;
    if (*p) p += 3;
    return *p ? p : nullptr;
  }

  const char* parseUnknown(const char* p) const {
    p = skipWhiteSpace(p) + 1;
    while (*p && *p != '>') ++p;
    return *p == '>' ? p + 1 : p;
  }

  // Element content text, which runs to the next '<': back at the '<', or
  // nullptr.
  const char* parseText(const char* p) {
    if (!addNode(kXmlOtherNodeBytes)) return nullptr;
    p = skipWhiteSpace(p);
    while (p && *p && *p != '<') p = *p == '&' ? getEntity(p, nullptr) : p + 1;
    if (p && *p) ++p;
    return p && *p ? p - 1 : nullptr;
  }

  // From an element's '<' to the end of its start tag, telling the handler.
  // An element with content is pushed onto m_open.
  const char* parseStartTag(const char* p) {
    const int depth = static_cast<int>(m_open.size()) + 1;
    if (depth > m_maxDepth) m_maxDepth = depth;
    if (m_maxDepth > m_limits.maxDepth) {
      m_check = XmlCheck::TooDeep;
      return nullptr;
    }
    if (!addNode(kXmlElementBytes)) return nullptr;
    const char* tagStart = p;
    p = skipWhiteSpace(skipWhiteSpace(p) + 1);
    const char* nameStart = p;
    p = readName(p);
    if (!p || !*p) return fail(tagStart);
    const std::string_view name(nameStart, static_cast<size_t>(p - nameStart));
    m_attributes.clear();
    for (;;) {
      p = skipWhiteSpace(p);
      if (!p || !*p) return fail(tagStart);
      if (*p == '/') {
        if (p[1] != '>') return fail(tagStart);
        if (m_handler && !m_handler->startElement(name, m_attributes, depth)) return stop();
        if (m_handler) m_handler->endElement(depth);
        return p + 2;
      }
      if (*p == '>') {
        m_open.push_back(name);
        if (m_handler && !m_handler->startElement(name, m_attributes, depth)) return stop();
        return p + 1;
      }
      if (m_scratch.size() <= m_attributes.size()) m_scratch.emplace_back();
      XmlAttribute attribute;
      p = parseAttribute(p, attribute, m_scratch[m_attributes.size()]);
      if (!p || !*p) return fail(tagStart);
      // Counted before the library's check for a repeated name, which costs
      // one comparison per attribute already read.
      if (static_cast<int>(m_attributes.size()) >= m_limits.maxAttributes) {
        m_check = XmlCheck::TooManyAttributes;
        return nullptr;
      }
      if (!addNode(kXmlAttributeBytes)) return nullptr;
      for (const XmlAttribute& seen : m_attributes)
        if (seen.name == attribute.name) return fail(tagStart);  // a repeated attribute ends the parse
      m_attributes.push_back(attribute);
    }
  }

  const char* stop() {
    m_stopped = true;
    return nullptr;
  }

  // "</name", blanks, ">": past it, or nullptr.
  const char* readEndTag(const char* p, std::string_view name) const {
    if (std::strncmp(p + 2, name.data(), name.size()) != 0) return nullptr;
    p = skipWhiteSpace(p + 2 + name.size());
    return p && *p == '>' ? p + 1 : nullptr;
  }

  // A whole element with everything in it; the library recurses here, this
  // keeps the open elements in m_open instead. Every failure inside an
  // element is an error of the library's.
  const char* parseElement(const char* p) {
    m_open.clear();
    p = parseStartTag(p);
    if (!p || m_open.empty()) return p;
    const char* last = p;
    p = skipWhiteSpace(p);
    for (;;) {
      if (halted()) return nullptr;
      if (!p || !*p) return fail(last);  // the content ran out before the end tag
      last = p;
      if (*p != '<') {
        p = parseText(p);
      } else if (p[1] == '/') {
        p = readEndTag(p, m_open.back());
        if (!p) return fail(last);
        m_open.pop_back();
        if (m_handler) m_handler->endElement(static_cast<int>(m_open.size()) + 1);
        if (m_open.empty()) return p;
      } else {
        const NodeKind kind = identify(p);
        if (kind == NodeKind::Element) {
          const size_t open = m_open.size();
          p = parseStartTag(p);
          if (!p) return halted() ? nullptr : fail(last);
          if (m_open.size() > open) {  // the child's content comes next
            p = skipWhiteSpace(p);
            continue;
          }
        } else {
          p = parseNode(kind, p, nullptr);
        }
      }
      p = skipWhiteSpace(p);
    }
  }

  const char* m_begin;
  XmlLimits m_limits;
  XmlHandler* m_handler;
  Encoding m_encoding = Encoding::Unknown;
  int m_maxDepth = 0;
  size_t m_nodeBytes = 0;
  XmlCheck m_check = XmlCheck::WithinLimits;
  bool m_stopped = false;
  const char* m_errorAt = nullptr;
  std::vector<std::string_view> m_open;
  std::vector<XmlAttribute> m_attributes;
  std::deque<std::string> m_scratch;  // a deque: values keep pointing into it as it grows
};

}  // namespace

XmlParse parseXml(const std::string& text, const XmlLimits& limits, XmlHandler* handler) {
  return Parser(text, limits, handler).run();
}

XmlCheck checkXml(const std::string& text, const XmlLimits& limits) {
  return Parser(text, limits, nullptr).run().check;
}

int xmlNestingDepth(const std::string& text, int stopAbove) {
  const XmlLimits depthOnly{stopAbove, std::numeric_limits<int>::max(), std::numeric_limits<size_t>::max()};
  Parser parser(text, depthOnly, nullptr);
  return parser.run().check == XmlCheck::TooDeep ? stopAbove + 1 : parser.maxDepth();
}

void prepareXmlText(std::string& text) {
  if (const size_t nul = text.find('\0'); nul != std::string::npos) text.resize(nul);
  if (const size_t first = text.find('\r'); first != std::string::npos) {
    size_t out = first;
    for (size_t in = first; in < text.size(); ++in) {
      if (text[in] == '\r') {
        text[out++] = '\n';
        if (in + 1 < text.size() && text[in + 1] == '\n') ++in;
      } else {
        text[out++] = text[in];
      }
    }
    text.resize(out);
  }

  const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
  const size_t n = text.size();
  // Most of a wardrobe is ASCII: eight bytes at a time until a byte from 0x80 up.
  size_t i = 0;
  std::string repaired;
  size_t copiedUpTo = 0;
  while (i < n) {
    if (i + 8 <= n) {
      uint64_t word = 0;
      std::memcpy(&word, bytes + i, 8);
      if ((word & 0x8080808080808080ULL) == 0) {
        i += 8;
        continue;
      }
    }
    if (bytes[i] < 0x80) {
      ++i;
      continue;
    }
    if (const size_t length = validSequence(bytes + i, n - i)) {
      i += length;
      continue;
    }
    repaired.append(text, copiedUpTo, i - copiedUpTo);
    repaired += "\xEF\xBF\xBD";
    copiedUpTo = ++i;
  }
  if (copiedUpTo == 0) return;
  repaired.append(text, copiedUpTo, std::string::npos);
  text = std::move(repaired);
}

}  // namespace tavoro
