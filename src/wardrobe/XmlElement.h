// A handle to one element of an XmlDocument, for walking and building the
// wardrobe and settings files. Element and attribute names are plain ASCII
// (UTF-8) literals; attribute values are wide text, stored as UTF-8.
// Not thread-safe: a document and its elements belong to one thread at a time.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class TiXmlElement;

namespace tavoro {

class XmlElement {
 public:
  XmlElement() = default;  // none

  bool isNull() const { return m_element == nullptr; }
  explicit operator bool() const { return m_element != nullptr; }

  // Makes a new element and appends it as this element's last child, so that
  // an element never exists outside the tree. None when this is none.
  XmlElement appendChild(const char* name);
  // The first child element whose name equals name byte for byte, whatever
  // other nodes come before it; none when there is none.
  XmlElement firstChild(const char* name) const;
  // The first child element of any name.
  XmlElement firstChild() const;
  // The next sibling that is an element, whatever its name.
  XmlElement nextSibling() const;

  // The element's name; empty for none.
  std::string name() const;
  bool nameIs(const char* name) const;

  // True when the attribute exists and starts (after blanks) with an
  // optionally signed decimal number that fits 32 bits; what follows the
  // digits is ignored ("7a" reads as 7). out is left unchanged on failure.
  bool getInt(const char* attribute, int32_t& out) const;
  void setInt(const char* attribute, int32_t value);
  // out becomes the attribute's value (empty when it is missing), read by
  // fromXmlValue. True only when out is not empty: an empty value counts as
  // missing.
  bool getText(const char* attribute, std::wstring& out) const;
  // Stored by toXmlValue, so that the file stays well-formed and reads back
  // the same. Replaces the value of an existing attribute; new attributes are
  // printed in the order in which they were first set.
  void setText(const char* attribute, std::wstring_view value);

 private:
  friend class XmlDocument;
  explicit XmlElement(TiXmlElement* element) : m_element(element) {}

  TiXmlElement* m_element = nullptr;
};

}  // namespace tavoro
