#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>
#include <QtCore/QTemporaryDir>

#include <memory>

namespace testing_support {

// A fresh program folder in a temporary directory for one test; the program's
// global state (clock, chance, the three records) starts from zero.
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
