#include "platform/textorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using platform::compareText;

namespace {

int sign(int order)
{
    return (order > 0) - (order < 0);
}

// Each text sorts before every text after it: blanks, then punctuation and
// symbols, then digits, then letters, other scripts after Latin; a letter
// that sorts as another comes after it; texts that differ only in their
// bytes (a decomposed umlaut) in byte order.
TEST(TextOrder, SortsBlanksSymbolsDigitsLettersAndOtherScriptsAfterLatin)
{
    const std::vector<std::string> ordered = {"", "\t", " Zoe", "!", "-Zoe", "😀", "0", "1a", "2", "Anna",
        "Anna Lena", "Anna-Lena", "Anna2", "Annabell", "Bjorn", "Bjørn", "Lukas", "Lukasz", "Łukasz", "Muller",
        "Mu\u0308ller", "Müller", "Müllerin", "Zoe", "Ωmega", "Иван"};
    for (size_t i = 0; i < ordered.size(); ++i) {
        for (size_t j = 0; j < ordered.size(); ++j)
            EXPECT_EQ(sign(compareText(ordered[i], ordered[j])), (i > j) - (i < j))
                << '"' << ordered[i] << "\" against \"" << ordered[j] << '"';
    }
}

// The engine's sort needs a total order, whatever an old file holds:
// invalid UTF-8, marks without a letter, expansions, emoji, a NUL.
TEST(TextOrder, IsATotalOrderOverAnyBytes)
{
    const std::vector<std::string> texts = {"", "a", "A", "ä", "Ä", "a\u0308", "\u0308a", "\u0308", "ß", "ss", "SS",
        "ẞ", "ſ", "ﬁ", "fi", "²", "2", "\xff", "\xc3", "\xc3(", "\xed\xa0\x80", "\xf4\x90\x80\x80", "\xc0\xaf",
        "\xef\xbf\xbd", "\xe2\x82", "한", "ﷺ", "👍🏽", "👨‍👩‍👧", std::string("a\0b", 3), "\x7f", " ", "\t", "Ǆ", "ǅ",
        "ǆ", "İ", "ı", "Æsop", "Aesop", "aesop"};
    for (const std::string &a : texts) {
        for (const std::string &b : texts) {
            const int ab = sign(compareText(a, b));
            EXPECT_EQ(ab, -sign(compareText(b, a))) << a << " / " << b;
            EXPECT_EQ(ab == 0, a == b) << a << " / " << b;
            for (const std::string &c : texts) {
                if (ab < 0 && compareText(b, c) < 0) {
                    EXPECT_LT(compareText(a, c), 0) << a << " < " << b << " < " << c;
                }
            }
        }
    }
    // A sequence cut off by the end of the text is not completed from the
    // bytes that follow in memory.
    const std::string euro = "\xe2\x82\xac";
    EXPECT_EQ(compareText(std::string_view(euro).substr(0, 2), std::string("\xe2\x82")), 0);
}

} // namespace
