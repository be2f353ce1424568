#include "arithmetic/countinghelp.h"
#include "arithmetic/testtasks.h"

#include <QtCore/QStringList>

#include <gtest/gtest.h>

using namespace arithmetic_testing;

namespace {

class CountingHelp : public ::testing::Test
{
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { restoreRandomClock(); }
};

void setTask(quint8 rechenart, quint8 gesucht, double a, double b, double c)
{
    Variablen.Rechenart = rechenart;
    Variablen.Gesucht = gesucht;
    Variablen.Operand1 = a;
    Variablen.Operand2 = b;
    Variablen.Ergebnis = c;
}

// The grid as the pupil sees it, a row of five cells per word: Y yellow,
// B blue, X crossed out, . empty.
QString shown(const HelpPicture &picture)
{
    QString grid;
    for (int cell = 1; cell <= 20; ++cell) {
        switch (picture.visibleSun(cell)) {
        case HelpPicture::Sun::Yellow:
            grid += u'Y';
            break;
        case HelpPicture::Sun::Blue:
            grid += u'B';
            break;
        case HelpPicture::Sun::Crossed:
            grid += u'X';
            break;
        case HelpPicture::Sun::None:
            grid += u'.';
            break;
        }
        if (cell % 5 == 0 && cell < 20)
            grid += u' ';
    }
    return grid;
}

// The cells in which one colour of sun is set, whether it shows or not.
QString set(const std::array<bool, 21> &suns)
{
    QString grid;
    for (int cell = 1; cell <= 20; ++cell) {
        grid += suns[cell] ? u'#' : u'.';
        if (cell % 5 == 0 && cell < 20)
            grid += u' ';
    }
    return grid;
}

QStringList labels(const HelpPicture &picture)
{
    return {picture.lblOperator1, picture.lblRechenart, picture.lblOperator2, picture.lblErgebnis};
}

} // namespace

TEST_F(CountingHelp, ASumWithTheResultSoughtShowsYellowThenBlueSunsAndStoresTheResult)
{
    setTask(1, 3, 3, 4, 0);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(labels(picture), (QStringList {"3", "+", "4", "?"}));
    EXPECT_EQ(shown(picture), QStringLiteral("YYYBB BB... ..... ....."));
    EXPECT_EQ(Variablen.Ergebnis, 7);
}

TEST_F(CountingHelp, ADifferenceWithTheResultSoughtCrossesOutTheLastSuns)
{
    setTask(2, 3, 9, 4, 0);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(labels(picture), (QStringList {"9", "-", "4", "?"}));
    EXPECT_EQ(shown(picture), QStringLiteral("YYYYY XXXX. ..... ....."));
    EXPECT_EQ(Variablen.Ergebnis, 5);
}

TEST_F(CountingHelp, ADifferenceWithTheSecondOperandSoughtShowsTheSamePictureAsWithTheResultSought)
{
    setTask(2, 2, 9, 0, 5);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(labels(picture), (QStringList {"9", "-", "?", "5"}));
    // Yellow suns lie under the crossed-out ones in cells 6..9.
    EXPECT_EQ(set(picture.Sonne5), QStringLiteral("##### ####. ..... ....."));
    EXPECT_EQ(set(picture.Sonne4), QStringLiteral("..... ####. ..... ....."));
    EXPECT_EQ(shown(picture), QStringLiteral("YYYYY XXXX. ..... ....."));
    EXPECT_EQ(Variablen.Operand2, 4);
}

TEST_F(CountingHelp, ADifferenceWithTheFirstOperandSoughtRecomputesItFromTheOtherTwo)
{
    setTask(2, 1, 0, 3, 8);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(labels(picture), (QStringList {"?", "-", "3", "8"}));
    EXPECT_EQ(shown(picture), QStringLiteral("YYYYY YYYXX X.... ....."));
    EXPECT_EQ(Variablen.Operand1, 11);
}

TEST_F(CountingHelp, ADifferenceOfZeroShowsOnlyCrossedOutSuns)
{
    setTask(2, 3, 6, 6, 0);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(shown(picture), QStringLiteral("XXXXX X.... ..... ....."));
    EXPECT_EQ(set(picture.Sonne5), QStringLiteral("..... ..... ..... ....."));
    EXPECT_EQ(Variablen.Ergebnis, 0);
}

TEST_F(CountingHelp, TheMemoryBoardsCaseShowsTheFirstCardAndTheMissingPartToTheTargetSum)
{
    setTask(1, 2, 3, 0, 8);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(labels(picture), (QStringList {"3", "+", "?", "8"}));
    EXPECT_EQ(shown(picture), QStringLiteral("YYYBB BBB.. ..... ....."));
    EXPECT_EQ(Variablen.Operand2, 5);
}

TEST_F(CountingHelp, ASumWithTheFirstOperandSoughtRecomputesIt)
{
    setTask(1, 1, 0, 6, 14);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(labels(picture), (QStringList {"?", "+", "6", "14"}));
    EXPECT_EQ(shown(picture), QStringLiteral("YYYYY YYYBB BBBB. ....."));
    EXPECT_EQ(Variablen.Operand1, 8);
}

TEST_F(CountingHelp, ATaskOfTwentySunsFillsAllFourRows)
{
    setTask(1, 3, 12, 8, 0);
    EXPECT_EQ(shown(drawCountingHelp()), QStringLiteral("YYYYY YYYYY YYBBB BBBBB"));
}

// The grid has 20 cells; a number beyond them is drawn as far as the grid
// goes instead of failing.
TEST_F(CountingHelp, NumbersOutsideZeroToTwentyAreCutToTheGrid)
{
    setTask(1, 3, 15, 9, 0);
    EXPECT_EQ(shown(drawCountingHelp()), QStringLiteral("YYYYY YYYYY YYYYY BBBBB"));
    EXPECT_EQ(Variablen.Ergebnis, 24);

    setTask(2, 3, 3, 5, 0);
    EXPECT_EQ(shown(drawCountingHelp()), QStringLiteral("XXX.. ..... ..... ....."));
    EXPECT_EQ(Variablen.Ergebnis, -2);

    setTask(1, 3, 30, -40, 0);
    EXPECT_EQ(shown(drawCountingHelp()), QStringLiteral("YYYYY YYYYY YYYYY YYYYY"));
}

TEST_F(CountingHelp, AnUnknownOperationLeavesEverythingEmpty)
{
    setTask(0, 3, 3, 4, 7);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(labels(picture), (QStringList {"", "", "", ""}));
    EXPECT_EQ(shown(picture), QStringLiteral("..... ..... ..... ....."));
}

TEST_F(CountingHelp, AnUnknownSoughtPlaceSetsOnlyTheOperator)
{
    setTask(2, 0, 9, 4, 5);
    const HelpPicture picture = drawCountingHelp();
    EXPECT_EQ(labels(picture), (QStringList {"", "-", "", ""}));
    EXPECT_EQ(shown(picture), QStringLiteral("..... ..... ..... ....."));
    EXPECT_EQ(Variablen.Operand1, 9);
}
