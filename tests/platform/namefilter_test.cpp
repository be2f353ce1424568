#include "platform/namefilter.h"

#include <gtest/gtest.h>

namespace {

// Texts as the box holds them, "|" marking the cursor: before the filter
// runs (after typing or pasting), and after it.
TEST(NameFilter, KeepsOneLineOfWholeCharactersWithinTheLimit)
{
    const struct { const char *name; const char16_t *before; int maxCharacters; const char16_t *after; } rows[] = {
        {"PastedLineBreak", u"Max\r\n|", 12, u"Max|"},
        {"TabAndEscape", u"A\tB\x1b" u"C|", 12, u"ABC|"},
        {"ControlsBeforeTheCursorMoveIt", u"A\r\n|B", 12, u"A|B"},
        {"LineAndParagraphSeparators", u"A\u2028B\u2029|", 12, u"AB|"},
        {"BidiOverrideAndEmbedding", u"\u202eAnna\u202a\u202c|", 12, u"Anna|"},
        {"BidiIsolates", u"\u2066B\u2067o\u2068\u2069|", 12, u"Bo|"},
        {"DirectionMarks", u"\u200fE\u200em\u061C|a", 12, u"Em|a"},
        {"UmlautsAndAccentsStay", u"Jörg Ünal ñ|", 12, u"Jörg Ünal ñ|"},
        {"TwelveCharacters", u"Maximilianeu|", 12, u"Maximilianeu|"},
        {"AThirteenthIsRefused", u"Maximilianeum|", 12, u"Maximilianeu|"},
        {"TypingIntoAFullBoxChangesNothing", u"MaximX|ilianeu", 12, u"Maxim|ilianeu"},
        {"APasteIsCutAtItsOwnEnd", u"Maximilianeum|Tom", 12, u"Maximilia|Tom"},
        {"AnEmojiIsOneCharacter", u"Elf Zeichen\U0001F600|", 12, u"Elf Zeichen\U0001F600|"},
        {"AnEmojiOverTheLimitIsLeftOutWhole", u"Zwölf Zeiche\U0001F600|", 12, u"Zwölf Zeiche|"},
        {"AFlagCrossingTheLimitIsLeftOutWhole", u"Elf Zeichen\U0001F1E9\U0001F1EA|", 12, u"Elf Zeichen|"},
        {"AFamilyCrossingTheLimitIsLeftOutWhole", u"Acht Zei\U0001F468\u200d\U0001F469\u200d\U0001F467|", 12,
            u"Acht Zei|"},
        {"AnAccentIsNotCutFromItsLetter", u"Elf Zeichene\u0301|", 12, u"Elf Zeichen|"},
        {"ALetterWithItsAccentFitsWhole", u"Zehn Zeice\u0301|", 12, u"Zehn Zeice\u0301|"},
        {"NoLimitForPasswords", u"ein sehr langes\r\nPasswort|", -1, u"ein sehr langesPasswort|"},
    };
    for (const auto &row : rows) {
        QString text = QString::fromUtf16(row.before);
        qsizetype cursor = text.indexOf(u'|');
        ASSERT_GE(cursor, 0) << row.name;
        text.remove(cursor, 1);
        QString result = platform::filterName(text, row.maxCharacters, &cursor);
        result.insert(cursor, u'|');
        EXPECT_EQ(result, QString::fromUtf16(row.after)) << row.name;
    }
}

// A pop isolate in the name would end the isolate early, leaving its override open.
TEST(NameFilter, AnIsolatedNameHoldsNoDirectionControlOfItsOwn)
{
    EXPECT_EQ(platform::isolated(u"A\u2069\u202eb\u200f"), QString::fromUtf16(u"\u2068Ab\u2069"));
}

} // namespace
