#include "platform/datacontrol.h"
#include "platform/dbconnection.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QToolButton>

using Arrow = platform::DataControl::Arrow;

namespace {

TEST(DataControl, BoundBoxesFollowTheArrowsAndAreEmptyWithoutACurrentRecord)
{
    testing_support::ProgramFolderFixture folder;
    auto db = platform::DbConnection::open(folder.file(QStringLiteral("t.db")));
    ASSERT_TRUE(db.isOk() && db.value().exec("CREATE TABLE userdaten (Name TEXT, Punkte SMALLINT);"
                                             "INSERT INTO userdaten VALUES ('Anna', 7), ('Bert', NULL);")
                                 .isOk());
    QWidget window;
    auto *control = new platform::DataControl(&window);
    control->setGeometry(10, 10, 209, 23);
    auto *name = new QLineEdit(&window);
    auto *points = new QLineEdit(&window);
    name->move(10, 40);
    points->move(10, 70);
    control->bind(name, QStringLiteral("Name"));
    control->bind(points, QStringLiteral("punkte"));
    ASSERT_TRUE(testing_support::showAndExpose(&window));
    QStringList seen; // what the bound box showed at each Reposition
    QObject::connect(control, &platform::DataControl::Reposition, [&] { seen << name->text(); });

    ASSERT_TRUE(control->source().openRecordset(db.value(), QStringLiteral("userdaten")).isOk());
    EXPECT_EQ(points->text(), QStringLiteral("7"));
    for (Arrow arrow : {Arrow::Next, Arrow::Next, Arrow::First, Arrow::Previous, Arrow::Last})
        QTest::mouseClick(control->arrow(arrow), Qt::LeftButton);
    EXPECT_EQ(seen, QStringList({"Anna", "Bert", "Bert", "Anna", "Anna", "Bert"}));
    EXPECT_EQ(points->text(), QString()) << "Null shows as an empty box";

    ASSERT_TRUE(control->source().Recordset().Delete().isOk());
    EXPECT_EQ(name->text(), QString());
    control->setCaption(QStringLiteral("Datensatz Nr.: 2"));
    testing_support::shoot(&window, QStringLiteral("datacontrol"));
}

} // namespace
