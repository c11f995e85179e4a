// The query language: a row of terms joined by AND. A term is a bare word, a
// quoted phrase, or a name, ":" or ":=" and a value (quoted or not), where
// the name "itemname" means the item's name and any other name a tag, but
// "worn:never" and "worn:>Nd" (N days) ask when an item was last worn.
// Thread-safe: the term pattern is compiled once and only read afterwards.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "SearchTerm.h"

namespace tavoro {

// The tokens of a query, after normalising it. A quoted token is returned as
// a double quote followed by its trimmed content. Tokenizing stops for good
// where the rest of the query cannot begin a term (at a ":" or "=").
std::vector<std::wstring> tokenizeQuery(std::wstring_view query);

// Fills term from one token; false (term reset) when the token is not a term.
bool parseToken(std::wstring_view token, SearchTerm& term);

// Every term of the query, in query order; tokens that are not terms are
// dropped. Empty for an empty or blank query.
std::vector<SearchTerm> parseQuery(std::wstring_view query);

}  // namespace tavoro
