#include "platform/forms.h"
#include "platform/resultsdb.h"
#include "platform/timer.h"
#include "results/forms/frmHighscore.h"
#include "results/forms/frmSpeichern.h"
#include "results/forms/registration.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "support/guisupport.h"
#include "support/scrolling.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

using platform::Forms;
using testing_support::advanceClock;

namespace {

// The main window stands in, hidden as a game or the menu hides it.
class ResultsWindows : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerResultsForms();
        testing_support::registerStandIn(QStringLiteral("frmStart"));
        Forms::instance().hide(QStringLiteral("frmStart"));
    }
    template<class Window> Window *open()
    {
        Window *window = Forms::instance().show<Window>();
        EXPECT_TRUE(window && QTest::qWaitForWindowExposed(window));
        return window;
    }
    static void finishGame(const char *name, qint16 points, const char *name2, qint16 points2, quint8 players)
    {
        modVar = {QString::fromUtf8(name), QStringLiteral("Memory"), {}, 2, points, QString::fromUtf8(name2), points2};
        Mdlmodul.AnzahlSpieler = players;
    }
    static QString shown(QPlainTextEdit *column) { return column->toPlainText().replace(u'\n', u' '); }
    // The line at the top of each column, left to right.
    static QString topLines(frmHighscore *list)
    {
        QStringList tops;
        for (QPlainTextEdit *column : {list->txtPunkte, list->txtName, list->txtSpiel, list->txtLevel, list->txtDatum})
            tops << QString::number(testing_support::topLine(column));
        return tops.join(u' ');
    }
    static bool mainWindowVisible() { return Forms::instance().find(QStringLiteral("frmStart"))->isVisible(); }

    testing_support::ProgramFolderFixture folder;
};

TEST_F(ResultsWindows, TheSaveWindowSavesThePlayStateOfThe2000thMillisecondThenShowsTheMainWindow)
{
    finishGame("Anna", 12, "", 0, 1);
    testing_support::shoot(open<frmSpeichern>(), QStringLiteral("frmSpeichern"));
    advanceClock(1000);
    finishGame("", 30, "Bert", -4, 2);
    advanceClock(999);
    EXPECT_FALSE(QFile::exists(platform::resultsDatabasePath()));
    EXPECT_NE(Forms::instance().find<frmSpeichern>(), nullptr);
    EXPECT_FALSE(mainWindowVisible());

    advanceClock(1);
    testing_support::SqliteFile file(platform::resultsDatabasePath()); // dated today, or yesterday after midnight
    EXPECT_EQ(file.rows("SELECT Name, Punkte, Spiel, Level, Datum IN (date('now', 'localtime'), date('now', "
                        "'localtime', '-1 day')) FROM userdaten"),
        QStringList({"Spieler1|30|Memory|2|1", "Bert|-4|Memory|2|1"}));
    EXPECT_EQ(Forms::instance().find<frmSpeichern>(), nullptr);
    EXPECT_TRUE(mainWindowVisible());
    advanceClock(10000);
    EXPECT_EQ(file.records().size(), 2) << "the tick runs once";
}

// A file that is not ours: the save says neither record was saved and closes
// as usual; the highscore list says why it shows no rows.
TEST_F(ResultsWindows, AFileThatIsNotOursGivesBothWindowsAGermanMessageAndStaysAsItWas)
{
    folder.write(QStringLiteral("Daten.mdb"), "Standard Jet DB, nicht unsere");
    finishGame("Anna", 12, "Bert", 4, 2);
    frmSpeichern *window = open<frmSpeichern>();
    QString message;
    bool tickingDuringTheMessage = true;
    testing_support::whenModal([&](QWidget *box) {
        message = qobject_cast<QMessageBox *>(box)->text();
        // The clock goes on while the message waits; a second tick would save again.
        tickingDuringTheMessage = window->tmrSpeichern->isEnabled();
        testing_support::clickMessageBoxButton(box, QStringLiteral("OK"));
    });
    advanceClock(2000);
    EXPECT_FALSE(tickingDuringTheMessage);
    EXPECT_EQ(message,
        QStringLiteral("Die Ergebnisse beider Spieler konnten nicht gespeichert werden.\n\nDie Datei "
                       "\"Daten.mdb\" ist keine Datenbank dieses Programms. Sie bleibt unverändert."));
    EXPECT_EQ(Forms::instance().find<frmSpeichern>(), nullptr);
    EXPECT_TRUE(mainWindowVisible());

    frmHighscore *list = open<frmHighscore>();
    testing_support::answerNextMessage(&message);
    advanceClock(1);
    EXPECT_EQ(message,
        QStringLiteral("Die Highscore-Liste kann nicht angezeigt werden.\n\nDie Datei \"Daten.mdb\" ist "
                       "keine Datenbank dieses Programms. Sie bleibt unverändert."));
    EXPECT_EQ(shown(list->txtName), QString());
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), QByteArray("Standard Jet DB, nicht unsere"));
}

TEST_F(ResultsWindows, TheHighscoreListFillsItsColumnsOnTheFirstTickAndZurückLeadsBack)
{
    ASSERT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath())
                    .execute(QStringLiteral("CREATE TABLE userdaten (Name TEXT, Punkte INT, Spiel TEXT, Level INT, "
                                            "Datum DATE); INSERT INTO userdaten "
                                            "VALUES ('Anna', 7, 'Memory', 2, '2024-05-01'), ('Bert', 12, "
                                            "'Schweinchen', 3, '2024-05-02'), ('Gül', 9, "
                                            "'Schmetterling', 1, '2024-05-03')")));
    frmHighscore *window = open<frmHighscore>();
    EXPECT_EQ(shown(window->txtName), QString()) << "empty until the first tick";
    advanceClock(1);
    EXPECT_FALSE(window->tmrZeit->isEnabled());
    EXPECT_EQ(shown(window->txtName), QStringLiteral("Bert Gül Anna"));
    EXPECT_EQ(shown(window->txtPunkte), QStringLiteral("12 9 7"));
    EXPECT_EQ(shown(window->txtSpiel), QStringLiteral("Schweinchen Schmetterling Memory"));
    EXPECT_EQ(shown(window->txtLevel), QStringLiteral("3 1 2"));
    EXPECT_EQ(shown(window->txtDatum), QStringLiteral("02.05.2024 03.05.2024 01.05.2024"));
    EXPECT_EQ(window->txtVar[platform::ListColumn::Name]->text(), QStringLiteral("Anna")) << "where the walk ended";
    testing_support::shoot(window, QStringLiteral("frmHighscore"));
    QTest::mouseClick(window->cmdZurück, Qt::LeftButton);
    EXPECT_EQ(Forms::instance().find<frmHighscore>(), nullptr);
    EXPECT_TRUE(mainWindowVisible());
}

// A file that opens but is damaged: the list says why it shows no rows, and
// leaves the file as it was.
TEST_F(ResultsWindows, ADamagedFileGivesTheHighscoreListAMessageAndNoRows)
{
    ASSERT_TRUE(testing_support::SqliteFile::addDamagedResults(platform::resultsDatabasePath()));
    const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
    frmHighscore *list = open<frmHighscore>();
    QString message;
    testing_support::answerNextMessage(&message);
    advanceClock(1);
    EXPECT_EQ(message, QStringLiteral("Die Highscore-Liste kann nicht angezeigt werden.\n\nDie Datei \"Daten.mdb\" ist "
                                      "beschädigt. Sie bleibt unverändert."));
    EXPECT_EQ(shown(list->txtName), QString());
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
}

// The numbers "1." to "10." never move, so neither do the columns beside
// them: not even when a user has typed so many lines into every column that
// each could scroll, and then turns the wheel over one.
TEST_F(ResultsWindows, TheHighscoreRowsStayLevelWithTheirNumbersWhateverIsTypedOrScrolled)
{
    frmHighscore *list = open<frmHighscore>();
    advanceClock(1);
    for (QPlainTextEdit *column : {list->txtPunkte, list->txtName, list->txtSpiel, list->txtLevel, list->txtDatum}) {
        for (int i = 0; i < 30; ++i)
            QTest::keyClick(column, Qt::Key_Return);
    }
    EXPECT_EQ(topLines(list), QStringLiteral("0 0 0 0 0"));
    testing_support::turnWheel(list->txtDatum, 3);
    EXPECT_EQ(topLines(list), QStringLiteral("0 0 0 0 0"));
}

} // namespace
