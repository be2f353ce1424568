#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

// Texts in the messages of failed checks as text, not as bytes.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace testing_support {

// The program's global state as at its start: the three records empty, the
// manual clock at 0, and the one generator at a fixed seed whose reseeds
// read a clock that stands still, so that a seed fixes every draw.
void resetGlobals();
// Gives the generator its real clock back.
void restoreGlobals();

// A test that starts from the global state of a fresh program.
class GlobalsTest : public ::testing::Test
{
protected:
    void SetUp() override { resetGlobals(); }
    void TearDown() override { restoreGlobals(); }
};

// A fresh program folder in a temporary directory for one test, and the
// global state of a fresh program.
class ProgramFolderFixture
{
public:
    ProgramFolderFixture();
    ~ProgramFolderFixture();

    QString path() const { return m_dir.path(); }
    QString file(const QString &name) const;
    void write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// Advances the manual clock.
void advanceClock(qint64 ms);

} // namespace testing_support
