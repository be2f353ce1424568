#include "platform/dbconnection.h"
#include "platform/recordset.h"
#include "support/sqlitefile.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtCore/QDate>
#include <QtCore/QStringList>

#include <functional>
#include <map>

using platform::DbConnection;
using platform::DbStatus;
using platform::RecordSet;

namespace {

const char kByPoints[] = "Select userdaten.* from userdaten ORDER BY userdaten.Punkte";
const char kByName[] = "Select userdaten.* from userdaten ORDER BY userdaten.Name";

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

    // Records as "Name Punkte [Datum]", appended in this order; "-" for Null.
    void add(const QStringList &rows)
    {
        for (const QString &row : rows) {
            const QStringList v = row.split(u' ');
            const QString sql = QStringLiteral("INSERT INTO userdaten VALUES (NULLIF('%1', '-'), NULLIF('%2', '-'), "
                                               "'Memory', 1, '%3')")
                                    .arg(v[0], v[1], v.value(2, QStringLiteral("2024-03-05")));
            ASSERT_TRUE(db.exec(sql.toUtf8().constData()).isOk()) << sql.toStdString();
        }
    }

    RecordSet open(const char *sql)
    {
        auto opened = RecordSet::open(db, QString::fromUtf8(sql));
        EXPECT_TRUE(opened.isOk()) << opened.status().reason().toStdString();
        return opened.isOk() ? std::move(opened.value()) : RecordSet();
    }

    // Every record's field in the set's order, joined by blanks.
    static QString names(RecordSet &records, QStringView field = u"Name")
    {
        QStringList list;
        for (DbStatus moved = records.MoveFirst(); moved.isOk() && !records.Eof(); moved = records.MoveNext())
            list << records.fieldText(field);
        return list.join(u' ');
    }

    testing_support::ProgramFolderFixture folder;
    DbConnection db;
};

TEST_F(RecordSetTest, GivesTheRecordsInTheQuerysOrderEqualKeysInAppendOrder)
{
    add({"bert 1", "Anna 10", "anna 3", "Bert 3", "carl -2"});
    const std::pair<const char *, const char *> queries[] = {
        {kByPoints, "carl bert anna Bert Anna"},
        {kByName, "anna Anna bert Bert carl"},
        {"Userdaten", "bert Anna anna Bert carl"},
        {"select USERDATEN.* FROM UserDaten order by userDATEN.punkte desc;", "Anna anna Bert bert carl"}};
    for (const auto &[sql, order] : queries) {
        RecordSet records = open(sql);
        EXPECT_EQ(names(records), QString::fromUtf8(order)) << sql;
    }
}

// An old file may hold any bytes as a name, or no text at all: Null first,
// invalid UTF-8 as a symbol before the letters, a blob last.
TEST_F(RecordSetTest, NamesOfAnyBytesSortWithTheRest)
{
    ASSERT_TRUE(db.exec("INSERT INTO userdaten (Name, Punkte) VALUES ('b', 1), (CAST(X'C3' AS TEXT), 2), "
                        "(X'FF00', 3), (NULL, 4), (CAST(X'EDA080' AS TEXT), 5), ('a', 6)")
                    .isOk());
    RecordSet records = open(kByName);
    EXPECT_EQ(names(records, u"Punkte"), QStringLiteral("4 2 5 6 1 3"));
}

TEST_F(RecordSetTest, SqlTextItCannotRunIsRefusedWithAGermanReason)
{
    for (const char *sql : {"Select x.* from x", "Select userdaten.* from userdaten ORDER BY userdaten.Alter",
                            "Select x.* from userdaten", "Select * from userdaten where Punkte > 3",
                            "Select * from userdaten; DROP TABLE userdaten", "Select * from [userdaten", ""}) {
        auto opened = RecordSet::open(db, QString::fromUtf8(sql));
        ASSERT_FALSE(opened.isOk()) << sql;
        EXPECT_EQ(opened.status().code(), DbStatus::Code::BadQuery);
        EXPECT_TRUE(opened.status().reason().startsWith(QStringLiteral("Die Abfrage \"%1\"").arg(sql)));
        EXPECT_FALSE(opened.status().reason().contains(QStringLiteral("no such")))
            << "the engine's text stays in the log";
    }
}

TEST_F(RecordSetTest, FieldsReadAsTheBoundBoxesShowThemAndByNameInAnyCase)
{
    ASSERT_TRUE(db.exec("INSERT INTO userdaten VALUES ('Jörg', -5, 'Schweinchen', 3, '2024-12-01'), "
                        "(NULL, NULL, NULL, NULL, NULL)")
                    .isOk());
    RecordSet records = open("userdaten");
    const auto row = [&records] {
        QStringList fields;
        for (const char16_t *field : {u"NAME", u"punkte", u"Spiel", u"Level", u"Datum"})
            fields << records.fieldText(QStringView(field));
        return fields.join(u'|');
    };
    EXPECT_EQ(row(), QStringLiteral("Jörg|-5|Schweinchen|3|01.12.2024"));
    EXPECT_FALSE(records.isNull(records.fieldIndex(u"Punkte")));
    ASSERT_TRUE(records.MoveNext().isOk());
    EXPECT_EQ(row(), QStringLiteral("||||"));
    EXPECT_TRUE(records.isNull(records.fieldIndex(u"Punkte")));
    ASSERT_TRUE(records.MoveNext().isOk());
    EXPECT_EQ(row(), QStringLiteral("||||")) << "no current record";
    EXPECT_EQ(records.fieldIndex(u"Alter"), -1);
    EXPECT_EQ(records.fieldText(u"Alter"), QString());
}

// A step and the state it leaves: "position name" (name "-" when empty),
// then " nomatch", " eof", " bof" as they hold, " bad" or " refused" when the
// step failed (a malformed criterion; nothing to move to or delete), and
// " *" when the set announced a change of its current record.
struct Step
{
    const char *operation, *criterion, *state;
};

struct ScriptCase
{
    const char *name, *sql;
    QStringList rows;
    std::vector<Step> steps;
    const char *tableAfter; // names left in the table
};

using Operation = std::function<DbStatus(RecordSet &, const QString &)>;
const std::map<std::string, Operation> kOperations = {
    {"FindFirst", &RecordSet::FindFirst}, {"FindLast", &RecordSet::FindLast}, {"FindNext", &RecordSet::FindNext},
    {"FindPrevious", &RecordSet::FindPrevious}, {"MoveFirst", [](RecordSet &r, auto &) { return r.MoveFirst(); }},
    {"MoveLast", [](RecordSet &r, auto &) { return r.MoveLast(); }},
    {"MoveNext", [](RecordSet &r, auto &) { return r.MoveNext(); }},
    {"MovePrevious", [](RecordSet &r, auto &) { return r.MovePrevious(); }},
    {"Delete", [](RecordSet &r, auto &) { return r.Delete(); }}};

QString state(const RecordSet &r, const DbStatus &status, bool announced)
{
    const QString name = r.fieldText(u"Name");
    QStringList parts {QString::number(r.AbsolutePosition()), name.isEmpty() ? QStringLiteral("-") : name};
    const std::pair<bool, const char *> flags[] = {
        {r.NoMatch(), "nomatch"}, {r.Eof(), "eof"}, {r.Bof(), "bof"},
        {status.code() == DbStatus::Code::BadCriterion, "bad"},
        {!status.isOk() && status.code() != DbStatus::Code::BadCriterion, "refused"}, {announced, "*"}};
    for (const auto &[holds, flag] : flags) {
        if (holds)
            parts << QLatin1String(flag);
    }
    return parts.join(u' ');
}

class RecordSetScript : public RecordSetTest, public ::testing::WithParamInterface<ScriptCase>
{
};

TEST_P(RecordSetScript, LeavesTheStatesWrittenBesideEachStep)
{
    const ScriptCase &c = GetParam();
    add(c.rows);
    RecordSet records = open(c.sql);
    bool announced = false;
    records.setOnReposition([&] { announced = true; });
    for (const Step &step : c.steps) {
        announced = false;
        const DbStatus status = kOperations.at(step.operation)(records, QString::fromUtf8(step.criterion));
        EXPECT_EQ(state(records, status, announced), QString::fromUtf8(step.state))
            << step.operation << " " << step.criterion;
    }
    EXPECT_EQ(testing_support::SqliteFile(db.path()).rows("SELECT Name FROM userdaten").join(u' '), c.tableAfter);
}

const char kAny[] = "Name like '*'";

INSTANTIATE_TEST_SUITE_P(Scripts, RecordSetScript,
    ::testing::Values(
        ScriptCase {"FindsAndFailedFindsLeaveTheCurrentRecord", kByPoints, {"Mo1 1", "Ali 2", "Mo2 3", "Udo 4"},
            {{"FindLast", "Name like 'mo*'", "2 Mo2 *"}, {"FindNext", "Name like 'mo*'", "2 Mo2 nomatch"},
                {"FindPrevious", "Name like 'mo*'", "0 Mo1 *"}, {"FindPrevious", "Name like 'mo*'", "0 Mo1 nomatch"},
                {"FindFirst", "Name like 'U*'", "3 Udo *"}, {"FindNext", kAny, "3 Udo nomatch"},
                {"FindFirst", "Name like 'X*'", "3 Udo nomatch"},
                {"FindFirst", "Name like 'O'Brien*'", "3 Udo nomatch bad"},
                {"FindLast", "Alter like '*'", "3 Udo nomatch bad"}, {"FindNext", "Name = 'Udo'", "3 Udo nomatch bad"}},
            "Mo1 Ali Mo2 Udo"},
        ScriptCase {"MovesStopAtTheEndsAndFindsStartThere", kByPoints, {"a 1", "b 2"},
            {{"MoveNext", "", "1 b *"}, {"MoveNext", "", "-1 - eof *"}, {"MoveNext", "", "-1 - eof refused"},
                {"FindPrevious", kAny, "1 b *"}, {"MoveFirst", "", "0 a *"}, {"MovePrevious", "", "-1 - bof *"},
                {"MovePrevious", "", "-1 - bof refused"}, {"FindNext", kAny, "0 a *"}, {"MoveLast", "", "1 b *"}},
            "a b"},
        ScriptCase {"NullNeverMatchesNotEvenAStar", "userdaten", {"- 5", "a -", "- 7"},
            {{"FindFirst", kAny, "1 a *"}, {"FindFirst", "Punkte like '*'", "0 - *"},
                {"FindNext", "Punkte like '*'", "2 - *"}, {"FindPrevious", kAny, "1 a *"},
                {"FindPrevious", kAny, "1 a nomatch"}},
            "NULL a NULL"},
        ScriptCase {"NumbersAndDatesMatchAsTheyRead", "userdaten", {"a 12 2023-01-09", "b -12 2024-07-31"},
            {{"FindFirst", "Punkte like '-1#'", "1 b *"}, {"FindFirst", "Datum like '09.01.*'", "0 a *"},
                {"FindFirst", "Datum like '*.2024'", "1 b *"}},
            "a b"},
        ScriptCase {"AnEmptySetHasNothingToFindMoveOrDelete", kByPoints, {},
            {{"FindFirst", "Punkte like '*'", "-1 - nomatch eof bof"}, {"FindNext", kAny, "-1 - nomatch eof bof"},
                {"MoveFirst", "", "-1 - nomatch eof bof refused"}, {"MoveLast", "", "-1 - nomatch eof bof refused"},
                {"MoveNext", "", "-1 - nomatch eof bof refused"}, {"Delete", "", "-1 - nomatch eof bof refused"}},
            ""},
        ScriptCase {"AfterDeletingTheLastTheNextMoveReachesTheEnd", kByPoints, {"a 1", "b 2", "c 3"},
            {{"MoveLast", "", "2 c *"}, {"Delete", "", "-1 - *"}, {"MoveNext", "", "-1 - eof *"},
                {"MoveLast", "", "1 b *"}},
            "a b"},
        ScriptCase {"AfterDeletingTheNextMoveOrFindReachesTheFollowingRecord", kByPoints, {"a 1", "b 2", "c 3", "d 4"},
            {{"MoveNext", "", "1 b *"}, {"Delete", "", "-1 - *"}, {"MoveNext", "", "1 c *"}, {"Delete", "", "-1 - *"},
                {"FindNext", kAny, "1 d *"}},
            "a d"},
        ScriptCase {"AfterDeletingThePreviousMoveOrFindReachesTheRecordBefore", kByPoints, {"a 1", "b 2", "c 3", "d 4"},
            {{"MoveLast", "", "3 d *"}, {"Delete", "", "-1 - *"}, {"MovePrevious", "", "2 c *"},
                {"Delete", "", "-1 - *"}, {"FindPrevious", kAny, "1 b *"}},
            "a b"},
        ScriptCase {"DeletingRecordByRecordEmptiesTheTable", kByName, {"c 3", "a 1", "b 2"},
            {{"Delete", "", "-1 - *"}, {"MoveNext", "", "0 b *"}, {"Delete", "", "-1 - *"}, {"MoveNext", "", "0 c *"},
                {"Delete", "", "-1 - eof bof *"}, {"MoveNext", "", "-1 - eof bof *"},
                {"MoveLast", "", "-1 - eof bof refused"}, {"Delete", "", "-1 - eof bof refused"}},
            ""},
        ScriptCase {"ARecordWithANullAndARealIsDeletedAsRead", kByPoints, {"a 1", "- 2.5"},
            {{"MoveLast", "", "1 - *"}, {"Delete", "", "-1 - *"}}, "a"},
        ScriptCase {
            "DeletingOneOfTwoEqualRecordsLeavesTheOther", kByName, {"a 1", "a 1"}, {{"Delete", "", "-1 - *"}}, "a"}),
    [](const auto &row) { return std::string(row.param.name); });

// A record that another copy of the program changed or deleted since the
// set read it is not deleted, not even when a new record took its row number;
// the set keeps it.
TEST_F(RecordSetTest, DeletesOnlyARecordThatIsStillAsItWasRead)
{
    add({"a 1", "c 3"});
    RecordSet records = open(kByPoints);
    ASSERT_TRUE(records.MoveLast().isOk());
    testing_support::SqliteFile other(db.path());
    ASSERT_TRUE(other.execute("DELETE FROM userdaten WHERE Name = 'c'; "
                              "INSERT INTO userdaten (Name, Punkte) VALUES ('p', 3)"));
    EXPECT_EQ(records.Delete().code(), DbStatus::Code::RecordChanged);
    EXPECT_EQ(records.AbsolutePosition(), 1);
    EXPECT_EQ(other.rows("SELECT rowid, Name FROM userdaten").join(u' '), "1|a 2|p");
}

// A value that does not fit its field is refused; what fits is stored with
// its field's type and joins the set at its end.
TEST_F(RecordSetTest, AnAddedRecordIsStoredWithItsTypesAndValuesThatDoNotFitAreRefused)
{
    add({"a 5", "b 9"});
    RecordSet records = open(kByPoints);
    ASSERT_TRUE(records.AddNew().isOk());
    const std::pair<const char16_t *, QVariant> refused[] = {{u"Punkte", QStringLiteral("viele")}, {u"Punkte", 32768},
        {u"Level", -32769}, {u"Datum", QStringLiteral("gestern")}, {u"Alter", 7}};
    for (const auto &[field, value] : refused)
        EXPECT_EQ(records.setField(QStringView(field), value).code(), DbStatus::Code::BadValue)
            << value.toString().toStdString();
    records.CancelUpdate();
    EXPECT_EQ(records.Update().code(), DbStatus::Code::NoCurrentRecord);
    EXPECT_EQ(records.setField(u"Name", QStringLiteral("x")).code(), DbStatus::Code::NoCurrentRecord);
    ASSERT_TRUE(records.AddNew().isOk());
    for (const auto &[field, value] : std::initializer_list<std::pair<const char16_t *, QVariant>> {
             {u"name", QStringLiteral("Neu")}, {u"PUNKTE", -32768}, {u"Level", 32767}, {u"Datum", QDate(2024, 2, 29)}})
        ASSERT_TRUE(records.setField(QStringView(field), value).isOk());
    ASSERT_TRUE(records.Update().isOk());
    EXPECT_EQ(records.AbsolutePosition(), 0) << "the current record stays";
    ASSERT_TRUE(records.MoveLast().isOk());
    EXPECT_EQ(records.fieldText(u"Datum"), QStringLiteral("29.02.2024"));
    EXPECT_EQ(names(records), QStringLiteral("a b Neu"));
    EXPECT_EQ(testing_support::SqliteFile(db.path()).rows(
                  "SELECT typeof(Punkte), Level, Datum FROM userdaten WHERE Name = 'Neu'"),
        QStringList({"integer|32767|2024-02-29"}));
    RecordSet reopened = open(kByPoints);
    EXPECT_EQ(names(reopened), QStringLiteral("Neu a b"));
}

TEST_F(RecordSetTest, AnAppendOnlySetReadsNoRecordsButStoresNewOnesAndKeepsItsConnection)
{
    add({"a 1"});
    auto opened = RecordSet::open(db, QStringLiteral("Userdaten"), RecordSet::Options::AppendOnly);
    ASSERT_TRUE(opened.isOk());
    RecordSet &records = opened.value();
    db = DbConnection();
    EXPECT_EQ(records.recordCount(), 0);
    ASSERT_TRUE(records.AddNew().isOk());
    ASSERT_TRUE(records.setField(u"Name", QStringLiteral("b")).isOk());
    ASSERT_TRUE(records.Update().isOk());
    EXPECT_EQ(records.recordCount(), 0);
    EXPECT_EQ(testing_support::SqliteFile(folder.file(QStringLiteral("t.db"))).rows("SELECT Name FROM userdaten"),
              QStringList({"a", "b"}));
}

} // namespace
