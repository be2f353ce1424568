#pragma once

#include "platform/resultsdb.h"
#include "results/saving.h"

#include <QtCore/QDate>
#include <QtCore/QStringList>

#include <gtest/gtest.h>

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

} // namespace teacher_testing
