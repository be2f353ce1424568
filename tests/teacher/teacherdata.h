#pragma once

#include "results/resultsdb.h"
#include "results/saving.h"

#include <QtCore/QDate>
#include <QtCore/QFile>
#include <QtCore/QStringList>

#include <gtest/gtest.h>

#include <sqlite3.h>

// Result records for the teacher's lists, saved as the save window saves
// them: record i of names gets i points, level i % 3 + 1 and day i + 1.
namespace teacher_testing {

inline void saveNames(const QStringList &names)
{
    std::vector<ResultRecord> records;
    const QString games[] = {QStringLiteral("Schweinchen"), QStringLiteral("Memory"), QStringLiteral("Schmetterling")};
    for (int i = 0; i < names.size(); ++i)
        records.push_back({names[i], static_cast<qint16>(i), games[i % 3], static_cast<qint16>(i % 3 + 1),
                           QDate(2024, 3, 1).addDays(i)});
    const platform::DbStatus status = appendRecords(resultsDatabasePath(), records);
    ASSERT_TRUE(status.isOk()) << status.reason().toStdString();
}

// count records "Kind1" to "Kind<count>" in one transaction, for sizes the
// save window would take long to write one by one.
inline void saveMany(int count)
{
    ASSERT_TRUE(openResultsDatabase(resultsDatabasePath(), ResultsUse::Append).isOk());
    sqlite3 *db = nullptr;
    ASSERT_EQ(sqlite3_open(QFile::encodeName(resultsDatabasePath()).constData(), &db), SQLITE_OK);
    const QByteArray sql = QStringLiteral("WITH RECURSIVE n(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM n WHERE x < %1) "
                                          "INSERT INTO userdaten SELECT 'Kind' || x, x % 100, 'Memory', 1, '2024-01-01' "
                                          "FROM n")
                               .arg(count)
                               .toUtf8();
    const int rc = sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr);
    sqlite3_close(db);
    ASSERT_EQ(rc, SQLITE_OK);
}

// "K00", "K01", ...: a name's number is its position in the list by name.
inline QStringList numberedNames(int count, const char *prefix = "K")
{
    QStringList names;
    for (int i = 0; i < count; ++i)
        names << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i, 2, 10, QLatin1Char('0'));
    return names;
}

// 30 records of which only Mo1 to Mo5 begin with "Mo": A00..A14 before
// them, Z00..Z09 after them, saved in a mixed order.
inline QStringList thirtyWithFiveMo()
{
    QStringList names = numberedNames(15, "A") + QStringList({"Mo1", "Mo2", "Mo3", "Mo4", "Mo5"})
                        + numberedNames(10, "Z");
    // Saved out of order: the list sorts them.
    std::reverse(names.begin(), names.end());
    return names;
}

} // namespace teacher_testing
