#include "../../results/resultstable.h"
#include "arithmetic/forms/frmHilfe.h"
#include "memory/forms/memorywindows.h"
#include "platform/pictures.h"

#include <QtCore/QDate>
#include <QtCore/QSet>
#include <QtGui/QImageReader>

using namespace memory_testing;
using platform::Forms;
using testing_support::advanceClock;

namespace {

const QString board7 = QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4");

QString today()
{
    return QDate::currentDate().toString(Qt::ISODate);
}

using Board = MemoryWindows;

TEST_F(Board, TwoPupilsPlayASixteenCardGameAndBothResultsAreSaved)
{
    prepareGame(Mode::TwoPlayers, 0, QStringLiteral("Lena"), QStringLiteral("Ben"), 3, 1);
    feedBoard(7, board7);
    frmMemory *board = openBoard();
    ASSERT_TRUE(board);
    testing_support::shoot(board, QStringLiteral("frmMemory-face-down"));
    EXPECT_EQ(cardsShown(board), QStringLiteral("1D 6D 2D 5D | 3D 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(board->lblErgebnis->text(), QStringLiteral("Finde zusammen 7!"));
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran, Lena"));
    EXPECT_TRUE(board->Imgmyicon[3]->isVisible());
    EXPECT_FALSE(board->pctBild[16]->geometry().intersects(board->rect())) << "idle slots lie out of sight";

    click(board->pctBild[0]);
    click(board->pctBild[1]);
    click(board->pctBild[2]);
    click(board->pctBild[4]);
    EXPECT_EQ(cardsShown(board), QStringLiteral("1R 6R 2U 5D | 3U 4D 1D 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(foundShown(board->Lbleins), QStringLiteral("1+6"));
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran, Ben"));
    EXPECT_TRUE(board->PctSmilie[memory::Sad]->isVisible());
    EXPECT_TRUE(board->Imgmyicon[1]->isVisible());
    EXPECT_FALSE(board->Imgmyicon[3]->isVisible());
    advanceClock(1000);

    click(board->pctBild[2]);
    click(board->pctBild[3]);
    EXPECT_EQ(board->LblPaar->text(), QStringLiteral("Du hast ein Paar!"));
    click(board->pctBild[4]);
    click(board->pctBild[6]);
    EXPECT_EQ(cardsShown(board), QStringLiteral("1R 6R 2B 5B | 3U 4D 1U 6D | 2D 5D 3D 4D | 1D 6D 3D 4D"));
    EXPECT_EQ(foundShown(board->Lblzwei), QStringLiteral("2+5"));
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran, Lena"));
    testing_support::shoot(board, QStringLiteral("frmMemory-mid-game"));
    advanceClock(1000);

    for (int slot = 4; slot < 16; slot += 2) {
        click(board->pctBild[slot]);
        click(board->pctBild[slot + 1]);
    }
    EXPECT_EQ(foundShown(board->Lbleins), QStringLiteral("1+6 3+4 1+6 2+5 3+4 1+6 3+4"));
    auto *score = Forms::instance().find<frmStat>();
    ASSERT_TRUE(score && QTest::qWaitForWindowExposed(score));
    EXPECT_EQ(score->LblAusgabe->text(), QStringLiteral("Lena: 28\nBen: 4"));
    testing_support::shoot(score, QStringLiteral("frmStat"));
    testing_support::shoot(board, QStringLiteral("frmMemory-finished"));

    click(board->CmdEnde);
    testing_support::flushClosedWindows();
    EXPECT_FALSE(Forms::instance().find<frmMemory>());
    EXPECT_FALSE(Forms::instance().find<frmStat>()) << "the end button closes the score view";
    advanceClock(2000);
    EXPECT_EQ(results_testing::tableRows(folder.file(QStringLiteral("Daten.mdb"))),
              QStringList({QStringLiteral("Lena|28|Memory|1|") + today(), QStringLiteral("Ben|4|Memory|1|") + today()}));
}

TEST_F(Board, APupilAlonePlaysATwentyFourCardGameAndTheResultIsSaved)
{
    prepareGame(Mode::Alone, 1, QStringLiteral("Mia"));
    // N = 13, partners side by side.
    feedBoard(13, QStringLiteral("1 12 2 11  3 10 4 9  5 8 6 7  7 6 8 5  9 4 10 3  11 2 12 1"));
    frmMemory *board = openBoard();
    ASSERT_TRUE(board);
    EXPECT_EQ(board->Lbldran->text(), QString());
    for (int miss = 0; miss < 16; ++miss) {
        click(board->pctBild[0]);
        click(board->pctBild[2]);
        advanceClock(1000);
    }
    for (int slot = 0; slot < 24; slot += 2) {
        click(board->pctBild[slot]);
        click(board->pctBild[slot + 1]);
    }
    EXPECT_EQ(cardsShown(board), QStringLiteral("1R 12R 2R 11R | 3R 10R 4R 9R | 5R 8R 6R 7R | 7R 6R 8R 5R | "
                                                "9R 4R 10R 3R | 11R 2R 12R 1R"));
    testing_support::shoot(board, QStringLiteral("frmMemory-24-finished"));
    auto *score = Forms::instance().find<frmStat>();
    ASSERT_TRUE(score && QTest::qWaitForWindowExposed(score));
    EXPECT_EQ(score->LblAusgabe->text(), QStringLiteral("Mia: 30"));
    click(score->LblAusgabe);
    testing_support::flushClosedWindows();
    EXPECT_FALSE(Forms::instance().find<frmStat>()) << "a click on the score closes the view";

    click(board->CmdEnde);
    advanceClock(2000);
    EXPECT_EQ(results_testing::tableRows(folder.file(QStringLiteral("Daten.mdb"))),
              QStringList {QStringLiteral("Mia|30|Memory|2|") + today()});
}

// Two pupils who stop halfway still get both records, for the pairs found.
TEST_F(Board, TheEndButtonOnAnUnfinishedGameSavesThePairsFound)
{
    prepareGame(Mode::TwoPlayers, 0);
    feedBoard(7, board7);
    frmMemory *board = openBoard();
    ASSERT_TRUE(board);
    click(board->pctBild[0]);
    click(board->pctBild[1]);
    click(board->pctBild[2]);
    click(board->pctBild[4]);
    advanceClock(1000);
    click(board->pctBild[2]);
    click(board->pctBild[3]);
    click(board->pctBild[4]);
    click(board->pctBild[5]);
    click(board->CmdEnde);
    advanceClock(2000);
    EXPECT_EQ(results_testing::tableRows(folder.file(QStringLiteral("Daten.mdb"))),
              QStringList({QStringLiteral("Spieler 1|4|Memory|1|") + today(),
                           QStringLiteral("Spieler 2|8|Memory|1|") + today()}));
}

// The help shows the first card's task, only while one card is up; pressed
// again it only comes to the front, and it outlives the board.
TEST_F(Board, TheHelpButtonOpensTheCountingHelpForTheFirstCardOnly)
{
    prepareGame(Mode::Alone, 0);
    feedBoard(7, board7);
    frmMemory *board = openBoard();
    ASSERT_TRUE(board);
    click(board->cmdhilfe);
    EXPECT_FALSE(Forms::instance().find<frmHilfe>()) << "no card up";

    click(board->pctBild[2]);
    click(board->pctBild[4]);
    click(board->cmdhilfe);
    EXPECT_FALSE(Forms::instance().find<frmHilfe>()) << "two cards up";
    advanceClock(1000);

    click(board->pctBild[4]);
    click(board->cmdhilfe);
    auto *help = Forms::instance().find<frmHilfe>();
    ASSERT_TRUE(help && QTest::qWaitForWindowExposed(help));
    EXPECT_FALSE(help->isModal()) << "the board goes on behind the help";
    EXPECT_EQ(help->lblOperator1->text() + help->lblRechenart->text() + help->lblOperator2->text()
                  + help->lblErgebnis->text(),
              QStringLiteral("3+?7"));

    click(board->pctBild[6]); // 3 + 1: a miss
    advanceClock(1000);
    click(board->pctBild[0]);
    click(board->cmdhilfe);
    EXPECT_EQ(Forms::instance().find<frmHilfe>(), help);
    EXPECT_EQ(help->lblOperator1->text(), QStringLiteral("3")) << "shown again, the help keeps its task";

    click(board->CmdEnde);
    testing_support::flushClosedWindows();
    EXPECT_EQ(Forms::instance().find<frmHilfe>(), help) << "the help is a window of its own";
}

TEST_F(Board, AClickOnTheScoreViewOrItsLabelClosesIt)
{
    prepareGame(Mode::Alone, 0);
    Mdlmodul.AnzahlKarten = 16;
    auto *score = Forms::instance().show<frmStat>();
    ASSERT_TRUE(score && QTest::qWaitForWindowExposed(score));
    EXPECT_EQ(score->LblAusgabe->text(), QStringLiteral("Spieler 1: 40"));
    QTest::mouseClick(score, Qt::LeftButton, {}, QPoint(5, 5));
    testing_support::flushClosedWindows();
    EXPECT_FALSE(Forms::instance().find<frmStat>());
}

// A school may put clip art of its own under the animals' names; whatever
// the board reads must be there, each picture in the format its name says.
TEST_F(Board, ThePicturesTheBoardReadsLieBesideTheProgram)
{
    const QDir programFolder(QStringLiteral(QUIRLIX_PROGRAM_FOLDER));
    for (const QString &name : programFolderPictures()) {
        QImageReader reader(programFolder.filePath(name));
        const QByteArray format = name.section(u'.', -1).toLatin1().replace("jpg", "jpeg");
        if (format != "wmf") {
            EXPECT_EQ(reader.format(), format) << name.toStdString();
        }
        const QPixmap picture = platform::picture(programFolder.filePath(name), QSize(97, 129));
        ASSERT_FALSE(picture.isNull()) << name.toStdString();
        const QImage image = picture.toImage();
        QSet<QRgb> colours;
        for (int y = 0; y < image.height(); y += 4)
            for (int x = 0; x < image.width(); x += 4)
                colours.insert(image.pixel(x, y));
        EXPECT_GE(colours.size(), 5) << name.toStdString() << " draws a picture";
    }
}

class BoardWithoutPictures : public MemoryWindows
{
protected:
    BoardWithoutPictures() { m_withPictures = false; }
};

QStringList &pictureWarnings()
{
    static QStringList lines;
    return lines;
}

void keepPictureWarnings(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QLatin1String(context.category) == QLatin1String("quirlix.pictures"))
        pictureWarnings() << message;
}

// Without its pictures the board still plays: plain cards, empty buttons,
// no animal, and one line for each picture missing.
TEST_F(BoardWithoutPictures, TheBoardPlaysOnPlainCardsAndReportsEachMissingPictureOnce)
{
    prepareGame(Mode::TwoPlayers, 0, {}, {}, 0, 4);
    feedBoard(7, board7);
    pictureWarnings().clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepPictureWarnings);
    frmMemory *board = openBoard();
    qInstallMessageHandler(previous);
    ASSERT_TRUE(board);
    EXPECT_EQ(pictureWarnings().size(), 5) << pictureWarnings().join(u'\n').toStdString();
    EXPECT_EQ(pictureWarnings().filter(QStringLiteral("sonne2.jpg")).size(), 1);
    testing_support::shoot(board, QStringLiteral("frmMemory-without-pictures"));
    click(board->pctBild[0]);
    EXPECT_EQ(cardsShown(board).left(11), QStringLiteral("1U 6D 2D 5D"));
    EXPECT_TRUE(board->cmdhilfe->isVisible());
}

// An animal index the player page never leaves shows no animal.
TEST_F(Board, AnAnimalIndexOutsideTheFiveShowsNoAnimal)
{
    prepareGame(Mode::TwoPlayers, 0, {}, {}, 5, 9);
    feedBoard(7, board7);
    frmMemory *board = openBoard();
    ASSERT_TRUE(board);
    click(board->pctBild[0]);
    click(board->pctBild[2]);
    for (platform::ImageBox *animal : board->Imgmyicon)
        EXPECT_FALSE(animal->isVisible());
    EXPECT_EQ(board->Lbldran->text(), QStringLiteral("Du bist dran, Spieler 2"));
}

} // namespace
