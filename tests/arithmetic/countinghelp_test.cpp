#include "arithmetic/countinghelp.h"
#include "state/variablen.h"
#include "support/testsupport.h"

#include <QtCore/QStringList>

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
        const HelpPicture picture = drawCountingHelp(task);
        QString grid;
        for (int cell = 1; cell <= 20; ++cell) {
            grid += picture.Sonne4[cell] ? u'X' : picture.Sonne3[cell] ? u'B' : picture.Sonne5[cell] ? u'Y' : u'.';
            if (cell % 5 == 0 && cell < 20)
                grid += u' ';
        }
        EXPECT_EQ(QStringList({picture.lblOperator1, picture.lblRechenart, picture.lblOperator2, picture.lblErgebnis})
                      .join(u'|'),
                  QLatin1String(labels));
        EXPECT_EQ(grid, QLatin1String(expected));
        EXPECT_EQ(task.Gesucht == 1 ? task.Operand1 : task.Gesucht == 2 ? task.Operand2 : task.Ergebnis, sought);
    }
}
