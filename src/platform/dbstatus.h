#pragma once

#include <QtCore/QLoggingCategory>
#include <QtCore/QString>

#include <optional>
#include <utility>

namespace platform {

// The outcome of a database operation. A failure carries a reason in German
// that a window can show as it stands; nothing in the database layer ends
// the program or throws.
class DbStatus
{
public:
    enum class Code {
        Ok,
        NotADatabase,    // another format, or an SQLite file that is not ours
        Damaged,         // our database, damaged
        ReadOnly,        // the file, its folder or its disk is write-protected
        NoPermission,    // the file or its folder may not be written or read
        CannotOpen,      // the file cannot be opened or created
        Locked,          // another program holds the database past the wait
        DiskFull,
        IoError,
        BadQuery,        // SQL text the record set cannot run
        BadCriterion,    // a find criterion that cannot be parsed
        BadValue,        // a value that does not fit its field
        NoCurrentRecord, // the operation needs a current record
        RecordChanged,   // the record is no longer as it was read: changed or deleted by someone else
        FileMoved,       // the file was removed or replaced since it was opened
        Failed,          // anything else the database engine reports
    };

    DbStatus() = default;
    DbStatus(Code code, QString reason, int engineCode = 0)
        : m_code(code)
        , m_reason(std::move(reason))
        , m_engineCode(engineCode)
    {
    }

    bool isOk() const { return m_code == Code::Ok; }
    Code code() const { return m_code; }
    const QString &reason() const { return m_reason; }
    // The SQLite result code behind the failure, 0 where the engine was not
    // involved.
    int engineCode() const { return m_engineCode; }

private:
    Code m_code = Code::Ok;
    QString m_reason;
    int m_engineCode = 0;
};

// A value or the reason why there is none.
template<class T>
class DbResult
{
public:
    DbResult(T value)
        : m_value(std::move(value))
    {
    }
    DbResult(DbStatus failure)
        : m_status(std::move(failure))
    {
    }

    bool isOk() const { return m_value.has_value(); }
    const DbStatus &status() const { return m_status; }
    T &value() { return *m_value; }
    const T &value() const { return *m_value; }

private:
    std::optional<T> m_value;
    DbStatus m_status;
};

Q_DECLARE_LOGGING_CATEGORY(lcDb)

// Translates an SQLite result code into a status whose German reason names
// the file. systemErrno is what the engine saw from the operating system.
// The engine's message goes to the log (lcDb) with the system's text.
DbStatus statusFromEngine(int engineCode, int systemErrno, const QString &path, const QString &engineMessage);

// A name that is a symbolic link to nothing: not a missing folder.
DbStatus linkToNothing(const QString &path);
// What stands at path now that the file opened by that name is no longer
// there: nothing, a link to nothing, or another file.
DbStatus fileMoved(const QString &path);

} // namespace platform
