#include "platform/textfile.h"

#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QSaveFile>

#include <array>

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

} // namespace

QString fromWindows1252(const QByteArray &bytes)
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

FirstLine readFirstLine(const QString &path)
{
    FirstLine result;
    QFile file(path);
    if (!QFileInfo::exists(path)) {
        result.status = FirstLine::Status::Missing;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = FirstLine::Status::Unreadable;
        result.error = file.errorString();
        return result;
    }
    QByteArray bytes;
    char c = 0;
    bool any = false;
    while (file.getChar(&c)) {
        any = true;
        if (c == '\r' || c == '\n')
            break;
        bytes.append(c);
    }
    if (file.error() != QFileDevice::NoError) {
        result.status = FirstLine::Status::Unreadable;
        result.error = file.errorString();
        return result;
    }
    result.status = any ? FirstLine::Status::Ok : FirstLine::Status::NoLine;
    result.text = fromWindows1252(bytes);
    return result;
}

bool replaceWithLine(const QString &path, const QString &line, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    file.write(toWindows1252(line));
    file.write("\r\n", 2);
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace platform
