// The searched texts of one collection's items, normalised once and packed
// into one buffer, so that testing an item is a plain substring search over
// memory read in order: no per-character lowering and no walk over the
// item's own strings. A scan over "All Collections" tests hundreds of
// thousands of items, and reaching each item's name and values where they
// lie in memory, then normalising them as it read, was most of its time.
// Texts whose characters all lie in U+0000..U+00FF (nearly all) are kept as
// one byte a character. The texts are a copy: they are right only as long as
// the collection's items, names, values and tags stay as they were when
// made (the owner makes them again after a change).
// Thread-safe to read from any number of threads once made.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "SearchTerm.h"

namespace tavoro {

class Collection;
class Item;
class Tag;

// A term's value in the forms the texts are kept in, worked out once per scan.
struct PreparedTerm {
  explicit PreparedTerm(const SearchTerm& term);

  std::wstring_view wide;
  std::string narrow;       // the value as bytes, when every character is below U+0100
  bool narrowable = false;  // false: the value cannot occur in a one-byte text
  bool wordStart = false;   // it must begin a word (see TextMatcher::match)
  bool usable = false;      // a value that can match any normalised text at all
};

class CollectionTexts {
 public:
  // The texts of every item of collection, in stored order; null when they
  // would not fit the buffer's 32-bit positions (the scan then reads the
  // model itself).
  static std::unique_ptr<CollectionTexts> make(const Collection& collection);

  size_t rowCount() const { return m_items.size(); }
  Item* item(size_t row) const { return m_items[row]; }
  // The row of item at or after from (wrapping round once), or npos: items
  // looked up in stored order cost one step each.
  size_t rowOf(const Item* item, size_t from) const;

  // Whether the item of row matches a text term (any kind but Worn) as
  // TextMatcher::match does on the model's texts; termTag is the tag that a
  // tag term names in this collection (null: none).
  bool matches(size_t row, const SearchTerm& term, const PreparedTerm& prepared, const Tag* termTag) const;

  static constexpr size_t npos = static_cast<size_t>(-1);

 private:
  // Texts follow each other in the buffer, each ended by a line feed, which
  // no normalised text or term value holds (it is white space) and which is
  // not a letter: a search over a row's texts at once finds exactly what a
  // search of each would, and a word starts after it as at a text's start.
  struct Row {
    uint32_t begin;       // the name's first character
    uint32_t nameEnd;     // one past its last
    uint32_t firstField;  // index into m_fields
    uint32_t plain;       // every value belongs to a tag of the collection: searched whole
  };
  struct Field {
    int32_t tagId;
    uint32_t end;  // one past the value's last character; it begins after the text before
  };

  template <typename Char>
  bool matchesIn(std::basic_string_view<Char> buffer, std::basic_string_view<Char> value, size_t row,
                 const SearchTerm& term, bool wordStart, const Tag* termTag) const;
  bool searchesTag(int32_t tagId) const;
  // Adds a normalised text to the buffer, widening it at the first
  // character beyond U+00FF; false when the buffer is full.
  bool append(std::wstring_view text);
  size_t size() const { return m_isWide ? m_wide.size() : m_narrow.size(); }

  std::vector<Item*> m_items;
  std::vector<Row> m_rows;      // one more than items: where the next would begin
  std::vector<Field> m_fields;  // the non-empty values of each row, in the item's order
  std::vector<int32_t> m_tagIds;  // the collection's tag ids when made, sorted
  std::string m_narrow;
  std::wstring m_wide;
  bool m_isWide = false;
};

}  // namespace tavoro
