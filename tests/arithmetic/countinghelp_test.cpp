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
    struct Row
    {
        const char *name;
        quint8 rechenart, gesucht;
        double a, b, c;
        const char *labels; // first operand, operator, second operand, result
        const char *grid;
        double sought;
    };
    const Row rows[] = {
        {"sum, result sought", 1, 3, 3, 4, 0, "3|+|4|?", "YYYBB BB... ..... .....", 7},
        {"sum, first operand sought", 1, 1, 0, 6, 14, "?|+|6|14", "YYYYY YYYBB BBBB. .....", 8},
        {"memory board: first card 3, target sum 8", 1, 2, 3, 0, 8, "3|+|?|8", "YYYBB BBB.. ..... .....", 5},
        {"difference, result sought", 2, 3, 9, 4, 0, "9|-|4|?", "YYYYY XXXX. ..... .....", 5},
        {"difference, second operand sought", 2, 2, 9, 0, 5, "9|-|?|5", "YYYYY XXXX. ..... .....", 4},
        {"difference, first operand sought", 2, 1, 0, 3, 8, "?|-|3|8", "YYYYY YYYXX X.... .....", 11},
        {"twenty suns fill four rows", 1, 3, 12, 8, 0, "12|+|8|?", "YYYYY YYYYY YYBBB BBBBB", 20},
        {"a sum beyond the grid is cut", 1, 3, 15, 9, 0, "15|+|9|?", "YYYYY YYYYY YYYYY BBBBB", 24},
        {"a negative difference is cut", 2, 3, 3, 5, 0, "3|-|5|?", "XXX.. ..... ..... .....", -2},
        {"unknown operation: nothing", 0, 3, 3, 4, 7, "|||", "..... ..... ..... .....", 7},
        {"unknown sought place: the operator only", 2, 0, 9, 4, 5, "|-||", "..... ..... ..... .....", 5},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        TaskState task {row.a, row.b, row.c, row.rechenart, row.gesucht};
        const HelpPicture picture = drawCountingHelp(task);
        QString grid;
        for (int cell = 1; cell <= 20; ++cell) {
            grid += picture.Sonne4[cell] ? u'X' : picture.Sonne3[cell] ? u'B' : picture.Sonne5[cell] ? u'Y' : u'.';
            if (cell % 5 == 0 && cell < 20)
                grid += u' ';
        }
        EXPECT_EQ(QStringList({picture.lblOperator1, picture.lblRechenart, picture.lblOperator2, picture.lblErgebnis})
                      .join(u'|'),
                  QLatin1String(row.labels));
        EXPECT_EQ(grid, QLatin1String(row.grid));
        EXPECT_EQ(row.gesucht == 1 ? task.Operand1 : row.gesucht == 2 ? task.Operand2 : task.Ergebnis, row.sought);
    }
}
