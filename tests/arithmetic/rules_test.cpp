#include "arithmetic/countinghelp.h"
#include "arithmetic/evaluation.h"
#include "arithmetic/scoring.h"
#include "arithmetic/tasktexts.h"
#include "arithmetic/testtasks.h"
#include "state/modvar.h"
#include "state/variablen.h"

#include <QtCore/QStringList>

using arithmetic_testing::drawFor;

namespace {

// The board's four texts as one line: first box, operator, second box, result box.
struct TextsLine : TaskTexts
{
    QStringList boxes {"old", "", "old", "old"};
    void setOperand1Text(const QString &text) override { boxes[0] = text; }
    void setRechenzeichen(const QString &text) override { boxes[1] = text; }
    void setOperand2Text(const QString &text) override { boxes[2] = text; }
    void setErgebnisText(const QString &text) override { boxes[3] = text; }
};

using TaskGeneration = testing_support::GlobalsTest;

} // namespace

// The lowest draws give b = 1 with the first operand sought; the highest give
// b at the limit of its row with the result sought.
TEST_F(TaskGeneration, DrawsTheSecondOperandWithinItsRowShowsTheKnownNumbersAndReseedsBeforeTheDraws)
{
    const std::tuple<const char *, quint8, int, int, const char *, const char *> rows[] = {
        {"level 1, +, stays within ten", 1, 4, 1, "|+|1|5", "4|+|6|"},
        {"level 1, + from 8", 1, 8, 1, "|+|1|9", "8|+|2|"},
        {"level 1, - from 2 always takes 1", 1, 2, 2, "|-|1|1", "2|-|1|"},
        {"level 1, - from 8", 1, 8, 2, "|-|1|7", "8|-|7|"},
        {"level 2, + from 10 stays above ten", 2, 10, 1, "|+|1|11", "10|+|10|"},
        {"level 2, + from 18 reaches 20", 2, 18, 1, "|+|1|19", "18|+|2|"},
        {"level 2, + below 10 stays within ten", 2, 7, 1, "|+|1|8", "7|+|3|"},
        {"level 2, - from 10 stays below ten", 2, 10, 2, "|-|1|9", "10|-|9|"},
        {"level 2, - from 11 gives 10", 2, 11, 2, "|-|1|10", "11|-|1|"},
        {"level 2, - above 10 stays at ten or above", 2, 17, 2, "|-|1|16", "17|-|7|"},
        {"level 3, + from 18 gives 19", 3, 18, 1, "|+|1|19", "18|+|1|"},
        {"level 3, + from 2 may cross ten", 3, 2, 1, "|+|1|3", "2|+|17|"},
        {"level 3, - from 18", 3, 18, 2, "|-|1|17", "18|-|17|"},
    };
    TaskState task;
    TextsLine texts;
    int reseeds = 0;
    platform::Random::instance().setClockSource([&reseeds] { return quint64(++reseeds); });
    for (const auto &[name, level, a, rechenart, lowest, highest] : rows) {
        SCOPED_TRACE(name);
        const float first = drawFor(a, 2, level == 1 ? 8 : 18), operation = drawFor(rechenart, 1, 2);
        for (const auto &[draw, line] : {std::pair {0.0f, lowest}, {0.99999994f, highest}}) {
            platform::Random::instance().feed({first, operation, draw, draw});
            reseeds = 0;
            ASSERT_TRUE(drawPigTask(task, level, texts));
            EXPECT_EQ(texts.boxes.join(u'|'), QLatin1String(line));
            EXPECT_EQ(task.Gesucht, draw == 0 ? 1 : 3);
            EXPECT_EQ(reseeds, level == 2 ? 3 : 2) << "level 2 reseeds once more, before the second operand";
        }
    }
    EXPECT_FALSE(drawPigTask(task, 4, texts));
}

// The answer to 12 - 5 = 7 is read by the German number rules; a number goes
// into Eingabe, a text that is no finite number leaves it as it was (-1).
TEST(Evaluation, JudgesTheSoughtNumberKeepsANumberInEingabeAndShowsThePigsOfTheKnownBoxes)
{
    using enum Verdict;
    const std::tuple<quint8, const char *, Verdict, double> rows[] = {
        {1, "12", Right, 12}, {1, "7", Wrong, 7}, {2, "5", Right, 5}, {2, "7", Wrong, 7}, {3, "12", Wrong, 12},
        {3, "7", Right, 7}, {3, "07", Right, 7}, {3, "7,0", Right, 7}, {3, "  7 ", Right, 7}, {3, "7,4", Wrong, 7.4},
        {3, "-7", Wrong, -7}, {3, "", InputError, -1}, {3, "   ", InputError, -1}, {3, "sieben", InputError, -1},
        {3, "7a", InputError, -1}, {3, "1 2", InputError, -1}, {3, "7.5", InputError, -1},
        {3, "nan", InputError, -1}, {3, "inf", InputError, -1}, {0, "7", NothingSought, -1},
    };
    for (const auto &[gesucht, text, verdict, eingabe] : rows) {
        SCOPED_TRACE(testing::Message() << "Gesucht " << int(gesucht) << ", \"" << text << '"');
        TaskState task {12, 5, 7, 2, gesucht, -1};
        EXPECT_EQ(judgeAnswer(task, QString::fromLatin1(text)), verdict);
        EXPECT_EQ(task.Eingabe, eingabe);
    }
    // The refresh shows pigs above the known boxes; a block holds 20, and a number
    // outside 0..20 (never drawn by the generators) must not reach past it.
    const std::tuple<quint8, double, std::array<int, 3>> refreshes[] = {
        {1, 12, {0, 5, 7}}, {2, 12, {12, 0, 7}}, {3, 12, {12, 5, 0}}, {3, 25, {20, 5, 0}}};
    for (const auto &[gesucht, a, pigs] : refreshes) {
        SCOPED_TRACE(testing::Message() << "Gesucht " << int(gesucht) << ", a = " << a);
        const std::optional<RefreshPlan> plan = refreshPlan(TaskState {a, 5, 7, 2, gesucht});
        ASSERT_TRUE(plan.has_value());
        EXPECT_EQ(std::pair(plan->pigs, static_cast<int>(plan->sought)), std::pair(pigs, gesucht - 1));
    }
    EXPECT_FALSE(refreshPlan(TaskState {12, 5, 7, 2, 0}).has_value());
}

// A game at one level, on the record an earlier game left, told as the pupil
// plays it: r a right answer, w a wrong one, h the counting help. The label
// shows the level's points after the last right answer.
TEST(Scoring, PointsByLevelOnePointAfterAWrongAnswerOrHelpAndTheTotalHandedOverWithinSixteenBits)
{
    const std::tuple<const char *, quint8, const char *, const char *> rows[] = {
        {"leicht at the first try", 1, "r", "2 Punkte"},
        {"mittel at the first try", 2, "r", "3 Punkte"},
        {"schwer at the first try", 3, "r", "4 Punkte"},
        {"wrong, then right", 1, "wr", "1 Punkt"},
        {"several wrong answers still leave one point", 3, "wwwr", "1 Punkt"},
        {"help, then right, then the next task at full points", 3, "hrr", "5 Punkte"},
        {"no answer yet: nothing, also in the total", 2, "", "0 Punkte"},
    };
    for (const auto &[name, level, play, label] : rows) {
        SCOPED_TRACE(name);
        TaskState task {.PunkteLevel1 = 9, .PunkteLevel2 = 9, .PunkteLevel3 = 9, .Punktabzug = true, .Gesamtpunkte = 9};
        startPigGame(task);
        chooseLevel(task, level);
        double levelPoints = 0;
        for (const char *event = play; *event; ++event) {
            if (*event == 'r')
                levelPoints = scoreRightAnswer(task);
            else
                markReducedPoints(task);
        }
        EXPECT_EQ(pointsCaption(levelPoints), QLatin1String(label));
        EXPECT_EQ(task.Gesamtpunkte, levelPoints);
        EXPECT_FALSE(task.Punktabzug);
    }
    // The label shows the level's own counter, the total sums all three; the end
    // hands name, total and level over, the total held in 16 bits without
    // wrapping round, and leaves the second player of a memory game alone.
    TaskState task {.PunkteLevel1 = 5, .PunkteLevel3 = 8};
    chooseLevel(task, 2);
    EXPECT_EQ(scoreRightAnswer(task), 3);
    EXPECT_EQ(task.Gesamtpunkte, 16);
    EXPECT_EQ(pointsCaption(1250000), QStringLiteral("1250000 Punkte"));
    PlayState play;
    play.SpielerName2 = QStringLiteral("Ben");
    play.SpielerPunkte2 = 9;
    handOverResult(task, QStringLiteral("Anna"), play);
    EXPECT_EQ(std::tie(play.SpielerName, play.SpielerPunkte, play.SpielLevel, play.SpielerName2, play.SpielerPunkte2),
              std::make_tuple(QStringLiteral("Anna"), 16, 2, QStringLiteral("Ben"), 9));
    task.Gesamtpunkte = 40000;
    handOverResult(task, QStringLiteral("Anna"), play);
    EXPECT_EQ(play.SpielerPunkte, 32767);
}

// The grid as the pupil sees it, five cells a word: Y yellow, B blue, X
// crossed out, . empty; a crossed-out sun lies in front of a blue one, both
// in front of a yellow one. The sought place afterwards holds the number
// sought (the result for an unknown place).
TEST(CountingHelp, ShowsTheTaskWithTheSoughtPlaceAsQuestionMarkAndSunsToCountAndStoresTheSoughtNumber)
{
    // The task a, b, c, operation, sought place; the labels; the grid; the number sought.
    const std::tuple<const char *, TaskState, const char *, const char *, double> rows[] = {
        {"sum, result sought", {3, 4, 0, 1, 3}, "3|+|4|?", "YYYBB BB... ..... .....", 7},
        {"sum, first operand sought", {0, 6, 14, 1, 1}, "?|+|6|14", "YYYYY YYYBB BBBB. .....", 8},
        {"memory board: first card 3, target sum 8", {3, 0, 8, 1, 2}, "3|+|?|8", "YYYBB BBB.. ..... .....", 5},
        {"difference, result sought", {9, 4, 0, 2, 3}, "9|-|4|?", "YYYYY XXXX. ..... .....", 5},
        {"difference, second operand sought", {9, 0, 5, 2, 2}, "9|-|?|5", "YYYYY XXXX. ..... .....", 4},
        {"difference, first operand sought", {0, 3, 8, 2, 1}, "?|-|3|8", "YYYYY YYYXX X.... .....", 11},
        {"a sum beyond the grid is cut", {15, 9, 0, 1, 3}, "15|+|9|?", "YYYYY YYYYY YYYYY BBBBB", 24},
        {"a negative difference is cut", {3, 5, 0, 2, 3}, "3|-|5|?", "XXX.. ..... ..... .....", -2},
        {"unknown operation: nothing", {3, 4, 7, 0, 3}, "|||", "..... ..... ..... .....", 7},
        {"unknown sought place: the operator only", {9, 4, 5, 2, 0}, "|-||", "..... ..... ..... .....", 5},
    };
    for (const auto &[name, start, labels, expected, sought] : rows) {
        SCOPED_TRACE(name);
        TaskState task = start;
        const HelpPicture help = drawCountingHelp(task);
        QString grid;
        for (int cell = 1; cell <= 20; ++cell)
            grid += QLatin1String(cell % 5 == 1 && cell > 1 ? " " : "")
                + (help.Sonne4[cell] ? u'X' : help.Sonne3[cell] ? u'B' : help.Sonne5[cell] ? u'Y' : u'.');
        EXPECT_EQ(QStringList({help.lblOperator1, help.lblRechenart, help.lblOperator2, help.lblErgebnis, grid}),
                  QString::fromLatin1(labels).split(u'|') << QLatin1String(expected));
        EXPECT_EQ(task.Gesucht == 1 ? task.Operand1 : task.Gesucht == 2 ? task.Operand2 : task.Ergebnis, sought);
    }
}
