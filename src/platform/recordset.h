#pragma once

#include "platform/dbconnection.h"
#include "platform/dbstatus.h"
#include "platform/likepattern.h"

#include <QtCore/QString>
#include <QtCore/QVariant>

#include <functional>
#include <optional>
#include <string>
#include <vector>

struct sqlite3_stmt;

namespace platform {

// The record set that the list windows walk and the save window writes
// through: the rows of one table, read once when it opens and held in
// memory, with a current record, pattern finds and the moves of the
// platform's record set.
//
// SQL text it runs: the name of a table (its rows in the order they were
// appended), or "SELECT * FROM t" / "SELECT t.* FROM t" with an optional
// "ORDER BY" over fields of t, each ASC or DESC. Text sorts in a German
// dictionary's order (textorder.h), numbers as numbers, and records with
// equal sort keys keep the order in which they were appended.
//
// Positions are 0-based. Without a current record (an empty set, before the
// first or after the last record, or right after Delete) AbsolutePosition()
// is -1 and fieldText() is empty.
class RecordSet
{
public:
    enum class Options {
        Default,
        AppendOnly, // reads no rows: for adding records only
    };

    static DbResult<RecordSet> open(const DbConnection &connection, const QString &sql,
                                    Options options = Options::Default);

    RecordSet();
    ~RecordSet();
    RecordSet(RecordSet &&) noexcept;
    RecordSet &operator=(RecordSet &&) noexcept;
    RecordSet(const RecordSet &) = delete;
    RecordSet &operator=(const RecordSet &) = delete;

    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    QString fieldName(int field) const;
    // The field's index, its name matched without regard to case; -1 if none.
    int fieldIndex(QStringView name) const;
    int recordCount() const { return static_cast<int>(m_order.size()); }

    // The current record's field as a bound text box shows it: numbers as
    // digits, a date as dd.MM.yyyy, Null and no current record as "".
    QString fieldText(int field) const;
    QString fieldText(QStringView name) const;
    bool isNull(int field) const;

    // Finds with a criterion "field like 'pattern'". A match becomes the
    // current record and clears NoMatch(); no match sets NoMatch() and leaves
    // the current record as it was. FindNext searches from the record after
    // the current one, FindPrevious from the one before it. A malformed
    // criterion or an unknown field is returned as a failure and changes
    // nothing. Null never matches.
    DbStatus FindFirst(const QString &criterion);
    DbStatus FindLast(const QString &criterion);
    DbStatus FindNext(const QString &criterion);
    DbStatus FindPrevious(const QString &criterion);
    bool NoMatch() const { return m_noMatch; }

    int AbsolutePosition() const;
    bool Bof() const;
    bool Eof() const; // "EOF" is taken by <cstdio>

    // Moves as the platform's record set makes them: MoveNext may leave the
    // set after its last record (Eof()), MovePrevious before the first
    // (Bof()). A move that has nowhere to start from (an empty set, MoveNext
    // at Eof(), MovePrevious at Bof()) fails and changes nothing.
    DbStatus MoveFirst();
    DbStatus MoveLast();
    DbStatus MoveNext();
    DbStatus MovePrevious();

    // AddNew starts a new record with every field Null; setField fills it;
    // Update stores it, committed at once unless a Transaction is open. The
    // new record joins the set at its end (whatever the sort order); the
    // current record stays what it was.
    DbStatus AddNew();
    DbStatus setField(QStringView name, const QVariant &value);
    DbStatus Update();
    void CancelUpdate();

    // Deletes the current record from the table and the set. Afterwards there
    // is no current record; MoveNext goes to the record that followed it.
    // A record that is no longer in the table as it was read is not deleted
    // (RecordChanged), and the set stays as it was.
    DbStatus Delete();

    // Called after every change of the current record.
    void setOnReposition(std::function<void()> callback) { m_onReposition = std::move(callback); }

private:
    enum class FieldKind : quint8 { Text, Integer, SmallInt, Date, Other };
    struct Field
    {
        QString name;
        FieldKind kind;
    };
    enum class CellType : quint8 { Null, Integer, Real, Text };
    struct TextRef
    {
        quint32 offset;
        quint32 length;
    };
    struct Cell
    {
        union {
            qint64 integer;
            double real;
            TextRef text;
        };
        CellType type;
    };
    struct CachedCriterion
    {
        QString text;
        int field = -1;
        LikePattern pattern;
    };

    DbStatus load(sqlite3_stmt *statement);
    DbStatus criterion(const QString &text, const CachedCriterion *&parsed);
    bool matches(const CachedCriterion &criterion, qsizetype row) const;
    DbStatus find(const QString &text, qsizetype from, int step);
    const Cell *currentCell(int field) const;
    QString cellText(const Cell &cell, FieldKind kind) const;
    bool hasCurrent() const;
    void setPosition(qsizetype position);
    DbStatus bindEdit(sqlite3_stmt *statement, int parameter, const QVariant &value) const;
    DbStatus noCurrentRecord() const;

    DbConnection m_connection;
    QString m_table;
    std::vector<Field> m_fields;
    bool m_appendOnly = false;

    // Rows as read, fields side by side; text in one buffer. m_order maps a
    // position to a stored row, so Delete only shifts indexes.
    std::vector<Cell> m_cells;
    std::vector<qint64> m_rowids;
    std::string m_bytes;
    std::vector<quint32> m_order;

    qsizetype m_position = -1; // -1 before the first record, size at the end
    bool m_deleted = false;    // the record at m_position was just deleted
    bool m_noMatch = false;

    bool m_adding = false;
    std::vector<std::optional<QVariant>> m_edit;

    std::optional<CachedCriterion> m_criterion;
    std::function<void()> m_onReposition;
};

} // namespace platform
