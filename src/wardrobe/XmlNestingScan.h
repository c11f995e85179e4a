// What the XML library's parser would make of a text, measured without
// recursion before the library sees it: how deep it would nest elements (a
// file nested deep enough exhausts the stack), how many attributes one
// element carries (the library checks each against all before it, so a
// single element with thousands of them takes minutes), and how much memory
// its nodes would take (empty elements cost the library fifty times their
// size). Thread-safe (pure functions).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tavoro {

// The library's own memory per node, measured on the 64-bit build Debian
// ships: an element with its attribute set, an attribute, and any other node
// (text, comment, declaration, unknown). Names and values beyond the short
// ones a string holds in place come on top, in proportion to the text.
inline constexpr size_t kXmlElementBytes = 224;
inline constexpr size_t kXmlAttributeBytes = 136;
inline constexpr size_t kXmlOtherNodeBytes = 136;

struct XmlLimits {
  int maxDepth = 0;
  int maxAttributes = 0;    // on one element
  size_t maxNodeBytes = 0;  // the nodes' memory, as estimated by the costs above
};

enum class XmlCheck { WithinLimits, TooDeep, TooManyAttributes, TooManyNodes };

// Follows the library's tokenizing as xmlNestingDepth does and stops at the
// first limit the text exceeds; a text the library would stop parsing
// early is measured only as far as the library would read it.
// REQUIRES: text holds no NUL byte.
XmlCheck checkXml(std::string_view text, const XmlLimits& limits);

// The head of a document: its text up to the end of the start tag of the
// first child named childName of its first element (the root). That text,
// followed by "</childName>" when the child's start tag is not empty and by
// the root's end tag, is a whole document that the library reads as far as
// the child, whatever comes after it.
struct XmlHead {
  size_t end = 0;
  bool childIsOpen = false;
  std::string root;
};

// False when the text (within the limits) holds no such child: the root
// ends first, the text ends first (a longer text may hold it), or the
// library would stop before it.
// REQUIRES: text holds no NUL byte.
bool findXmlHead(std::string_view text, std::string_view childName, const XmlLimits& limits, XmlHead& head);

// The largest number of elements the library's parser would have open at
// once while parsing text, including elements it opens and then gives up on.
// It follows the library's own tokenizing byte for byte (encoding detection,
// multi-byte characters, entities, quoted values, comments, CDATA,
// declarations, and every point at which the library stops), in the "C"
// character classes under which the XML layer runs the library. Returns
// stopAbove + 1 as soon as the depth exceeds stopAbove.
// REQUIRES: text holds no NUL byte (the library stops at the first one).
int xmlNestingDepth(std::string_view text, int stopAbove);

}  // namespace tavoro
