#include "platform/datasource.h"
#include "platform/dbconnection.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using platform::DataSource;
using platform::DbConnection;

namespace {

class DataSourceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto opened = DbConnection::open(folder.file(QStringLiteral("t.db")));
        ASSERT_TRUE(opened.isOk());
        db = opened.value();
        ASSERT_TRUE(db.exec("CREATE TABLE userdaten (Name TEXT, Punkte SMALLINT);"
                            "INSERT INTO userdaten VALUES ('Cem', 1), ('Anna', 2), ('Bert', 3);")
                        .isOk());
        QObject::connect(&source, &DataSource::Reposition, [this] { ++repositions; });
    }
    QString current() const { return source.Recordset().fieldText(u"Name"); }

    testing_support::ProgramFolderFixture folder;
    DbConnection db;
    DataSource source;
    int repositions = 0;
};

TEST_F(DataSourceTest, BeforeARecordSetIsOpenedThereIsNoCurrentRecordAndFindsFail)
{
    EXPECT_FALSE(source.hasRecordset());
    EXPECT_EQ(source.Recordset().AbsolutePosition(), -1);
    EXPECT_FALSE(source.Recordset().FindFirst(QStringLiteral("Name like '*'")).isOk());
    source.moveNext();
    EXPECT_EQ(repositions, 0);
}

TEST_F(DataSourceTest, TheProgramReplacesTheRecordSetBySqlTextAndGetsAReposition)
{
    ASSERT_TRUE(source.openRecordset(db, QStringLiteral("Select userdaten.* from userdaten ORDER BY userdaten.Name")).isOk());
    EXPECT_TRUE(source.hasRecordset());
    EXPECT_EQ(current(), QStringLiteral("Anna"));
    EXPECT_EQ(repositions, 1);

    // A query it cannot run leaves the record set as it was.
    EXPECT_FALSE(source.openRecordset(db, QStringLiteral("Select * from fehlt")).isOk());
    EXPECT_EQ(current(), QStringLiteral("Anna"));
    EXPECT_EQ(repositions, 1);
}

// The record arrows stay on the first or the last record at the ends; each
// press that changes the record is one Reposition.
TEST_F(DataSourceTest, TheArrowsStayOnTheFirstOrLastRecordAtTheEnds)
{
    ASSERT_TRUE(source.openRecordset(db, QStringLiteral("userdaten")).isOk());
    repositions = 0;
    const struct
    {
        void (DataSource::*press)();
        const char *name;
        int position;
    } steps[] = {
        {&DataSource::movePrevious, "Cem", 0}, {&DataSource::moveNext, "Anna", 1}, {&DataSource::moveNext, "Bert", 2},
        {&DataSource::moveNext, "Bert", 2},    {&DataSource::moveFirst, "Cem", 0}, {&DataSource::moveLast, "Bert", 2},
        {&DataSource::movePrevious, "Anna", 1},
    };
    int step = 0;
    for (const auto &s : steps) {
        (source.*s.press)();
        ++step;
        EXPECT_EQ(current(), QString::fromLatin1(s.name)) << "step " << step;
        EXPECT_EQ(source.Recordset().AbsolutePosition(), s.position) << "step " << step;
        EXPECT_EQ(repositions, step) << "one Reposition per press, step " << step;
    }
}

TEST_F(DataSourceTest, NextAfterDeletingTheLastRecordStandsOnTheNewLastOne)
{
    ASSERT_TRUE(source.openRecordset(db, QStringLiteral("userdaten")).isOk());
    source.moveLast();
    ASSERT_TRUE(source.Recordset().Delete().isOk());
    source.moveNext();
    EXPECT_EQ(current(), QStringLiteral("Anna"));
}

TEST_F(DataSourceTest, ABatchGivesOneRepositionAtItsEndAndNoneWhenNothingMoved)
{
    ASSERT_TRUE(source.openRecordset(db, QStringLiteral("userdaten")).isOk());
    repositions = 0;
    {
        const DataSource::Batch outer(source);
        {
            const DataSource::Batch inner(source);
            source.moveNext();
            source.moveNext();
        }
        EXPECT_EQ(repositions, 0);
    }
    EXPECT_EQ(repositions, 1);
    EXPECT_EQ(current(), QStringLiteral("Bert"));
    {
        const DataSource::Batch quiet(source);
    }
    EXPECT_EQ(repositions, 1);
}

} // namespace
