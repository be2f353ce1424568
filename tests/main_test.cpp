#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>

namespace {

// The program, started from its own folder as a school starts it, removes the
// copy of a new password that a change cut short left beside "start.ini".
TEST(ProgramStart, RemovesTheCopiesOfAPasswordThatAChangeCutShortLeft)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("start.ini"), "alt\r\n");
    folder.write(QStringLiteral("start.ini.q7R2kZ"), "neu\r\n");
    const QString program = folder.file(QStringLiteral("quirlix"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(QUIRLIX_PROGRAM), program));
    QProcess running;
    running.start(program, {});
    ASSERT_TRUE(running.waitForStarted());
    for (int i = 0; i < 1500 && QFile::exists(folder.file(QStringLiteral("start.ini.q7R2kZ")))
                    && !running.waitForFinished(20); ++i) {
    }
    running.kill();
    running.waitForFinished();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"quirlix", "start.ini"}))
        << running.readAllStandardError().toStdString();
}

} // namespace
