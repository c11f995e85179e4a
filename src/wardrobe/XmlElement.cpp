#include "XmlElement.h"

#include <tinyxml.h>

#include <cstring>

#include "XmlValueText.h"

namespace tavoro {

namespace {

const std::string* attributeValue(const TiXmlElement* element, const char* name) {
  if (!element) return nullptr;
  for (const TiXmlAttribute* a = element->FirstAttribute(); a; a = a->Next())
    if (std::strcmp(a->Name(), name) == 0) return &a->ValueStr();
  return nullptr;
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
  return value && readXmlInt(*value, out);
}

void XmlElement::setInt(const char* attribute, int32_t value) {
  if (m_element) m_element->SetAttribute(attribute, value);
}

bool XmlElement::getText(const char* attribute, std::wstring& out) const {
  const std::string* value = attributeValue(m_element, attribute);
  out = value ? fromXmlValue(*value) : std::wstring();
  return !out.empty();
}

void XmlElement::setText(const char* attribute, std::wstring_view value) {
  if (m_element) m_element->SetAttribute(std::string(attribute), toXmlValue(value));
}

}  // namespace tavoro
