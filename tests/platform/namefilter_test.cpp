#include "platform/namefilter.h"

#include <gtest/gtest.h>

namespace {

// Texts as the box holds them, "|" marking the cursor: before the filter
// runs (after typing or pasting), and after it.
struct FilterCase
{
    const char *name;
    const char16_t *before;
    int maxCharacters;
    const char16_t *after;
};

class NameFilter : public ::testing::TestWithParam<FilterCase>
{
};

TEST_P(NameFilter, KeepsOneLineOfWholeCharactersWithinTheLimit)
{
    const FilterCase &c = GetParam();
    QString text = QString::fromUtf16(c.before);
    qsizetype cursor = text.indexOf(u'|');
    ASSERT_GE(cursor, 0);
    text.remove(cursor, 1);
    QString result = platform::filterName(text, c.maxCharacters, &cursor);
    result.insert(cursor, u'|');
    EXPECT_EQ(result, QString::fromUtf16(c.after));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NameFilter,
    ::testing::Values(
        FilterCase {"PastedLineBreak", u"Max\r\n|", 12, u"Max|"},
        FilterCase {"TabAndEscape", u"A\tB\x1b" u"C|", 12, u"ABC|"},
        FilterCase {"ControlsBeforeTheCursorMoveIt", u"A\r\n|B", 12, u"A|B"},
        FilterCase {"LineAndParagraphSeparators", u"A\u2028B\u2029|", 12, u"AB|"},
        FilterCase {"BidiOverrideAndEmbedding", u"\u202eAnna\u202a\u202c|", 12, u"Anna|"},
        FilterCase {"BidiIsolates", u"\u2066B\u2067o\u2068\u2069|", 12, u"Bo|"},
        FilterCase {"UmlautsAndAccentsStay", u"Jörg Ünal ñ|", 12, u"Jörg Ünal ñ|"},
        FilterCase {"TwelveCharacters", u"Maximilianeu|", 12, u"Maximilianeu|"},
        FilterCase {"AThirteenthIsRefused", u"Maximilianeum|", 12, u"Maximilianeu|"},
        FilterCase {"TypingIntoAFullBoxChangesNothing", u"MaximX|ilianeu", 12, u"Maxim|ilianeu"},
        FilterCase {"APasteIsCutAtItsOwnEnd", u"Maximilianeum|Tom", 12, u"Maximilia|Tom"},
        FilterCase {"AnEmojiIsOneCharacter", u"Elf Zeichen\U0001F600|", 12, u"Elf Zeichen\U0001F600|"},
        FilterCase {"AnEmojiOverTheLimitIsLeftOutWhole", u"Zwölf Zeiche\U0001F600|", 12, u"Zwölf Zeiche|"},
        FilterCase {"AFlagCrossingTheLimitIsLeftOutWhole", u"Elf Zeichen\U0001F1E9\U0001F1EA|", 12, u"Elf Zeichen|"},
        FilterCase {"AFamilyCrossingTheLimitIsLeftOutWhole", u"Acht Zei\U0001F468\u200d\U0001F469\u200d\U0001F467|", 12,
                    u"Acht Zei|"},
        FilterCase {"AnAccentIsNotCutFromItsLetter", u"Elf Zeichene\u0301|", 12, u"Elf Zeichen|"},
        FilterCase {"ALetterWithItsAccentFitsWhole", u"Zehn Zeice\u0301|", 12, u"Zehn Zeice\u0301|"},
        FilterCase {"NoLimitForPasswords", u"ein sehr langes\r\nPasswort|", -1, u"ein sehr langesPasswort|"}),
    [](const ::testing::TestParamInfo<FilterCase> &row) { return std::string(row.param.name); });

} // namespace
