#include "XmlNestingScan.h"

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

// Every function below mirrors one routine of the library's parser and must
// stop exactly where that routine stops: wherever the two disagree, a file
// could nest deeper than measured. Positions stand for the library's
// pointers; a position at or past the end reads as the terminating NUL (the
// XML layer hands the library the text followed by NUL padding, so the
// library's occasional steps past its terminator read NULs too), and kNull
// stands for the null pointer with which a routine reports failure. The
// library is the one Debian ships (2.6.2 with its security fixes).

namespace tavoro {

namespace {

constexpr size_t kNull = std::numeric_limits<size_t>::max();

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

// The library's sequence length by lead byte: 1 for bytes that cannot lead.
size_t sequenceLength(unsigned char lead) {
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 1;
}

void appendUtf8(std::string& out, uint64_t ucs) {
  if (ucs < 0x80) {
    out.push_back(static_cast<char>(ucs));
  } else if (ucs < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (ucs >> 6)));
    out.push_back(static_cast<char>(0x80 | (ucs & 0x3F)));
  } else if (ucs < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (ucs >> 12)));
    out.push_back(static_cast<char>(0x80 | ((ucs >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (ucs & 0x3F)));
  } else if (ucs < 0x200000) {
    out.push_back(static_cast<char>(0xF0 | (ucs >> 18)));
    out.push_back(static_cast<char>(0x80 | ((ucs >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((ucs >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (ucs & 0x3F)));
  }
}

class Scanner {
 public:
  Scanner(std::string_view text, const XmlLimits& limits) : m_text(text), m_limits(limits) {}

  XmlCheck run() {
    if (m_text.empty()) return XmlCheck::WithinLimits;
    if (at(0) == 0xEF && at(1) == 0xBB && at(2) == 0xBF) m_encoding = Encoding::Utf8;
    size_t p = skipWhiteSpace(0);
    while (p != kNull && at(p)) {
      const NodeKind kind = identify(p);
      if (kind == NodeKind::None) break;  // text at the top level ends the document quietly
      std::string declaredEncoding;
      p = parseNode(kind, p, &declaredEncoding);
      if (m_exceeded != XmlCheck::WithinLimits || m_headFound) return m_exceeded;
      if (kind == NodeKind::Element) m_pastRoot = true;
      if (m_encoding == Encoding::Unknown && kind == NodeKind::Declaration)
        m_encoding = encodingNamed(declaredEncoding);
      p = skipWhiteSpace(p);
    }
    return XmlCheck::WithinLimits;
  }

  int maxDepth() const { return m_maxDepth; }

  // Makes run() stop at the start tag of the root's first child of that name.
  void stopAtRootChild(std::string_view name) { m_headChild = name; }
  bool headFound() const { return m_headFound; }
  const XmlHead& head() const { return m_head; }

 private:
  // Counts a node the library would allocate; false (and the scan stops)
  // once the nodes would take more memory than allowed.
  bool addNode(size_t bytes) {
    m_nodeBytes += bytes;
    if (m_nodeBytes <= m_limits.maxNodeBytes) return true;
    m_exceeded = XmlCheck::TooManyNodes;
    return false;
  }

  unsigned char at(size_t p) const { return p < m_text.size() ? static_cast<unsigned char>(m_text[p]) : 0; }

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

  size_t skipWhiteSpace(size_t p) const {
    if (p == kNull || !at(p)) return kNull;
    if (m_encoding == Encoding::Utf8) {
      while (at(p)) {
        // Byte-order marks and two non-characters are skipped like blanks.
        if (at(p) == 0xEF && ((at(p + 1) == 0xBB && at(p + 2) == 0xBF) ||
                              (at(p + 1) == 0xBF && (at(p + 2) == 0xBE || at(p + 2) == 0xBF)))) {
          p += 3;
          continue;
        }
        if (!isSpace(at(p))) break;
        ++p;
      }
    } else {
      while (isSpace(at(p))) ++p;
    }
    return p;
  }

  bool startsWith(size_t p, std::string_view tag, bool ignoreCase) const {
    if (p == kNull || !at(p)) return false;
    for (size_t i = 0; i < tag.size(); ++i) {
      const unsigned char c = at(p + i);
      const auto t = static_cast<unsigned char>(tag[i]);
      if (!c || (ignoreCase ? asciiLower(c) != asciiLower(t) : c != t)) return false;
    }
    return true;
  }

  size_t readName(size_t p) const {
    if (p == kNull || !at(p) || !(isAlpha(at(p)) || at(p) == '_')) return kNull;
    while (at(p) && (isAlphaNum(at(p)) || at(p) == '_' || at(p) == '-' || at(p) == '.' || at(p) == ':')) ++p;
    return p;
  }

  // Character and entity references; out (when given) receives the decoded
  // bytes, which only a declaration's encoding needs.
  size_t getEntity(size_t p, std::string* out) const {
    if (at(p + 1) == '#' && at(p + 2)) {
      const bool hex = at(p + 2) == 'x';
      const size_t digitsFrom = hex ? p + 3 : p + 2;
      if (hex && !at(p + 3)) return kNull;
      const size_t semicolon = digitsFrom < m_text.size() ? m_text.find(';', digitsFrom) : std::string_view::npos;
      if (semicolon == std::string_view::npos) return kNull;
      // Read backwards from the ';' to the 'x' or '#', as the library does:
      // the last 'x' before the ';' ends the digits.
      uint64_t ucs = 0;
      uint32_t mult = 1;
      for (size_t q = semicolon - 1; at(q) != (hex ? 'x' : '#'); --q) {
        const unsigned char c = at(q);
        uint32_t digit = 0;
        if (c >= '0' && c <= '9')
          digit = c - '0';
        else if (hex && c >= 'a' && c <= 'f')
          digit = c - 'a' + 10;
        else if (hex && c >= 'A' && c <= 'F')
          digit = c - 'A' + 10;
        else
          return kNull;
        ucs += static_cast<uint32_t>(mult * digit);
        mult *= hex ? 16 : 10;
      }
      if (out) {
        if (m_encoding == Encoding::Utf8)
          appendUtf8(*out, ucs);
        else
          out->push_back(static_cast<char>(ucs));
      }
      return semicolon + 1;
    }
    static constexpr struct {
      std::string_view text;
      char value;
    } kEntities[] = {{"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}, {"&quot;", '"'}, {"&apos;", '\''}};
    for (const auto& entity : kEntities) {
      if (startsWith(p, entity.text, false)) {
        if (out) out->push_back(entity.value);
        return p + entity.text.size();
      }
    }
    return p + 1;  // a lone '&' is dropped from the value
  }

  // One character of text; a multi-byte lead takes its following bytes
  // whatever they are, quotes and '<' included.
  size_t getChar(size_t p, std::string* out) const {
    const size_t length = m_encoding == Encoding::Utf8 ? sequenceLength(at(p)) : 1;
    if (length == 1) {
      if (at(p) == '&') return getEntity(p, out);
      if (out) out->push_back(static_cast<char>(at(p)));
      return p + 1;
    }
    if (out)
      for (size_t i = 0; i < length; ++i) out->push_back(static_cast<char>(at(p + i)));
    return p + length;
  }

  // Text up to endTag, past which it returns; failure when the text runs
  // out first, or right after endTag.
  size_t readText(size_t p, std::string_view endTag, bool trimWhiteSpace, std::string* out) const {
    if (!trimWhiteSpace) {
      while (p != kNull && at(p) && !startsWith(p, endTag, false)) p = getChar(p, out);
    } else {
      p = skipWhiteSpace(p);
      while (p != kNull && at(p) && !startsWith(p, endTag, false)) {
        if (isSpace(at(p)))
          ++p;
        else
          p = getChar(p, nullptr);
      }
    }
    if (p != kNull && at(p)) p += endTag.size();
    return p != kNull && at(p) ? p : kNull;
  }

  size_t parseAttribute(size_t p, std::string_view* name, std::string* value) const {
    p = skipWhiteSpace(p);
    if (p == kNull || !at(p)) return kNull;
    const size_t nameStart = p;
    p = readName(p);
    if (p == kNull || !at(p)) return kNull;
    *name = m_text.substr(nameStart, p - nameStart);
    p = skipWhiteSpace(p);
    if (p == kNull || at(p) != '=') return kNull;
    p = skipWhiteSpace(p + 1);
    if (p == kNull || !at(p)) return kNull;
    if (at(p) == '\'') return readText(p + 1, "'", false, value);
    if (at(p) == '"') return readText(p + 1, "\"", false, value);
    while (at(p) && !isSpace(at(p)) && at(p) != '/' && at(p) != '>') {
      if (at(p) == '\'' || at(p) == '"') return kNull;
      if (value) value->push_back(static_cast<char>(at(p)));
      ++p;
    }
    return p;
  }

  NodeKind identify(size_t p) const {
    p = skipWhiteSpace(p);
    if (p == kNull || at(p) != '<') return NodeKind::None;
    if (startsWith(p, "<?xml", true)) return NodeKind::Declaration;
    if (startsWith(p, "<!--", false)) return NodeKind::Comment;
    if (startsWith(p, "<![CDATA[", false)) return NodeKind::Cdata;
    if (startsWith(p, "<!", false)) return NodeKind::Unknown;
    if (isAlpha(at(p + 1)) || at(p + 1) == '_') return NodeKind::Element;
    return NodeKind::Unknown;
  }

  size_t parseNode(NodeKind kind, size_t p, std::string* declaredEncoding) {
    if (kind != NodeKind::Element && kind != NodeKind::None && !addNode(kXmlOtherNodeBytes)) return kNull;
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
    return kNull;
  }

  size_t parseDeclaration(size_t p, std::string* declaredEncoding) const {
    p = skipWhiteSpace(p);
    if (!startsWith(p, "<?xml", true)) return kNull;
    p += 5;
    while (p != kNull && at(p)) {
      if (at(p) == '>') return p + 1;
      p = skipWhiteSpace(p);
      std::string_view name;
      if (startsWith(p, "version", true) || startsWith(p, "standalone", true)) {
        p = parseAttribute(p, &name, nullptr);
      } else if (startsWith(p, "encoding", true)) {
        std::string value;
        p = parseAttribute(p, &name, &value);
        *declaredEncoding = value;
      } else {
        while (p != kNull && at(p) && at(p) != '>' && !isSpace(at(p))) ++p;
      }
    }
    return kNull;
  }

  size_t parseComment(size_t p) const {
    p = skipWhiteSpace(p);
    if (!startsWith(p, "<!--", false)) return kNull;
    for (p += 4; at(p) && !startsWith(p, "-->", false);) ++p;
    return at(p) ? p + 3 : p;
  }

  size_t parseCdata(size_t p) const {
    if (!startsWith(p, "<![CDATA[", false)) return kNull;
    for (p += 9; at(p) && !startsWith(p, "]]>", false);) ++p;
    return readText(p, "]]>", false, nullptr);
  }

  size_t parseUnknown(size_t p) const {
    p = skipWhiteSpace(p);
    if (p == kNull || at(p) != '<') return kNull;
    for (++p; at(p) && at(p) != '>';) ++p;
    return at(p) == '>' ? p + 1 : p;
  }

  // Element content text, which runs to the next '<'.
  size_t parseText(size_t p) {
    if (!addNode(kXmlOtherNodeBytes)) return kNull;
    p = readText(p, "<", true, nullptr);
    return p != kNull ? p - 1 : kNull;  // back to the '<'
  }

  // From an element's '<' to the end of its start tag. An element with
  // content is pushed onto m_open.
  size_t parseStartTag(size_t p) {
    const int depth = static_cast<int>(m_open.size()) + 1;
    if (depth > m_maxDepth) m_maxDepth = depth;
    if (m_maxDepth > m_limits.maxDepth) {
      m_exceeded = XmlCheck::TooDeep;
      return kNull;
    }
    if (!addNode(kXmlElementBytes)) return kNull;
    p = skipWhiteSpace(p);
    if (p == kNull || at(p) != '<') return kNull;
    p = skipWhiteSpace(p + 1);
    const size_t nameStart = p;
    p = readName(p);
    if (p == kNull || !at(p)) return kNull;
    const std::string_view name = m_text.substr(nameStart, p - nameStart);
    m_attributes.clear();
    for (;;) {
      p = skipWhiteSpace(p);
      if (p == kNull || !at(p)) return kNull;
      if (at(p) == '/') return at(p + 1) == '>' ? atTagEnd(name, p + 2, false) : kNull;
      if (at(p) == '>') {
        m_open.push_back(name);
        return atTagEnd(name, p + 1, true);
      }
      std::string_view attribute;
      p = parseAttribute(p, &attribute, nullptr);
      if (p == kNull || !at(p)) return kNull;
      // Counted before the library's check for a repeated name, which costs
      // one comparison per attribute already read.
      if (static_cast<int>(m_attributes.size()) >= m_limits.maxAttributes) {
        m_exceeded = XmlCheck::TooManyAttributes;
        return kNull;
      }
      if (!addNode(kXmlAttributeBytes)) return kNull;
      for (std::string_view seen : m_attributes)
        if (seen == attribute) return kNull;  // a repeated attribute ends the parse
      m_attributes.push_back(attribute);
    }
  }

  // The end of a start tag: where the scan goes on, or stops for good when
  // this is the head's child.
  size_t atTagEnd(std::string_view name, size_t end, bool open) {
    const bool rootChild = open ? m_open.size() == 2 : m_open.size() == 1;
    if (m_headChild.empty() || m_pastRoot || !rootChild || name != m_headChild) return end;
    m_head.end = end;
    m_head.childIsOpen = open;
    m_head.root = std::string(m_open.front());
    m_headFound = true;
    return kNull;
  }

  // "</name", blanks, ">": past it, or failure.
  size_t readEndTag(size_t p, std::string_view name) const {
    if (!startsWith(p, "</", false)) return kNull;
    for (size_t i = 0; i < name.size(); ++i)
      if (at(p + 2 + i) != static_cast<unsigned char>(name[i])) return kNull;
    p = skipWhiteSpace(p + 2 + name.size());
    return p != kNull && at(p) == '>' ? p + 1 : kNull;
  }

  // A whole element with everything in it; the library recurses here, this
  // keeps the open elements in m_open instead.
  size_t parseElement(size_t p) {
    m_open.clear();
    p = parseStartTag(p);
    if (p == kNull || m_open.empty()) return p;
    p = skipWhiteSpace(p);
    for (;;) {
      if (p == kNull || !at(p)) return kNull;  // the content ran out before the end tag
      if (at(p) != '<') {
        p = parseText(p);
      } else if (startsWith(p, "</", false)) {
        p = readEndTag(p, m_open.back());
        if (p == kNull) return kNull;
        m_open.pop_back();
        if (m_open.empty()) return p;
      } else {
        const NodeKind kind = identify(p);
        if (kind == NodeKind::Element) {
          const size_t open = m_open.size();
          p = parseStartTag(p);
          if (p == kNull) return kNull;
          if (m_open.size() > open) {  // the child's content comes next
            p = skipWhiteSpace(p);
            continue;
          }
        } else {
          std::string ignored;
          p = parseNode(kind, p, &ignored);
        }
      }
      p = skipWhiteSpace(p);
    }
  }

  std::string_view m_text;
  XmlLimits m_limits;
  Encoding m_encoding = Encoding::Unknown;
  int m_maxDepth = 0;
  size_t m_nodeBytes = 0;
  XmlCheck m_exceeded = XmlCheck::WithinLimits;
  std::string_view m_headChild;
  bool m_pastRoot = false;  // the first top-level element has been read
  bool m_headFound = false;
  XmlHead m_head;
  std::vector<std::string_view> m_open;
  std::vector<std::string_view> m_attributes;
};

}  // namespace

int xmlNestingDepth(std::string_view text, int stopAbove) {
  const XmlLimits depthOnly{stopAbove, std::numeric_limits<int>::max(), std::numeric_limits<size_t>::max()};
  Scanner scanner(text, depthOnly);
  return scanner.run() == XmlCheck::TooDeep ? stopAbove + 1 : scanner.maxDepth();
}

XmlCheck checkXml(std::string_view text, const XmlLimits& limits) {
  return Scanner(text, limits).run();
}

bool findXmlHead(std::string_view text, std::string_view childName, const XmlLimits& limits, XmlHead& head) {
  if (childName.empty()) return false;
  Scanner scanner(text, limits);
  scanner.stopAtRootChild(childName);
  scanner.run();
  if (!scanner.headFound()) return false;
  head = scanner.head();
  return true;
}

}  // namespace tavoro
