#include "platform/dbconnection.h"
#include "platform/recordset.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDate>
#include <QtCore/QStringList>

#include <sqlite3.h>

using platform::DbConnection;
using platform::DbStatus;
using platform::RecordSet;

namespace {

const QString kByPoints = QStringLiteral("Select userdaten.* from userdaten ORDER BY userdaten.Punkte");
const QString kByName = QStringLiteral("Select userdaten.* from userdaten ORDER BY userdaten.Name");

class RecordSetTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto opened = DbConnection::open(folder.file(QStringLiteral("t.db")));
        ASSERT_TRUE(opened.isOk()) << opened.status().reason().toStdString();
        db = opened.value();
        ASSERT_TRUE(db.exec("CREATE TABLE userdaten (Name TEXT, Punkte SMALLINT, Spiel TEXT, Level SMALLINT, "
                            "Datum DATE)")
                        .isOk());
    }

    // Rows as "Name Punkte", appended in this order; "-" for Null.
    void add(std::initializer_list<const char *> rows)
    {
        for (const char *row : rows) {
            const QStringList parts = QString::fromUtf8(row).split(u' ');
            const QString name = parts[0] == u"-" ? QStringLiteral("NULL") : u'\'' + parts[0] + u'\'';
            const QString points = parts[1] == u"-" ? QStringLiteral("NULL") : parts[1];
            const QByteArray sql = QStringLiteral("INSERT INTO userdaten VALUES (%1, %2, 'Memory', 1, '2024-03-05')")
                                       .arg(name, points)
                                       .toUtf8();
            ASSERT_TRUE(db.exec(sql.constData()).isOk()) << sql.constData();
        }
    }

    RecordSet open(const QString &sql)
    {
        auto opened = RecordSet::open(db, sql);
        EXPECT_TRUE(opened.isOk()) << opened.status().reason().toStdString();
        return opened.isOk() ? std::move(opened.value()) : RecordSet();
    }

    // Every record's name in the set's order.
    static QStringList names(RecordSet &records)
    {
        QStringList list;
        if (records.MoveFirst().isOk()) {
            while (!records.Eof()) {
                list << records.fieldText(u"Name");
                records.MoveNext();
            }
        }
        return list;
    }

    QStringList tableNames()
    {
        RecordSet all = open(QStringLiteral("userdaten"));
        return names(all);
    }

    testing_support::ProgramFolderFixture folder;
    DbConnection db;
};

// ---- Opening ------------------------------------------------------------------

TEST_F(RecordSetTest, SortsByPointsAsNumbersAndKeepsTheAppendOrderAmongEqualPoints)
{
    add({"a 10", "b 9", "c 10", "d -3", "e 9", "f 100"});
    RecordSet records = open(kByPoints);
    EXPECT_EQ(names(records), QStringList({"d", "b", "e", "a", "c", "f"}));
}

TEST_F(RecordSetTest, SortsByNameWithoutRegardToCaseAndKeepsTheAppendOrderAmongEqualNames)
{
    add({"bert 1", "Anna 2", "anna 3", "Bert 4", "Anna 5", "carl 6"});
    RecordSet records = open(kByName);
    QStringList points;
    records.MoveFirst();
    while (!records.Eof()) {
        points << records.fieldText(u"Punkte");
        records.MoveNext();
    }
    EXPECT_EQ(points, QStringList({"2", "3", "5", "1", "4", "6"}));
}

TEST_F(RecordSetTest, ATableNameAloneGivesItsRecordsInTheOrderTheyWereAppended)
{
    add({"c 1", "a 2", "b 3"});
    RecordSet records = open(QStringLiteral("Userdaten"));
    EXPECT_EQ(names(records), QStringList({"c", "a", "b"}));
}

TEST_F(RecordSetTest, TableAndFieldNamesAreMatchedWithoutRegardToCase)
{
    add({"a 2", "b 1"});
    RecordSet records = open(QStringLiteral("select USERDATEN.* FROM UserDaten order by userDATEN.punkte desc;"));
    EXPECT_EQ(names(records), QStringList({"a", "b"}));
    EXPECT_EQ(records.fieldIndex(u"PUNKTE"), records.fieldIndex(u"Punkte"));
    EXPECT_GE(records.fieldIndex(u"datum"), 0);
    EXPECT_EQ(records.fieldIndex(u"Alter"), -1);
}

struct BadQueryCase
{
    const char *name;
    const char *sql;
};

class RecordSetBadQuery : public RecordSetTest, public ::testing::WithParamInterface<BadQueryCase>
{
};

TEST_P(RecordSetBadQuery, IsRefusedWithAReason)
{
    auto opened = RecordSet::open(db, QString::fromUtf8(GetParam().sql));
    ASSERT_FALSE(opened.isOk());
    EXPECT_EQ(opened.status().code(), DbStatus::Code::BadQuery);
    EXPECT_TRUE(opened.status().reason().contains(QString::fromUtf8(GetParam().sql)));
}

INSTANTIATE_TEST_SUITE_P(
    Queries, RecordSetBadQuery,
    ::testing::Values(BadQueryCase {"UnknownTable", "Select x.* from x"},
                      BadQueryCase {"UnknownSortField", "Select userdaten.* from userdaten ORDER BY userdaten.Alter"},
                      BadQueryCase {"OtherTableInTheSelection", "Select x.* from userdaten"},
                      BadQueryCase {"Where", "Select * from userdaten where Punkte > 3"},
                      BadQueryCase {"TwoStatements", "Select * from userdaten; DROP TABLE userdaten"},
                      BadQueryCase {"UnclosedBracket", "Select * from [userdaten"},
                      BadQueryCase {"Empty", ""}),
    [](const ::testing::TestParamInfo<BadQueryCase> &row) { return std::string(row.param.name); });

TEST_F(RecordSetTest, FieldsReadAsTheBoundBoxesShowThem)
{
    ASSERT_TRUE(db.exec("INSERT INTO userdaten VALUES ('Jörg', -5, 'Schweinchen', 3, '2024-12-01'), "
                        "(NULL, NULL, NULL, NULL, NULL)")
                    .isOk());
    RecordSet records = open(QStringLiteral("userdaten"));
    EXPECT_EQ(records.fieldText(u"Name"), QStringLiteral("Jörg"));
    EXPECT_EQ(records.fieldText(u"Punkte"), QStringLiteral("-5"));
    EXPECT_EQ(records.fieldText(u"Spiel"), QStringLiteral("Schweinchen"));
    EXPECT_EQ(records.fieldText(u"Level"), QStringLiteral("3"));
    EXPECT_EQ(records.fieldText(u"Datum"), QStringLiteral("01.12.2024"));
    records.MoveNext();
    for (const char16_t *field : {u"Name", u"Punkte", u"Spiel", u"Level", u"Datum"}) {
        EXPECT_EQ(records.fieldText(QStringView(field)), QString());
        EXPECT_TRUE(records.isNull(records.fieldIndex(QStringView(field))));
    }
    records.MoveNext();
    ASSERT_TRUE(records.Eof());
    EXPECT_EQ(records.fieldText(u"Name"), QString());
    EXPECT_EQ(records.fieldText(u"Unbekannt"), QString());
}

// ---- Position and finds --------------------------------------------------------------

TEST_F(RecordSetTest, AnEmptySetHasNoCurrentRecordAndNoMatchesAndRefusesMoves)
{
    RecordSet records = open(kByPoints);
    EXPECT_EQ(records.recordCount(), 0);
    EXPECT_EQ(records.AbsolutePosition(), -1);
    EXPECT_TRUE(records.Eof());
    EXPECT_TRUE(records.Bof());
    EXPECT_EQ(records.fieldText(u"Name"), QString());
    ASSERT_TRUE(records.FindFirst(QStringLiteral("Punkte like '*'")).isOk());
    EXPECT_TRUE(records.NoMatch());
    ASSERT_TRUE(records.FindNext(QStringLiteral("Name like '*'")).isOk());
    EXPECT_TRUE(records.NoMatch());
    EXPECT_EQ(records.AbsolutePosition(), -1);
    EXPECT_EQ(records.MoveFirst().code(), DbStatus::Code::NoCurrentRecord);
    EXPECT_EQ(records.MoveLast().code(), DbStatus::Code::NoCurrentRecord);
    EXPECT_EQ(records.MoveNext().code(), DbStatus::Code::NoCurrentRecord);
    EXPECT_EQ(records.Delete().code(), DbStatus::Code::NoCurrentRecord);
}

TEST_F(RecordSetTest, AFreshSetStandsOnItsFirstRecord)
{
    add({"a 1", "b 2"});
    RecordSet records = open(kByPoints);
    EXPECT_EQ(records.AbsolutePosition(), 0);
    EXPECT_FALSE(records.Eof());
    EXPECT_FALSE(records.Bof());
}

TEST_F(RecordSetTest, FindsMoveToMatchesAndAFailedFindLeavesTheCurrentRecordAtBothEnds)
{
    add({"Mo1 1", "Ali 2", "Mo2 3", "Udo 4"});
    RecordSet records = open(kByPoints);
    const QString mo = QStringLiteral("Name like 'mo*'");

    ASSERT_TRUE(records.FindLast(mo).isOk());
    EXPECT_FALSE(records.NoMatch());
    EXPECT_EQ(records.AbsolutePosition(), 2);
    ASSERT_TRUE(records.FindNext(mo).isOk());
    EXPECT_TRUE(records.NoMatch());
    EXPECT_EQ(records.AbsolutePosition(), 2) << "no match leaves the last match current";
    EXPECT_EQ(records.fieldText(u"Name"), QStringLiteral("Mo2"));

    ASSERT_TRUE(records.FindPrevious(mo).isOk());
    EXPECT_FALSE(records.NoMatch()) << "a match clears NoMatch";
    EXPECT_EQ(records.AbsolutePosition(), 0);
    ASSERT_TRUE(records.FindPrevious(mo).isOk());
    EXPECT_TRUE(records.NoMatch());
    EXPECT_EQ(records.AbsolutePosition(), 0);

    ASSERT_TRUE(records.FindFirst(QStringLiteral("Name like 'U*'")).isOk());
    EXPECT_EQ(records.AbsolutePosition(), 3);
    ASSERT_TRUE(records.FindNext(QStringLiteral("Name like '*'")).isOk());
    EXPECT_TRUE(records.NoMatch()) << "nothing follows the last record";
    EXPECT_EQ(records.AbsolutePosition(), 3);
    ASSERT_TRUE(records.FindFirst(QStringLiteral("Name like 'X*'")).isOk());
    EXPECT_TRUE(records.NoMatch());
    EXPECT_EQ(records.AbsolutePosition(), 3);
}

TEST_F(RecordSetTest, FindsSearchFromTheEndsWhenThereIsNoCurrentRecord)
{
    add({"a 1", "b 2"});
    RecordSet records = open(kByPoints);
    records.MoveNext();
    records.MoveNext();
    ASSERT_TRUE(records.Eof());
    records.FindPrevious(QStringLiteral("Name like '*'"));
    EXPECT_EQ(records.AbsolutePosition(), 1);
    records.MovePrevious();
    records.MovePrevious();
    ASSERT_TRUE(records.Bof());
    EXPECT_EQ(records.AbsolutePosition(), -1);
    records.FindNext(QStringLiteral("Name like '*'"));
    EXPECT_EQ(records.AbsolutePosition(), 0);
}

TEST_F(RecordSetTest, NullNeverMatchesNotEvenAStar)
{
    add({"- 5", "a -", "- 7"});
    RecordSet records = open(QStringLiteral("userdaten"));
    records.FindFirst(QStringLiteral("Name like '*'"));
    EXPECT_EQ(records.AbsolutePosition(), 1);
    records.FindFirst(QStringLiteral("Punkte like '*'"));
    EXPECT_EQ(records.AbsolutePosition(), 0);
    records.FindNext(QStringLiteral("Punkte like '*'"));
    EXPECT_EQ(records.AbsolutePosition(), 2);
    records.FindPrevious(QStringLiteral("Name like '*'"));
    EXPECT_EQ(records.AbsolutePosition(), 1);
    records.FindPrevious(QStringLiteral("Name like '*'"));
    EXPECT_TRUE(records.NoMatch());
}

TEST_F(RecordSetTest, NumbersAndDatesMatchAsTheyReadAsText)
{
    ASSERT_TRUE(db.exec("INSERT INTO userdaten VALUES ('a', 12, 'Memory', 1, '2023-01-09'), "
                        "('b', -12, 'Memory', 1, '2024-07-31')")
                    .isOk());
    RecordSet records = open(QStringLiteral("userdaten"));
    records.FindFirst(QStringLiteral("Punkte like '-1#'"));
    EXPECT_EQ(records.AbsolutePosition(), 1);
    records.FindFirst(QStringLiteral("Datum like '09.01.*'"));
    EXPECT_EQ(records.AbsolutePosition(), 0);
    records.FindFirst(QStringLiteral("Datum like '*.2024'"));
    EXPECT_EQ(records.AbsolutePosition(), 1);
}

TEST_F(RecordSetTest, AMalformedCriterionIsReportedAndChangesNothing)
{
    add({"a 1", "b 2", "c 3"});
    RecordSet records = open(kByPoints);
    records.MoveNext();
    records.FindNext(QStringLiteral("Name like 'x*'"));
    ASSERT_TRUE(records.NoMatch());
    int repositioned = 0;
    records.setOnReposition([&] { ++repositioned; });
    for (const char *criterion : {"Name like 'O'Brien*'", "Name like '[a*'", "Alter like '*'", "Name = 'a'"}) {
        const DbStatus status = records.FindFirst(QString::fromUtf8(criterion));
        EXPECT_EQ(status.code(), DbStatus::Code::BadCriterion) << criterion;
        EXPECT_TRUE(status.reason().contains(QString::fromUtf8(criterion))) << status.reason().toStdString();
        EXPECT_EQ(records.AbsolutePosition(), 1);
        EXPECT_TRUE(records.NoMatch());
    }
    EXPECT_EQ(repositioned, 0);
    EXPECT_EQ(tableNames(), QStringList({"a", "b", "c"}));
}

TEST_F(RecordSetTest, MovesWalkToEitherEndAndNoFurther)
{
    add({"a 1", "b 2", "c 3"});
    RecordSet records = open(kByPoints);
    ASSERT_TRUE(records.MoveLast().isOk());
    EXPECT_EQ(records.AbsolutePosition(), 2);
    ASSERT_TRUE(records.MoveNext().isOk());
    EXPECT_TRUE(records.Eof());
    EXPECT_EQ(records.AbsolutePosition(), -1);
    EXPECT_EQ(records.MoveNext().code(), DbStatus::Code::NoCurrentRecord);
    ASSERT_TRUE(records.MoveFirst().isOk());
    EXPECT_EQ(records.AbsolutePosition(), 0);
    ASSERT_TRUE(records.MovePrevious().isOk());
    EXPECT_TRUE(records.Bof());
    EXPECT_EQ(records.MovePrevious().code(), DbStatus::Code::NoCurrentRecord);
}

TEST_F(RecordSetTest, EveryChangeOfTheCurrentRecordIsAnnouncedAndAFailedFindIsNot)
{
    add({"a 1", "b 2", "c 3"});
    RecordSet records = open(kByPoints);
    QList<int> positions;
    records.setOnReposition([&] { positions << records.AbsolutePosition(); });
    records.MoveLast();
    records.FindPrevious(QStringLiteral("Name like '*'"));
    records.FindFirst(QStringLiteral("Name like 'x'"));
    records.MoveFirst();
    records.MoveNext();
    records.Delete();
    records.MoveNext();
    EXPECT_EQ(positions, QList<int>({2, 1, 0, 1, -1, 1}));
}

// ---- Delete ---------------------------------------------------------------------------

TEST_F(RecordSetTest, DeletingTheLastRecordLeavesNoCurrentRecordAndTheNextMoveReachesTheEnd)
{
    add({"a 1", "b 2", "c 3"});
    RecordSet records = open(kByPoints);
    records.MoveLast();
    ASSERT_TRUE(records.Delete().isOk());
    EXPECT_EQ(records.AbsolutePosition(), -1);
    EXPECT_EQ(records.fieldText(u"Name"), QString());
    EXPECT_FALSE(records.Eof()) << "the end is reached by moving on";
    ASSERT_TRUE(records.MoveNext().isOk());
    EXPECT_TRUE(records.Eof());
    ASSERT_TRUE(records.MoveLast().isOk());
    EXPECT_EQ(records.fieldText(u"Name"), QStringLiteral("b"));
    EXPECT_EQ(records.recordCount(), 2);
    EXPECT_EQ(tableNames(), QStringList({"a", "b"}));
}

TEST_F(RecordSetTest, AfterDeletingARecordTheNextMoveOrFindReachesTheOneThatFollowedIt)
{
    add({"a 1", "b 2", "c 3", "d 4"});
    RecordSet records = open(kByPoints);
    records.MoveNext();
    ASSERT_TRUE(records.Delete().isOk());
    records.MoveNext();
    EXPECT_EQ(records.fieldText(u"Name"), QStringLiteral("c"));
    EXPECT_EQ(records.AbsolutePosition(), 1);
    ASSERT_TRUE(records.Delete().isOk());
    records.FindNext(QStringLiteral("Name like '*'"));
    EXPECT_EQ(records.fieldText(u"Name"), QStringLiteral("d"));
    EXPECT_EQ(tableNames(), QStringList({"a", "d"}));
}

TEST_F(RecordSetTest, DeletingRecordByRecordFromTheFirstEmptiesTheTable)
{
    add({"a 1", "b 2", "c 3"});
    RecordSet records = open(kByName);
    records.MoveFirst();
    while (!records.Eof()) {
        ASSERT_TRUE(records.Delete().isOk());
        records.MoveNext();
    }
    EXPECT_EQ(records.recordCount(), 0);
    EXPECT_EQ(tableNames(), QStringList());
}

TEST_F(RecordSetTest, DeletingTheOnlyRecordLeavesNothingToMoveToAndNoCrash)
{
    add({"a 1"});
    RecordSet records = open(kByName);
    ASSERT_TRUE(records.Delete().isOk());
    records.MoveNext();
    EXPECT_TRUE(records.Eof());
    EXPECT_EQ(records.MoveLast().code(), DbStatus::Code::NoCurrentRecord);
    EXPECT_EQ(records.AbsolutePosition(), -1);
    EXPECT_EQ(records.Delete().code(), DbStatus::Code::NoCurrentRecord);
}

TEST_F(RecordSetTest, DeletingOneOfTwoEqualRecordsLeavesTheOther)
{
    add({"a 1", "a 1"});
    RecordSet records = open(kByName);
    ASSERT_TRUE(records.Delete().isOk());
    EXPECT_EQ(tableNames(), QStringList({"a"}));
}

// ---- AddNew / Update ---------------------------------------------------------------------

TEST_F(RecordSetTest, AnAddedRecordIsStoredAndJoinsTheSetAtItsEnd)
{
    add({"a 5", "b 9"});
    RecordSet records = open(kByPoints);
    ASSERT_TRUE(records.AddNew().isOk());
    ASSERT_TRUE(records.setField(u"name", QStringLiteral("Neu")).isOk());
    ASSERT_TRUE(records.setField(u"PUNKTE", qint16(1)).isOk());
    ASSERT_TRUE(records.setField(u"Spiel", QStringLiteral("Memory")).isOk());
    ASSERT_TRUE(records.setField(u"Level", 2).isOk());
    ASSERT_TRUE(records.setField(u"Datum", QDate(2024, 2, 29)).isOk());
    ASSERT_TRUE(records.Update().isOk());
    EXPECT_EQ(records.AbsolutePosition(), 0) << "the current record stays";
    EXPECT_EQ(records.recordCount(), 3);
    records.MoveLast();
    EXPECT_EQ(records.fieldText(u"Name"), QStringLiteral("Neu"));
    EXPECT_EQ(records.fieldText(u"Datum"), QStringLiteral("29.02.2024"));

    sqlite3_stmt *statement = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db.handle(),
                                 "SELECT typeof(Punkte), Punkte, Level, Datum FROM userdaten WHERE Name = 'Neu'", -1,
                                 &statement, nullptr),
              SQLITE_OK);
    ASSERT_EQ(sqlite3_step(statement), SQLITE_ROW);
    EXPECT_STREQ(reinterpret_cast<const char *>(sqlite3_column_text(statement, 0)), "integer");
    EXPECT_EQ(sqlite3_column_int(statement, 1), 1);
    EXPECT_EQ(sqlite3_column_int(statement, 2), 2);
    EXPECT_STREQ(reinterpret_cast<const char *>(sqlite3_column_text(statement, 3)), "2024-02-29");
    sqlite3_finalize(statement);

    RecordSet reopened = open(kByPoints);
    EXPECT_EQ(names(reopened), QStringList({"Neu", "a", "b"}));
}

TEST_F(RecordSetTest, ValuesThatDoNotFitTheirFieldAreRefusedAndNothingIsStored)
{
    RecordSet records = open(QStringLiteral("userdaten"));
    ASSERT_TRUE(records.AddNew().isOk());
    EXPECT_EQ(records.setField(u"Punkte", QStringLiteral("viele")).code(), DbStatus::Code::BadValue);
    EXPECT_EQ(records.setField(u"Punkte", 40000).code(), DbStatus::Code::BadValue);
    EXPECT_EQ(records.setField(u"Level", -32769).code(), DbStatus::Code::BadValue);
    EXPECT_EQ(records.setField(u"Datum", QStringLiteral("gestern")).code(), DbStatus::Code::BadValue);
    EXPECT_EQ(records.setField(u"Alter", 7).code(), DbStatus::Code::BadValue);
    EXPECT_TRUE(records.setField(u"Punkte", -32768).isOk());
    EXPECT_TRUE(records.setField(u"Level", 32767).isOk());
    records.CancelUpdate();
    EXPECT_EQ(records.Update().code(), DbStatus::Code::NoCurrentRecord);
    EXPECT_EQ(records.setField(u"Name", QStringLiteral("x")).code(), DbStatus::Code::NoCurrentRecord);
    EXPECT_EQ(tableNames(), QStringList());
}

TEST_F(RecordSetTest, AnAppendOnlySetReadsNoRecordsButStoresNewOnes)
{
    add({"a 1"});
    auto opened = RecordSet::open(db, QStringLiteral("Userdaten"), RecordSet::Options::AppendOnly);
    ASSERT_TRUE(opened.isOk());
    RecordSet &records = opened.value();
    EXPECT_EQ(records.recordCount(), 0);
    ASSERT_TRUE(records.AddNew().isOk());
    ASSERT_TRUE(records.setField(u"Name", QStringLiteral("b")).isOk());
    ASSERT_TRUE(records.Update().isOk());
    EXPECT_EQ(records.recordCount(), 0);
    EXPECT_EQ(tableNames(), QStringList({"a", "b"}));
}

TEST_F(RecordSetTest, TheSetKeepsItsConnectionAfterTheCallerLetsGoOfIt)
{
    add({"a 1"});
    RecordSet records = open(kByName);
    db = DbConnection();
    ASSERT_TRUE(records.AddNew().isOk());
    ASSERT_TRUE(records.setField(u"Name", QStringLiteral("b")).isOk());
    EXPECT_TRUE(records.Update().isOk());
    EXPECT_EQ(records.recordCount(), 2);
}

} // namespace
