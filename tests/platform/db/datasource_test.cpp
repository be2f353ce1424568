#include "platform/datasource.h"
#include "platform/dbconnection.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

using platform::DataSource;

namespace {

class DataSourceTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto opened = platform::DbConnection::open(folder.file(QStringLiteral("t.db")));
        ASSERT_TRUE(opened.isOk());
        db = opened.value();
        ASSERT_TRUE(db.exec("CREATE TABLE userdaten (Name TEXT, Punkte SMALLINT);"
                            "INSERT INTO userdaten VALUES ('Cem', 1), ('Anna', 2), ('Bert', 3);")
                        .isOk());
        QObject::connect(&source, &DataSource::Reposition, [this] { ++repositions; });
    }
    QString current() const { return source.Recordset().fieldText(u"Name"); }

    testing_support::ProgramFolderFixture folder;
    platform::DbConnection db;
    DataSource source;
    int repositions = 0;
};

// The arrows stay on the first or the last record at the ends; one
// Reposition per press.
TEST_F(DataSourceTest, TheArrowsStayOnTheFirstOrLastRecordAtTheEnds)
{
    ASSERT_TRUE(source.openRecordset(db, QStringLiteral("userdaten")).isOk());
    repositions = 0;
    const std::pair<void (DataSource::*)(), const char *> presses[] = {
        {&DataSource::movePrevious, "Cem"}, {&DataSource::moveNext, "Anna"},  {&DataSource::moveNext, "Bert"},
        {&DataSource::moveNext, "Bert"},    {&DataSource::moveFirst, "Cem"},  {&DataSource::moveLast, "Bert"},
    };
    int step = 0;
    for (const auto &[press, name] : presses) {
        (source.*press)();
        EXPECT_EQ(current(), QString::fromLatin1(name)) << "press " << step;
        EXPECT_EQ(repositions, ++step);
    }
    ASSERT_TRUE(source.Recordset().Delete().isOk());
    source.moveNext();
    EXPECT_EQ(current(), QStringLiteral("Anna")) << "after deleting the last record, next stands on the new last";
}

TEST_F(DataSourceTest, ABatchGivesOneRepositionAtItsEndAndNoneWhenNothingMoved)
{
    ASSERT_TRUE(source.openRecordset(db, QStringLiteral("userdaten")).isOk());
    {
        const DataSource::Batch quiet(source);
    }
    {
        const DataSource::Batch outer(source);
        const DataSource::Batch inner(source);
        source.moveNext();
        source.moveNext();
    }
    EXPECT_EQ(repositions, 2) << "one for the opening, one for the batch";
}

} // namespace
