#include "XmlElement.h"

#include <tinyxml.h>

#include <cstring>

#include "platform/Utf8.h"

namespace tavoro {

namespace {

const std::string* attributeValue(const TiXmlElement* element, const char* name) {
  if (!element) return nullptr;
  for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next())
    if (std::strcmp(a->Name(), name) == 0) return &a->ValueStr();
  return nullptr;
}

// fromUtf8 keeps a byte that is not part of UTF-8 as a lone surrogate, and
// toUtf8 writes it back as that byte. In a file that says it is UTF-8 such a
// byte is harmful: the library reads a lead byte together with the bytes
// after it, closing quote included, so the file could no longer be read.
// Values therefore hold only real characters, a replacement character
// standing for each such byte both ways.
std::wstring withReplacementCharacters(std::wstring text) {
  for (wchar_t& c : text)
    if (static_cast<char32_t>(c) >= 0xD800 && static_cast<char32_t>(c) <= 0xDFFF) c = L'\uFFFD';
  return text;
}

bool isBlank(char c) {
  return c == ' ' || (c >= '\t' && c <= '\r');
}

// The reading of "%d": blanks, an optional sign, at least one digit; the rest
// is ignored. A number beyond 32 bits fails rather than wrapping to a
// different id.
bool readLeadingInt(const std::string& text, int32_t& out) {
  size_t i = 0;
  while (i < text.size() && isBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const size_t digitsFrom = i;
  int64_t value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > int64_t{INT32_MAX} + 1) return false;
  }
  if (i == digitsFrom) return false;
  if (negative) value = -value;
  if (value > INT32_MAX || value < INT32_MIN) return false;
  out = static_cast<int32_t>(value);
  return true;
}

}  // namespace

XmlElement XmlElement::appendChild(const char* name) {
  if (!m_element) return {};
  auto* child = new TiXmlElement(name);
  m_element->LinkEndChild(child);  // the parent owns it from here on
  return XmlElement(child);
}

XmlElement XmlElement::firstChild(const char* name) const {
  return XmlElement(m_element ? m_element->FirstChildElement(name) : nullptr);
}

XmlElement XmlElement::firstChild() const {
  return XmlElement(m_element ? m_element->FirstChildElement() : nullptr);
}

XmlElement XmlElement::nextSibling() const {
  return XmlElement(m_element ? m_element->NextSiblingElement() : nullptr);
}

std::string XmlElement::name() const {
  return m_element ? m_element->ValueStr() : std::string();
}

bool XmlElement::nameIs(const char* name) const {
  return m_element && std::strcmp(m_element->Value(), name) == 0;
}

bool XmlElement::getInt(const char* attribute, int32_t& out) const {
  const std::string* value = attributeValue(m_element, attribute);
  return value && readLeadingInt(*value, out);
}

void XmlElement::setInt(const char* attribute, int32_t value) {
  if (m_element) m_element->SetAttribute(attribute, value);
}

bool XmlElement::getText(const char* attribute, std::wstring& out) const {
  const std::string* value = attributeValue(m_element, attribute);
  out = value ? withReplacementCharacters(fromUtf8(*value)) : std::wstring();
  return !out.empty();
}

void XmlElement::setText(const char* attribute, std::wstring_view value) {
  // The string form keeps a NUL inside the value; the library writes it as a
  // character reference.
  if (m_element)
    m_element->SetAttribute(std::string(attribute), toUtf8(withReplacementCharacters(std::wstring(value))));
}

}  // namespace tavoro
