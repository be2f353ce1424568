#include "memory/forms/choicewindows.h"
#include "memory/forms/frmSpieler1.h"
#include "memory/forms/frmStat.h"
#include "memorywindows.h"

#include <QtWidgets/QApplication>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

using namespace memory_testing;
using platform::Forms;
using testing_support::advanceClock;
using testing_support::shoot;

namespace {

class Road : public MemoryWindows
{
protected:
    // The player page's shuffle draws the animals in this order.
    static void feedShuffle(std::initializer_list<int> numbers)
    {
        for (const int number : numbers)
            platform::Random::instance().feed({drawFor(number, 1, 10)});
    }
    static QString background(platform::Form *form) { return form->client()->palette().color(QPalette::Window).name(); }
    static int memoryWindows()
    {
        int open = 0;
        for (const char *name : {"frmAnzahl", "FrmCompi", "FrmSchwierigkeit", "frmSpieler1", "frmMemory", "frmStat"})
            open += Forms::instance().find(QLatin1String(name)) != nullptr;
        return open;
    }
    static bool onlyMemoryWindowIs(const char *name)
    {
        return memoryWindows() == 1 && Forms::instance().find(QLatin1String(name));
    }
    // The page for one pupil: the name typed, the pictures clicked, "Weiter".
    void fillPage(const QString &name, std::initializer_list<int> pictures)
    {
        auto *page = window<frmSpieler1>();
        ASSERT_TRUE(page);
        QTest::keyClicks(page->TxtName, name);
        for (const int index : pictures)
            click(page->Imgicon[index]);
        click(page->cmdweiter);
    }
    // The score view's lines, then the end button; after the save window's
    // 2000 ms the main window is back and no memory window is left.
    QString endGame()
    {
        auto *score = window<frmStat>();
        const QString lines = score ? score->LblAusgabe->text() : QString();
        click(window<frmMemory>()->CmdEnde);
        advanceClock(2000);
        testing_support::flushClosedWindows();
        EXPECT_TRUE(main->isVisible() && memoryWindows() == 0);
        return lines;
    }
};

// Two pupils: "2" skips the computer choice, whatever an earlier game left;
// player 1's page is red, player 2's dark blue with the same five animals,
// player 1's locked. Enter in the name box does not leave the page;
// "Weiter" during the blinking does. Then a game against the computer in
// the same run: the animals are shuffled anew, the page asks for one name
// while the count is still 1, and the computer is saved as "Spieler 2".
TEST_F(Road, TwoPupilsThenOneAgainstTheComputerPlayFromTheMainWindowToTheirRecords)
{
    Mdlmodul.GegenCompi = QStringLiteral("ja");
    feedShuffle({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    click(main->Image2);
    shoot(window<frmAnzahl>(), QStringLiteral("frmAnzahl"));
    click(window<frmAnzahl>()->CmdzweiSpieler);
    ASSERT_TRUE(onlyMemoryWindowIs("FrmSchwierigkeit"));
    shoot(window<FrmSchwierigkeit>(), QStringLiteral("FrmSchwierigkeit"));
    click(window<FrmSchwierigkeit>()->ImgLeicht);

    frmSpieler1 *page = window<frmSpieler1>();
    ASSERT_TRUE(page && onlyMemoryWindowIs("frmSpieler1"));
    EXPECT_EQ(QApplication::focusWidget(), page->TxtName);
    EXPECT_EQ(background(page), QStringLiteral("#ff0000"));
    QList<QImage> animals;
    for (platform::ImageBox *image : page->Imgicon)
        animals << image->pixmap().toImage();
    page->TxtName->insert(QStringLiteral("Le\u202Ena"));
    click(page->Imgicon[3]);
    advanceClock(500);
    EXPECT_FALSE(page->Imgicon[3]->isVisible()) << "the pick blinks";
    QTest::keyClick(page->TxtName, Qt::Key_Return);
    EXPECT_EQ(window<frmSpieler1>(), page) << "Enter does not press Weiter";
    shoot(page, QStringLiteral("frmSpieler1-player1"));
    click(page->cmdweiter);
    testing_support::flushClosedWindows();

    page = window<frmSpieler1>();
    ASSERT_TRUE(page);
    EXPECT_EQ(background(page), QStringLiteral("#0000c0"));
    EXPECT_EQ(page->TxtName->text(), QString());
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(page->Imgicon[i]->pixmap().toImage(), animals[i]) << "the same animal in place " << i;
        EXPECT_TRUE(page->Imgicon[i]->isVisible());
        EXPECT_EQ(page->Imgicon[i]->isEnabled(), i != 3);
    }
    shoot(page, QStringLiteral("frmSpieler1-player2"));
    feedBoard(7, QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4"));
    fillPage(QStringLiteral("Ben"), {1});
    ASSERT_TRUE(onlyMemoryWindowIs("frmMemory") && main->isVisible());
    EXPECT_EQ(window<frmMemory>()->Lbldran->text(), QStringLiteral("Du bist dran, Lena"));
    click({0, 1, 2, 4});
    advanceClock(1000);
    EXPECT_TRUE(window<frmMemory>()->PctSmilie[memory::Neutral]->isVisible()) << "the computer's timer ticks from the load";
    for (const int slot : {2, 4, 6, 8, 10, 12, 14})
        click({slot, slot + 1});
    EXPECT_EQ(endGame(), QStringLiteral("Lena: 4\nBen: 28"));
    EXPECT_EQ(records(), QStringLiteral("Lena|4|Memory|1|%1\nBen|28|Memory|1|%1").arg(m_today));

    feedShuffle({10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
    click(main->Image2);
    click(window<frmAnzahl>()->CmdeinSpieler);
    shoot(window<FrmCompi>(), QStringLiteral("FrmCompi"));
    click(window<FrmCompi>()->Imgcompi);
    click(window<FrmSchwierigkeit>()->ImgLeicht);
    EXPECT_EQ(background(window<frmSpieler1>()), QStringLiteral("#ff0000"));
    EXPECT_EQ(Mdlmodul.IconDateien[1], QStringLiteral("Pferd.wmf")) << "shuffled anew";
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, 1);
    feedBoard(7, QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4  2 5 2 5  1 6 3 4"));
    fillPage(QStringLiteral("Mia"), {4});
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, 2);
    feedComputer({6, 7, 8, 10});
    click({2, 4});
    advanceClock(3000);
    shoot(window<frmMemory>(), QStringLiteral("frmMemory-computer"));
    advanceClock(2000);
    EXPECT_EQ(window<frmMemory>()->Lbldran->text(), QStringLiteral("Du bist dran, Mia"));
    for (const int slot : {0, 2, 4, 8, 10, 12, 14, 16, 18, 20, 22})
        click({slot, slot + 1});
    EXPECT_EQ(endGame(), QStringLiteral("Mia: 44\nSpieler 2: 4"));
    EXPECT_EQ(records().section(u'\n', 2), QStringLiteral("Mia|44|Memory|1|%1\nSpieler 2|4|Memory|1|%1").arg(m_today));
}

// A pupil alone on the hard board, with no name and no pick; the "Memory"
// picture during the game only brings the game to the front; a click closes
// the score view.
TEST_F(Road, APupilAlonePlaysFromTheMainWindowToOneRecord)
{
    click(main->Image2);
    click(window<frmAnzahl>()->CmdeinSpieler);
    click(window<FrmCompi>()->Imgallein);
    click(window<FrmSchwierigkeit>()->ImgSchwierig);
    platform::Random::instance().feed({drawFor(2, 1, 3), drawFor(1, 1, 3)});
    feedBoard(13, QStringLiteral("1 12 2 11  3 10 4 9  5 8 6 7  7 6 8 5  9 4 10 3  11 2 12 1"));
    fillPage({}, {});
    EXPECT_EQ(QStringLiteral("%1 %2").arg(Mdlmodul.IconSpieler1).arg(Mdlmodul.IconSpieler2), QStringLiteral("2 1"));

    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    click(main->Image2);
    EXPECT_TRUE(onlyMemoryWindowIs("frmMemory"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(window<frmMemory>()));
    for (int miss = 0; miss < 16; ++miss) {
        click({0, 2});
        advanceClock(1000);
    }
    for (int slot = 0; slot < 24; slot += 2)
        click({slot, slot + 1});
    EXPECT_EQ(window<frmStat>()->LblAusgabe->text(), QStringLiteral("Spieler 1: 30"));
    QTest::mouseClick(window<frmStat>(), Qt::LeftButton, {}, QPoint(5, 5));
    testing_support::flushClosedWindows();
    EXPECT_EQ(endGame(), QString());
    EXPECT_EQ(records(), QStringLiteral("Spieler 1|30|Memory|2|") + m_today);
}

// Escape on a choice window leaves the road: no memory window is left, and
// the main window, hidden by the sign-in, is back in front.
TEST_F(Road, EscapeOnAChoiceWindowLeavesTheRoadForTheMainWindow)
{
    for (const char *chooser : {"frmAnzahl", "FrmCompi", "FrmSchwierigkeit"}) {
        click(main->Image2);
        if (chooser != std::string_view("frmAnzahl"))
            click(window<frmAnzahl>()->CmdeinSpieler);
        if (chooser == std::string_view("FrmSchwierigkeit"))
            click(window<FrmCompi>()->Imgcompi);
        Forms::instance().hide<frmStart>();
        ASSERT_TRUE(onlyMemoryWindowIs(chooser));
        QTest::keyClick(Forms::instance().find(QLatin1String(chooser)), Qt::Key_Escape);
        testing_support::flushClosedWindows();
        EXPECT_EQ(memoryWindows(), 0) << chooser;
        EXPECT_TRUE(main->isVisible() && QApplication::activeWindow() == main) << chooser;
    }
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("Daten.mdb"))));
}

} // namespace
