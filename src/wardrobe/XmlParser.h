// Reading XML text exactly as the XML library reads it, without building a
// tree: a handler is told of each element with its attributes as it is read.
// The wardrobe reader builds its model from these events; the XML layer
// measures with the same parser, before the library sees a text, how deep it
// would nest elements (a file nested deep enough exhausts the library's
// stack), how many attributes one element carries (the library checks each
// against all before it) and how much memory its nodes would take.
// Thread-safe (no shared state); a handler belongs to one parse.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

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
  size_t maxNodeBytes = 0;  // the library's nodes, as estimated by the costs above
};

enum class XmlCheck { WithinLimits, TooDeep, TooManyAttributes, TooManyNodes };

// One attribute of a start tag: its name and its value as the library keeps
// it (character and entity references resolved, bytes otherwise as in the
// text). Both views stay valid until the handler returns.
struct XmlAttribute {
  std::string_view name;
  std::string_view value;
};

class XmlHandler {
 public:
  virtual ~XmlHandler() = default;
  // A start tag read whole; depth is 1 for an element at the top of the
  // document. False stops the parse at once (XmlParse::stopped).
  virtual bool startElement(std::string_view name, const std::vector<XmlAttribute>& attributes, int depth) = 0;
  // The end of the element last started at this depth (also of an empty one).
  virtual void endElement(int depth) = 0;
};

struct XmlParse {
  bool wellFormed = false;  // the library would load the text without an error
  XmlCheck check = XmlCheck::WithinLimits;
  bool stopped = false;  // the handler stopped it
  int errorLine = 0;     // where the parse failed (1 for the first line); 0 without a failure
};

// Parses text as the library parses it when the XML layer loads a file (see
// prepareXmlText): its encoding detection, multi-byte characters, entities,
// quoted and unquoted values, comments, CDATA, declarations, the nodes it
// accepts at the top, and every point at which it stops, with or without an
// error, in the "C" character classes under which the XML layer runs the
// library. The parse ends at the first limit exceeded; the handler (when
// given) hears of every element read until the parse ends, also from a text
// that turns out not to be well-formed.
// REQUIRES: text holds no NUL byte, and every byte of 0x80 and above belongs
// to a valid UTF-8 sequence (prepareXmlText makes it so).
XmlParse parseXml(const std::string& text, const XmlLimits& limits, XmlHandler* handler = nullptr);

// The first limit the text exceeds (a text the library would stop parsing
// early is measured only as far as the library would read it).
XmlCheck checkXml(const std::string& text, const XmlLimits& limits);

// The largest number of elements the library would have open at once while
// parsing text, including elements it opens and then gives up on; stopAbove
// + 1 as soon as the depth exceeds stopAbove.
int xmlNestingDepth(const std::string& text, int stopAbove);

// Makes a text as the library's own file loading makes it before parsing:
// it ends at the first NUL, and CR LF and lone CR become LF. Then each byte
// that does not belong to a valid UTF-8 sequence becomes U+FFFD (EF BF BD):
// the library would otherwise read a lead byte together with whatever
// follows it, a closing quote included, so that one damaged name made the
// whole file unreadable; now such a byte reads as U+FFFD wherever it stands.
void prepareXmlText(std::string& text);

}  // namespace tavoro
