#pragma once

#include <QtCore/QString>
#include <QtCore/QStringView>

#include <optional>
#include <vector>

namespace platform {

// The SQL text a record set runs, parsed, never pasted into SQL: the name of
// a table alone, or "SELECT * FROM t" / "SELECT t.* FROM t" with an optional
// "ORDER BY" over fields of t ([t.]f, each ASC or DESC). Names may stand in
// [brackets], "double quotes" or `backticks`; case does not count in
// keywords, and a trailing ";" is allowed.
struct RecordQuery
{
    struct Key
    {
        QString field;
        bool descending = false;
    };
    QString table;
    std::vector<Key> keys;

    // nullopt for any other text; *error says why, in German.
    static std::optional<RecordQuery> parse(QStringView sql, QString *error);

    // The statement that reads the rows, each with its rowid first, so that
    // Delete knows which row to remove. Text sorts in dictionary order
    // (textorder.h); records with equal keys keep their append order.
    QString selectText() const;
};

// A name as SQL text: in double quotes, inner quotes doubled.
QString quotedName(const QString &name);

} // namespace platform
