#include "arithmetic/forms/frmHilfe.h"
#include "arithmetic/forms/registration.h"
#include "memory/forms/frmMemory.h"
#include "memory/forms/frmStat.h"
#include "memory/forms/registration.h"
#include "memory/memorytesting.h"
#include "platform/controls.h"
#include "platform/forms.h"
#include "platform/pictures.h"
#include "results/forms/registration.h"
#include "support/guisupport.h"
#include "support/sqlitefile.h"

#include <QtCore/QDate>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QSet>
#include <QtGui/QImageReader>
#include <QtTest/QTest>
#include <QtWidgets/QLabel>

using namespace memory_testing;
using platform::Forms;
using testing_support::advanceClock;

namespace {

const QString board7 = QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4");
const QStringList pictures = animalFiles + QStringList {QStringLiteral("sonne2.jpg"), QStringLiteral("klein_Weiter-tuer.gif"),
                                                        QStringLiteral("klein_Fragezeichen.jpg")};

// The board's windows and those it opens registered, the main window open
// behind them, and the pictures the build lays beside the program.
class Board : public MemoryTest
{
protected:
    void SetUp() override
    {
        testing_support::resetWindows();
        registerMemoryForms();
        registerResultsForms();
        registerArithmeticForms();
        testing_support::registerStandIn(QStringLiteral("frmStart"));
        Forms::instance().show(QStringLiteral("frmStart"));
        for (const QString &name : pictures)
            if (m_withPictures)
                QFile::copy(QDir(QStringLiteral(QUIRLIX_PROGRAM_FOLDER)).filePath(name), folder.file(name));
    }
    void TearDown() override { testing_support::resetWindows(); }

    frmMemory *open(const QString &numbers = board7, int target = 7)
    {
        feedBoard(target, numbers);
        m_board = Forms::instance().show<frmMemory>();
        EXPECT_TRUE(m_board && QTest::qWaitForWindowExposed(m_board));
        return m_board;
    }
    void click(std::initializer_list<int> cardsClicked)
    {
        for (const int slot : cardsClicked)
            QTest::mouseClick(m_board->pctBild[slot], Qt::LeftButton);
    }
    // The cards as the pupil sees them: the number and D (card back), U
    // (number), R or B (white number on red or on dark blue).
    QString cards() const
    {
        QString text;
        for (int slot = 0; slot < Mdlmodul.AnzahlKarten; ++slot) {
            const QLabel *number = m_board->lblZahl[slot];
            const QRgb back = number->palette().color(QPalette::Window).rgb();
            const char *mark = m_board->pctBild[slot]->isVisible() ? (number->isVisible() ? "?" : "D")
                               : !number->autoFillBackground()    ? "U"
                               : back == qRgb(255, 0, 0)          ? "R"
                               : back == qRgb(0, 0, 0xC0)         ? "B"
                                                                  : "?";
            text += number->text() + QLatin1String(mark) + QLatin1String(slot % 4 == 3 ? " | " : " ");
        }
        return text.chopped(3);
    }
    QString records() const
    {
        return testing_support::SqliteFile(folder.file(QStringLiteral("Daten.mdb"))).records().join(u'\n');
    }

    frmMemory *m_board = nullptr;
    bool m_withPictures = true;
    const QString m_today = QDate::currentDate().toString(Qt::ISODate);
};

TEST_F(Board, TwoPupilsPlayASixteenCardGameAndBothResultsAreSaved)
{
    prepareGame(Mode::TwoPlayers, 0, QStringLiteral("Lena"), QStringLiteral("Ben"));
    frmMemory *board = open();
    ASSERT_TRUE(board);
    testing_support::shoot(board, QStringLiteral("frmMemory-face-down"));
    EXPECT_EQ(cards(), QStringLiteral("1D 6D 2D 5D | 3D 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(board->lblErgebnis->text() + u' ' + board->Lbldran->text(),
              QStringLiteral("Finde zusammen 7! Du bist dran, Lena"));
    EXPECT_FALSE(board->pctBild[16]->geometry().intersects(board->rect())) << "idle slots lie out of sight";

    click({0, 1, 2, 4});
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran, Ben"));
    EXPECT_TRUE(board->PctSmilie[memory::Sad]->isVisible() && board->Imgmyicon[1]->isVisible());
    EXPECT_FALSE(board->Imgmyicon[3]->isVisible() || board->PctSmilie[memory::Neutral]->isVisible());
    advanceClock(1000);
    EXPECT_TRUE(board->PctSmilie[memory::Neutral]->isVisible()) << "the computer's timer ticks from the load on";
    click({2, 3, 4, 6});
    EXPECT_EQ(cards(), QStringLiteral("1R 6R 2B 5B | 3U 4D 1U 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_TRUE(board->Lbleins[1]->isVisible() && board->Lblzwei[1]->isVisible() && !board->Lblzwei[2]->isVisible());
    EXPECT_EQ(board->Lbleins[0]->text() + board->Lbleins[1]->text() + board->Lblzwei[0]->text()
                  + board->Lblzwei[1]->text(),
              QStringLiteral("1625"));
    testing_support::shoot(board, QStringLiteral("frmMemory-mid-game"));
    advanceClock(1000);

    click({4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15});
    auto *score = Forms::instance().find<frmStat>();
    ASSERT_TRUE(score && QTest::qWaitForWindowExposed(score));
    EXPECT_EQ(score->LblAusgabe->text(), QStringLiteral("Lena: 28\nBen: 4"));
    testing_support::shoot(score, QStringLiteral("frmStat"));

    QTest::mouseClick(board->CmdEnde, Qt::LeftButton);
    testing_support::flushClosedWindows();
    EXPECT_FALSE(Forms::instance().find<frmMemory>() || Forms::instance().find<frmStat>());
    advanceClock(2000);
    EXPECT_EQ(records(), QStringLiteral("Lena|28|Memory|1|%1\nBen|4|Memory|1|%1").arg(m_today));
}

TEST_F(Board, APupilAlonePlaysATwentyFourCardGameAndTheResultIsSaved)
{
    prepareGame(Mode::Alone, 1, QStringLiteral("Mia"), {}, 0);
    ASSERT_TRUE(open(QStringLiteral("1 12 2 11  3 10 4 9  5 8 6 7  7 6 8 5  9 4 10 3  11 2 12 1"), 13));
    for (int miss = 0; miss < 16; ++miss) {
        click({0, 2});
        advanceClock(1000);
    }
    for (int slot = 0; slot < 24; ++slot)
        click({slot});
    EXPECT_EQ(cards(), QStringLiteral("1R 12R 2R 11R | 3R 10R 4R 9R | 5R 8R 6R 7R | 7R 6R 8R 5R | 9R 4R 10R 3R | "
                                      "11R 2R 12R 1R"));
    testing_support::shoot(m_board, QStringLiteral("frmMemory-24-finished"));
    auto *score = Forms::instance().find<frmStat>();
    ASSERT_TRUE(score && QTest::qWaitForWindowExposed(score));
    EXPECT_EQ(score->LblAusgabe->text(), QStringLiteral("Mia: 30"));
    QTest::mouseClick(score->LblAusgabe, Qt::LeftButton);
    testing_support::flushClosedWindows();
    EXPECT_FALSE(Forms::instance().find<frmStat>()) << "a click on the score closes the view";

    QTest::mouseClick(m_board->CmdEnde, Qt::LeftButton);
    advanceClock(2000);
    EXPECT_EQ(records(), QStringLiteral("Mia|30|Memory|2|") + m_today);
}

// Two pupils who stop halfway still get both records, for the pairs shown.
TEST_F(Board, TheEndButtonOnAnUnfinishedGameSavesThePairsFound)
{
    prepareGame(Mode::TwoPlayers, 0);
    ASSERT_TRUE(open());
    click({0, 1, 2, 4});
    advanceClock(1000);
    click({2, 3, 4, 5});
    QTest::mouseClick(m_board->CmdEnde, Qt::LeftButton);
    advanceClock(2000);
    EXPECT_EQ(records(), QStringLiteral("Spieler 1|4|Memory|1|%1\nSpieler 2|8|Memory|1|%1").arg(m_today));
}

// The help shows the first card's task, only while one card is up; pressed
// again it only comes to the front; it outlives the board.
TEST_F(Board, TheHelpButtonOpensTheCountingHelpForTheFirstCardOnly)
{
    prepareGame(Mode::Alone, 0);
    ASSERT_TRUE(open());
    QTest::mouseClick(m_board->cmdhilfe, Qt::LeftButton);
    click({2, 4});
    QTest::mouseClick(m_board->cmdhilfe, Qt::LeftButton);
    EXPECT_FALSE(Forms::instance().find<frmHilfe>()) << "no card up, then two";
    advanceClock(1000);

    click({4});
    QTest::mouseClick(m_board->cmdhilfe, Qt::LeftButton);
    auto *help = Forms::instance().find<frmHilfe>();
    ASSERT_TRUE(help && QTest::qWaitForWindowExposed(help));
    EXPECT_FALSE(help->isModal()) << "the board goes on behind the help";
    const auto task = [help] {
        return help->lblOperator1->text() + help->lblRechenart->text() + help->lblOperator2->text() + u'='
            + help->lblErgebnis->text();
    };
    EXPECT_EQ(task(), QStringLiteral("3+?=7"));
    click({6});
    advanceClock(1000);
    click({0});
    QTest::mouseClick(m_board->cmdhilfe, Qt::LeftButton);
    EXPECT_EQ(Forms::instance().find<frmHilfe>(), help);
    EXPECT_EQ(task(), QStringLiteral("3+?=7")) << "shown again, the help keeps its task";

    QTest::mouseClick(m_board->CmdEnde, Qt::LeftButton);
    testing_support::flushClosedWindows();
    EXPECT_EQ(Forms::instance().find<frmHilfe>(), help) << "the help is a window of its own";
}

TEST_F(Board, AClickOnTheScoreViewClosesIt)
{
    auto *score = Forms::instance().show<frmStat>();
    ASSERT_TRUE(score && QTest::qWaitForWindowExposed(score));
    QTest::mouseClick(score, Qt::LeftButton, {}, QPoint(5, 5));
    testing_support::flushClosedWindows();
    EXPECT_FALSE(Forms::instance().find<frmStat>());
}

// A school may put clip art of its own under these names; ours must lie
// beside the program, each in the format its name says.
TEST_F(Board, ThePicturesTheBoardReadsLieBesideTheProgram)
{
    for (const QString &name : pictures) {
        const QString path = QDir(QStringLiteral(QUIRLIX_PROGRAM_FOLDER)).filePath(name);
        const QByteArray format = name.section(u'.', -1).toLatin1().replace("jpg", "jpeg");
        EXPECT_TRUE(format == "wmf" || QImageReader(path).format() == format) << name.toStdString();
        const QImage image = platform::picture(path, QSize(97, 129)).toImage();
        QSet<QRgb> colours;
        for (int i = 0; i < image.width() * image.height(); i += 7)
            colours.insert(image.pixel(i % image.width(), i / image.width()));
        EXPECT_GE(colours.size(), 5) << name.toStdString() << " draws a picture";
    }
}

QStringList &pictureWarnings()
{
    static QStringList lines;
    return lines;
}

class BoardWithoutPictures : public Board
{
protected:
    BoardWithoutPictures() { m_withPictures = false; }
};

// Without its pictures the board still plays: plain cards, empty buttons,
// no animal, one line for each picture missing. An animal index outside the
// five shows nothing.
TEST_F(BoardWithoutPictures, TheBoardPlaysOnPlainCardsAndReportsEachMissingPictureOnce)
{
    prepareGame(Mode::TwoPlayers, 0, {}, {}, 0, 9);
    pictureWarnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &text) {
        if (QLatin1String(context.category) == QLatin1String("quirlix.pictures"))
            pictureWarnings() << text;
    });
    open();
    qInstallMessageHandler(previous);
    ASSERT_TRUE(m_board);
    EXPECT_EQ(pictureWarnings().size(), 4) << pictureWarnings().join(u'\n').toStdString();
    EXPECT_EQ(pictureWarnings().filter(QStringLiteral("sonne2.jpg")).size(), 1);
    testing_support::shoot(m_board, QStringLiteral("frmMemory-without-pictures"));
    click({0, 2});
    EXPECT_EQ(cards().left(11), QStringLiteral("1U 6D 2U 5D"));
    EXPECT_EQ(m_board->Lbldran->text(), QStringLiteral("Du bist dran, Spieler 2"));
    for (platform::ImageBox *animal : m_board->Imgmyicon)
        EXPECT_FALSE(animal->isVisible());
}

} // namespace
