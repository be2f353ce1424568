#include "butterfly/flight.h"
#include "butterfly/forms/flightview.h"
#include "support/guisupport.h"

#include <QtTest/QSignalSpy>
#include <QtTest/QTest>

#include <gtest/gtest.h>

using butterfly::FlightView;

namespace {

// Butterflies at 15 twips a pixel: 43 x 37 pixels each.
TEST(FlightViewTest, APressCatchesTheButterflyDrawnOnTopAndNothingWhereNoneIsShown)
{
    butterfly::Flight flight(3);
    flight[0] = {1500, 1500, 0, 0, true};  // pixels 100..142 x 100..136
    flight[1] = {1800, 1605, 0, 0, true};  // pixels 120..162 x 107..143, above 0
    flight[2] = {6000, 1500, 0, 0, false}; // pixels 400..442 x 100..136, caught
    QWidget window;
    window.resize(792, 573);
    FlightView sky(flight, &window);
    sky.sync();
    ASSERT_TRUE(testing_support::showAndExpose(&window));
    QSignalSpy pressed(&sky, &FlightView::butterflyPressed);
    for (QPoint p : {QPoint(130, 120), QPoint(105, 103), QPoint(420, 118), QPoint(700, 50)})
        QTest::mouseClick(&sky, Qt::LeftButton, {}, p);
    ASSERT_EQ(pressed.count(), 2);
    EXPECT_EQ(pressed[0][0].toInt(), 1);
    EXPECT_EQ(pressed[1][0].toInt(), 0);
}

} // namespace
