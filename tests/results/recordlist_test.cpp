#include "platform/recordset.h"
#include "results/highscore.h"
#include "platform/recordlist.h"
#include "platform/resultsdb.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QFile>
#include <QtCore/QStringList>

using platform::DbStatus;
using platform::RecordSet;

namespace {

constexpr auto byName = [](const auto &row) { return std::string(row.param.name); };

class RecordListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = platform::openResultsDatabase(platform::resultsDatabasePath(), platform::ResultsUse::Append);
        ASSERT_TRUE(db.isOk()) << db.status().reason().toStdString();
    }

    // Records as "Name Punkte" in the order they are appended, "-" for a Null
    // name; a record's level is its points modulo 3 plus 1, its date the
    // points' day of May.
    void add(const QStringList &rows)
    {
        QString sql;
        for (const QString &row : rows) {
            const QString name = row.section(u' ', 0, 0);
            const int points = row.section(u' ', 1, 1).toInt();
            sql += QStringLiteral("INSERT INTO userdaten VALUES (%1, %2, 'Memory', %3, '2024-05-%4');")
                       .arg(name == u"-" ? QStringLiteral("NULL") : u'\'' + name + u'\'')
                       .arg(points)
                       .arg(points % 3 + 1)
                       .arg(qAbs(points) % 28 + 1, 2, 10, QLatin1Char('0'));
        }
        ASSERT_TRUE(testing_support::SqliteFile(platform::resultsDatabasePath()).execute(sql));
    }

    // The list as "Name Punkte" per row. Every row's level and date must be
    // those of the record whose name and points stand beside them.
    static QStringList picture(const platform::RecordColumns &columns)
    {
        if (columns[platform::ListColumn::Name].isEmpty() && columns[platform::ListColumn::Punkte].isEmpty())
            return {};
        std::array<QStringList, platform::kListColumns> lines;
        for (size_t c = 0; c < lines.size(); ++c)
            lines[c] = columns.text[c].split(QStringLiteral("\r\n"));
        QStringList rows;
        for (qsizetype k = 0; k < lines[0].size(); ++k) {
            const int points = lines[1].value(k).toInt();
            EXPECT_EQ(lines[2].value(k), QString::number(points % 3 + 1)) << "row " << k;
            EXPECT_EQ(
                lines[3].value(k), QStringLiteral("%1.05.2024").arg(qAbs(points) % 28 + 1, 2, 10, QLatin1Char('0')));
            EXPECT_EQ(lines[4].value(k), QStringLiteral("Memory"));
            rows << lines[0][k] + u' ' + lines[1].value(k);
        }
        for (const QStringList &column : lines)
            EXPECT_EQ(column.size(), rows.size()) << "every column has a line per row";
        return rows;
    }

    testing_support::ProgramFolderFixture folder;
};

// ---- Highscore --------------------------------------------------------------------

struct HighscoreCase
{
    const char *name;
    QStringList records;
    QStringList shown;
};

class Highscore : public RecordListTest, public ::testing::WithParamInterface<HighscoreCase>
{
};

TEST_P(Highscore, ShowsTheTenBestHighestFirst)
{
    add(GetParam().records);
    const HighscoreList list = loadHighscore(platform::resultsDatabasePath());
    ASSERT_TRUE(list.status.isOk()) << list.status.reason().toStdString();
    EXPECT_EQ(picture(list.columns), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, Highscore,
    ::testing::Values(
        HighscoreCase {"NoRecordNoRow", {}, {}}, HighscoreCase {"OneRecord", {"Anna -3"}, {"Anna -3"}},
        HighscoreCase {"TenRecords",
                       {"a 5", "b 1", "c 10", "d 7", "e 3", "f 2", "g 9", "h 4", "i 8", "j 6"},
                       {"c 10", "g 9", "i 8", "d 7", "j 6", "a 5", "h 4", "e 3", "f 2", "b 1"}},
        HighscoreCase {"ElevenRecords",
                       {"a 5", "b 1", "c 10", "d 7", "e 3", "f 2", "g 9", "h 4", "i 8", "j 6", "k 11"},
                       {"k 11", "c 10", "g 9", "i 8", "d 7", "j 6", "a 5", "h 4", "e 3", "f 2"}},
        HighscoreCase {"EqualPointsLastAppendedFirst", {"erst 5", "zweit 5", "dritt 5", "klein 1"},
                       {"dritt 5", "zweit 5", "erst 5", "klein 1"}},
        // The walk counts four further rows but finds only two named records
        // before the best; it stops instead of listing the last one again.
        HighscoreCase {"UnnamedRecordsArePassedOverAndNoneRepeats", {"a 1", "- 2", "b 3", "- 4", "c 5"},
                       {"c 5", "b 3", "a 1"}},
        HighscoreCase {"ALineBreakInANameStaysInItsRow", {"b 3", "Max\r\nMo 5", "a\u2028z 4"},
                       {"Max  Mo 5", "a z 4", "b 3"}}),
    byName);

TEST_F(RecordListTest, HighscoreWithoutADatabaseIsEmptyAndWritesNothing)
{
    const QString missing = folder.file(QStringLiteral("Neu.mdb"));
    const QString empty = folder.file(QStringLiteral("Leer.mdb"));
    folder.write(QStringLiteral("Leer.mdb"), {});
    for (const QString &path : {missing, empty}) {
        const HighscoreList list = loadHighscore(path);
        EXPECT_TRUE(list.status.isOk()) << list.status.reason().toStdString();
        EXPECT_EQ(picture(list.columns), QStringList());
    }
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(QFile(empty).size(), 0);
}

// ---- The filler's stop rules ------------------------------------------------------------

struct WalkCase
{
    const char *name;
    QStringList records;
    const char *start; // "MoveNext", "MoveLast" or a first find's criterion
    platform::FindDirection direction;
    const char *criterion;
    platform::StopRule rule;
    int limit;
    const char *names;
    DbStatus::Code code = DbStatus::Code::Ok;
};

class Walk : public RecordListTest, public ::testing::WithParamInterface<WalkCase>
{
};

TEST_P(Walk, AddsARowPerFindUntilTheStopRule)
{
    const WalkCase &c = GetParam();
    add(c.records);
    auto db = platform::openResultsDatabase(platform::resultsDatabasePath(), platform::ResultsUse::Read);
    ASSERT_TRUE(db.isOk());
    auto opened = RecordSet::open(db.value(), QStringLiteral("Select * from userdaten ORDER BY Name"));
    ASSERT_TRUE(opened.isOk());
    RecordSet &records = opened.value();
    platform::RecordListFiller filler(records);
    filler.addFirstRow();
    filler.addNextRow(); // what a first row replaces
    const QString start = QString::fromUtf8(c.start);
    if (start == u"MoveNext")
        records.MoveNext();
    else if (start == u"MoveLast")
        records.MoveLast();
    else
        records.FindFirst(start);
    filler.addFirstRow();
    EXPECT_EQ(filler.walk(c.direction, QString::fromUtf8(c.criterion), c.rule, c.limit).code(), c.code);
    EXPECT_EQ(filler.columns()[platform::ListColumn::Name].split(QStringLiteral("\r\n")).join(u' '), QString::fromUtf8(c.names));
}

using D = platform::FindDirection;
using S = platform::StopRule;
const char kAny[] = "Name like '*'";
INSTANTIATE_TEST_SUITE_P(Rules, Walk,
    ::testing::Values(WalkCase {"NoAdvanceThroughEveryRecord", {"Udo 1", "anna 2", "Mo 3", "Bert 4"}, "Punkte like '*'",
                          D::Next, kAny, S::NoAdvance, 10000, "anna Bert Mo Udo"},
        WalkCase {"NoAdvanceStopsAtItsLastK", {"a 1", "b 2", "c 3", "d 4", "e 5", "f 6"}, "MoveNext", D::Next, kAny,
            S::NoAdvance, 2, "b c d e"},
        WalkCase {"NoAdvanceOverNoRecord", {}, "Punkte like '*'", D::Next, kAny, S::NoAdvance, 10000, ""},
        WalkCase {"NoAdvanceOverOneRecord", {"a 1"}, "Punkte like '*'", D::Next, kAny, S::NoAdvance, 10000, "a"},
        WalkCase {"NoMatchListsTheMatches", {"Mona 1", "Ali 2", "mo 3", "Udo 4", "Moritz 5"}, "Name like 'Mo*'",
            D::Next, "Name like 'Mo*'", S::NoMatch, 10000, "mo Mona Moritz"},
        WalkCase {"NoMatchStopsAfterItsSteps", {"Mo1 1", "Mo2 2", "Mo3 3", "Mo4 4"}, "Name like 'Mo*'", D::Next,
            "Name like 'Mo*'", S::NoMatch, 2, "Mo1 Mo2 Mo3"},
        WalkCase {"CountAddsTheRowsCounted", {"a 1", "b 2", "c 3", "d 4"}, "MoveLast", D::Previous, kAny, S::Count, 2,
            "d c b"},
        WalkCase {"AMalformedCriterionAddsNoRow", {"a 1", "b 2"}, "MoveLast", D::Previous, "Name like 'O'Brien*'",
            S::NoMatch, 10, "b", DbStatus::Code::BadCriterion}),
    byName);

} // namespace
