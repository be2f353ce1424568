#include "platform/namebox.h"
#include "support/guisupport.h"

#include <gtest/gtest.h>

#include <QtGui/QClipboard>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>

namespace {

TEST(NameBox, WhatIsPastedTypedOrSetPassesTheNameFilter)
{
    QLineEdit box;
    platform::filterNameBox(&box, 12);
    ASSERT_TRUE(testing_support::showAndExpose(&box));
    QApplication::clipboard()->setText(QStringLiteral("Max\r\nMo"));
    box.paste();
    EXPECT_EQ(box.text(), QStringLiteral("MaxMo"));
    // The box's own limit would count the emoji as two and cut it in half.
    box.insert(QStringLiteral(u"\U0001F600"));
    QTest::keyClicks(&box, QStringLiteral("ritz123"));
    EXPECT_EQ(box.text(), QStringLiteral(u"MaxMo\U0001F600ritz12"));
    box.setText(QStringLiteral(u"\u202eAnna"));
    EXPECT_EQ(box.text(), QStringLiteral("Anna"));
}

} // namespace
