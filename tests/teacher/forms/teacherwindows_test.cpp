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

#include <QtCore/QDir>
#include <QtCore/QTimer>
#include <QtGui/QAction>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
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
    // Whether the box, out of focus, looks like a plain box in its place that shows text.
    static bool looksLike(QLineEdit *box, const QString &text)
    {
        box->clearFocus();
        QLineEdit plain(text, box->parentWidget());
        plain.setGeometry(box->geometry());
        plain.show();
        return box->grab().toImage() == plain.grab().toImage();
    }
    // Opens the view from the menu, as without a password, on its full list.
    frmLehrer *openView()
    {
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
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&message] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            const bool confirmation = box->text().startsWith(QStringLiteral("Wollen Sie"));
            if (!confirmation)
                message = box->text();
            testing_support::clickMessageBoxButton(box, confirmation ? QStringLiteral("Ja") : QStringLiteral("OK"));
        });
        poll.start(5);
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
    ASSERT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath())
                    .execute(QStringLiteral("CREATE TABLE userdaten (Name TEXT, Punkte INT, Spiel TEXT, Level INT, "
                                            "Datum DATE); WITH RECURSIVE n(x) AS (SELECT 0 UNION ALL SELECT x + 1 "
                                            "FROM n WHERE x < 29) INSERT INTO userdaten SELECT printf('N%02d', x), "
                                            "x, 'Memory', 1 + x % 3, date('2024-03-01', x || ' days') FROM n;")));
    frmLehrer *view = openView();
    ASSERT_TRUE(view);
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

// A direction control typed into the search box stays in the search but
// turns nothing around in the message: the text stands isolated without it,
// and " nicht gefunden" follows it as it is written.
TEST_F(TeacherWindows, TheNotFoundMessageShowsTheSearchTextIsolated)
{
    ASSERT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath())
                    .execute(QStringLiteral("CREATE TABLE userdaten (Name TEXT, Punkte INT, Spiel TEXT, Level INT, "
                                            "Datum DATE); INSERT INTO userdaten VALUES ('Abel', 3, 'Memory', 1, "
                                            "'2024-03-01');")));
    main->mnuLogin->trigger();
    frmLehrer *view = Forms::instance().find<frmLehrer>();
    ASSERT_TRUE(view && QTest::qWaitForWindowExposed(view));
    advanceClock(1);
    QTest::keyClicks(view->txtsuch, QStringLiteral("Ab"));
    QStringList messages;
    for (const QChar typed : QStringLiteral("\u202ecd")) {
        QString message;
        testing_support::answerNextMessage(&message);
        QTest::sendKeyEvent(QTest::Click, view->txtsuch, Qt::Key_unknown, QString(typed), {});
        messages << message;
    }
    EXPECT_EQ(messages, QStringList({"\u2068Ab\u2069 nicht gefunden", "\u2068Abc\u2069 nicht gefunden",
                                     "\u2068Abcd\u2069 nicht gefunden"}));
    EXPECT_EQ(view->txtsuch->text(), QStringLiteral("Ab\u202ecd")) << "the search goes on with what was typed";
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Abel"}));
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
    EXPECT_TRUE(looksLike(login->txtPassword, QStringLiteral("******")));
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
    EXPECT_TRUE(looksLike(change->txtPasswort1, QStringLiteral("****")));
    EXPECT_TRUE(looksLike(change->txtPasswort2, QStringLiteral("****")));
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
// the password the teacher typed into it, mark and all bytes read as UTF-8;
// without the mark, the same bytes are Windows-1252 as ever. A file of the
// mark alone holds no password: the menu opens the view without asking.
TEST_F(TeacherWindows, AStartIniSavedAsUtf8WithItsMarkHoldsThePasswordTypedIntoIt)
{
    const QString opened = QStringLiteral("view");
    const struct { const char *name; QByteArray startIni; QString typed; QString result; } rows[] = {
        {"Utf8WithTheMark", "\xef\xbb\xbfGeheimnis\r\n", "Geheimnis", opened},
        {"Utf8WithTheMarkAndAnUmlaut", "\xef\xbb\xbfGr\xc3\xbcn", QStringLiteral(u"Grün"), opened},
        {"Utf8WithoutTheMarkIsWindows1252", "Gr\xc3\xbcn", QStringLiteral(u"Grün"), "Eingabe nicht korrekt!!!"},
        {"Utf8WithoutTheMarkAsWindows1252", "Gr\xc3\xbcn", QStringLiteral(u"GrÃ¼n"), opened},
        {"OnlyTheMark", "\xef\xbb\xbf", QString(), opened},
        {"TheMarkAndAnEmptyFirstLine", "\xef\xbb\xbf\r\nGeheimnis\r\n", QString(), opened},
    };
    for (const auto &row : rows) {
        folder.write(QStringLiteral("start.ini"), row.startIni);
        main->mnuLogin->trigger();
        frmLogin *login = Forms::instance().find<frmLogin>();
        EXPECT_EQ(login != nullptr, !row.typed.isNull()) << row.name;
        QString result;
        if (login) {
            for (const QChar c : row.typed) // "ü", "Ã", "¼" too, which keyClicks cannot type
                QTest::sendKeyEvent(QTest::Click, login->txtPassword, Qt::Key_unknown, c, Qt::NoModifier);
            if (row.result != opened)
                testing_support::answerNextMessage(&result);
            QTest::keyClick(login->txtPassword, Qt::Key_Return);
        }
        if (frmLehrer *view = Forms::instance().find<frmLehrer>()) {
            result = opened;
            click(view->cmdZurück);
        }
        EXPECT_EQ(result, row.result) << row.name;
        if (Forms::instance().find<frmLogin>())
            click(Forms::instance().find<frmLogin>()->cmdCancel);
        ASSERT_TRUE(main->isVisible()) << row.name;
    }
}


// Down in search mode moves on by matches, not by records: K01, K11 and K21
// lie ten records apart, so a Down that counted records would list K11 too.
TEST_F(TeacherWindows, DownInSearchModeMovesOnByMatches)
{
    QStringList names;
    for (int i = 0; i < 30; ++i)
        names << QStringLiteral("K%1").arg(i, 2, 10, QLatin1Char('0'));
    ASSERT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath()).addResults(names));
    frmLehrer *view = openView();
    QTest::keyClicks(view->txtsuch, QStringLiteral("K?1"));
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"K01", "K11", "K21"}));
    click(view->cmdDown);
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"K21"}));
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 22"));
}

// Another classroom PC deleted Carla and saved Paula, who took Carla's row
// number: "Löschen" on Carla deletes nothing, says why and lists again; then
// Paula is deleted as usual.
TEST_F(TeacherWindows, LöschenDeletesOnlyTheRecordShownNotOneThatTookItsRowNumber)
{
    testing_support::SqliteFile file(platform::resultsDatabasePath());
    ASSERT_TRUE(file.addResults({"Anna", "Bert", "Carla"}));
    frmLehrer *view = openView();
    click(view->datliste->arrow(platform::DataControl::Arrow::Last));
    ASSERT_EQ(view->txt1[0]->text(), QStringLiteral("Carla"));
    ASSERT_TRUE(file.execute(QStringLiteral("DELETE FROM userdaten WHERE Name = 'Carla'")));
    ASSERT_TRUE(file.addResults({"Paula"}));
    ASSERT_EQ(file.rows("SELECT rowid FROM userdaten WHERE Name = 'Paula'"), QStringList({"3"})) << "Carla's";

    EXPECT_EQ(pressAndConfirm(view->cmdLöschen),
        QStringLiteral("Es wurde nichts gelöscht.\n\nDer Datensatz wurde inzwischen geändert oder gelöscht, etwa "
                       "von einem zweiten laufenden Quirlix."));
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Bert", "Paula"}));
    EXPECT_EQ(file.rows("SELECT Name FROM userdaten"), QStringList({"Anna", "Bert", "Paula"}));

    click(view->datliste->arrow(platform::DataControl::Arrow::Last));
    EXPECT_EQ(pressAndConfirm(view->cmdLöschen), QString());
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Bert"}));
    EXPECT_EQ(file.rows("SELECT Name FROM userdaten"), QStringList({"Anna", "Bert"}));
}

// With the view open, Daten.mdb removed, or replaced by another results file
// (one the check would refuse too: the cause named is still the replacement):
// "Löschen" says so, deletes nothing, creates nothing, and the list then
// shows what the folder holds.
TEST_F(TeacherWindows, LöschenInAFileRemovedOrReplacedSinceTheListSaysSoAndDeletesNothing)
{
    const QString path = platform::resultsDatabasePath();
    const QString other = folder.file(QStringLiteral("andere.mdb"));
    const struct
    {
        const char *road, *reason;
        bool (*replacement)(const QString &file); // none: removed
        QStringList listedAfter;
        bool relistRefused = false;
    } roads[] = {{"removed", "ist nicht mehr vorhanden.", nullptr, {}},
        {"replaced", "wurde inzwischen durch eine andere ersetzt.",
            [](const QString &file) { return testing_support::SqliteFile(file).addResults({"Xaver", "Yvonne"}); },
            {"Xaver", "Yvonne"}},
        {"replaced by a damaged one", "wurde inzwischen durch eine andere ersetzt.",
            testing_support::kUnlistableFiles[0].lay, {}, true}};
    for (const auto &road : roads) {
        SCOPED_TRACE(road.road);
        ASSERT_TRUE(testing_support::SqliteFile(other).addResults({"Anna", "Bert"}));
        ASSERT_TRUE(QFile::rename(other, path));
        frmLehrer *view = openView();
        ASSERT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Bert"}));
        QFile::remove(path);
        if (road.replacement) {
            ASSERT_TRUE(road.replacement(other));
            ASSERT_TRUE(QFile::rename(other, path));
        }
        const QByteArray before = folder.read(QStringLiteral("Daten.mdb"));
        EXPECT_EQ(pressAndConfirm(view->cmdLöschen),
            QStringLiteral("Es wurde nichts gelöscht.\n\nDie Datei \"Daten.mdb\" ") + QString::fromUtf8(road.reason));
        EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), before);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), road.replacement ? 1 : 0);
        QString refused;
        if (road.relistRefused)
            testing_support::answerNextMessage(&refused);
        advanceClock(1);
        EXPECT_EQ(refused.startsWith(QStringLiteral("Die Ergebnisse können nicht angezeigt werden.")),
                  road.relistRefused);
        EXPECT_EQ(rows(view->txtAusgabe[0]), road.listedAfter);
        click(view->cmdZurück);
        QFile::remove(path);
    }
}

// A file that opens but is damaged, and a link to nothing: the view says why
// it lists nothing, and the file stays as it was.
TEST_F(TeacherWindows, ADamagedFileOrALinkToNothingIsReportedAndNothingListed)
{
    testing_support::forEachUnlistableFile(platform::resultsDatabasePath(), [this](const auto &file) {
        QString message;
        testing_support::answerNextMessage(&message);
        frmLehrer *view = openView();
        EXPECT_EQ(message, QStringLiteral("Die Ergebnisse können nicht angezeigt werden.\n\nDie Datei \"Daten.mdb\" ")
                               + QString::fromUtf8(file.reason));
        for (QPlainTextEdit *column : view->txtAusgabe)
            EXPECT_EQ(rows(column), QStringList());
        click(view->cmdZurück);
    });
}

} // namespace
