#include "platform/datacontrol.h"
#include "platform/dbconnection.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QToolButton>

using Arrow = platform::DataControl::Arrow;
using platform::DataSource;

namespace {

// The arrows stay on the first or the last record at the ends, with one
// Reposition per press, after the bound boxes show the record; without a
// current record (and for Null) the boxes are empty.
TEST(DataControl, BoundBoxesFollowTheArrowsAndAreEmptyWithoutACurrentRecord)
{
    testing_support::ProgramFolderFixture folder;
    auto db = platform::DbConnection::open(folder.file(QStringLiteral("t.db")));
    ASSERT_TRUE(db.isOk() && db.value().exec("CREATE TABLE userdaten (Name TEXT, Punkte SMALLINT);"
                                             "INSERT INTO userdaten VALUES ('Anna', 7), ('Bert', NULL), ('Cem', 3);")
                                 .isOk());
    QWidget window;
    auto *control = new platform::DataControl(&window);
    control->setGeometry(10, 10, 209, 23);
    auto *name = new QLineEdit(&window);
    auto *points = new QLineEdit(&window);
    name->move(10, 40);
    points->move(10, 70);
    DataSource &source = control->source();
    ASSERT_TRUE(source.openRecordset(db.value(), QStringLiteral("userdaten")).isOk());
    control->bind(name, QStringLiteral("Name"));
    control->bind(points, QStringLiteral("punkte"));
    EXPECT_EQ(points->text(), QStringLiteral("7"));
    ASSERT_TRUE(testing_support::showAndExpose(&window));
    QStringList seen; // what the bound boxes showed at each Reposition
    QObject::connect(control, &platform::DataControl::Reposition, [&] { seen << name->text() + u'/' + points->text(); });

    for (Arrow arrow : {Arrow::Next, Arrow::Last, Arrow::Next, Arrow::Previous, Arrow::First, Arrow::Previous})
        QTest::mouseClick(control->arrow(arrow), Qt::LeftButton);
    EXPECT_EQ(seen, QStringList({"Bert/", "Cem/3", "Cem/3", "Bert/", "Anna/7", "Anna/7"}));

    QTest::mouseClick(control->arrow(Arrow::Last), Qt::LeftButton);
    ASSERT_TRUE(source.Recordset().Delete().isOk());
    EXPECT_EQ(name->text(), QString());
    QTest::mouseClick(control->arrow(Arrow::Next), Qt::LeftButton);
    EXPECT_EQ(name->text(), QStringLiteral("Bert")) << "after deleting the last record, next stands on the new last";

    // A batch gives one Reposition at its end, and none when nothing moved.
    seen.clear();
    {
        const DataSource::Batch quiet(source);
    }
    {
        const DataSource::Batch outer(source);
        const DataSource::Batch inner(source);
        source.moveFirst();
        source.moveNext();
    }
    EXPECT_EQ(seen, QStringList({"Bert/"}));
    control->setCaption(QStringLiteral("Datensatz Nr.: 2"));
    testing_support::shoot(&window, QStringLiteral("datacontrol"));
}

} // namespace
