#include "support/testsupport.h"

#include "platform/clock.h"
#include "platform/programfolder.h"
#include "platform/random.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "state/variablen.h"

#include <QtCore/QDir>
#include <QtCore/QFile>

namespace testing_support {

void resetGlobals()
{
    modVar = PlayState {};
    Variablen = TaskState {};
    Mdlmodul = MemoryState {};
    platform::Clock::instance().reset();
    auto &random = platform::Random::instance();
    random.setClockSource([] { return quint64(0); });
    random.seed(20021);
}

void restoreGlobals()
{
    platform::Random::instance().setClockSource({});
}

ProgramFolderFixture::ProgramFolderFixture()
{
    platform::setProgramFolder(m_dir.path());
    resetGlobals();
}

ProgramFolderFixture::~ProgramFolderFixture()
{
    platform::setProgramFolder({});
    restoreGlobals();
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
