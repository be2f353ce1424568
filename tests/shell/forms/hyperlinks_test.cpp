#include "linktesting.h"
#include "platform/controls.h"
#include "shell/forms/hyperlinks.h"
#include "support/guisupport.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>
#include <QtWidgets/QLabel>

#include <memory>

namespace {

class Links : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(400, 200);
        logo = new LinkVexa(host.get());
        name = new LinkVexa2(host.get());
        partner = new LinkSprokel(host.get());
        mail = new MailOstrak(host.get());
        name->move(0, 80);
        partner->move(0, 110);
        mail->move(0, 140);
        ASSERT_TRUE(testing_support::showAndExpose(host.get()));
    }

    RecordingLinks links;
    std::unique_ptr<QWidget> host;
    LinkVexa *logo;
    LinkVexa2 *name;
    LinkSprokel *partner;
    MailOstrak *mail;
};

TEST_F(Links, EachShowsItsTargetAsTooltipAndHandsItToTheSystemOnAClick)
{
    struct Row
    {
        const char *kind;
        HyperLink *link;
        QWidget *clicked;
        QString toolTip;
        QString url;
    };
    const Row rows[] = {
        {"LinkVexa", logo, logo->imgLogo, "www.quirlix-schule.example", "https://www.quirlix-schule.example"},
        {"LinkVexa2", name, name->Label1, "www.quirlix-schule.example", "https://www.quirlix-schule.example"},
        {"LinkSprokel", partner, partner->Label1, "www.foerderverein.example", "https://www.foerderverein.example"},
        // The blank after the colon is in the tooltip only.
        {"MailOstrak", mail, mail->Label1, "mailto: info@quirlix-schule.example", "mailto:info@quirlix-schule.example"},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.kind);
        EXPECT_EQ(row.link->toolTip(), row.toolTip);
        links.opened.clear();
        QTest::mouseClick(row.clicked, Qt::LeftButton);
        EXPECT_EQ(links.opened, QStringList(row.url));
    }
    EXPECT_EQ(logo->target(), QStringLiteral("www.quirlix-schule.example"));
    EXPECT_EQ(mail->target(), QStringLiteral("mailto:info@quirlix-schule.example"));
}

TEST_F(Links, ShowTheirNamesAndTheLogo)
{
    EXPECT_EQ(name->Label1->text(), QStringLiteral("Quirlix-Schule"));
    EXPECT_EQ(partner->Label1->text(), QStringLiteral("Förderverein"));
    EXPECT_EQ(mail->Label1->text(), QStringLiteral("info@quirlix-schule.example"));
    EXPECT_EQ(logo->imgLogo->pixmap().size(), QSize(235, 70));
}

TEST_F(Links, ThePointingHandIsOverEachPictureAndTextWithItsHotSpotAtTheFingertip)
{
    for (QWidget *over : {static_cast<QWidget *>(logo->imgLogo), static_cast<QWidget *>(name->Label1),
                          static_cast<QWidget *>(partner->Label1), static_cast<QWidget *>(mail->Label1)}) {
        SCOPED_TRACE(over->parentWidget()->metaObject()->className());
        EXPECT_EQ(over->cursor().shape(), Qt::BitmapCursor);
        EXPECT_EQ(over->cursor().hotSpot(), QPoint(12, 1));
    }
    const QImage hand = linkCursor().pixmap().toImage();
    ASSERT_EQ(hand.size(), QSize(32, 32));
    EXPECT_GT(qAlpha(hand.pixel(12, 1)), 128) << "the fingertip is drawn at the hot spot";
    EXPECT_EQ(qAlpha(hand.pixel(12, 0)), 0) << "and nothing above it";
}

} // namespace
