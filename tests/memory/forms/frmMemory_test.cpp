#include "arithmetic/forms/frmHilfe.h"
#include "memory/forms/frmSpieler1.h"
#include "memorywindows.h"
#include "platform/pictures.h"

#include <QtCore/QSet>
#include <QtGui/QImageReader>

using namespace memory_testing;
using platform::Forms;
using testing_support::advanceClock;

namespace {

const QString board7 = QStringLiteral("1 6 2 5  3 4 1 6  2 5 3 4  1 6 3 4");

// The board opened from a prepared memory-game state.
class Board : public MemoryWindows
{
protected:
    frmMemory *open(const QString &numbers = board7, int target = 7)
    {
        feedBoard(target, numbers);
        m_board = Forms::instance().show<frmMemory>();
        EXPECT_TRUE(m_board && QTest::qWaitForWindowExposed(m_board));
        return m_board;
    }

    frmMemory *m_board = nullptr;
};

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

// A school may put clip art of its own under these names; ours must lie
// beside the program, each in the format its name says.
TEST_F(Board, ThePicturesTheBoardReadsLieBesideTheProgram)
{
    for (const QString &name : pictureFiles) {
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

class BoardWithoutPictures : public Board
{
protected:
    BoardWithoutPictures() { m_withPictures = false; }
    // The lines on the pictures' log category while the window opens.
    template<class W>
    QStringList warningsOpening(W **form)
    {
        static QStringList lines;
        lines.clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext &context, const QString &text) {
            if (QLatin1String(context.category) == QLatin1String("quirlix.pictures"))
                lines << text;
        });
        *form = Forms::instance().show<W>();
        qInstallMessageHandler(previous);
        EXPECT_TRUE(*form && QTest::qWaitForWindowExposed(*form));
        return lines;
    }
};

// Without its pictures the player page takes the pick in an empty frame and
// leads on; the board plays on plain cards with empty buttons and no animal;
// one line for each picture missing. An animal index outside the five
// shows nothing.
TEST_F(BoardWithoutPictures, ThePageAndTheBoardPlayOnAndReportEachMissingPictureOnce)
{
    prepareGame(Mode::Alone, 0);
    frmSpieler1 *page = nullptr;
    EXPECT_EQ(warningsOpening(&page).size(), 6);
    click(page->Imgicon[4]);
    EXPECT_EQ(Mdlmodul.IconSpieler1, 4);
    click(page->cmdweiter);
    EXPECT_TRUE(window<frmMemory>());
    Forms::instance().close<frmMemory>();

    prepareGame(Mode::TwoPlayers, 0, {}, {}, 0, 9);
    feedBoard(7, board7);
    const QStringList lines = warningsOpening(&m_board);
    EXPECT_EQ(lines.size(), 4) << lines.join(u'\n').toStdString();
    EXPECT_EQ(lines.filter(QStringLiteral("sonne2.jpg")).size(), 1);
    testing_support::shoot(m_board, QStringLiteral("frmMemory-without-pictures"));
    click({0, 2});
    EXPECT_TRUE(m_board->lblZahl[2]->isVisible() && !m_board->pctBild[2]->isVisible());
    EXPECT_EQ(m_board->Lbldran->text(), QStringLiteral("Du bist dran, Spieler 2"));
    for (platform::ImageBox *animal : m_board->Imgmyicon)
        EXPECT_FALSE(animal->isVisible());
}

} // namespace
