#include "platform/datacontrol.h"
#include "platform/dbconnection.h"
#include "support/guisupport.h"
#include "support/testsupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QToolButton>

using platform::DataControl;
using Arrow = platform::DataControl::Arrow;

namespace {

class DataControlTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        auto opened = platform::DbConnection::open(folder.file(QStringLiteral("t.db")));
        ASSERT_TRUE(opened.isOk());
        db = opened.value();
        ASSERT_TRUE(db.exec("CREATE TABLE userdaten (Name TEXT, Punkte SMALLINT);"
                            "INSERT INTO userdaten VALUES ('Anna', 7), ('Bert', NULL);")
                        .isOk());
        window.resize(400, 100);
        control = new DataControl(&window);
        control->setGeometry(10, 10, 209, 23);
        name = new QLineEdit(&window);
        points = new QLineEdit(&window);
        points->move(0, 50);
        control->bind(name, QStringLiteral("Name"));
        control->bind(points, QStringLiteral("punkte"));
        ASSERT_TRUE(testing_support::showAndExpose(&window));
    }
    void click(Arrow arrow) { QTest::mouseClick(control->arrow(arrow), Qt::LeftButton); }

    testing_support::ProgramFolderFixture folder;
    platform::DbConnection db;
    QWidget window;
    DataControl *control = nullptr;
    QLineEdit *name = nullptr;
    QLineEdit *points = nullptr;
};

TEST_F(DataControlTest, BoundBoxesFollowTheArrowsAndAreEmptyWithoutACurrentRecord)
{
    EXPECT_EQ(name->text(), QString());
    ASSERT_TRUE(control->source().openRecordset(db, QStringLiteral("userdaten")).isOk());
    EXPECT_EQ(name->text(), QStringLiteral("Anna"));
    EXPECT_EQ(points->text(), QStringLiteral("7"));

    click(Arrow::Next);
    EXPECT_EQ(name->text(), QStringLiteral("Bert"));
    EXPECT_EQ(points->text(), QString()) << "Null shows as an empty box";
    click(Arrow::Next);
    EXPECT_EQ(name->text(), QStringLiteral("Bert")) << "the last record stays at the end";
    click(Arrow::First);
    EXPECT_EQ(name->text(), QStringLiteral("Anna"));
    click(Arrow::Previous);
    EXPECT_EQ(name->text(), QStringLiteral("Anna")) << "the first record stays at the start";
    click(Arrow::Last);
    EXPECT_EQ(name->text(), QStringLiteral("Bert"));

    ASSERT_TRUE(control->source().Recordset().Delete().isOk());
    EXPECT_EQ(name->text(), QString());
    control->source().clearRecordset();
    EXPECT_EQ(points->text(), QString());
}

TEST_F(DataControlTest, RepositionComesAfterTheBoundBoxesShowTheNewRecord)
{
    ASSERT_TRUE(control->source().openRecordset(db, QStringLiteral("userdaten")).isOk());
    QStringList seen;
    QObject::connect(control, &DataControl::Reposition, [&] { seen << name->text(); });
    click(Arrow::Next);
    click(Arrow::First);
    EXPECT_EQ(seen, QStringList({"Bert", "Anna"}));
}

TEST_F(DataControlTest, TheCaptionStandsBetweenTheArrows)
{
    control->setCaption(QStringLiteral("Datensatz Nr.: 1"));
    EXPECT_EQ(control->caption(), QStringLiteral("Datensatz Nr.: 1"));
    const QRect previous = control->arrow(Arrow::Previous)->geometry();
    const QRect next = control->arrow(Arrow::Next)->geometry();
    EXPECT_LT(control->arrow(Arrow::First)->geometry().right(), previous.left());
    EXPECT_LT(previous.right(), next.left());
    EXPECT_LT(next.right(), control->arrow(Arrow::Last)->geometry().left());
    EXPECT_EQ(control->arrow(Arrow::Last)->geometry().right(), control->width() - 1);
    testing_support::shoot(&window, QStringLiteral("datacontrol"));
}

} // namespace
