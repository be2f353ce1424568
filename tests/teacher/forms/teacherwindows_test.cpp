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
    teacher_testing::saveNames(teacher_testing::numberedNames(30));
    frmLehrer *view = openView();
    testing_support::shoot(view, QStringLiteral("frmLehrer"));
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(view->cmdZurück->hasFocus());
    EXPECT_EQ(rows(view->txtAusgabe[0]).size(), 30);
    click(view->cmdDown);
    EXPECT_EQ(rows(view->txtAusgabe[3]).size(), 14);
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 16"));
    EXPECT_EQ(view->txt1[0]->text(), QStringLiteral("K15"));
    EXPECT_EQ(view->txt1[2]->text(), QStringLiteral("Schweinchen"));

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

    QTest::keyClicks(login->txtPassword, QStringLiteral("Geheim"));
    QTest::keyClick(login->txtPassword, Qt::Key_Return);
    EXPECT_EQ(Forms::instance().find<frmLogin>(), nullptr);
    EXPECT_FALSE(main->isVisible());
    EXPECT_TRUE(visible("frmLehrer"));
}

TEST_F(TeacherWindows, ARightPasswordAfterBeendenStillOpensTheView)
{
    folder.write(QStringLiteral("start.ini"), "x\r\n");
    main->mnuLogin->trigger();
    main->mnuBeenden->trigger();
    frmLogin *login = Forms::instance().find<frmLogin>();
    QTest::keyClicks(login->txtPassword, QStringLiteral("x"));
    click(login->cmdOK);
    EXPECT_TRUE(visible("frmLehrer"));
    EXPECT_EQ(processEnded, 0);
}

TEST_F(TeacherWindows, DeletionsAreConfirmedThroughTheRealMessageBox)
{
    teacher_testing::saveNames({QStringLiteral("Cem"), QStringLiteral("Anna"), QStringLiteral("Bert")});
    frmLehrer *view = openView();
    QTest::keyClicks(view->txtsuch, QStringLiteral("C"));
    QString nichtGefunden;
    testing_support::answerNextMessage(&nichtGefunden);
    QTest::keyClicks(view->txtsuch, QStringLiteral("x"));
    EXPECT_EQ(nichtGefunden, QStringLiteral("Cx nicht gefunden"));
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Cem"}));

    // "Nein": nothing deleted, but all listed again from the top.
    testing_support::whenModal([](QWidget *box) { testing_support::clickMessageBoxButton(box, QStringLiteral("Nein")); });
    click(view->cmdAlleLöschen);
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Bert", "Cem"}));

    click(view->datliste->arrow(platform::DataControl::Arrow::Next)); // Bert
    QString text, title, defaultButton;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    testing_support::whenModal([&](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        text = box->text();
        title = box->windowTitle();
        icon = box->icon();
        defaultButton = box->defaultButton()->text();
        testing_support::clickMessageBoxButton(box, QStringLiteral("Ja"));
    });
    click(view->cmdLöschen);
    EXPECT_EQ(text, QStringLiteral("Wollen Sie den aktuellen Datensatz wirklich löschen?"));
    EXPECT_EQ(title, QStringLiteral("Quirlix"));
    EXPECT_EQ(icon, QMessageBox::Critical);
    EXPECT_EQ(defaultButton, QStringLiteral("Nein"));
    advanceClock(1);
    EXPECT_EQ(rows(view->txtAusgabe[0]), QStringList({"Anna", "Cem"}));
    EXPECT_EQ(view->datliste->caption(), QStringLiteral("Datensatz Nr.: 1"));
}

TEST_F(TeacherWindows, AbbrechenOnlyHidesThePasswordChangeAndTheHiddenDialogLetsTheProgramEnd)
{
    frmLehrer *view = openView();
    click(view->cmdPasswort);
    frmPasswort *change = Forms::instance().find<frmPasswort>();
    ASSERT_TRUE(change && QTest::qWaitForWindowExposed(change));
    testing_support::shoot(change, QStringLiteral("frmPasswort"));
    QTest::keyClicks(change->txtPasswort1, QStringLiteral("eins"));
    QTest::keyClicks(change->txtPasswort2, QStringLiteral("zwei"));
    click(change->cmdCancel);
    EXPECT_FALSE(change->isVisible());
    click(view->cmdPasswort);
    ASSERT_EQ(Forms::instance().find<frmPasswort>(), change) << "the same dialog, not a new one";
    EXPECT_EQ(change->txtPasswort1->text(), QStringLiteral("eins"));
    EXPECT_EQ(change->txtPasswort2->text(), QStringLiteral("zwei"));

    click(change->cmdCancel);
    click(view->cmdZurück);
    main->mnuBeenden->trigger();
    EXPECT_EQ(Forms::instance().find<frmPasswort>(), nullptr);
    EXPECT_EQ(processEnded, 1);
}

} // namespace
