#include "platform/controls.h"
#include "platform/forms.h"
#include "shell/forms/frmAbout.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/hyperlinks.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QTemporaryDir>
#include <QtTest/QTest>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

#include <functional>

using platform::Forms;

namespace {

class AboutBox : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        registerShellForms();
        main = Forms::instance().show<frmStart>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        main->move(300, 200); // well away from the screen's centre
    }
    void TearDown() override
    {
        qputenv("PATH", m_path);
        testing_support::resetWindows();
    }
    // Opens the about box from the menu, runs inside it, closes what is left.
    void whileOpen(std::function<void(frmAbout *)> inside)
    {
        testing_support::whenModal([inside](QWidget *modal) {
            auto *about = qobject_cast<frmAbout *>(modal);
            ASSERT_TRUE(about && QTest::qWaitForWindowExposed(about));
            inside(about);
            Forms::instance().close<frmAbout>();
        });
        main->mnuInfo->trigger();
    }

    testing_support::ProgramFolderFixture folder;
    frmStart *main = nullptr;
    QByteArray m_path = qgetenv("PATH");
};

TEST_F(AboutBox, OpensModalOverTheMainWindowAndEnterEscapeOkOrTheCloseBoxCloseIt)
{
    const std::pair<const char *, std::function<void(frmAbout *)>> ways[] = {
        {"Enter", [](frmAbout *about) { QTest::keyClick(about, Qt::Key_Return); }},
        {"Enter on a link", [](frmAbout *about) { QTest::keyClick(about->LinkVexa21, Qt::Key_Return); }},
        {"Escape", [](frmAbout *about) { QTest::keyClick(about, Qt::Key_Escape); }},
        {"OK", [](frmAbout *about) { QTest::mouseClick(about->cmdOK, Qt::LeftButton); }},
        {"close box", [](frmAbout *about) { about->close(); }},
    };
    for (const auto &[way, press] : ways) {
        SCOPED_TRACE(way);
        bool modal = false;
        bool closed = false;
        whileOpen([&](frmAbout *about) {
            testing_support::shoot(about, QStringLiteral("frmAbout"));
            EXPECT_EQ(about->windowTitle(), QStringLiteral("Info zu Quirlix"));
            EXPECT_EQ(about->lblVersion->text(), QStringLiteral("Version 1.1.1"));
            EXPECT_EQ(about->lblVexa2->text().split(u'\n'), QStringList({"Quirlix-Schule", "Musterstraße 1",
                                                                          "12345 Musterstadt", "z. Hd. Projektleitung"}));
            modal = about->windowModality() == Qt::ApplicationModal;
            // Within the frame edges, which the window system adds only once it is shown.
            EXPECT_LE((about->geometry().center() - main->geometry().center()).manhattanLength(), 4);
            press(about);
            closed = !Forms::instance().find<frmAbout>();
        });
        EXPECT_TRUE(modal && closed);
    }
}

TEST_F(AboutBox, WithoutAnySystemInformationProgramSaysSoAndStaysOpen)
{
    QTemporaryDir emptyPath;
    qputenv("PATH", QFile::encodeName(emptyPath.path()));
    QString text, title;
    bool stillOpen = false;
    whileOpen([&](frmAbout *about) {
        testing_support::whenModal([&](QWidget *box) {
            text = static_cast<QMessageBox *>(box)->text();
            title = box->windowTitle();
            testing_support::clickMessageBoxButton(box, QStringLiteral("OK"));
        });
        QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
        stillOpen = Forms::instance().find<frmAbout>() == about;
    });
    EXPECT_EQ(text, QStringLiteral("Systeminformationen sind momentan nicht verfügbar"));
    EXPECT_EQ(title, QStringLiteral("Quirlix"));
    EXPECT_TRUE(stillOpen);
}

} // namespace
