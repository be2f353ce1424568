#include "platform/controls.h"
#include "support/guisupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>

namespace {

// How the left and the bottom edge stand to a red face: "LD" (light, dark)
// raised, "DL" sunken.
QString bevel(QWidget *button)
{
    const QImage image = button->grab().toImage();
    const auto shade = [&image](int x, int y) {
        return QChar(image.pixelColor(x, y).lightness() > QColor(Qt::red).lightness() ? u'L' : u'D');
    };
    return QString(shade(0, image.height() / 2)) + shade(image.width() / 2, image.height() - 1);
}

// A button with a back colour shows that very colour over its face, in an
// edge turned round while pressed, with its caption and, while focused, the
// focus rectangle. Without one, a picture button looks like the system's.
TEST(ColouredButton, ShowsItsBackColourFlatInARaisedOrSunkenEdgeAndTheFocus)
{
    QWidget window;
    window.resize(300, 200);
    QPixmap picture(32, 32);
    picture.fill(Qt::blue);
    platform::CommandButton command(QStringLiteral("1"), &window);
    platform::PictureButton coloured(QStringLiteral("Ende"), picture, &window);
    platform::PictureButton plain(QStringLiteral("Ende"), picture, &window);
    QToolButton system(&window);
    system.setText(plain.text());
    system.setIcon(plain.icon());
    system.setIconSize(plain.iconSize());
    system.setToolButtonStyle(plain.toolButtonStyle());
    command.setBackColor(Qt::red);
    coloured.setBackColor(Qt::red);
    const QList<QAbstractButton *> buttons {&command, &coloured, &plain, &system};
    for (QAbstractButton *button : buttons)
        button->setGeometry(20, 20, 120, 100);
    ASSERT_TRUE(testing_support::showAndExpose(&window));
    EXPECT_EQ(plain.grab().toImage(), system.grab().toImage());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    for (QAbstractButton *button : buttons.first(2)) {
        SCOPED_TRACE(button->metaObject()->className());
        button->setFocus();
        const QImage focused = button->grab().toImage();
        button->clearFocus();
        EXPECT_NE(button->grab().toImage(), focused) << "the focus rectangle";
        EXPECT_TRUE(testing_support::showsFlatFace(button, Qt::red));
        EXPECT_EQ(bevel(button), QStringLiteral("LD"));
        QImage inside = button->grab().toImage().copy(button->rect().adjusted(5, 5, -5, -5)), face = inside;
        face.fill(Qt::red);
        EXPECT_NE(inside, face) << "the caption";
        button->setDown(true);
        EXPECT_EQ(bevel(button), QStringLiteral("DL"));
    }
}

} // namespace
