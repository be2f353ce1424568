#include "support/testsupport.h"

#include "state/variablen.h"
#include "state/mdlmodul.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "state/modvar.h"
#include "platform/programfolder.h"

#include <QtCore/QDir>
#include <QtCore/QFile>

namespace testing_support {

ProgramFolderFixture::ProgramFolderFixture()
{
    platform::setProgramFolder(m_dir.path());
    platform::Clock::instance().reset();
    platform::Random::instance().seed(20021);
    modVar = PlayState {};
    Variablen = TaskState {};
    Mdlmodul = MemoryState {};
}

ProgramFolderFixture::~ProgramFolderFixture()
{
    platform::setProgramFolder({});
}

QString ProgramFolderFixture::file(const QString &name) const
{
    return QDir(m_dir.path()).filePath(name);
}

void ProgramFolderFixture::write(const QString &name, const QByteArray &bytes) const
{
    QFile f(file(name));
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
}

QByteArray ProgramFolderFixture::read(const QString &name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void advanceClock(qint64 ms)
{
    platform::Clock::instance().advance(ms);
}

} // namespace testing_support
