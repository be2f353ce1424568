#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QString>

namespace platform {

// Text files in the 8-bit code page of the program's platform, Windows-1252.

struct FirstLine
{
    enum class Status {
        Ok,         // text holds the first line (possibly empty)
        NoLine,     // the file exists and is empty
        Missing,    // there is plainly no such file
        Unreadable, // anything else: see readFirstLine
    };
    Status status = Status::Missing;
    QString text;
    QString error; // why, for Unreadable: a German phrase ("keine Berechtigung")
};

// The longest first line that is read. A longer one is not cut short (a cut
// password would silently become another one): it makes the file unreadable.
constexpr qsizetype kFirstLineLimit = 1024;

// The text before the first CR LF, lone CR, LF or the end of the file. A file
// that begins with the mark of UTF-8 (EF BB BF) is read as UTF-8 without it;
// the limit counts the bytes after the mark. Should the line not be UTF-8, the
// file is one of the code page that begins with "ï»¿", and is read so.
//
// Fails closed: only a name under which nothing at all exists is Missing. A
// link to nothing, a link loop, a folder that cannot be searched, anything but
// a regular file (a folder, a FIFO, a device such as /dev/zero) and a first
// line longer than maxBytes are Unreadable. Never blocks and never reads more
// than maxBytes + 4 bytes. The system's own text goes to the log (lcFiles).
FirstLine readFirstLine(const QString &path, qsizetype maxBytes = kFirstLineLimit);

// Replaces the file by one line and CR LF, synced to the disk. The new
// content is written to a temporary file that is then renamed over the old
// one, so a crash leaves either the old file or the new one, never a
// half-written or empty one. Where the folder may not be written but the
// file may, the file is overwritten in place instead. On failure *error says
// why, in German, and the old file is as it was.
bool replaceWithLine(const QString &path, const QString &line, QString *error = nullptr);

// Removes the temporary files that replacements of path cut short by a crash
// or a power cut left beside it, each a copy of a line in clear, and nothing
// else: a file named as a temporary (path's name, a dot and six letters or
// digits) that is a plain file with no second name, holds one line of at most
// kFirstLineLimit bytes without control characters, ending in CR LF, and is
// not held by a replacement still at work. Links, folders, empty files and
// files of any other content are left alone. replaceWithLine does it before
// it writes, so at most one such copy exists at any time.
void removeReplaceLeftovers(const QString &path);

QString fromWindows1252(QByteArrayView bytes);
// Characters outside the code page become '?'.
QByteArray toWindows1252(const QString &text);
// Whether the code page holds the character, so that it reads back as itself.
bool inWindows1252(char32_t c);

} // namespace platform
