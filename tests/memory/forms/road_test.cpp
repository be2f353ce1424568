#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/registration.h"
#include "memory/forms/choicewindows.h"
#include "memory/forms/frmMemory.h"
#include "memory/forms/frmSpieler1.h"
#include "memory/forms/frmStat.h"
#include "memory/forms/registration.h"
#include "memory/memorytesting.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "results/forms/registration.h"
#include "shell/forms/frmStart.h"
#include "shell/forms/registration.h"
#include "support/guisupport.h"
#include "support/sqlitefile.h"

#include <QtCore/QDate>
#include <QtCore/QDir>
#include <QtGui/QImageReader>
#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>

using namespace memory_testing;
using platform::Forms;
using testing_support::advanceClock;
using testing_support::flushClosedWindows;
using testing_support::shoot;

namespace {

// main()'s windows, the main window open, and the program's pictures, each in the format its name says.
class Road : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        registerShellForms();
        registerMemoryForms();
        registerResultsForms();
        registerArithmeticForms();
        main = Forms::instance().show<frmStart>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
        for (int number = 1; number <= 10; ++number)
            m_pictures << memory::animalFile(number);
        for (const QString &name : m_pictures) {
            const QString path = QDir(QStringLiteral(QUIRLIX_PROGRAM_FOLDER)).filePath(name);
            const QByteArray format = name.section(u'.', -1).toLatin1().replace("jpg", "jpeg");
            ASSERT_TRUE(format == "wmf" || QImageReader(path).format() == format) << name.toStdString();
            ASSERT_TRUE(QFile::copy(path, folder.file(name))) << name.toStdString();
        }
    }
    void TearDown() override
    {
        testing_support::resetWindows();
        qInstallMessageHandler(nullptr);
    }
    // The window, once it is open and exposed; null otherwise.
    template<class W>
    W *window()
    {
        W *form = Forms::instance().find<W>();
        return form && QTest::qWaitForWindowExposed(form) ? form : nullptr;
    }
    static void click(QWidget *control) { QTest::mouseClick(control, Qt::LeftButton); }
    void click(std::initializer_list<int> cardsClicked)
    {
        for (const int slot : cardsClicked)
            click(window<frmMemory>()->pctBild[slot]);
    }
    static QString background(platform::Form *form) { return form->client()->palette().color(QPalette::Window).name(); }
    // The memory windows open, by name.
    static QString memoryWindows()
    {
        QStringList open;
        for (const char *name : {"frmAnzahl", "FrmCompi", "FrmSchwierigkeit", "frmSpieler1", "frmMemory", "frmStat"})
            if (Forms::instance().find(QLatin1String(name)))
                open << QLatin1String(name);
        return open.join(u' ');
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
    // The score view's lines, then the end button: 2000 ms later the main window is back, no memory window left.
    // A game picture clicked while the save window waits changes nothing of what it saves.
    QString endGame()
    {
        auto *score = window<frmStat>();
        const QString lines = score ? score->LblAusgabe->text() : QString();
        click(window<frmMemory>()->CmdEnde);
        click(main->Image3);
        advanceClock(2000);
        flushClosedWindows();
        EXPECT_TRUE(main->isVisible() && memoryWindows().isEmpty());
        return lines;
    }
    QString records() const
    {
        return testing_support::SqliteFile(folder.file(QStringLiteral("Daten.mdb"))).records().join(u'\n');
    }
    testing_support::ProgramFolderFixture folder;
    frmStart *main = nullptr;
    QStringList m_pictures = {QStringLiteral("sonne2.jpg"), QStringLiteral("klein_Weiter-tuer.gif"),
                              QStringLiteral("klein_Fragezeichen.jpg"), QStringLiteral("haken1.jpg")};
    const QString m_today = QDate::currentDate().toString(Qt::ISODate);
};

// "2" skips the computer choice whatever an earlier game left; player 2's page offers the same animals, player 1's
// locked. Then, in the same run, the computer: shuffled anew, one name asked, the computer saved as "Spieler 2".
TEST_F(Road, TwoPupilsThenOneAgainstTheComputerPlayFromTheMainWindowToTheirRecords)
{
    Mdlmodul.GegenCompi = QStringLiteral("ja");
    feed({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, 1, 10);
    click(main->Image2);
    shoot(window<frmAnzahl>(), QStringLiteral("frmAnzahl"));
    EXPECT_TRUE(testing_support::showsFlatFace(window<frmAnzahl>()->CmdzweiSpieler, Qt::red));
    click(main->Image3); // the pig picture meanwhile only brings the memory road back
    ASSERT_EQ(memoryWindows(), QStringLiteral("frmAnzahl"));
    EXPECT_EQ(modVar.SpielName + (Forms::instance().find(QStringLiteral("frmLoginSpiele")) ? "+sign-in" : ""), "Memory");
    click(window<frmAnzahl>()->CmdzweiSpieler);
    ASSERT_EQ(memoryWindows(), QStringLiteral("FrmSchwierigkeit"));
    shoot(window<FrmSchwierigkeit>(), QStringLiteral("FrmSchwierigkeit"));
    click(window<FrmSchwierigkeit>()->ImgLeicht);
    frmSpieler1 *page = window<frmSpieler1>();
    ASSERT_TRUE(page && memoryWindows() == QStringLiteral("frmSpieler1"));
    EXPECT_TRUE(QApplication::focusWidget() == page->TxtName && background(page) == u"#ff0000");
    QList<QImage> animals;
    for (platform::ImageBox *image : page->Imgicon)
        animals << image->pixmap().toImage();
    page->TxtName->insert(QStringLiteral("Le\u202Ena"));
    click(page->Imgicon[3]);
    QString blinks;
    for (int tick = 0; tick < 7; ++tick, blinks += page->Imgicon[3]->isVisible() ? u'o' : u'-')
        advanceClock(500);
    EXPECT_EQ(blinks, QStringLiteral("-o-o-oo")) << "the pick blinks three times, every 500 ms";
    QTest::keyClick(page->TxtName, Qt::Key_Return);
    EXPECT_EQ(window<frmSpieler1>(), page) << "Enter does not press Weiter";
    shoot(page, QStringLiteral("frmSpieler1-player1"));
    click(page->cmdweiter);
    flushClosedWindows();
    ASSERT_TRUE((page = window<frmSpieler1>()));
    EXPECT_EQ(background(page) + page->TxtName->text(), QStringLiteral("#0000c0"));
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(page->Imgicon[i]->pixmap().toImage() == animals[i] && page->Imgicon[i]->isVisible()
                    && page->Imgicon[i]->isEnabled() == (i != 3)) << "the same animals, player 1's locked: " << i;
    shoot(page, QStringLiteral("frmSpieler1-player2"));
    feedBoard(7, QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4"));
    fillPage(QStringLiteral("Ben"), {1});
    ASSERT_TRUE(memoryWindows() == QStringLiteral("frmMemory") && main->isVisible());
    frmMemory *board = window<frmMemory>();
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran, Lena"));
    click({0, 1});
    EXPECT_EQ(board->LblPaar->text() + board->lblZahl[1]->text(), QStringLiteral("Du hast ein Paar!6"));
    click({2, 4});
    advanceClock(1000);
    EXPECT_TRUE(board->PctSmilie[memory::Neutral]->isVisible()) << "the computer's timer ticks from the load";
    for (const int slot : {2, 4, 6, 8, 10, 12, 14})
        click({slot, slot + 1});
    EXPECT_EQ(endGame(), QStringLiteral("Lena: 4\nBen: 28"));
    EXPECT_EQ(records(), QStringLiteral("Lena|4|Memory|1|%1\nBen|28|Memory|1|%1").arg(m_today));
    feed({10, 9, 8, 7, 6, 5, 4, 3, 2, 1}, 1, 10);
    click(main->Image2);
    click(window<frmAnzahl>()->CmdeinSpieler);
    shoot(window<FrmCompi>(), QStringLiteral("FrmCompi"));
    click(window<FrmCompi>()->Imgcompi);
    click(window<FrmSchwierigkeit>()->ImgLeicht);
    EXPECT_EQ(background(window<frmSpieler1>()) + Mdlmodul.IconDateien[1] + QString::number(Mdlmodul.AnzahlSpieler),
              QStringLiteral("#ff0000Pferd.wmf1")) << "shuffled anew, one player";
    feedBoard(7, QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4  2 5 2 5  1 6 3 4"));
    fillPage(QStringLiteral("Mia"), {4});
    EXPECT_EQ(Mdlmodul.AnzahlSpieler, 2);
    feedComputer({6, 7, 8, 10});
    click({2, 4});
    advanceClock(3000);
    shoot(window<frmMemory>(), QStringLiteral("frmMemory-computer"));
    advanceClock(2000);
    board = window<frmMemory>();
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran, Mia"));
    EXPECT_EQ(board->lblZahl[6]->palette().color(QPalette::Window).name(), QStringLiteral("#0000c0")) << "its pair";
    EXPECT_TRUE(board->Lblzwei[1]->text() == u"6" && board->Lblzwei[1]->isVisible() && !board->Lblzwei[2]->isVisible());
    for (const int slot : {0, 2, 4, 8, 10, 12, 14, 16, 18, 20, 22})
        click({slot, slot + 1});
    EXPECT_EQ(endGame(), QStringLiteral("Mia: 44\nSpieler 2: 4"));
    EXPECT_EQ(records().section(u'\n', 2), QStringLiteral("Mia|44|Memory|1|%1\nSpieler 2|4|Memory|1|%1").arg(m_today));
}

// Escape on a choice window leaves the road. The "Memory" picture during the game only raises it. The help opens
// only while one card is up, comes to the front when pressed again and outlives the board.
TEST_F(Road, APupilAlonePlaysFromTheMainWindowToOneRecord)
{
    click(main->Image2);
    click(window<frmAnzahl>()->CmdeinSpieler);
    click(window<FrmCompi>()->Imgallein);
    Forms::instance().hide<frmStart>(); // as the sign-in may leave it
    QTest::keyClick(window<FrmSchwierigkeit>(), Qt::Key_Escape);
    flushClosedWindows();
    EXPECT_TRUE(memoryWindows().isEmpty() && main->isVisible() && QApplication::activeWindow() == main) << "Escape";
    click(main->Image2);
    click(window<frmAnzahl>()->CmdeinSpieler);
    click(window<FrmCompi>()->Imgallein);
    click(window<FrmSchwierigkeit>()->ImgSchwierig);
    feed({2, 1}, 1, 3);
    feedBoard(13, QStringLiteral("1 12 2 11  3 10 4 9  5 8 6 7  7 6 8 5  9 4 10 3  11 2 12 1"));
    fillPage({}, {});
    EXPECT_EQ(QStringLiteral("%1 %2").arg(Mdlmodul.IconSpieler1).arg(Mdlmodul.IconSpieler2), QStringLiteral("2 1"));
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main));
    click(main->Image2);
    EXPECT_EQ(memoryWindows(), QStringLiteral("frmMemory"));
    frmMemory *board = window<frmMemory>();
    EXPECT_TRUE(QTest::qWaitForWindowActive(board));
    click(board->cmdhilfe);
    click({0, 2});
    click(board->cmdhilfe);
    EXPECT_FALSE(Forms::instance().find<frmHilfe>()) << "no card up, then two";
    advanceClock(1000);
    click({2});
    click(board->cmdhilfe);
    auto *help = window<frmHilfe>();
    ASSERT_TRUE(help && !help->isModal()) << "modeless: the board goes on behind the help";
    const auto task = [help] {
        return help->lblOperator1->text() + help->lblRechenart->text() + help->lblOperator2->text()
            + help->lblErgebnis->text();
    };
    EXPECT_EQ(task(), QStringLiteral("2+?13"));
    click({4});
    advanceClock(1000);
    click({0});
    click(board->cmdhilfe);
    EXPECT_EQ(Forms::instance().find<frmHilfe>(), help);
    EXPECT_EQ(task(), QStringLiteral("2+?13")) << "shown again, the help keeps its task";
    for (int miss = 0; miss < 14; ++miss) {
        click({2});
        advanceClock(1000);
        click({0});
    }
    for (int slot = 0; slot < 24; slot += 2) // the first card, still up, takes no click
        click({slot, slot + 1});
    EXPECT_EQ(window<frmStat>()->LblAusgabe->text(), QStringLiteral("Spieler 1: 30"));
    shoot(window<frmStat>(), QStringLiteral("frmStat"));
    QTest::mouseClick(window<frmStat>(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(endGame(), QString());
    EXPECT_EQ(records(), QStringLiteral("Spieler 1|30|Memory|2|") + m_today);
    EXPECT_EQ(Forms::instance().find<frmHilfe>(), help) << "the help is a window of its own";
}

// Without pictures: a log line each, a pick in an empty frame counts, an animal index past the five shows nothing.
TEST_F(Road, WithoutPicturesThePageAndTheBoardPlayOnAndReportEachMissingPictureOnce)
{
    for (const QString &name : std::as_const(m_pictures))
        QFile::remove(folder.file(name));
    static QStringList lines; // on the pictures' log category
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &text) {
        if (QLatin1String(context.category) == QLatin1String("quirlix.pictures"))
            lines << text;
    });
    prepareGame(Mode::Alone, 0);
    auto *page = Forms::instance().show<frmSpieler1>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(page));
    EXPECT_EQ(std::exchange(lines, {}).size(), 6);
    click(page->Imgicon[4]);
    click(page->cmdweiter);
    EXPECT_TRUE(window<frmMemory>() && Mdlmodul.IconSpieler1 == 4);
    Forms::instance().close<frmMemory>();
    prepareGame(Mode::TwoPlayers, 0, {}, {}, 0, 9);
    feedBoard(7, QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4"));
    lines.clear();
    auto *board = Forms::instance().show<frmMemory>();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(board));
    EXPECT_TRUE(lines.size() == 4 && lines.filter(QStringLiteral("sonne2.jpg")).size() == 1)
        << lines.join(u'\n').toStdString();
    shoot(board, QStringLiteral("frmMemory-without-pictures"));
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran,Spieler 1"));
    click({0, 2});
    EXPECT_TRUE(board->lblZahl[2]->isVisible() && !board->pctBild[2]->isVisible());
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran, Spieler 2"));
    for (platform::ImageBox *animal : board->Imgmyicon)
        EXPECT_FALSE(animal->isVisible());
}

} // namespace
