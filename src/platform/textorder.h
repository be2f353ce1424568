#pragma once

#include <string>
#include <string_view>

namespace platform {

// The order in which the lists sort text: a German dictionary's, the same on
// every machine (it rests on Qt's own Unicode tables, never on the system's
// locales). Texts are compared level by level, each over the whole text:
//   1. Characters: an accented letter or an umlaut as its base letter, "ß"
//      as "ss", "æ" and "œ" as "ae" and "oe", "ø", "ł", "đ" as "o", "l", "d";
//      letters without regard to case. Blanks and control characters come
//      first, then punctuation and symbols (emoji among them), then digits,
//      then letters; within each group by code point, so Latin letters come
//      before Greek ones and Greek before Cyrillic.
//   2. Accents: a letter without one before the same letter with one, the
//      first difference from the start deciding ("Muller" < "Müller",
//      "Weiss" < "Weiß").
//   3. Case: lower before upper ("müller" < "Müller").
//   4. The bytes, so that only identical texts compare equal.
// Any bytes are accepted; a byte that starts no valid UTF-8 sequence counts
// as U+FFFD on the first three levels.

// The UTF-8 text's key in that order: keys compare byte by byte (shorter
// first when one is the start of the other) as their texts compare, and
// equal only for identical texts. A text's key never starts with a byte
// above 0x7F.
std::string sortKey(std::string_view text);

// Negative, zero or positive as a sorts before, with or after b (UTF-8).
int compareText(std::string_view a, std::string_view b);

// The SQL function of every DbConnection that gives a value's sort key: a
// text's sortKey, a blob's bytes behind a byte 0xFF (blobs after texts, as
// the engine sorts them), any other value itself, so numbers sort as numbers.
// Sorting by it computes each row's key once, not once per comparison.
inline constexpr char kSortKeyFunction[] = "SORT_KEY";

} // namespace platform
