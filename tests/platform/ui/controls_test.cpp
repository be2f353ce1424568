#include "platform/controls.h"
#include "support/guisupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QApplication>

#include <functional>

namespace {

const QColor kRed(255, 0, 0);

QPixmap picture()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::blue);
    return pixmap;
}

// Light, face or dark: how a pixel of the edge stands to the face.
char shade(const QImage &image, int x, int y)
{
    const int lightness = image.pixelColor(x, y).lightness();
    const int face = kRed.lightness();
    return lightness > face ? 'L' : lightness < face ? 'D' : 'F';
}

// The outer edge at the middle of its left, top, right and bottom side.
QString edge(const QImage &image)
{
    const int r = image.width() - 1;
    const int b = image.height() - 1;
    const char sides[] = {shade(image, 0, b / 2), shade(image, r / 2, 0), shade(image, r, b / 2),
                          shade(image, r / 2, b)};
    return QString::fromLatin1(sides, 4);
}

// The pixels that are not the face inside the edge and the focus ring.
int marks(const QImage &image)
{
    int count = 0;
    for (int y = 5; y < image.height() - 5; ++y) {
        for (int x = 5; x < image.width() - 5; ++x)
            count += image.pixelColor(x, y) != kRed;
    }
    return count;
}

// A button with a back colour shows that very colour over its face, in a
// 3-D edge that is light at the top and left and dark at the bottom and
// right, turned round while pressed; the style still draws the focus
// rectangle, the caption and the picture on it.
TEST(ColouredButton, ShowsItsBackColourFlatInARaisedOrSunkenEdgeWithFocusCaptionAndPicture)
{
    QWidget window;
    window.resize(300, 200);
    const std::pair<const char *, std::function<QAbstractButton *()>> kinds[] = {
        {"command button", [&] {
             auto *button = new platform::CommandButton(QStringLiteral("1"), &window);
             button->setBackColor(kRed);
             return button;
         }},
        {"picture button", [&] {
             auto *button = new platform::PictureButton(QStringLiteral("Ende"), picture(), &window);
             button->setBackColor(kRed);
             return button;
         }},
    };
    for (const auto &[kind, make] : kinds) {
        SCOPED_TRACE(kind);
        QAbstractButton *button = make();
        button->setGeometry(20, 20, 120, 100);
        button->show();
        ASSERT_TRUE(testing_support::showAndExpose(&window));
        button->clearFocus();
        const QImage raised = button->grab().toImage();
        EXPECT_TRUE(testing_support::showsFlatFace(button, kRed));
        EXPECT_EQ(edge(raised), QStringLiteral("LLDD"));
        EXPECT_GT(marks(raised), 20) << "the caption";

        button->setDown(true);
        const QImage pressed = button->grab().toImage();
        EXPECT_TRUE(testing_support::showsFlatFace(button, kRed));
        EXPECT_EQ(edge(pressed), QStringLiteral("DDLL"));
        button->setDown(false);

        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        ASSERT_TRUE(button->hasFocus());
        const QImage focused = button->grab().toImage();
        EXPECT_TRUE(testing_support::showsFlatFace(button, kRed));
        EXPECT_NE(focused, raised) << "the focus rectangle";
        EXPECT_EQ(edge(focused), QStringLiteral("LLDD"));
        delete button;
    }
}

// Without a back colour a button keeps the look of the system's.
TEST(ColouredButton, APictureButtonWithoutABackColourLooksLikeTheSystemsButton)
{
    QWidget window;
    window.resize(300, 200);
    platform::PictureButton ours(QStringLiteral("Ende"), picture(), &window);
    QToolButton system(&window);
    system.setText(ours.text());
    system.setIcon(ours.icon());
    system.setIconSize(ours.iconSize());
    system.setToolButtonStyle(ours.toolButtonStyle());
    for (QToolButton *button : {static_cast<QToolButton *>(&ours), &system})
        button->setGeometry(20, 20, 120, 100);
    ASSERT_TRUE(testing_support::showAndExpose(&window));
    EXPECT_EQ(ours.grab().toImage(), system.grab().toImage());
}

} // namespace
