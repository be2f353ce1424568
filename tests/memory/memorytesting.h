#pragma once

#include "memory/board.h"
#include "platform/clock.h"
#include "platform/random.h"
#include "platform/timer.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/testsupport.h"

#include <QtCore/QStringList>

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// What the memory tests share: a memory-game state prepared as the choice
// windows and the player page leave it, a board dealt as the test wants it,
// and the board written as text.
namespace memory_testing {

enum class Mode { Alone, TwoPlayers, AgainstComputer };

inline const QStringList &animalFiles()
{
    static const QStringList files = {
        QStringLiteral("Fliege.wmf"), QStringLiteral("Hund.wmf"),    QStringLiteral("Marsi.wmf"),
        QStringLiteral("Käguruh.wmf"), QStringLiteral("Muschel.wmf"), QStringLiteral("Ameise.wmf"),
        QStringLiteral("Bigfoot.wmf"), QStringLiteral("Robbe.wmf"),   QStringLiteral("Brachio.wmf"),
        QStringLiteral("Pferd.wmf")};
    return files;
}

// The memory-game state as the choice windows and the player page leave it
// for the board: the mode, the difficulty (0 easy, 1 hard), the names and
// the animals picked (0..4), the ten animal files; the main window's game.
inline void prepareGame(Mode mode, quint8 schwierigkeit, const QString &name1 = {}, const QString &name2 = {},
                        quint8 icon1 = 0, quint8 icon2 = 1)
{
    modVar.SpielName = QStringLiteral("Memory");
    modVar.SpielNummer = QStringLiteral("3");
    MemoryState &m = Mdlmodul;
    // Against the computer the player-count window leaves 1; the board makes it 2.
    m.AnzahlSpieler = mode == Mode::TwoPlayers ? 2 : 1;
    m.GegenCompi = mode == Mode::AgainstComputer ? QStringLiteral("ja") : QStringLiteral("nein");
    m.Schwierigkeit = schwierigkeit;
    m.NameSpieler1 = name1;
    m.NameSpieler2 = name2;
    m.IconSpieler1 = icon1;
    m.IconSpieler2 = icon2;
    for (int i = 0; i < animalFiles().size(); ++i)
        m.IconDateien[i + 1] = animalFiles()[i];
}

// The value r that makes Int((hi - lo + 1) * r + lo) give value.
inline float drawFor(int value, int lo, int hi)
{
    return static_cast<float>((value - lo + 0.5) / (hi - lo + 1));
}

// Feeds the draws of the set-up so that it deals the board written as its
// numbers in slot order ("1 6 2 5 ..."): the target sum, then for each pair
// the first free slot's number and the slot of its partner, taken as the
// next free slot holding target minus that number.
inline void feedBoard(int targetSum, const QString &numbers)
{
    const QStringList wanted = numbers.split(u' ', Qt::SkipEmptyParts);
    const int count = static_cast<int>(wanted.size());
    const bool easy = targetSum < 10;
    std::vector<float> draws = {easy ? drawFor(targetSum, 5, 9) : drawFor(targetSum, 11, 19)};
    std::vector<bool> dealt(count, false);
    int first = 0;
    for (int pair = 0; pair < count / 2; ++pair) {
        while (dealt[first])
            ++first;
        const int a = wanted[first].toInt();
        dealt[first] = true;
        draws.push_back(drawFor(a, 1, targetSum - 1));
        int partner = first + 1;
        while (partner < count && (dealt[partner] || wanted[partner].toInt() != targetSum - a))
            ++partner;
        if (partner == count) {
            ADD_FAILURE() << "no partner for slot " << first << " in " << numbers.toStdString();
            return;
        }
        dealt[partner] = true;
        draws.push_back(drawFor(partner, 1, count - 1));
    }
    for (const float r : draws)
        platform::Random::instance().feed({r});
}

// The cards in slot order, a column of four between bars: number and D
// (down), U (up), R (paired in red, player 1) or B (paired in blue,
// player 2): "1D 6U 2D 5D | 3R 4R ...".
inline QString cards(const memory::BoardPicture &picture)
{
    QStringList columns;
    for (int column = 0; column < Mdlmodul.AnzahlKarten / 4; ++column) {
        QStringList cells;
        for (int slot = column * 4; slot < column * 4 + 4; ++slot) {
            static const char marks[] = {'D', 'U', 'R', 'B'};
            cells << QString::number(picture.numbers[slot]) + QLatin1Char(marks[int(picture.faces[slot])]);
        }
        columns << cells.join(u' ');
    }
    return columns.join(QStringLiteral(" | "));
}

// A party's found-pair display as its numbers two by two: "3+4 2+5".
inline QString found(const memory::BoardPicture &picture, int party)
{
    QStringList pairs;
    for (int label = 0; label + 1 < memory::slotCount && picture.found[party][label] != 0; label += 2)
        pairs << QStringLiteral("%1+%2").arg(picture.found[party][label]).arg(picture.found[party][label + 1]);
    return pairs.join(u' ');
}

// The smileys showing, as the pupil sees them: the laughing one covers the
// others, the sad one the neutral one. "-" for none.
inline QString smiley(const memory::BoardPicture &picture)
{
    if (picture.smileys[memory::Laughing])
        return QStringLiteral("laughing");
    if (picture.smileys[memory::Sad])
        return QStringLiteral("sad");
    return picture.smileys[memory::Neutral] ? QStringLiteral("neutral") : QStringLiteral("-");
}

// The animal shown: the index of the one visible image, -1 for none, -2 for
// more than one.
inline int animalShown(const memory::BoardPicture &picture)
{
    int shown = -1;
    for (int i = 0; i < 5; ++i) {
        if (picture.animals[i])
            shown = shown == -1 ? i : -2;
    }
    return shown;
}

// A board played without a window: its two timers run on the manual clock
// as the window's would, and the score view is counted.
class TimedBoard : public memory::BoardWindow
{
public:
    TimedBoard()
    {
        QObject::connect(&tmrTimer, &platform::Timer::tick, [this] { board.coverTick(); });
        QObject::connect(&tmrcompi, &platform::Timer::tick, [this] {
            ++computerTicks;
            board.computerTick();
        });
    }

    // The board's load: the set-up, then the computer's timer runs.
    void load()
    {
        board.setUp();
        tmrcompi.setEnabled(true);
    }
    void click(std::initializer_list<int> cardsClicked)
    {
        for (const int slot : cardsClicked)
            board.clickCard(slot);
    }
    const memory::BoardPicture &picture() const { return board.picture(); }

    void setTmrTimerEnabled(bool enabled) override { tmrTimer.setEnabled(enabled); }
    void setTmrcompiEnabled(bool enabled) override { tmrcompi.setEnabled(enabled); }
    void showScoreView() override { ++scoreViews; }

    platform::Timer tmrTimer {1000};
    platform::Timer tmrcompi {1000};
    memory::Board board {*this};
    int scoreViews = 0;
    int computerTicks = 0;
};

// Every record at zero, the manual clock at 0 and a generator whose reseeds
// read a clock that stands still.
class MemoryTest : public ::testing::Test
{
protected:
    MemoryTest() { platform::Random::instance().setClockSource([] { return quint64(0); }); }
    ~MemoryTest() override { platform::Random::instance().setClockSource({}); }

    testing_support::ProgramFolderFixture folder;
};

} // namespace memory_testing
