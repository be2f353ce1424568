#include "platform/textorder.h"

#include <gtest/gtest.h>

#include <string>

using platform::compareText;

namespace {

// Each text sorts before the next: blanks, then punctuation and symbols, then
// digits, then letters, other scripts after Latin. Letters as a German
// dictionary has them: an umlaut as its base letter, "ß" as "ss"; then
// accents break ties (none first), then case (lower first), then the bytes
// (a decomposed umlaut).
TEST(TextOrder, SortsAsAGermanDictionary)
{
    const char *ordered[] = {"", "\t", " Zoe", "!", "-Zoe", "😀", "0", "1a", "2", "Anna", "Anna Lena", "Anna-Lena",
        "Anna2", "Annabell", "anton", "ärger", "Ärmel", "Berta", "Bjorn", "Bjørn", "Lukas", "Lukasz", "Łukasz", "Mull",
        "muller", "Muller", "müller", "Mu\u0308ller", "Müller", "MÜLLER", "Müllerin", "ölmann", "Otto", "Übel", "Ulf",
        "Weis", "Weiss", "Weiß", "Weißmann", "Weist", "zacharias", "Zoe", "Ωmega", "Иван"};
    for (size_t i = 1; i < std::size(ordered); ++i)
        EXPECT_LT(compareText(ordered[i - 1], ordered[i]), 0) << ordered[i - 1] << " / " << ordered[i];
}

// An old file may hold any bytes as a name: a sequence cut off by the end of
// the text is not completed from the bytes that follow in memory.
TEST(TextOrder, ReadsNoFurtherThanTheEndOfTheText)
{
    const std::string euro = "\xe2\x82\xac";
    EXPECT_EQ(compareText(std::string_view(euro).substr(0, 2), "\xe2\x82"), 0);
}

} // namespace
