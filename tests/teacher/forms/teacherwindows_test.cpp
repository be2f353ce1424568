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

#include <QtCore/QDir>
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
    static QStringList rows(QPlainTextEdit *column)
    {
        const QString text = column->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(u'\n');
    }
    static void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }
    // Saves the records K00 to K29 (or those named) and opens the view from
    // the menu, as without a password, on its full list.
    frmLehrer *openView(QStringList names = {})
    {
        for (int i = names.isEmpty() ? 0 : 30; i < 30; ++i)
            names << QStringLiteral("K%1").arg(i, 2, 10, QLatin1Char('0'));
        EXPECT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath()).addResults(names));
        main->mnuLogin->trigger();
        frmLehrer *view = Forms::instance().find<frmLehrer>();
        EXPECT_TRUE(view && QTest::qWaitForWindowExposed(view));
        advanceClock(1);
        return view;
    }
    // Presses a delete button, answers "Ja" and returns the message that
    // follows, empty when none does.
    static QString pressAndConfirm(QAbstractButton *button)
    {
        QString message;
        testing_support::whenModal([&message](QWidget *box) {
            testing_support::clickMessageBoxButton(box, QStringLiteral("Ja"));
            testing_support::answerNextMessage(&message);
        });
        click(button);
        return message;
    }

    testing_support::ProgramFolderFixture folder;
    frmStart *main = nullptr;
    int processEnded = 0;
};

// However a user scrolls one column of the list, all five scroll with it, so
// that a row never shows a name beside another pupil's points; a list drawn
// anew starts level at its top again.
TEST_F(TeacherWindows, TheFiveColumnsMoveAsOneWhateverScrollsOneOfThem)
{
    frmLehrer *view = openView();
    const auto level = [](int top) { return QStringLiteral("%1-%2 ").arg(top).arg(top + 14).repeated(5).trimmed(); };
    testing_support::turnWheel(view->txtAusgabe[1], 2, Qt::ControlModifier); // would zoom the points alone
    EXPECT_EQ(testing_support::shownLines(view->txtAusgabe), level(0));
    QTest::keyClick(view->txtAusgabe[4], Qt::Key_PageDown); // the games
    EXPECT_EQ(testing_support::shownLines(view->txtAusgabe), level(14));
    testing_support::turnWheel(view->txtAusgabe[0], -1); // the names
    EXPECT_EQ(testing_support::shownLines(view->txtAusgabe), level(11));
    click(view->cmdDown); // K16 to K29
    EXPECT_EQ(testing_support::shownLines(view->txtAusgabe), QStringLiteral("0-13 0-13 0-13 0-13 0-13"));
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
    EXPECT_EQ(nichtGefunden, QStringLiteral("\u2068K2x\u2069 nicht gefunden"));
    EXPECT_EQ(rows(view->txtAusgabe[0]).join(u' '), QStringLiteral("K20 K21 K22 K23 K24 K25 K26 K27 K28 K29"));
    nichtGefunden.clear();
    testing_support::answerNextMessage(&nichtGefunden);
    click(view->cmdDown);
    EXPECT_EQ(nichtGefunden, QStringLiteral("\u2068K2x\u2069 nicht gefunden"))
        << "Down in search mode finds nothing either";

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

// A direction control typed into the search stays in it, but not in the
// message, where the text stands isolated: nothing turns the message around.
TEST_F(TeacherWindows, TheNotFoundMessageShowsTheSearchTextIsolated)
{
    frmLehrer *view = openView({"Abel"});
    QTest::keyClicks(view->txtsuch, QStringLiteral("Ab"));
    QString message;
    testing_support::answerNextMessage(&message);
    QTest::sendKeyEvent(QTest::Click, view->txtsuch, Qt::Key_unknown, QStringLiteral("\u202e"), {});
    EXPECT_EQ(message, QStringLiteral("\u2068Ab\u2069 nicht gefunden"));
    EXPECT_EQ(view->txtsuch->text(), QStringLiteral("Ab\u202e"));
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
    EXPECT_TRUE(main->isVisible());
    login->cmdOK->setFocus();
    QTest::keyClick(login, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(login->focusWidget(), login->txtPassword) << "Alt+K";
    QTest::keyClicks(login->txtPassword, QStringLiteral("geheim"));
    testing_support::shoot(login, QStringLiteral("frmLogin"));
    EXPECT_EQ(login->txtPassword->displayText(), QStringLiteral("******"));
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
    QTest::keyClicks(change->txtPasswort1, QStringLiteral("eins"));
    testing_support::shoot(change, QStringLiteral("frmPasswort"));
    click(change->cmdCancel);
    EXPECT_FALSE(change->isVisible());
    click(view->cmdPasswort);
    ASSERT_EQ(Forms::instance().find<frmPasswort>(), change) << "the same dialog, not a new one";
    EXPECT_EQ(change->txtPasswort1->text(), QStringLiteral("eins"));

    QTest::keyClicks(change->txtPasswort2, QStringLiteral("eins"));
    EXPECT_EQ(change->txtPasswort1->displayText(), QStringLiteral("****"));
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

// A "start.ini" that an editor saved as UTF-8 with its mark (EF BB BF) holds
// the password the teacher typed into it, read as UTF-8 without the mark;
// without the mark, the same bytes are Windows-1252 as ever. A file of the
// mark alone holds no password: the menu opens the view without asking.
TEST_F(TeacherWindows, AStartIniSavedAsUtf8WithItsMarkHoldsThePasswordTypedIntoIt)
{
    const struct { const char *startIni; const char16_t *typed; } rows[] = {
        {"\xef\xbb\xbfGr\xc3\xbcn\r\n", u"Grün"}, {"Gr\xc3\xbcn\r\n", u"GrÃ¼n"}, {"\xef\xbb\xbf", nullptr}};
    QString refused;
    testing_support::answerNextMessage(&refused);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.startIni);
        folder.write(QStringLiteral("start.ini"), row.startIni);
        main->mnuLogin->trigger();
        frmLogin *login = Forms::instance().find<frmLogin>();
        ASSERT_EQ(login != nullptr, row.typed != nullptr);
        if (login) {
            for (const QChar c : QString::fromUtf16(row.typed)) // "ü", "Ã", "¼" too, which keyClicks cannot type
                QTest::sendKeyEvent(QTest::Click, login->txtPassword, Qt::Key_unknown, c, Qt::NoModifier);
            QTest::keyClick(login->txtPassword, Qt::Key_Return);
            ASSERT_EQ(refused, QString());
        }
        frmLehrer *view = Forms::instance().find<frmLehrer>();
        ASSERT_TRUE(view);
        click(view->cmdZurück);
    }
}

// With the view open on Anna, another classroom PC deletes her and saves
// Paula, who takes her row number, or Daten.mdb is removed, or replaced by a
// file the check would refuse too (the cause named is still the replacement):
// "Löschen" says so, changes and creates nothing, and the list drawn anew
// shows what the folder holds, or why it shows nothing.
TEST_F(TeacherWindows, LöschenDeletesOnlyTheRecordShownInTheFileItWasReadFrom)
{
    using testing_support::SqliteFile;
    const struct
    {
        bool (*change)(const QString &path, const QString &other);
        const char *reason;
        QStringList listed;
        QString refused;
    } roads[] = {
        {[](const QString &path, const QString &) {
             return SqliteFile(path).execute(QStringLiteral("DELETE FROM userdaten")) && SqliteFile(path).addResults({"Paula"});
         },
            "Der Datensatz wurde inzwischen geändert oder gelöscht, etwa von einem zweiten laufenden Quirlix.",
            {"Paula"}, {}},
        {[](const QString &path, const QString &) { return QFile::remove(path); },
            "Die Datei \"Daten.mdb\" ist nicht mehr vorhanden.", {}, {}},
        {[](const QString &path, const QString &other) {
             return SqliteFile::addDamagedResults(other) && QFile::remove(path) && QFile::rename(other, path);
         },
            "Die Datei \"Daten.mdb\" wurde inzwischen durch eine andere ersetzt.", {},
            "Die Ergebnisse können nicht angezeigt werden.\n\nDie Datei \"Daten.mdb\" ist beschädigt. Sie bleibt "
            "unverändert."},
    };
    for (const auto &road : roads) {
        SCOPED_TRACE(road.reason);
        frmLehrer *view = openView({"Anna"});
        ASSERT_TRUE(road.change(platform::resultsDatabasePath(), folder.file(QStringLiteral("andere.mdb"))));
        const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
        EXPECT_EQ(pressAndConfirm(view->cmdLöschen), "Es wurde nichts gelöscht.\n\n" + QString::fromUtf8(road.reason));
        EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), before.isEmpty() ? 0 : 1);
        QString refused;
        if (!road.refused.isEmpty())
            testing_support::answerNextMessage(&refused);
        advanceClock(1);
        EXPECT_EQ(refused, road.refused);
        EXPECT_EQ(rows(view->txtAusgabe[0]), road.listed);
        click(view->cmdZurück);
        QFile::remove(platform::resultsDatabasePath());
    }
}

} // namespace
