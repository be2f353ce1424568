#include "../resultstable.h"
#include "state/mdlmodul.h"
#include "platform/fonts.h"
#include "platform/forms.h"
#include "platform/programfolder.h"
#include "platform/timer.h"
#include "platform/vbcolor.h"
#include "results/forms/frmSpeichern.h"
#include "results/forms/registration.h"
#include "results/resultsdb.h"
#include "state/modvar.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDate>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>

using platform::Form;
using platform::Forms;
using results_testing::tableRows;
using testing_support::advanceClock;

namespace {

class SaveWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        modVar = PlayState {};
        Mdlmodul = MemoryState {};
        registerResultsForms();
        testing_support::registerStandIn(QStringLiteral("frmStart"));
        // A game hid the main window when it began.
        Forms::instance().hide(QStringLiteral("frmStart"));
    }
    void TearDown() override { testing_support::resetWindows(); }

    void finishGame(const char *name, qint16 points, const char *name2 = "", qint16 points2 = 0, quint8 players = 1)
    {
        modVar.SpielerName = QString::fromUtf8(name);
        modVar.SpielerPunkte = points;
        modVar.SpielerName2 = QString::fromUtf8(name2);
        modVar.SpielerPunkte2 = points2;
        modVar.SpielName = QStringLiteral("Memory");
        modVar.SpielLevel = 2;
        Mdlmodul.AnzahlSpieler = players;
    }

    frmSpeichern *open()
    {
        frmSpeichern *window = Forms::instance().show<frmSpeichern>();
        EXPECT_TRUE(window && QTest::qWaitForWindowExposed(window));
        return window;
    }

    static bool mainWindowVisible()
    {
        Form *main = Forms::instance().find(QStringLiteral("frmStart"));
        return main && main->isVisible();
    }
    static bool saveWindowOpen() { return Forms::instance().find<frmSpeichern>() != nullptr; }
    static QString today() { return QDate::currentDate().toString(Qt::ISODate); }

    testing_support::ProgramFolderFixture folder;
};

TEST_F(SaveWindow, ShowsANavyNoticeInAYellowFrameWithoutTitleBar)
{
    frmSpeichern *window = open();
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Daten werden gespeichert"));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(window->client()->size(), QSize(483, 73));
    EXPECT_EQ(window->client()->palette().color(QPalette::Window), platform::vbColor(0xFFFF));
    EXPECT_EQ(window->Label1->text(), QStringLiteral("Daten werden gespeichert..."));
    EXPECT_EQ(window->Label1->geometry(), QRect(16, 16, 449, 41));
    EXPECT_EQ(window->Label1->palette().color(QPalette::WindowText), platform::vbColor(0xFFFF));
    EXPECT_EQ(window->Label1->palette().color(QPalette::Window), platform::vbColor(0x800000));
    EXPECT_EQ(window->Label1->font().family(), platform::installedFamily(QStringLiteral("MS Sans Serif")));
    EXPECT_TRUE(window->Label1->font().bold());
    EXPECT_EQ(window->Label1->font().pointSizeF(), 24.0);
    EXPECT_EQ(window->tmrSpeichern->interval(), 2000);
    testing_support::shoot(window, QStringLiteral("frmSpeichern"));
}

TEST_F(SaveWindow, WritesTheRecord2000msAfterItOpensThenClosesAndShowsTheMainWindow)
{
    finishGame("Anna", 12);
    open();
    advanceClock(1999);
    EXPECT_EQ(tableRows(resultsDatabasePath()), QStringList());
    EXPECT_TRUE(saveWindowOpen());
    EXPECT_FALSE(mainWindowVisible());

    const QString day = today();
    advanceClock(1);
    const QStringList rows = tableRows(resultsDatabasePath());
    ASSERT_EQ(rows.size(), 1);
    // Today's date; the day may turn between the two looks at the clock.
    EXPECT_TRUE(rows[0] == QStringLiteral("Anna|12|Memory|2|") + day || rows[0] == QStringLiteral("Anna|12|Memory|2|") + today())
        << rows[0].toStdString();
    EXPECT_FALSE(saveWindowOpen());
    EXPECT_TRUE(mainWindowVisible());

    advanceClock(10000);
    EXPECT_EQ(tableRows(resultsDatabasePath()).size(), 1) << "the tick runs once";
}

TEST_F(SaveWindow, WritesOneRecordForOnePlayerEvenWithALeftoverSecondName)
{
    finishGame("Anna", 12, "Bert", 4, 1);
    open();
    advanceClock(2000);
    EXPECT_EQ(tableRows(resultsDatabasePath()).size(), 1);
}

TEST_F(SaveWindow, WritesBothRecordsOfATwoPlayerGameFirstPlayerFirst)
{
    finishGame("Anna", 12, "Bert", -4, 2);
    open();
    advanceClock(2000);
    const QStringList rows = tableRows(resultsDatabasePath());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Anna|12|Memory|2|")));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("Bert|-4|Memory|2|")));
}

TEST_F(SaveWindow, SavesThePlayStateOfTheMomentOfTheTickNotOfTheOpening)
{
    finishGame("Anna", 12);
    open();
    advanceClock(1000);
    finishGame("", 30, "Bert", 5, 2);
    advanceClock(1000);
    const QStringList rows = tableRows(resultsDatabasePath());
    ASSERT_EQ(rows.size(), 2);
    EXPECT_TRUE(rows[0].startsWith(QStringLiteral("Spieler1|30|")));
    EXPECT_TRUE(rows[1].startsWith(QStringLiteral("Bert|5|")));
}

TEST_F(SaveWindow, AFileThatIsNotOursGetsAMessageThenTheWindowClosesAsUsualAndTheFileStays)
{
    folder.write(QStringLiteral("Daten.mdb"), "Standard Jet DB, nicht unsere");
    finishGame("Anna", 12);
    open();
    QString message;
    testing_support::answerNextMessage(&message);
    advanceClock(2000);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Das Ergebnis konnte nicht gespeichert werden.")))
        << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("\"Daten.mdb\""))) << message.toStdString();
    EXPECT_FALSE(saveWindowOpen());
    EXPECT_TRUE(mainWindowVisible());
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), QByteArray("Standard Jet DB, nicht unsere"));
}

TEST_F(SaveWindow, AProgramFolderThatCannotBeWrittenGetsAMessageThenTheWindowClosesAsUsual)
{
    // The program folder lies under a regular file, so no one can create the
    // database there, root included; permissions alone would not stop root.
    folder.write(QStringLiteral("Datei"), "x");
    platform::setProgramFolder(folder.file(QStringLiteral("Datei/Programm")));
    finishGame("Anna", 12);
    open();
    QString message;
    testing_support::answerNextMessage(&message);
    advanceClock(2000);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Das Ergebnis konnte nicht gespeichert werden.")));
    EXPECT_TRUE(message.contains(QStringLiteral("Ordner"))) << message.toStdString();
    EXPECT_FALSE(saveWindowOpen());
    EXPECT_TRUE(mainWindowVisible());
}

} // namespace
