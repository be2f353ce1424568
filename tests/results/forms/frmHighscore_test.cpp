#include "../resultstable.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "platform/vbcolor.h"
#include "results/forms/frmHighscore.h"
#include "results/forms/registration.h"
#include "results/resultsdb.h"
#include "results/saving.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

#include <algorithm>

using platform::Form;
using platform::Forms;
using testing_support::advanceClock;

namespace {

class HighscoreWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        registerResultsForms();
        testing_support::registerStandIn(QStringLiteral("frmStart"));
        // The menu entry hides the main window before it shows the list.
        Forms::instance().hide(QStringLiteral("frmStart"));
    }
    void TearDown() override { testing_support::resetWindows(); }

    static void save(const char *name, qint16 points, const char *game, qint16 level, QDate day)
    {
        ASSERT_TRUE(appendRecords(resultsDatabasePath(),
                                  {{QString::fromUtf8(name), points, QString::fromUtf8(game), level, day}})
                        .isOk());
    }

    frmHighscore *open()
    {
        frmHighscore *window = Forms::instance().show<frmHighscore>();
        EXPECT_TRUE(window && QTest::qWaitForWindowExposed(window));
        return window;
    }

    static QStringList lines(QPlainTextEdit *column)
    {
        const QString text = column->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(u'\n');
    }
    static bool mainWindowVisible()
    {
        Form *main = Forms::instance().find(QStringLiteral("frmStart"));
        return main && main->isVisible();
    }

    testing_support::ProgramFolderFixture folder;
};

TEST_F(HighscoreWindow, LaysOutNumbersPointsNamesGamesLevelsAndDatesUnderTheButton)
{
    frmHighscore *window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Highscore"));
    EXPECT_EQ(window->client()->size(), QSize(760, 569));
    EXPECT_FALSE(window->hasCloseBox());
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_EQ(window->client()->palette().color(QPalette::Window), platform::vbColor(0x800000));

    // Left to right, each header above its column, the button above them all.
    const std::vector<QWidget *> order {window->lstNummer, window->txtPunkte, window->txtName,
                                        window->txtSpiel,  window->txtLevel,  window->txtDatum};
    for (size_t i = 1; i < order.size(); ++i) {
        EXPECT_LT(order[i - 1]->geometry().right(), order[i]->geometry().left()) << i;
        EXPECT_EQ(order[i]->y(), window->lstNummer->y());
    }
    EXPECT_LT(window->cmdZurück->geometry().bottom(), window->lblPunkte[0]->y());
    const std::pair<int, QPlainTextEdit *> headers[] = {
        {0, window->txtPunkte}, {1, window->txtName}, {2, window->txtLevel}, {3, window->txtDatum}, {4, window->txtSpiel}};
    const char *captions[] = {"Punkte", "Name", "Level", "Datum", "Spiel"};
    for (const auto &[index, column] : headers) {
        QLabel *header = window->lblPunkte[static_cast<size_t>(index)];
        EXPECT_EQ(header->text(), QString::fromLatin1(captions[index]));
        EXPECT_EQ(header->x(), column->x());
        EXPECT_LT(header->geometry().bottom(), column->y());
    }

    const QFont list = platform::vbFont(QStringLiteral("Times New Roman"), 12, true);
    for (QWidget *widget : {static_cast<QWidget *>(window->lstNummer), static_cast<QWidget *>(window->txtName),
                            static_cast<QWidget *>(window->lblPunkte[1])}) {
        EXPECT_EQ(widget->font().family(), list.family());
        EXPECT_TRUE(widget->font().bold());
        EXPECT_EQ(widget->font().pointSizeF(), 12.0);
    }
    EXPECT_EQ(window->txtName->palette().color(QPalette::Text), platform::vbColor(0xFFFF));
    EXPECT_EQ(window->txtName->palette().color(QPalette::Base), platform::vbColor(0x800000));
    EXPECT_EQ(window->lblPunkte[1]->palette().color(QPalette::WindowText), platform::vbColor(0xFFFF));

    EXPECT_EQ(window->cmdZurück->text(), QStringLiteral("zurück"));
    EXPECT_TRUE(window->cmdZurück->hasFocus()) << "first in the tab order";
    EXPECT_EQ(window->txtName->focusPolicy(), Qt::ClickFocus) << "outside the tab order";
    EXPECT_FALSE(window->txtName->isReadOnly());
    EXPECT_FALSE(window->txtVarName->isVisible());
    EXPECT_EQ(window->tmrZeit->interval(), 1);
}

TEST_F(HighscoreWindow, ShowsTheTenBestRowsAfterTheFirstTick)
{
    const char *names[] = {"Anna", "Bert", "Carla", "Dieter", "Emil", "Fritzi", "Gül", "Hans", "Ida", "Jörg", "Kai"};
    for (int i = 0; i < 11; ++i)
        save(names[i], static_cast<qint16>((i * 7) % 11 * 10), i % 2 ? "Memory" : "Schmetterling",
             static_cast<qint16>(i % 3 + 1), QDate(2024, 5, i + 1));
    frmHighscore *window = open();

    QStringList numbers;
    for (int i = 0; i < window->lstNummer->count(); ++i)
        numbers << window->lstNummer->item(i)->text();
    EXPECT_EQ(numbers, QStringList({"1.", "2.", "3.", "4.", "5.", "6.", "7.", "8.", "9.", "10."}));
    EXPECT_EQ(window->txtName->toPlainText(), QString()) << "empty until the first tick";

    advanceClock(1);
    EXPECT_FALSE(window->tmrZeit->isEnabled());
    // Points: Anna 0, Bert 70, Carla 30, Dieter 100, Emil 60, Fritzi 20,
    // Gül 90, Hans 50, Ida 10, Jörg 80, Kai 40; Anna's 0 is the eleventh.
    EXPECT_EQ(lines(window->txtName),
              QStringList({"Dieter", "Gül", "Jörg", "Bert", "Emil", "Hans", "Kai", "Carla", "Fritzi", "Ida"}));
    EXPECT_EQ(lines(window->txtPunkte), QStringList({"100", "90", "80", "70", "60", "50", "40", "30", "20", "10"}));
    EXPECT_EQ(lines(window->txtSpiel).first(), QStringLiteral("Memory"));
    EXPECT_EQ(lines(window->txtLevel).first(), QStringLiteral("1"));
    EXPECT_EQ(lines(window->txtDatum).first(), QStringLiteral("04.05.2024"));
    EXPECT_EQ(lines(window->txtDatum).size(), 10);
    // The bound boxes stand on the record the walk ended on.
    EXPECT_EQ(window->txtVarName->text(), QStringLiteral("Ida"));
    testing_support::shoot(window, QStringLiteral("frmHighscore"));
}

TEST_F(HighscoreWindow, ShowsFewerRowsThanTenAndStillAllTenNumbers)
{
    save("Anna", 5, "Schweinchen", 3, QDate(2024, 1, 2));
    save("Bert", 5, "Schweinchen", 1, QDate(2024, 1, 3));
    frmHighscore *window = open();
    advanceClock(1);
    EXPECT_EQ(lines(window->txtName), QStringList({"Bert", "Anna"})) << "equal points: last saved first";
    EXPECT_EQ(window->lstNummer->count(), 10);
}

TEST_F(HighscoreWindow, ZurückClosesTheListAndShowsTheMainWindow)
{
    frmHighscore *window = open();
    advanceClock(1);
    QTest::mouseClick(window->cmdZurück, Qt::LeftButton);
    EXPECT_EQ(Forms::instance().find<frmHighscore>(), nullptr);
    EXPECT_TRUE(mainWindowVisible());
}

TEST_F(HighscoreWindow, OpenedAgainAfterAGameItShowsTheNewRecord)
{
    save("Anna", 5, "Memory", 1, QDate(2024, 1, 2));
    frmHighscore *window = open();
    advanceClock(1);
    QTest::mouseClick(window->cmdZurück, Qt::LeftButton);
    testing_support::flushClosedWindows();
    save("Bert", 9, "Memory", 1, QDate(2024, 1, 3));
    window = open();
    advanceClock(1);
    EXPECT_EQ(lines(window->txtName), QStringList({"Bert", "Anna"}));
}

TEST_F(HighscoreWindow, TypingIntoAColumnChangesOnlyWhatIsShown)
{
    save("Anna", 5, "Memory", 1, QDate(2024, 1, 2));
    frmHighscore *window = open();
    advanceClock(1);
    QTest::mouseClick(window->txtName->viewport(), Qt::LeftButton);
    QTest::keyClicks(window->txtName, QStringLiteral("xy"));
    EXPECT_TRUE(window->txtName->toPlainText().contains(QStringLiteral("xy")));
    EXPECT_EQ(results_testing::tableRows(resultsDatabasePath()), QStringList({"Anna|5|Memory|1|2024-01-02"}));
}

TEST_F(HighscoreWindow, AFileThatIsNotOursGivesAMessageAndAnEmptyListAndZurückStillLeadsBack)
{
    folder.write(QStringLiteral("Daten.mdb"), "kein SQLite");
    frmHighscore *window = open();
    QString message;
    testing_support::answerNextMessage(&message);
    advanceClock(1);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Die Highscore-Liste kann nicht angezeigt werden.")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("\"Daten.mdb\"")));
    for (QPlainTextEdit *column : {window->txtName, window->txtPunkte, window->txtLevel, window->txtDatum, window->txtSpiel})
        EXPECT_EQ(column->toPlainText(), QString());
    EXPECT_EQ(window->lstNummer->count(), 10);
    QTest::mouseClick(window->cmdZurück, Qt::LeftButton);
    EXPECT_TRUE(mainWindowVisible());
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), QByteArray("kein SQLite"));
}

} // namespace
