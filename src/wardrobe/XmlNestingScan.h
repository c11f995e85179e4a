// How deep the XML library's recursive parser would nest elements in a text,
// measured without recursion, so that a file nested deep enough to exhaust the
// stack is refused before the library sees it. Thread-safe (pure function).
#pragma once

#include <string_view>

namespace tavoro {

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
