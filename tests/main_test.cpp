#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDeadlineTimer>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QProcess>

#include <unistd.h>

namespace {

// The program, started from its own folder as a school starts it, finds a
// copy of a new password that a change cut short by a power cut left beside
// "start.ini", and removes it; the teacher's own files stay.
TEST(ProgramStart, RemovesTheCopiesOfAPasswordThatAChangeCutShortLeft)
{
    testing_support::ProgramFolderFixture folder;
    folder.write(QStringLiteral("start.ini"), "alt\r\n");
    folder.write(QStringLiteral("start.ini.q7R2kZ"), "neu\r\n");
    folder.write(QStringLiteral("start.ini.backup"), "alt\r\nvom Montag\r\n");
    // A second name is enough, and far quicker than a copy.
    const QString program = folder.file(QStringLiteral("quirlix"));
    if (::link(QUIRLIX_PROGRAM, QFile::encodeName(program).constData()) != 0) {
        ASSERT_TRUE(QFile::copy(QStringLiteral(QUIRLIX_PROGRAM), program));
    }
    QProcess running;
    running.start(program, {});
    ASSERT_TRUE(running.waitForStarted());
    const QDeadlineTimer deadline(30000);
    while (QFile::exists(folder.file(QStringLiteral("start.ini.q7R2kZ"))) && !deadline.hasExpired()
           && !running.waitForFinished(20)) {
    }
    EXPECT_EQ(running.state(), QProcess::Running) << running.readAllStandardError().toStdString();
    running.kill();
    running.waitForFinished();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"quirlix", "start.ini", "start.ini.backup"}));
    EXPECT_EQ(folder.read(QStringLiteral("start.ini")), "alt\r\n");
    EXPECT_EQ(folder.read(QStringLiteral("start.ini.backup")), "alt\r\nvom Montag\r\n");
}

} // namespace
