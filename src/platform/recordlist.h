#pragma once

#include "platform/dbstatus.h"

#include <QtCore/QString>

#include <array>

namespace platform {

class RecordSet;

// The five columns of a record list in the filler's order. Each column is
// one text, its lines joined by CR LF; line k of every column belongs to the
// same record.
enum class ListColumn { Name, Punkte, Level, Datum, Spiel };
constexpr int kListColumns = 5;
// The field of userdaten each column shows.
constexpr std::array<const char16_t *, kListColumns> kListColumnFields = {u"Name", u"Punkte", u"Level", u"Datum", u"Spiel"};

struct RecordColumns
{
    std::array<QString, kListColumns> text;

    QString &operator[](ListColumn column) { return text[static_cast<size_t>(column)]; }
    const QString &operator[](ListColumn column) const { return text[static_cast<size_t>(column)]; }
};

// How a walk ends:
// - Count: exactly `limit` next finds, each adding a row; a find that matches
//   nothing ends the walk early rather than repeating the current record.
// - NoAdvance: next finds numbered k = 0 to `limit`; after find k the walk
//   ends without a row when k >= AbsolutePosition, else a row is added.
// - NoMatch: at most `limit` next finds; the first that matches nothing ends
//   the walk without a row.
enum class StopRule { Count, NoAdvance, NoMatch };
enum class FindDirection { Next, Previous };

// Turns records into a list: a row copies the current record's five fields,
// as the bound boxes show them, into the columns, each on one line: a line
// break inside a field becomes a blank.
class RecordListFiller
{
public:
    explicit RecordListFiller(RecordSet &records);

    // What the bound boxes txtVarName ... txtVarSpiel show: the current
    // record's fields, empty without a current record.
    RecordColumns boundTexts() const;

    // The row replaces what the columns held.
    void addFirstRow();
    // The row follows the columns' text after CR LF.
    void addNextRow();

    // Next finds with criterion, adding rows until the stop rule ends the
    // walk. A malformed criterion is returned before any find.
    DbStatus walk(FindDirection direction, const QString &criterion, StopRule rule, int limit);

    const RecordColumns &columns() const { return m_columns; }

private:
    RecordSet &m_records;
    std::array<int, kListColumns> m_fields;
    RecordColumns m_columns;
};

} // namespace platform
