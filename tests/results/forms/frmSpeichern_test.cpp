#include "platform/forms.h"
#include "platform/timer.h"
#include "results/forms/frmSpeichern.h"
#include "results/forms/registration.h"
#include "platform/resultsdb.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "support/guisupport.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDate>
#include <QtTest/QTest>
#include <QtWidgets/QMessageBox>

using platform::Forms;
using testing_support::advanceClock;

namespace {

class SaveWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        registerResultsForms();
        testing_support::registerStandIn(QStringLiteral("frmStart"));
        // A game hid the main window when it began.
        Forms::instance().hide(QStringLiteral("frmStart"));
    }
    void TearDown() override { testing_support::resetWindows(); }

    static void finishGame(const char *name, qint16 points, const char *name2, qint16 points2, quint8 players)
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
    // The stored records without their date, which is checked apart.
    static QStringList saved()
    {
        return testing_support::SqliteFile(platform::resultsDatabasePath())
            .rows("SELECT Name, Punkte, Spiel, Level FROM userdaten");
    }
    static bool mainWindowVisible() { return Forms::instance().find(QStringLiteral("frmStart"))->isVisible(); }
    static bool saveWindowOpen() { return Forms::instance().find<frmSpeichern>() != nullptr; }

    testing_support::ProgramFolderFixture folder;
};

TEST_F(SaveWindow, SavesThePlayStateOfThe2000thMillisecondThenClosesAndShowsTheMainWindow)
{
    finishGame("Anna", 12, "", 0, 1);
    testing_support::shoot(open(), QStringLiteral("frmSpeichern"));
    advanceClock(1000);
    finishGame("", 30, "Bert", -4, 2);
    advanceClock(999);
    EXPECT_FALSE(QFile::exists(platform::resultsDatabasePath()));
    EXPECT_TRUE(saveWindowOpen());
    EXPECT_FALSE(mainWindowVisible());

    const QDate before = QDate::currentDate();
    advanceClock(1);
    EXPECT_EQ(saved(), QStringList({"Spieler1|30|Memory|2", "Bert|-4|Memory|2"}));
    const QStringList days
        = testing_support::SqliteFile(platform::resultsDatabasePath()).rows("SELECT DISTINCT Datum FROM userdaten");
    ASSERT_EQ(days.size(), 1);
    EXPECT_TRUE(days[0] == before.toString(Qt::ISODate) || days[0] == QDate::currentDate().toString(Qt::ISODate));
    EXPECT_FALSE(saveWindowOpen());
    EXPECT_TRUE(mainWindowVisible());
    advanceClock(10000);
    EXPECT_EQ(saved().size(), 2) << "the tick runs once";
}

TEST_F(SaveWindow, AFailedSaveOfTwoRecordsSaysNeitherWasSavedInGermanAndClosesAsUsual)
{
    folder.write(QStringLiteral("Daten.mdb"), "Standard Jet DB, nicht unsere");
    finishGame("Anna", 12, "Bert", 4, 2);
    frmSpeichern *window = open();
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
    EXPECT_EQ(message, QStringLiteral("Die Ergebnisse beider Spieler konnten nicht gespeichert werden.\n\nDie Datei "
                                      "\"Daten.mdb\" ist keine Datenbank dieses Programms. Sie bleibt unverändert."));
    EXPECT_FALSE(saveWindowOpen());
    EXPECT_TRUE(mainWindowVisible());
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), QByteArray("Standard Jet DB, nicht unsere"));
}

} // namespace
