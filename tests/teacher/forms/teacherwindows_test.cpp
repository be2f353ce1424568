#include "platform/datacontrol.h"
#include "platform/forms.h"
#include "platform/resultsdb.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/scrolling.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"
#include "teacher/forms/frmLehrer.h"
#include "teacher/forms/frmLogin.h"
#include "teacher/forms/frmPasswort.h"
#include "teacher/forms/registration.h"

#include <gtest/gtest.h>

#include <functional>

#include <QtGui/QAction>
#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

using platform::Forms;
using testing_support::advanceClock;

namespace {

class TeacherWindows : public testing_support::WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        registerShellForms();
        registerTeacherForms();
        Forms::instance().setOnLastClosed([this] { ++processEnded; });
        main = Forms::instance().show<frmStart>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }
    // The lines each column shows from its top to its bottom, by index:
    // Name, Punkte, Level, Datum, Spiel.
    static QString shownLines(frmLehrer *view)
    {
        QStringList shown;
        for (QPlainTextEdit *column : view->txtAusgabe) {
            shown << QStringLiteral("%1-%2").arg(testing_support::topLine(column))
                                            .arg(testing_support::bottomLine(column));
        }
        return shown.join(u' ');
    }
    static QStringList rows(QPlainTextEdit *column)
    {
        const QString text = column->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(u'\n');
    }
    static void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    testing_support::ProgramFolderFixture folder;
    frmStart *main = nullptr;
    int processEnded = 0;
};

// However a user scrolls one column of the list, all five scroll with it, so
// that a row never shows a name beside another pupil's points; a list drawn
// anew starts level at its top again.
TEST_F(TeacherWindows, TheFiveColumnsMoveAsOneWhateverScrollsOneOfThem)
{
    ASSERT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath())
                    .execute(QStringLiteral("CREATE TABLE userdaten (Name TEXT, Punkte INT, Spiel TEXT, Level INT, "
                                            "Datum DATE); WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x + 1 "
                                            "FROM n WHERE x < 29) INSERT INTO userdaten SELECT printf('N%02d', x), "
                                            "x, 'Memory', 1 + x % 3, date('2024-03-01', x || ' days') FROM n;")));
    main->mnuLogin->trigger();
    frmLehrer *view = Forms::instance().find<frmLehrer>();
    ASSERT_TRUE(view && QTest::qWaitForWindowExposed(view));
    advanceClock(1);
    const auto keys = [](int column, Qt::Key key, int times) {
        return [=](frmLehrer *v) {
            QTest::mouseClick(v->txtAusgabe[column]->viewport(), Qt::LeftButton, {}, QPoint(4, 4));
            for (int i = 0; i < times; ++i)
                QTest::keyClick(v->txtAusgabe[column], key);
        };
    };
    const struct
    {
        const char *way;
        std::function<void(frmLehrer *)> scroll;
        int top; // the record at the top of every column afterwards: N00 is 0
    } ways[] = {
        {"three wheel notches over the names",
         [](frmLehrer *v) { testing_support::turnWheel(v->txtAusgabe[0], 3); }, 9},
        {"one over the dates", [](frmLehrer *v) { testing_support::turnWheel(v->txtAusgabe[3], 1); }, 3},
        {"Ctrl and two notches over the points, which would zoom them alone",
         [](frmLehrer *v) { testing_support::turnWheel(v->txtAusgabe[1], -2, Qt::ControlModifier); }, 0},
        {"Down seven times in the points", keys(1, Qt::Key_Down, 7), 7},
        {"Page Down in the levels", keys(2, Qt::Key_PageDown, 1), 14},
        {"End in the games", keys(4, Qt::Key_End, 1), 16},
        {"a drag from the names to below their edge",
         [](frmLehrer *v) { testing_support::dragPastBottom(v->txtAusgabe[0], 60); }, 4},
    };
    for (const auto &[way, scroll, top] : ways) {
        SCOPED_TRACE(way);
        scroll(view);
        EXPECT_EQ(shownLines(view), QStringLiteral("%1-%2 %1-%2 %1-%2 %1-%2 %1-%2").arg(top).arg(top + 13));
        click(view->cmdDown);
        EXPECT_EQ(shownLines(view), QStringLiteral("0-13 0-13 0-13 0-13 0-13"));
        EXPECT_EQ(rows(view->txtAusgabe[0]).first(), QStringLiteral("N02"));
        click(view->cmdAlle);
        advanceClock(1);
        EXPECT_EQ(shownLines(view), QStringLiteral("0-13 0-13 0-13 0-13 0-13"));
    }
}

// The road without a password: the menu opens the view on the full list,
// Down pages, the search says what it cannot find, "Nein" deletes nothing
// but lists all again, "Ja" deletes the record the arrows chose, and
// "Zurück zum Hauptmenü" leads back.
TEST_F(TeacherWindows, WithoutAPasswordTheTeacherPagesSearchesDeletesAndGoesBack)
{
    ASSERT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath())
                    .execute(QStringLiteral("CREATE TABLE userdaten (Name TEXT, Punkte INT, Spiel TEXT, Level INT, "
                                            "Datum DATE); WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x + 1 "
                                            "FROM n WHERE x < 29) INSERT INTO userdaten SELECT printf('K%02d', x), "
                                            "x, 'Schweinchen', 1, '2024-03-01' FROM n;")));
    main->mnuLogin->trigger();
    frmLehrer *view = Forms::instance().find<frmLehrer>();
    ASSERT_TRUE(view && QTest::qWaitForWindowExposed(view));
    advanceClock(1);
    testing_support::shoot(view, QStringLiteral("frmLehrer"));
    for (QPushButton *button : view->findChildren<QPushButton *>()) { // each caption whole, on two lines at most
        const QRect room = button->rect().adjusted(3, 2, -3, -2);
        const QRect text = button->fontMetrics().boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, button->text());
        EXPECT_TRUE(room.contains(text)) << button->text().toStdString();
    }
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(view->cmdZurück->hasFocus());
    EXPECT_EQ(rows(view->txtAusgabe[0]).size(), 30);
    click(view->cmdDown);
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 16"));
    EXPECT_EQ(view->txt1[2]->text(), QStringLiteral("Schweinchen"));

    QTest::keyClicks(view->txtsuch, QStringLiteral("K2"));
    QString nichtGefunden;
    testing_support::answerNextMessage(&nichtGefunden);
    QTest::keyClicks(view->txtsuch, QStringLiteral("x"));
    EXPECT_EQ(nichtGefunden, QStringLiteral("K2x nicht gefunden"));
    EXPECT_EQ(rows(view->txtAusgabe[0]).join(u' '), QStringLiteral("K20 K21 K22 K23 K24 K25 K26 K27 K28 K29"));
    nichtGefunden.clear();
    testing_support::answerNextMessage(&nichtGefunden);
    click(view->cmdDown);
    EXPECT_EQ(nichtGefunden, QStringLiteral("K2x nicht gefunden")) << "Down in search mode finds nothing either";

    testing_support::whenModal(
        [](QWidget *box) { testing_support::clickMessageBoxButton(box, QStringLiteral("Nein")); });
    click(view->cmdAlleLöschen);
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]).size(), 30);

    click(view->datliste->arrow(platform::DataControl::Arrow::Next)); // K01
    QString asked; // "title: text [default button, icon]"
    testing_support::whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        asked = QStringLiteral("%1: %2 [%3, %4]").arg(box->windowTitle(), box->text(), box->defaultButton()->text());
        asked = asked.arg(box->icon() == QMessageBox::Critical ? "Stop" : "other");
        testing_support::clickMessageBoxButton(box, QStringLiteral("Ja"));
    });
    click(view->cmdLöschen);
    EXPECT_EQ(asked, QStringLiteral("Quirlix: Wollen Sie den aktuellen Datensatz wirklich löschen? [Nein, Stop]"));
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]).mid(0, 3), QStringList({"K00", "K02", "K03"}));
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 1"));

    click(view->cmdZurück);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(Forms::instance().find<frmLehrer>(), nullptr);
}

// The road with a password: a wrong one is selected for retyping, and after a hand
// edit of the file the same entry opens the view, even with the main window ended
// meanwhile; "Abbrechen" only hides the password change, keeping its entries, OK
// writes the new one and forgets them; the hidden dialog lets the program end.
TEST_F(TeacherWindows, AWrongThenARightPasswordACancelledChangeAndTheEnd)
{
    folder.write(QStringLiteral("start.ini"), "Geheim\r\n");
    main->mnuLogin->trigger();
    frmLogin *login = Forms::instance().find<frmLogin>();
    ASSERT_TRUE(login && QTest::qWaitForWindowExposed(login));
    testing_support::shoot(login, QStringLiteral("frmLogin"));
    EXPECT_TRUE(main->isVisible());
    login->cmdOK->setFocus();
    QTest::keyClick(login, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(login->focusWidget(), login->txtPassword) << "Alt+K";
    QTest::keyClicks(login->txtPassword, QStringLiteral("geheim"));
    QString message;
    testing_support::answerNextMessage(&message);
    login->cmdOK->setFocus();
    click(login->cmdOK);
    EXPECT_EQ(message, QStringLiteral("Eingabe nicht korrekt!!!"));
    EXPECT_EQ(login->focusWidget(), login->txtPassword);
    EXPECT_EQ(login->txtPassword->selectedText(), QStringLiteral("geheim")) << "the wrong entry, ready to be replaced";
    folder.write(QStringLiteral("start.ini"), "geheim\r\n"); // edited by hand between two presses of OK
    main->mnuBeenden->trigger(); // the dialog is left as the last window
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    EXPECT_EQ(Forms::instance().find<frmLogin>(), nullptr);
    EXPECT_EQ(processEnded, 0);
    main = Forms::instance().find<frmStart>();
    ASSERT_TRUE(main);
    EXPECT_FALSE(main->isVisible());
    frmLehrer *view = Forms::instance().find<frmLehrer>();
    ASSERT_TRUE(view && view->isVisible());

    click(view->cmdPasswort);
    frmPasswort *change = Forms::instance().find<frmPasswort>();
    ASSERT_TRUE(change && QTest::qWaitForWindowExposed(change));
    testing_support::shoot(change, QStringLiteral("frmPasswort"));
    QTest::keyClicks(change->txtPasswort1, QStringLiteral("eins"));
    click(change->cmdCancel);
    EXPECT_FALSE(change->isVisible());
    click(view->cmdPasswort);
    ASSERT_EQ(Forms::instance().find<frmPasswort>(), change) << "the same dialog, not a new one";
    EXPECT_EQ(change->txtPasswort1->text(), QStringLiteral("eins"));

    QTest::keyClicks(change->txtPasswort2, QStringLiteral("eins"));
    testing_support::answerNextMessage(&message);
    click(change->cmdOK);
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), QByteArray("eins\r\n"));
    click(view->cmdPasswort);
    change = Forms::instance().find<frmPasswort>();
    ASSERT_TRUE(change);
    EXPECT_EQ(change->txtPasswort1->text() + change->txtPasswort2->text(), QString()) << "the entries went with OK";

    click(change->cmdCancel);
    click(view->cmdZurück);
    main->mnuBeenden->trigger();
    EXPECT_EQ(Forms::instance().find<frmPasswort>(), nullptr);
    EXPECT_EQ(processEnded, 1);
}

} // namespace
