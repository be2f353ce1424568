#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDeadlineTimer>
#include <QtCore/QFile>
#include <QtCore/QProcess>
#include <QtCore/QTemporaryDir>

#include <unistd.h>

namespace {

// The program as a school runs it: from its own folder, beside "start.ini".
class ProgramStart : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        const QString program = folder.filePath(QStringLiteral("quirlix"));
        // A second name is enough, and far quicker than a copy.
        if (::link(QUIRLIX_PROGRAM, QFile::encodeName(program).constData()) != 0) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(QUIRLIX_PROGRAM), program));
        }
        running.setProgram(program);
    }
    void TearDown() override
    {
        running.kill();
        running.waitForFinished();
    }
    void write(const char *name, const QByteArray &bytes)
    {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QString read(const char *name) const
    {
        QFile file(folder.filePath(QLatin1String(name)));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("(gone)");
    }

    QTemporaryDir folder;
    QProcess running;
};

// A password change cut short by a power cut left a copy of the new password
// in clear; the next start removes it, and leaves the teacher's own files.
TEST_F(ProgramStart, RemovesTheCopiesOfAPasswordThatAChangeCutShortLeft)
{
    write("start.ini", "alt\r\n");
    write("start.ini.q7R2kZ", "neu\r\n");
    write("start.ini.backup", "alt\r\nvom Montag\r\n");
    running.start();
    ASSERT_TRUE(running.waitForStarted());
    const QDeadlineTimer deadline(30000);
    while (QFile::exists(folder.filePath(QStringLiteral("start.ini.q7R2kZ"))) && !deadline.hasExpired()
           && !running.waitForFinished(20)) {
    }
    EXPECT_EQ(read("start.ini.q7R2kZ"), "(gone)");
    EXPECT_EQ(read("start.ini"), "alt\r\n");
    EXPECT_EQ(read("start.ini.backup"), "alt\r\nvom Montag\r\n");
    EXPECT_EQ(running.state(), QProcess::Running) << "the program ended: " << running.readAllStandardError().toStdString();
}

} // namespace
