#include <cerrno>
#include <charconv>
#include <cstdio>

#include "WardrobeFile.h"
#include "WardrobeSchema.h"
#include "XmlValueText.h"
#include "platform/FileSystem.h"
#include "platform/PathOps.h"
#include "platform/WholeFile.h"

// The file is written straight from the model, byte for byte as the XML
// library prints the document: the declaration, then one element per line
// indented by four blanks a level, attributes in the order the format gives,
// an element without children in the form "<name ... />". A new element of
// the format goes where the format puts it, and an optional one is written
// only when there is something in it, so that older files stay as they are.

namespace tavoro {

namespace {

using namespace schema;

// Text for the file, handed to the stream a megabyte at a time.
class XmlTextWriter {
 public:
  explicit XmlTextWriter(std::FILE* file) : m_file(file) {
    m_buffer.reserve(kChunk + 4096);
    m_buffer += "<?xml version=\"1.0\" encoding=\"UTF-8\" ?>\n";
  }

  // "<name" on a line of its own at depth; attributes and one of the ends
  // below follow.
  void start(int depth, const char* name) {
    m_buffer.append(static_cast<size_t>(depth) * 4, ' ');
    m_buffer += '<';
    m_buffer += name;
  }
  void attribute(const char* name, int32_t value) {
    m_buffer += ' ';
    m_buffer += name;
    m_buffer += "=\"";
    appendNumber(value, 1);
    m_buffer += '"';
  }
  void attribute(const char* name, std::wstring_view value) {
    // The library quotes with apostrophes a value that holds a quote.
    const char quote = value.find(L'"') == std::wstring_view::npos ? '"' : '\'';
    m_buffer += ' ';
    m_buffer += name;
    m_buffer += '=';
    m_buffer += quote;
    appendEscaped(value);
    m_buffer += quote;
  }
  void attribute(const char* name, const DateTime& value) {
    int year = 0, month = 0, day = 0;
    value.date().parts(year, month, day);
    const Time time = value.time();
    m_buffer += ' ';
    m_buffer += name;
    m_buffer += "=\"";
    appendNumber(year, 4);
    m_buffer += '-';
    appendNumber(month, 2);
    m_buffer += '-';
    appendNumber(day, 2);
    m_buffer += ' ';
    appendNumber(time.hour(), 2);
    m_buffer += ':';
    appendNumber(time.minute(), 2);
    m_buffer += ':';
    appendNumber(time.second(), 2);
    m_buffer += '.';
    appendNumber(time.millisecond(), 3);
    m_buffer += '"';
  }
  // Storable days as "YYYY-MM-DD", separated by blanks.
  void attribute(const char* name, const std::vector<Date>& days) {
    m_buffer += ' ';
    m_buffer += name;
    m_buffer += "=\"";
    bool first = true;
    for (const Date day : days) {
      int year = 0, month = 0, dayOfMonth = 0;
      day.parts(year, month, dayOfMonth);
      if (!first) m_buffer += ' ';
      first = false;
      appendNumber(year, 4);
      m_buffer += '-';
      appendNumber(month, 2);
      m_buffer += '-';
      appendNumber(dayOfMonth, 2);
    }
    m_buffer += '"';
  }
  // The end of an element without children.
  void endEmpty() {
    m_buffer += " />\n";
    flushSome();
  }
  // The end of a start tag whose children follow.
  void endStart() { m_buffer += ">\n"; }
  void close(int depth, const char* name) {
    m_buffer.append(static_cast<size_t>(depth) * 4, ' ');
    m_buffer += "</";
    m_buffer += name;
    m_buffer += ">\n";
    flushSome();
  }

  // False when writing failed or the text grew past the limit.
  bool finish() {
    flush();
    return m_ok;
  }

 private:
  static constexpr size_t kChunk = size_t{1} << 20;

  void flushSome() {
    if (m_buffer.size() >= kChunk) flush();
  }
  void flush() {
    m_written += m_buffer.size();
    if (m_written > kMaxWardrobeFileBytes) m_ok = false;  // it could not be read again
    if (m_ok && !m_buffer.empty() && std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file) != m_buffer.size())
      m_ok = false;
    m_buffer.clear();
  }

  // "%0*d" of value at least width digits wide.
  void appendNumber(int64_t value, int width) {
    char digits[24];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value < 0 ? -value : value);
    const auto count = static_cast<int>(end - digits);
    if (value < 0) m_buffer += '-';
    if (count < width) m_buffer.append(static_cast<size_t>(width - count), '0');
    m_buffer.append(digits, end);
  }

  // The value as toXmlValue stores it, escaped as the library escapes it:
  // the five markup characters as entities and every byte below 0x20 as a
  // character reference (of those only tab, line feed and carriage return
  // are left after toXmlValue).
  void appendEscaped(std::wstring_view value) {
    for (const wchar_t w : value) {
      auto c = static_cast<char32_t>(w);
      if (c < 0x80) {
        switch (c) {
          case '&':
            m_buffer += "&amp;";
            continue;
          case '<':
            m_buffer += "&lt;";
            continue;
          case '>':
            m_buffer += "&gt;";
            continue;
          case '"':
            m_buffer += "&quot;";
            continue;
          case '\'':
            m_buffer += "&apos;";
            continue;
          case '\t':
          case '\n':
          case '\r': {
            static const char kHex[] = "0123456789ABCDEF";
            m_buffer += "&#x";
            m_buffer += kHex[c >> 4];
            m_buffer += kHex[c & 0xF];
            m_buffer += ';';
            continue;
          }
          default:
            break;
        }
        if (c >= 0x20) {
          m_buffer += static_cast<char>(c);
          continue;
        }
        c += kControlStandIn;  // what XML 1.0 forbids even as a reference
      } else if ((c >= 0xD800 && c <= 0xDFFF) || (c >= kControlStandIn && c < kControlStandIn + 0x20) ||
                 c > 0x10FFFF) {
        c = 0xFFFD;
      }
      appendUtf8(c);
    }
  }

  void appendUtf8(char32_t c) {
    if (c < 0x800) {
      m_buffer += static_cast<char>(0xC0 | (c >> 6));
      m_buffer += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
      m_buffer += static_cast<char>(0xE0 | (c >> 12));
      m_buffer += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      m_buffer += static_cast<char>(0x80 | (c & 0x3F));
    } else {
      m_buffer += static_cast<char>(0xF0 | (c >> 18));
      m_buffer += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
      m_buffer += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
      m_buffer += static_cast<char>(0x80 | (c & 0x3F));
    }
  }

  std::FILE* m_file;
  std::string m_buffer;
  size_t m_written = 0;
  bool m_ok = true;
};

// Depths of the elements below the root.
constexpr int kCollectionDepth = 2;
constexpr int kItemDepth = 4;

void writeItem(const Item& item, XmlTextWriter& out) {
  constexpr int d = kItemDepth;
  out.start(d, kItem);
  out.attribute(kId, item.id());
  out.attribute(kName, item.name());
  out.attribute(kDateAdded, item.dateAdded());
  out.endStart();

  const PhotoList& photos = item.photos();
  out.start(d + 1, kPhotos);
  out.attribute(kNextId, photos.nextId());
  if (photos.count() == 0) {
    out.endEmpty();
  } else {
    out.endStart();
    for (const auto& photo : photos.photos()) {
      out.start(d + 2, kPhoto);
      out.attribute(kId, photo->id());
      out.attribute(kFormat, static_cast<int32_t>(photo->format()));
      out.endEmpty();
    }
    out.close(d + 1, kPhotos);
  }

  bool anyRecord = false;
  for (const Record& record : item.records()) {
    if (!record.isStorable()) continue;
    if (!anyRecord) {
      out.start(d + 1, kRecords);
      out.endStart();
      anyRecord = true;
    }
    out.start(d + 2, kRecord);
    out.attribute(kTagId, record.tagId());
    out.attribute(kValue, record.value());
    out.endEmpty();
  }
  if (anyRecord) {
    out.close(d + 1, kRecords);
  } else {
    out.start(d + 1, kRecords);
    out.endEmpty();
  }
  if (!item.worn().empty()) {
    out.start(d + 1, kWorn);
    out.attribute(kDates, item.worn().days());
    out.endEmpty();
  }
  out.close(d, kItem);
}

void writeCollection(const Collection& collection, XmlTextWriter& out) {
  constexpr int d = kCollectionDepth;
  out.start(d, kCollection);
  out.attribute(kId, collection.id());
  out.attribute(kName, collection.name());
  out.endStart();

  const TagList& tags = collection.tags();
  out.start(d + 1, kTags);
  out.attribute(kNextId, tags.nextId());
  if (tags.count() == 0) {
    out.endEmpty();
  } else {
    out.endStart();
    for (const auto& tag : tags.tags()) {
      out.start(d + 2, kTag);
      out.attribute(kId, tag->id());
      out.attribute(kName, tag->name());
      out.endEmpty();
    }
    out.close(d + 1, kTags);
  }

  const ItemList& items = collection.items();
  out.start(d + 1, kItems);
  out.attribute(kNextId, items.nextId());
  if (items.count() == 0) {
    out.endEmpty();
  } else {
    out.endStart();
    for (const auto& item : items.items()) writeItem(*item, out);
    out.close(d + 1, kItems);
  }
  out.close(d, kCollection);
}

void writeCombination(const Combination& combination, XmlTextWriter& out) {
  constexpr int d = kCollectionDepth;
  out.start(d, kCombination);
  out.attribute(kId, combination.id());
  out.attribute(kName, combination.name());
  out.attribute(kCreated, combination.created());
  out.attribute(kChanged, combination.changed());
  if (combination.count() == 0 && combination.worn().empty()) {
    out.endEmpty();
    return;
  }
  out.endStart();
  for (const Item* item : combination.items()) {
    const Collection* collection = item->owner() ? item->owner()->collection() : nullptr;
    out.start(d + 1, kItemRef);
    out.attribute(kCollectionId, collection ? collection->id() : 0);
    out.attribute(kItemId, item->id());
    out.endEmpty();
  }
  if (!combination.worn().empty()) {
    out.start(d + 1, kWorn);
    out.attribute(kDates, combination.worn().days());
    out.endEmpty();
  }
  out.close(d, kCombination);
}

void writeDocument(const Wardrobe& wardrobe, XmlTextWriter& out) {
  out.start(0, kRoot);
  out.attribute(kVersion, kVersionValue);
  out.attribute(kXmlns, kWardrobeNamespace);
  out.endStart();

  out.start(1, kProperties);
  out.attribute(kWardrobeId, wardrobe.wardrobeId());
  out.attribute(kWardrobeName, wardrobe.name());
  out.endEmpty();

  const CollectionList& list = wardrobe.collections();
  out.start(1, kCollections);
  out.attribute(kNextId, list.nextId());
  out.attribute(kHotId, list.hotId());
  if (list.count() == 0) {
    out.endEmpty();
  } else {
    out.endStart();
    for (const auto& collection : list.collections()) writeCollection(*collection, out);
    out.close(1, kCollections);
  }

  // Once a wardrobe had a combination, its counter is kept even when none is left.
  const CombinationList& combinations = wardrobe.combinations();
  if (combinations.count() > 0 || combinations.nextId() > 1) {
    out.start(1, kCombinations);
    out.attribute(kNextId, combinations.nextId());
    if (combinations.count() == 0) {
      out.endEmpty();
    } else {
      out.endStart();
      for (const auto& combination : combinations.combinations()) writeCombination(*combination, out);
      out.close(1, kCombinations);
    }
  }
  out.close(0, kRoot);
}

}  // namespace

Status writeWardrobe(Wardrobe& wardrobe) { return writeWardrobe(wardrobe, nullptr, nullptr); }

Status writeWardrobe(Wardrobe& wardrobe, const FileIdentity* expected, FileIdentity* written) {
  const std::wstring path = wardrobe.wardrobeFilePath();
  if (path.empty()) return Status::failure(path, "the wardrobe has no file name");
  const std::wstring folder = wardrobe.folder().empty() ? pathFolder(path) : wardrobe.folder();
  errno = 0;
  if (!createFolders(folder)) return Status::fromErrno(folder, errno != 0 ? errno : EIO);
  return replaceFileAtomically(
      path,
      [&](std::FILE* file) {
        XmlTextWriter out(file);
        writeDocument(wardrobe, out);
        return out.finish();
      },
      expected, written);
}

}  // namespace tavoro
