#include "platform/recordset.h"
#include "results/highscore.h"
#include "results/recordlist.h"
#include "results/resultsdb.h"
#include "results/saving.h"
#include "resultstable.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QStringList>

using platform::DbStatus;
using platform::RecordSet;
using results_testing::execute;

namespace {

const QString kByName = QStringLiteral("Select userdaten.* from userdaten ORDER BY userdaten.Name");

class RecordListTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto db = openResultsDatabase(resultsDatabasePath(), ResultsUse::Append);
        ASSERT_TRUE(db.isOk()) << db.status().reason().toStdString();
    }

    // Records as "Name Punkte" in the order they are appended; "-" for a
    // Null name.
    void add(const QStringList &rows)
    {
        QString sql = QStringLiteral("BEGIN;");
        int day = 1;
        for (const QString &row : rows) {
            const QString name = row.section(u' ', 0, 0);
            sql += QStringLiteral("INSERT INTO userdaten VALUES (%1, %2, 'Memory', %3, '2024-05-%4');")
                       .arg(name == u"-" ? QStringLiteral("NULL") : u'\'' + name + u'\'', row.section(u' ', 1, 1))
                       .arg(day % 3 + 1)
                       .arg(day % 28 + 1, 2, 10, QLatin1Char('0'));
            ++day;
        }
        sql += QStringLiteral("COMMIT;");
        ASSERT_TRUE(execute(resultsDatabasePath(), sql.toUtf8().constData()));
    }

    static QStringList lines(const QString &column) { return column.split(QStringLiteral("\r\n")); }

    RecordSet open(const QString &sql)
    {
        auto db = openResultsDatabase(resultsDatabasePath(), ResultsUse::Read);
        auto opened = RecordSet::open(db.value(), sql);
        EXPECT_TRUE(opened.isOk());
        return opened.isOk() ? std::move(opened.value()) : RecordSet();
    }

    testing_support::ProgramFolderFixture folder;
};

// ---- Highscore --------------------------------------------------------------------

TEST_F(RecordListTest, HighscoreOfNoRecordLeavesEveryColumnEmpty)
{
    const HighscoreList list = loadHighscore(resultsDatabasePath());
    ASSERT_TRUE(list.status.isOk());
    for (const QString &column : list.columns.text)
        EXPECT_EQ(column, QString());
}

TEST_F(RecordListTest, HighscoreOfOneRecordIsOneRowOfEveryField)
{
    ASSERT_TRUE(appendRecords(resultsDatabasePath(),
                              {{QStringLiteral("Anna"), -3, QStringLiteral("Schweinchen"), 2, QDate(2024, 3, 9)}})
                    .isOk());
    const HighscoreList list = loadHighscore(resultsDatabasePath());
    ASSERT_TRUE(list.status.isOk());
    EXPECT_EQ(list.columns[ListColumn::Name], QStringLiteral("Anna"));
    EXPECT_EQ(list.columns[ListColumn::Punkte], QStringLiteral("-3"));
    EXPECT_EQ(list.columns[ListColumn::Level], QStringLiteral("2"));
    EXPECT_EQ(list.columns[ListColumn::Datum], QStringLiteral("09.03.2024"));
    EXPECT_EQ(list.columns[ListColumn::Spiel], QStringLiteral("Schweinchen"));
    EXPECT_EQ(list.bound[ListColumn::Name], QStringLiteral("Anna"));
}

TEST_F(RecordListTest, HighscoreOfTenRecordsShowsAllHighestFirst)
{
    add({"a 5", "b 1", "c 10", "d 7", "e 3", "f 2", "g 9", "h 4", "i 8", "j 6"});
    const HighscoreList list = loadHighscore(resultsDatabasePath());
    EXPECT_EQ(lines(list.columns[ListColumn::Name]), QStringList({"c", "g", "i", "d", "j", "a", "h", "e", "f", "b"}));
    EXPECT_EQ(lines(list.columns[ListColumn::Punkte]), QStringList({"10", "9", "8", "7", "6", "5", "4", "3", "2", "1"}));
}

TEST_F(RecordListTest, HighscoreOfElevenRecordsShowsTheTenBest)
{
    add({"a 5", "b 1", "c 10", "d 7", "e 3", "f 2", "g 9", "h 4", "i 8", "j 6", "k 11"});
    const HighscoreList list = loadHighscore(resultsDatabasePath());
    EXPECT_EQ(lines(list.columns[ListColumn::Name]), QStringList({"k", "c", "g", "i", "d", "j", "a", "h", "e", "f"}));
    for (const QString &column : list.columns.text)
        EXPECT_EQ(lines(column).size(), 10);
}

TEST_F(RecordListTest, HighscoreShowsEqualPointsLastAppendedFirst)
{
    add({"erst 5", "zweit 5", "dritt 5", "klein 1"});
    const HighscoreList list = loadHighscore(resultsDatabasePath());
    EXPECT_EQ(lines(list.columns[ListColumn::Name]), QStringList({"dritt", "zweit", "erst", "klein"}));
}

TEST_F(RecordListTest, HighscoreLinesOfOneRecordStandLevelInEveryColumn)
{
    add({"a 5", "b 9", "c 7"});
    const HighscoreList list = loadHighscore(resultsDatabasePath());
    EXPECT_EQ(lines(list.columns[ListColumn::Name]), QStringList({"b", "c", "a"}));
    EXPECT_EQ(lines(list.columns[ListColumn::Punkte]), QStringList({"9", "7", "5"}));
    EXPECT_EQ(lines(list.columns[ListColumn::Level]), QStringList({"3", "1", "2"}));
    EXPECT_EQ(lines(list.columns[ListColumn::Datum]), QStringList({"03.05.2024", "04.05.2024", "02.05.2024"}));
    EXPECT_EQ(lines(list.columns[ListColumn::Spiel]), QStringList({"Memory", "Memory", "Memory"}));
}

TEST_F(RecordListTest, HighscorePassesOverRecordsWithoutANameAndStopsWhenNoNamedRecordIsLeft)
{
    // Two unnamed records among five: the walk counts four further rows but
    // finds only two named records before the best one. It stops there
    // instead of listing the last record found a second time.
    add({"a 1", "- 2", "b 3", "- 4", "c 5"});
    const HighscoreList list = loadHighscore(resultsDatabasePath());
    EXPECT_EQ(lines(list.columns[ListColumn::Name]), QStringList({"c", "b", "a"}));
    EXPECT_EQ(lines(list.columns[ListColumn::Punkte]), QStringList({"5", "3", "1"}));
}

TEST_F(RecordListTest, HighscoreFromAFileThatIsNotOursIsEmptyWithAReasonAndTheFileStays)
{
    folder.write(QStringLiteral("Fremd.mdb"), "kein SQLite");
    const HighscoreList list = loadHighscore(folder.file(QStringLiteral("Fremd.mdb")));
    EXPECT_EQ(list.status.code(), DbStatus::Code::NotADatabase);
    for (const QString &column : list.columns.text)
        EXPECT_EQ(column, QString());
    EXPECT_EQ(folder.read(QStringLiteral("Fremd.mdb")), QByteArray("kein SQLite"));
    EXPECT_TRUE(highscoreFailureMessage(list.status).startsWith(QStringLiteral("Die Highscore-Liste kann nicht")));
}

TEST_F(RecordListTest, HighscoreOfAMissingFileIsEmptyAndMakesNoFile)
{
    const QString path = folder.file(QStringLiteral("Neu.mdb"));
    const HighscoreList list = loadHighscore(path);
    EXPECT_TRUE(list.status.isOk()) << list.status.reason().toStdString();
    EXPECT_EQ(list.columns[ListColumn::Name], QString());
    EXPECT_FALSE(QFile::exists(path));
}

// ---- The filler's stop rules ------------------------------------------------------------

TEST_F(RecordListTest, NoAdvanceWalksForwardByNameThroughEveryRecord)
{
    add({"Udo 1", "anna 2", "Mo 3", "Bert 4"});
    RecordSet records = open(kByName);
    RecordListFiller filler(records);
    records.FindFirst(QStringLiteral("Punkte like '*'"));
    filler.addFirstRow();
    ASSERT_TRUE(filler.walk(FindDirection::Next, QStringLiteral("Name like '*'"), StopRule::NoAdvance, 10000).isOk());
    EXPECT_EQ(lines(filler.columns()[ListColumn::Name]), QStringList({"anna", "Bert", "Mo", "Udo"}));
    EXPECT_EQ(records.AbsolutePosition(), 3) << "the walk ends on the last record";
}

TEST_F(RecordListTest, NoAdvanceStopsAtTheLastKItWasGiven)
{
    add({"a 1", "b 2", "c 3", "d 4", "e 5", "f 6"});
    RecordSet records = open(kByName);
    RecordListFiller filler(records);
    filler.addFirstRow();
    // A page: the current record and the finds k = 0 to 2 after it.
    records.MoveNext();
    filler.addFirstRow();
    filler.walk(FindDirection::Next, QStringLiteral("Name like '*'"), StopRule::NoAdvance, 2);
    EXPECT_EQ(lines(filler.columns()[ListColumn::Name]), QStringList({"b", "c", "d", "e"}));
}

TEST_F(RecordListTest, NoAdvanceOverOneOrNoRecordGivesOneRow)
{
    RecordSet empty = open(kByName);
    RecordListFiller none(empty);
    empty.FindFirst(QStringLiteral("Punkte like '*'"));
    none.addFirstRow();
    none.walk(FindDirection::Next, QStringLiteral("Name like '*'"), StopRule::NoAdvance, 10000);
    for (const QString &column : none.columns().text)
        EXPECT_EQ(column, QString());
    EXPECT_EQ(empty.AbsolutePosition(), -1);

    add({"a 1"});
    RecordSet one = open(kByName);
    RecordListFiller single(one);
    one.FindFirst(QStringLiteral("Punkte like '*'"));
    single.addFirstRow();
    single.walk(FindDirection::Next, QStringLiteral("Name like '*'"), StopRule::NoAdvance, 10000);
    EXPECT_EQ(single.columns()[ListColumn::Name], QStringLiteral("a"));
}

TEST_F(RecordListTest, NoMatchListsTheMatchesInNameOrderAndStops)
{
    add({"Mona 1", "Ali 2", "mo 3", "Udo 4", "Moritz 5"});
    RecordSet records = open(kByName);
    RecordListFiller filler(records);
    const QString criterion = QStringLiteral("Name like 'Mo*'");
    records.FindFirst(criterion);
    filler.addFirstRow();
    filler.walk(FindDirection::Next, criterion, StopRule::NoMatch, 10000);
    EXPECT_EQ(lines(filler.columns()[ListColumn::Name]), QStringList({"mo", "Mona", "Moritz"}));
    EXPECT_EQ(lines(filler.columns()[ListColumn::Punkte]), QStringList({"3", "1", "5"}));
    EXPECT_EQ(records.fieldText(u"Name"), QStringLiteral("Moritz"));
}

TEST_F(RecordListTest, NoMatchStopsAfterTheStepsItWasGiven)
{
    add({"Mo1 1", "Mo2 2", "Mo3 3", "Mo4 4"});
    RecordSet records = open(kByName);
    RecordListFiller filler(records);
    records.FindFirst(QStringLiteral("Name like 'Mo*'"));
    filler.addFirstRow();
    filler.walk(FindDirection::Next, QStringLiteral("Name like 'Mo*'"), StopRule::NoMatch, 2);
    EXPECT_EQ(lines(filler.columns()[ListColumn::Name]), QStringList({"Mo1", "Mo2", "Mo3"}));
}

TEST_F(RecordListTest, CountAddsExactlyTheRowsCountedWhileFindsMatch)
{
    add({"a 1", "b 2", "c 3", "d 4"});
    RecordSet records = open(kByName);
    RecordListFiller filler(records);
    records.MoveLast();
    filler.addFirstRow();
    filler.walk(FindDirection::Previous, QStringLiteral("Name like '*'"), StopRule::Count, 2);
    EXPECT_EQ(lines(filler.columns()[ListColumn::Name]), QStringList({"d", "c", "b"}));
}

TEST_F(RecordListTest, AFirstRowReplacesWhatTheColumnsHeld)
{
    add({"a 1", "b 2"});
    RecordSet records = open(kByName);
    RecordListFiller filler(records);
    filler.addFirstRow();
    filler.addNextRow();
    records.MoveLast();
    filler.addFirstRow();
    EXPECT_EQ(filler.columns()[ListColumn::Name], QStringLiteral("b"));
}

TEST_F(RecordListTest, AMalformedCriterionIsReportedAndAddsNoRow)
{
    add({"a 1", "b 2"});
    RecordSet records = open(kByName);
    RecordListFiller filler(records);
    filler.addFirstRow();
    const DbStatus status = filler.walk(FindDirection::Next, QStringLiteral("Name like 'O'Brien*'"), StopRule::NoMatch, 10);
    EXPECT_EQ(status.code(), DbStatus::Code::BadCriterion);
    EXPECT_EQ(filler.columns()[ListColumn::Name], QStringLiteral("a"));
}

} // namespace
