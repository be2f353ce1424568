#include "platform/forms.h"
#include "platform/timer.h"
#include "results/forms/frmHighscore.h"
#include "results/forms/registration.h"
#include "platform/resultsdb.h"
#include "support/guisupport.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

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

    frmHighscore *open()
    {
        frmHighscore *window = Forms::instance().show<frmHighscore>();
        EXPECT_TRUE(window && QTest::qWaitForWindowExposed(window));
        return window;
    }
    static QString shown(QPlainTextEdit *column) { return column->toPlainText().replace(u'\n', u' '); }
    static bool mainWindowVisible() { return Forms::instance().find(QStringLiteral("frmStart"))->isVisible(); }

    testing_support::ProgramFolderFixture folder;
};

TEST_F(HighscoreWindow, FillsItsColumnsOnTheFirstTickAndZurückLeadsBack)
{
    ASSERT_TRUE(platform::openResultsDatabase(platform::resultsDatabasePath(), platform::ResultsUse::Append).isOk());
    ASSERT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath()).execute(QStringLiteral(
        "INSERT INTO userdaten VALUES ('Anna', 7, 'Memory', 2, '2024-05-01'), ('Bert', 12, 'Schweinchen', 3, "
        "'2024-05-02'), ('Gül', 9, 'Schmetterling', 1, '2024-05-03')")));
    frmHighscore *window = open();
    ASSERT_EQ(window->lstNummer->count(), 10);
    EXPECT_EQ(window->lstNummer->item(9)->text(), QStringLiteral("10."));
    EXPECT_EQ(shown(window->txtName), QString()) << "empty until the first tick";

    advanceClock(1);
    EXPECT_FALSE(window->tmrZeit->isEnabled());
    EXPECT_EQ(shown(window->txtName), QStringLiteral("Bert Gül Anna"));
    EXPECT_EQ(shown(window->txtPunkte), QStringLiteral("12 9 7"));
    EXPECT_EQ(shown(window->txtSpiel), QStringLiteral("Schweinchen Schmetterling Memory"));
    EXPECT_EQ(shown(window->txtLevel), QStringLiteral("3 1 2"));
    EXPECT_EQ(shown(window->txtDatum), QStringLiteral("02.05.2024 03.05.2024 01.05.2024"));
    EXPECT_EQ(window->txtVar[platform::ListColumn::Name]->text(), QStringLiteral("Anna")) << "the bound boxes stand where the walk ended";
    testing_support::shoot(window, QStringLiteral("frmHighscore"));

    QTest::mouseClick(window->cmdZurück, Qt::LeftButton);
    EXPECT_EQ(Forms::instance().find<frmHighscore>(), nullptr);
    EXPECT_TRUE(mainWindowVisible());
}

TEST_F(HighscoreWindow, AFileThatIsNotOursGivesAGermanMessageAndAnEmptyList)
{
    folder.write(QStringLiteral("Daten.mdb"), "kein SQLite");
    frmHighscore *window = open();
    QString message;
    testing_support::answerNextMessage(&message);
    advanceClock(1);
    EXPECT_EQ(message, QStringLiteral("Die Highscore-Liste kann nicht angezeigt werden.\n\nDie Datei \"Daten.mdb\" ist "
                                      "keine Datenbank dieses Programms. Sie bleibt unverändert."));
    EXPECT_EQ(shown(window->txtName), QString());
    QTest::mouseClick(window->cmdZurück, Qt::LeftButton);
    EXPECT_TRUE(mainWindowVisible());
}

} // namespace
