#include "../teacherdata.h"
#include "platform/datacontrol.h"
#include "platform/forms.h"
#include "platform/timer.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/testsupport.h"
#include "teacher/forms/frmLehrer.h"
#include "teacher/forms/frmLogin.h"
#include "teacher/forms/frmPasswort.h"
#include "teacher/forms/registration.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtTest/QTest>
#include <QtGui/QAction>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QToolButton>

using platform::Forms;
using testing_support::advanceClock;

namespace {

// Answers every message box with "OK" while it lives and keeps the texts.
class MessageAnswerer
{
public:
    MessageAnswerer()
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box || box == m_last)
                return;
            m_last = box;
            texts << box->text();
            testing_support::clickMessageBoxButton(box, QStringLiteral("OK"));
        });
        m_poll.start();
    }
    QStringList texts;

private:
    QTimer m_poll;
    QPointer<QMessageBox> m_last; // a box that has gone may leave its address to the next
};

class TeacherWindows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        registerShellForms();
        registerTeacherForms();
        Forms::instance().setOnLastClosed([this] { ++processEnded; });
        main = Forms::instance().show<frmStart>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }
    void TearDown() override { testing_support::resetWindows(); }

    static bool visible(const char *name)
    {
        platform::Form *form = Forms::instance().find(QString::fromLatin1(name));
        return form && form->isVisible();
    }
    // The teacher menu straight into the view (no password), list built.
    frmLehrer *openView()
    {
        main->mnuLogin->trigger();
        auto *view = Forms::instance().find<frmLehrer>();
        EXPECT_TRUE(view && QTest::qWaitForWindowExposed(view));
        advanceClock(1);
        return view;
    }
    static QStringList rows(QPlainTextEdit *column)
    {
        const QString text = column->toPlainText();
        return text.isEmpty() ? QStringList() : text.split(u'\n');
    }
    void click(QAbstractButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    testing_support::ProgramFolderFixture folder;
    frmStart *main = nullptr;
    int processEnded = 0;
};

TEST_F(TeacherWindows, WithoutAPasswordTheMenuOpensTheViewAndZurückLeadsBack)
{
    teacher_testing::saveNames({QStringLiteral("Bert"), QStringLiteral("Anna")});
    frmLehrer *view = openView();
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(view->cmdZurück->hasFocus());
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Bert"}));
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 1"));
    EXPECT_EQ(view->txt1[0]->text(), QStringLiteral("Anna"));

    click(view->cmdZurück);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(Forms::instance().find<frmLehrer>(), nullptr);
}

TEST_F(TeacherWindows, AWrongThenARightPasswordLeadsIntoTheView)
{
    folder.write(QStringLiteral("start.ini"), "Geheim\r\n");
    main->mnuLogin->trigger();
    frmLogin *login = Forms::instance().find<frmLogin>();
    ASSERT_TRUE(login && QTest::qWaitForWindowExposed(login));
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), login->txtPassword);
    EXPECT_EQ(login->txtPassword->echoMode(), QLineEdit::Password);

    QTest::keyClicks(login->txtPassword, QStringLiteral("geheim"));
    QString message;
    testing_support::answerNextMessage(&message);
    login->cmdOK->setFocus();
    click(login->cmdOK);
    EXPECT_EQ(message, QStringLiteral("Eingabe nicht korrekt!!!"));
    EXPECT_EQ(Forms::instance().find<frmLogin>(), login) << "the dialog stays";
    EXPECT_EQ(login->focusWidget(), login->txtPassword);
    EXPECT_EQ(login->txtPassword->selectedText(), QStringLiteral("geheim")) << "the wrong entry is selected";

    // The next typing replaces it; Enter presses OK.
    QTest::keyClicks(login->txtPassword, QStringLiteral("Geheim"));
    EXPECT_EQ(login->txtPassword->text(), QStringLiteral("Geheim"));
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    EXPECT_EQ(Forms::instance().find<frmLogin>(), nullptr);
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(visible("frmLehrer"));
}

TEST_F(TeacherWindows, TheLoginsAbbrechenAndEscapeLeaveTheMainWindowAsItWas)
{
    folder.write(QStringLiteral("start.ini"), "x\r\n");
    main->mnuLogin->trigger();
    frmLogin *login = Forms::instance().find<frmLogin>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(login));
    testing_support::shoot(login, QStringLiteral("frmLogin"));
    login->cmdOK->setFocus();
    QTest::keyClick(login, Qt::Key_K, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), login->txtPassword);
    QTest::keyClick(login->txtPassword, Qt::Key_Escape);
    EXPECT_EQ(Forms::instance().find<frmLogin>(), nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_FALSE(visible("frmLehrer"));
}

// A password pasted from a list with its line break could never be typed
// again; the boxes drop the break as every name box does.
TEST_F(TeacherWindows, PasswordBoxesDropAPastedLineBreak)
{
    folder.write(QStringLiteral("start.ini"), "Geheim\r\n");
    main->mnuLogin->trigger();
    frmLogin *login = Forms::instance().find<frmLogin>();
    login->txtPassword->insert(QStringLiteral("Geheim\r\n"));
    EXPECT_EQ(login->txtPassword->text(), QStringLiteral("Geheim"));
    click(login->cmdOK);
    ASSERT_TRUE(visible("frmLehrer"));

    click(Forms::instance().find<frmLehrer>()->cmdPasswort);
    frmPasswort *change = Forms::instance().find<frmPasswort>();
    change->txtPasswort1->insert(QStringLiteral("neu\t"));
    change->txtPasswort2->insert(QStringLiteral("\nneu"));
    EXPECT_EQ(change->txtPasswort1->text(), QStringLiteral("neu"));
    EXPECT_EQ(change->txtPasswort2->text(), QStringLiteral("neu"));
}

TEST_F(TeacherWindows, AFileThatBecameUnreadableKeepsTheDialogOpenWithAMessage)
{
    folder.write(QStringLiteral("start.ini"), "x\r\n");
    main->mnuLogin->trigger();
    frmLogin *login = Forms::instance().find<frmLogin>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(login));
    QFile::remove(folder.file(QStringLiteral("start.ini")));
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("start.ini")));
    QTest::keyClicks(login->txtPassword, QStringLiteral("x"));
    QString message;
    testing_support::answerNextMessage(&message);
    click(login->cmdOK);
    EXPECT_TRUE(message.contains(QStringLiteral("\"start.ini\" kann nicht gelesen werden"))) << message.toStdString();
    EXPECT_EQ(Forms::instance().find<frmLogin>(), login);
    EXPECT_FALSE(visible("frmLehrer"));
}

TEST_F(TeacherWindows, TheArrowsMoveTheRecordThatTheBottomBoxesAndTheCaptionShow)
{
    teacher_testing::saveNames(teacher_testing::numberedNames(30));
    frmLehrer *view = openView();
    testing_support::shoot(view, QStringLiteral("frmLehrer"));
    using Arrow = platform::DataControl::Arrow;
    click(view->datliste->arrow(Arrow::Next));
    click(view->datliste->arrow(Arrow::Next));
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 3"));
    EXPECT_EQ(view->txt1[0]->text(), QStringLiteral("K02"));
    EXPECT_EQ(view->txt1[1]->text(), QStringLiteral("2"));
    EXPECT_EQ(view->txt1[2]->text(), QStringLiteral("Schmetterling"));
    EXPECT_EQ(view->txt1[3]->text(), QStringLiteral("3"));
    click(view->datliste->arrow(Arrow::Last));
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 30"));

    click(view->cmdDown);
    EXPECT_EQ(rows(view->txtAusgabe[0]).first(), QStringLiteral("K02"));
    EXPECT_EQ(rows(view->txtAusgabe[3]).size(), 14);
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 16"));
    click(view->cmdUp);
    EXPECT_EQ(rows(view->txtAusgabe[0]).first(), QStringLiteral("K00"));
}

TEST_F(TeacherWindows, ASearchThatFindsNothingSaysSoForEveryChangeAndKeepsTheColumns)
{
    teacher_testing::saveNames({QStringLiteral("Mona"), QStringLiteral("Max"), QStringLiteral("Anna")});
    frmLehrer *view = openView();
    MessageAnswerer answerer;
    QTest::keyClicks(view->txtsuch, QStringLiteral("M"));
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Max", "Mona"}));
    QTest::keyClicks(view->txtsuch, QStringLiteral("x"));
    QTest::keyClicks(view->txtsuch, QStringLiteral("y"));
    EXPECT_EQ(answerer.texts, QStringList({"Mx nicht gefunden", "Mxy nicht gefunden"}));
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Max", "Mona"}));

    // "Alle anzeigen" lists everything again and keeps the search text.
    click(view->cmdAlle);
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Max", "Mona"}));
    EXPECT_EQ(view->txtsuch->text(), QStringLiteral("Mxy"));
    EXPECT_EQ(view->list().Suchmodus(), 0);
}

TEST_F(TeacherWindows, LöschenAskedThroughTheRealMessageBoxDeletesOnJa)
{
    teacher_testing::saveNames({QStringLiteral("Cem"), QStringLiteral("Anna"), QStringLiteral("Bert")});
    frmLehrer *view = openView();
    click(view->datliste->arrow(platform::DataControl::Arrow::Next)); // Bert
    QString text, title, defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    testing_support::whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        ASSERT_NE(box, nullptr);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        defaultButton = box->defaultButton() ? box->defaultButton()->text() : QString();
        testing_support::clickMessageBoxButton(box, QStringLiteral("Ja"));
    });
    click(view->cmdLöschen);
    EXPECT_EQ(text, QStringLiteral("Wollen Sie den aktuellen Datensatz wirklich löschen?"));
    EXPECT_EQ(title, QStringLiteral("Quirlix"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(defaultButton, QStringLiteral("Nein"));
    EXPECT_TRUE(view->tmrZeit->isEnabled()) << "the list follows on the timer";
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Cem"}));
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 1"));
}

TEST_F(TeacherWindows, NeinDeletesNothingButListsAllAgainFromTheTop)
{
    teacher_testing::saveNames({QStringLiteral("Cem"), QStringLiteral("Anna"), QStringLiteral("Bert")});
    frmLehrer *view = openView();
    QTest::keyClicks(view->txtsuch, QStringLiteral("C"));
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Cem"}));
    testing_support::whenModal([](QWidget *modal) { testing_support::clickMessageBoxButton(modal, QStringLiteral("Nein")); });
    click(view->cmdAlleLöschen);
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Bert", "Cem"}));
    EXPECT_EQ(view->list().Suchmodus(), 0);
}

TEST_F(TeacherWindows, AlleDatenLöschenOnJaEmptiesTheTableAndTheColumns)
{
    teacher_testing::saveNames(teacher_testing::numberedNames(20));
    frmLehrer *view = openView();
    QString text;
    testing_support::whenModal([&](QWidget *modal) {
        text = qobject_cast<QMessageBox *>(modal)->text();
        testing_support::clickMessageBoxButton(modal, QStringLiteral("Ja"));
    });
    click(view->cmdAlleLöschen);
    advanceClock(1);
    EXPECT_EQ(text, QStringLiteral("Wollen Sie wirklich alle Daten löschen?"));
    for (QPlainTextEdit *column : view->txtAusgabe)
        EXPECT_EQ(column->toPlainText(), QString());
    EXPECT_EQ(view->txt1[0]->text(), QString());
}

TEST_F(TeacherWindows, AForeignDatabaseIsReportedTheColumnsStayEmptyAndTheWayBackWorks)
{
    folder.write(QStringLiteral("Daten.mdb"), "Das ist keine Datenbank.\r\n");
    main->mnuLogin->trigger();
    frmLehrer *view = Forms::instance().find<frmLehrer>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(view));
    QString message;
    testing_support::answerNextMessage(&message);
    advanceClock(1);
    EXPECT_TRUE(message.startsWith(QStringLiteral("Die Ergebnisse können nicht angezeigt werden."))) << message.toStdString();
    EXPECT_TRUE(message.contains(QStringLiteral("\"Daten.mdb\"")));
    EXPECT_EQ(view->txtAusgabe[0]->toPlainText(), QString());
    click(view->cmdZurück);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(folder.read(QStringLiteral("Daten.mdb")), QByteArray("Das ist keine Datenbank.\r\n"));
}

TEST_F(TeacherWindows, AbbrechenOnlyHidesThePasswordChangeWithItsEntries)
{
    frmLehrer *view = openView();
    click(view->cmdPasswort);
    frmPasswort *change = Forms::instance().find<frmPasswort>();
    ASSERT_TRUE(change && QTest::qWaitForWindowExposed(change));
    testing_support::shoot(change, QStringLiteral("frmPasswort"));
    EXPECT_EQ(change->windowTitle(), QStringLiteral("Anmeldung"));
    EXPECT_TRUE(visible("frmLehrer"));
    QTest::keyClicks(change->txtPasswort1, QStringLiteral("eins"));
    QTest::keyClick(change->txtPasswort1, Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("zwei"));
    click(change->cmdCancel);
    EXPECT_FALSE(change->isVisible());

    click(view->cmdPasswort);
    EXPECT_EQ(Forms::instance().find<frmPasswort>(), change);
    EXPECT_EQ(change->txtPasswort1->text(), QStringLiteral("eins"));
    EXPECT_EQ(change->txtPasswort2->text(), QStringLiteral("zwei"));

    // Different entries: the message under "Fehler", the dialog gone.
    QString message;
    testing_support::answerNextMessage(&message);
    QTest::mouseClick(change->txtPasswort2, Qt::LeftButton);
    QTest::keyClick(change->txtPasswort2, Qt::Key_Return);
    EXPECT_EQ(message, QStringLiteral("Die beiden Passwörter stimmmen nicht überein!!!"));
    EXPECT_EQ(Forms::instance().find<frmPasswort>(), nullptr);
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("start.ini"))));
}

TEST_F(TeacherWindows, ANewPasswordIsAskedForAtTheNextLogin)
{
    frmLehrer *view = openView();
    click(view->cmdPasswort);
    frmPasswort *change = Forms::instance().find<frmPasswort>();
    QTest::keyClicks(change->txtPasswort1, QStringLiteral("neu"));
    QTest::keyClicks(change->txtPasswort2, QStringLiteral("neu"));
    QString message;
    testing_support::answerNextMessage(&message);
    click(change->cmdOK);
    EXPECT_EQ(message, QStringLiteral("Passwort wurde auf 'neu' geändert"));
    EXPECT_EQ(Forms::instance().find<frmPasswort>(), nullptr);
    EXPECT_TRUE(visible("frmLehrer"));

    click(view->cmdZurück);
    main->mnuLogin->trigger();
    EXPECT_TRUE(visible("frmLogin"));
    EXPECT_FALSE(visible("frmLehrer"));
}

TEST_F(TeacherWindows, TheHiddenPasswordChangeDoesNotKeepTheProgramRunning)
{
    frmLehrer *view = openView();
    click(view->cmdPasswort);
    click(Forms::instance().find<frmPasswort>()->cmdCancel);
    click(view->cmdZurück);
    EXPECT_NE(Forms::instance().find<frmPasswort>(), nullptr);
    main->mnuBeenden->trigger();
    EXPECT_EQ(Forms::instance().find<frmPasswort>(), nullptr);
    EXPECT_EQ(processEnded, 1);
}

TEST_F(TeacherWindows, AVisiblePasswordChangeOutlivesTheMainWindowAndItsCloseBoxEndsTheProgram)
{
    frmLehrer *view = openView();
    click(view->cmdPasswort);
    click(view->cmdZurück);
    main->mnuBeenden->trigger();
    frmPasswort *change = Forms::instance().find<frmPasswort>();
    ASSERT_NE(change, nullptr);
    EXPECT_EQ(processEnded, 0);
    change->close(); // the close box
    EXPECT_EQ(Forms::instance().find<frmPasswort>(), nullptr);
    EXPECT_EQ(processEnded, 1);
}

} // namespace
