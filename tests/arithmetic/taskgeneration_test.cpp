#include "arithmetic/tasktexts.h"
#include "arithmetic/testtasks.h"
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
