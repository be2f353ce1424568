#include "platform/textfile.h"

#include "platform/systemerror.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QList>
#include <QtCore/QStringDecoder>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// 0x80..0x9F of Windows-1252; the rest of the code page is Latin-1. The five
// undefined positions map to themselves, as the platform's converter does.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// An editor that saves UTF-8 may put this mark first; it is no part of the text.
constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF");

struct Descriptor
{
    int fd;
    ~Descriptor()
    {
        if (fd >= 0)
            ::close(fd);
    }
};

// Reads until bytes is full or the file ends, and keeps what came.
bool readUpTo(int fd, QByteArray &bytes)
{
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        if (n == 0)
            break;
        got += n;
    }
    bytes.truncate(got);
    return true;
}

// A line after the mark is UTF-8. Bytes that are not tell a line of the code
// page that merely begins with the characters "ï»¿", and it is read as one.
QString decodeLine(QByteArrayView line, bool marked)
{
    if (marked) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString text = utf8(line);
        if (!utf8.hasError())
            return text;
    }
    return fromWindows1252(line);
}

} // namespace

QString fromWindows1252(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text.append(b >= 0x80 && b < 0xA0 ? QChar(high[b - 0x80]) : QChar(b));
    }
    return text;
}

QByteArray toWindows1252(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        char out = '?';
        for (std::size_t i = 0; i < high.size(); ++i) {
            if (high[i] == u) {
                out = static_cast<char>(0x80 + i);
                break;
            }
        }
        bytes.append(out);
    }
    return bytes;
}

bool inWindows1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return true;
    for (const char16_t mapped : high) {
        if (mapped == c)
            return true;
    }
    return false;
}

FirstLine readFirstLine(const QString &path, qsizetype maxBytes)
{
    FirstLine result;
    // errorNumber 0: no system error, only our own reason.
    const auto unreadable = [&](int errorNumber, const QString &why = {}) {
        result.status = FirstLine::Status::Unreadable;
        result.error = why.isEmpty() ? systemReason(errorNumber) : why;
        qCWarning(lcFiles).nospace() << "cannot read " << path << ": "
                                     << (errorNumber ? std::strerror(errorNumber) : "not a plain short line");
        return result;
    };
    const QByteArray name = QFile::encodeName(path);

    // lstat, not stat: a link whose target is missing is not a missing file.
    struct stat link {};
    if (::lstat(name.constData(), &link) != 0) {
        if (errno == ENOENT) {
            result.status = FirstLine::Status::Missing;
            return result;
        }
        return unreadable(errno);
    }
    // O_NONBLOCK: opening a FIFO for reading would wait for a writer.
    const Descriptor file {::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    const int fd = file.fd;
    if (fd < 0) {
        const int error = errno;
        if (error == ENOENT && S_ISLNK(link.st_mode))
            return unreadable(error, QStringLiteral("ihre Verknüpfung zeigt auf nichts"));
        return unreadable(error);
    }
    // The type of what was opened, so nothing can be swapped in between.
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        return unreadable(errno);
    if (S_ISDIR(info.st_mode))
        return unreadable(EISDIR);
    if (!S_ISREG(info.st_mode))
        return unreadable(0, QStringLiteral("sie ist keine gewöhnliche Datei"));

    // Room for the mark, a full line and one byte more, which tells a full
    // line from a longer one.
    QByteArray bytes(kUtf8Mark.size() + maxBytes + 1, Qt::Uninitialized);
    if (!readUpTo(fd, bytes))
        return unreadable(errno);
    const qsizetype got = bytes.size();
    const qsizetype start = bytes.startsWith(kUtf8Mark) ? kUtf8Mark.size() : 0;
    qsizetype end = start;
    while (end < got && bytes[end] != '\r' && bytes[end] != '\n')
        ++end;
    if (end - start > maxBytes)
        return unreadable(0, QStringLiteral("ihre erste Zeile ist länger als %1 Zeichen").arg(maxBytes));
    result.status = got > start ? FirstLine::Status::Ok : FirstLine::Status::NoLine;
    result.text = decodeLine(QByteArrayView(bytes).first(end), start > 0);
    return result;
}

namespace {

// Why a file could not be written, in German, from what the system said.
QString writeFailure(int error, const QString &path)
{
    return QStringLiteral("Die Datei \"%1\" kann nicht geschrieben werden: %2.")
        .arg(QFileInfo(path).fileName(), systemReason(error));
}

bool writeAll(int fd, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::pwrite(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            if (n == 0)
                errno = ENOSPC;
            return false;
        }
        done += n;
    }
    return true;
}

// A file that may be written in a folder that may not (a common school
// set-up) cannot be replaced by a rename: it is overwritten where it is.
// Returns 0, or the error; folderError when there is no file to overwrite.
int rewriteInPlace(const QByteArray &target, const QByteArray &bytes, int folderError)
{
    struct stat info;
    if (::stat(target.constData(), &info) != 0)
        return folderError;
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (!S_ISREG(info.st_mode))
        return folderError;
    const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const bool ok = writeAll(fd, bytes) && ::ftruncate(fd, bytes.size()) == 0 && ::fsync(fd) == 0;
    const int error = ok ? 0 : errno;
    ::close(fd);
    return error;
}

void syncFolder(const QByteArray &target)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(QFile::decodeName(target)).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

bool replaceWithLine(const QString &path, const QString &line, QString *error)
{
    const auto fail = [&](int code) {
        qCWarning(lcFiles).nospace() << "cannot write " << path << ": " << std::strerror(code);
        if (error)
            *error = writeFailure(code, path);
        return false;
    };
    QByteArray bytes = toWindows1252(line);
    bytes.append("\r\n");
    const QByteArray target = QFile::encodeName(path);
    removeReplaceLeftovers(path);

    // The new content goes into a file beside the old one, which a rename
    // then puts in its place: a crash leaves the old file or the new one, and
    // a copy of the line beside it that removeReplaceLeftovers takes away.
    QByteArray temporary = target + ".XXXXXX";
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        int code = errno;
        if (code == EACCES || code == EPERM || code == EROFS)
            code = rewriteInPlace(target, bytes, code);
        return code == 0 || fail(code);
    }
    // Held until the rename, so that another run of the program does not take
    // the copy for a leftover; until it is held the file is empty, and no
    // sweep takes an empty file.
    ::flock(fd, LOCK_EX);
    struct stat old;
    mode_t mode;
    if (::stat(target.constData(), &old) == 0 && S_ISREG(old.st_mode)) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    // Closed after the rename, as closing lets go of the lock; fsync has
    // reported whatever the write came to.
    const bool ok = ::fchmod(fd, mode) == 0 && writeAll(fd, bytes) && ::fsync(fd) == 0
                 && ::rename(temporary.constData(), target.constData()) == 0;
    const int code = errno;
    ::close(fd);
    if (!ok) {
        ::unlink(temporary.constData());
        return fail(code);
    }
    syncFolder(target);
    return true;
}

namespace {

// mkstemp's name: the file's own, a dot and six letters or digits.
bool isTemporaryName(QByteArrayView name, QByteArrayView base)
{
    constexpr qsizetype random = 6;
    if (name.size() != base.size() + 1 + random || !name.startsWith(base) || name[base.size()] != '.')
        return false;
    return std::all_of(name.end() - random, name.end(), [](char c) {
        return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
    });
}

// One line as replaceWithLine writes it: no control characters, CR LF.
bool isWrittenLine(QByteArrayView bytes)
{
    if (!bytes.endsWith("\r\n"))
        return false;
    const QByteArrayView line = bytes.chopped(2);
    return std::none_of(line.begin(), line.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return b < 0x20 || b == 0x7F;
    });
}

bool sameFile(const struct stat &a, const struct stat &b)
{
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

void removeIfLeftover(int folder, const char *name)
{
    // Nothing but a plain file is opened: a device may act on being opened.
    struct stat named {};
    if (::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(named.st_mode))
        return;
    const Descriptor file {::openat(folder, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (file.fd < 0)
        return;
    // A writer at work holds its copy; where there are no locks, go on.
    if (::flock(file.fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
        return;
    struct stat info {};
    if (::fstat(file.fd, &info) != 0 || !sameFile(info, named) || info.st_nlink != 1
        || info.st_size > kFirstLineLimit + 2)
        return;
    QByteArray bytes(info.st_size + 1, Qt::Uninitialized);
    if (!readUpTo(file.fd, bytes) || !isWrittenLine(bytes))
        return;
    // Still the file that was read, not one put under its name meanwhile.
    if (::fstatat(folder, name, &named, AT_SYMLINK_NOFOLLOW) != 0 || !sameFile(info, named))
        return;
    if (::unlinkat(folder, name, 0) == 0)
        qCInfo(lcFiles) << "removed" << name << "which a replacement cut short had left";
}

} // namespace

void removeReplaceLeftovers(const QString &path)
{
    const QFileInfo file(path);
    const QByteArray base = QFile::encodeName(file.fileName());
    DIR *folder = ::opendir(QFile::encodeName(file.absolutePath()).constData());
    if (!folder)
        return;
    QList<QByteArray> names;
    while (const dirent *entry = ::readdir(folder)) {
        if (isTemporaryName(entry->d_name, base))
            names.append(entry->d_name);
    }
    for (const QByteArray &name : std::as_const(names))
        removeIfLeftover(::dirfd(folder), name.constData());
    ::closedir(folder);
}

} // namespace platform
