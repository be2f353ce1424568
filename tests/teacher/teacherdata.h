#pragma once

#include "platform/recordlist.h"
#include "platform/resultsdb.h"
#include "results/saving.h"
#include "support/sqlitefile.h"
#include "teacher/teacherlist.h"

#include <QtCore/QDate>
#include <QtCore/QStringList>

#include <gtest/gtest.h>

#include <algorithm>

namespace teacher_testing {

// Record i of names is saved as the save window saves it, with i points,
// level i % 3 + 1 and day i + 1.
inline void saveNames(const QStringList &names)
{
    std::vector<ResultRecord> records;
    const QString games[] = {QStringLiteral("Schweinchen"), QStringLiteral("Memory"), QStringLiteral("Schmetterling")};
    for (int i = 0; i < names.size(); ++i)
        records.push_back({names[i], static_cast<qint16>(i), games[i % 3], static_cast<qint16>(i % 3 + 1),
                           QDate(2024, 3, 1).addDays(i)});
    const platform::DbStatus status = appendRecords(platform::resultsDatabasePath(), records);
    ASSERT_TRUE(status.isOk()) << status.reason().toStdString();
}

// "K00", "K01", ...: a name's number is its position in the list by name.
inline QStringList numberedNames(int count, const char *prefix = "K")
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

// 30 records, saved in reverse, of which only Mo1 to Mo5 begin with "Mo":
// A00..A14 come before them in the list, Z00..Z09 after.
inline QStringList thirtyWithFiveMo()
{
    QStringList names = numberedNames(15, "A") + QStringList({"Mo1", "Mo2", "Mo3", "Mo4", "Mo5"}) + numberedNames(10, "Z");
    std::reverse(names.begin(), names.end());
    return names;
}

// The names in the file, in the order they were saved.
inline QStringList storedNames()
{
    QStringList names;
    for (const QString &row : testing_support::SqliteFile(platform::resultsDatabasePath()).records())
        names << row.section(u'|', 0, 0);
    return names;
}

// The teacher view's five columns.
class Columns : public ListColumnsOutput
{
public:
    void setColumns(const platform::RecordColumns &columns) override { shown = columns; }
    QString names() const { return shown[platform::ListColumn::Name]; }
    platform::RecordColumns shown;
};

} // namespace teacher_testing
