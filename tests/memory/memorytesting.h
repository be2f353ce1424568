#pragma once

#include "memory/board.h"
#include "memory/playerpage.h"
#include "platform/random.h"
#include "platform/timer.h"
#include "state/mdlmodul.h"
#include "state/modvar.h"
#include "state/variablen.h"
#include "support/testsupport.h"

#include <QtCore/QStringList>

#include <gtest/gtest.h>

// Shared: the memory-game state as the choice windows leave it, a board dealt at will, the board as text.
namespace memory_testing {

enum class Mode { Alone, TwoPlayers, AgainstComputer };

// Choices (difficulty 0 easy, 1 hard), names, animals (0..4); against the computer 1 player until the board loads.
inline void prepareGame(Mode mode, quint8 schwierigkeit, const QString &name1 = {}, const QString &name2 = {},
                        quint8 icon1 = 3, quint8 icon2 = 1)
{
    Mdlmodul.AnzahlSpieler = mode == Mode::TwoPlayers ? 2 : 1;
    Mdlmodul.GegenCompi = QLatin1String(mode == Mode::AgainstComputer ? "ja" : "nein");
    Mdlmodul.Schwierigkeit = schwierigkeit;
    Mdlmodul.NameSpieler1 = name1;
    Mdlmodul.NameSpieler2 = name2;
    Mdlmodul.IconSpieler1 = icon1;
    Mdlmodul.IconSpieler2 = icon2;
    for (int number = 1; number <= 10; ++number)
        Mdlmodul.IconDateien[number] = memory::animalFile(number);
}

// Feeds the generator the values r that make Int((hi - lo + 1) * r + lo) give the values given.
inline void feed(std::initializer_list<int> values, int lo, int hi)
{
    for (const int value : values)
        platform::Random::instance().feed({static_cast<float>((value - lo + 0.5) / (hi - lo + 1))});
}

// Feeds the set-up's draws so that it deals the numbers given in slot order, partners side by side ("1 6 2 5 ..."):
// the target, then per pair its first number and the partner's slot.
inline void feedBoard(int target, const QString &numbers)
{
    const QStringList cells = numbers.split(u' ', Qt::SkipEmptyParts);
    target < 10 ? feed({target}, 5, 9) : feed({target}, 11, 19);
    for (int slot = 0; slot < cells.size(); slot += 2) {
        feed({cells[slot].toInt()}, 1, target - 1);
        feed({slot + 1}, 1, int(cells.size()) - 1);
    }
}

// Feeds the computer's draws so that it takes the slots given.
inline void feedComputer(std::initializer_list<int> picks)
{
    for (const int slot : picks)
        feed({slot == 0 ? 24 : slot}, 1, 24);
}

// The cards in slot order, four to a column: number and D (down), U (up), R (paired, red) or B (paired, blue).
inline QString cards(const memory::BoardPicture &picture)
{
    QString text;
    for (int slot = 0; slot < Mdlmodul.AnzahlKarten; ++slot)
        text += QString::number(picture.numbers[slot]) + QLatin1Char("DURB"[int(picture.faces[slot])])
            + QLatin1String(slot % 4 == 3 ? " | " : " ");
    return text.chopped(3);
}

// What else the board shows: the smiley on top, the animal shown, the turn and pair messages, and each party's found
// pairs: "sad / animal 1 / Du bist dran, Spieler 2 /  / 1+6 / 2+5".
inline QString status(const memory::BoardPicture &picture)
{
    const auto &s = picture.smileys;
    QStringList animals, found[2];
    for (int i = 0; i < 5; ++i)
        if (picture.animals[i])
            animals << QString::number(i);
    for (int party : {0, 1})
        for (int label = 0; label < memory::slotCount && picture.found[party][label] != 0; label += 2)
            found[party] << QStringLiteral("%1+%2").arg(picture.found[party][label]).arg(picture.found[party][label + 1]);
    return QStringList {QLatin1String(s[0] ? "laughing" : s[1] ? "sad" : s[2] ? "neutral" : "-"),
                        QStringLiteral("animal ") + animals.join(u','), picture.Lbldran, picture.LblPaar,
                        found[0].join(u' '), found[1].join(u' ')}
        .join(QStringLiteral(" / "));
}

// A board without a window, in a program folder of its own, its timers on the manual clock, score views counted.
class TimedBoard : public ::testing::Test, public memory::BoardWindow
{
public:
    TimedBoard()
    {
        QObject::connect(&tmrTimer, &platform::Timer::tick, [this] { board.coverTick(); });
        QObject::connect(&tmrcompi, &platform::Timer::tick, [this] { ++computerTicks, board.computerTick(); });
    }
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
    QString cards() const { return memory_testing::cards(board.picture()); }
    QString status() const { return memory_testing::status(board.picture()); }
    void setTmrTimerEnabled(bool enabled) override { tmrTimer.setEnabled(enabled); }
    void setTmrcompiEnabled(bool enabled) override { tmrcompi.setEnabled(enabled); }
    void showScoreView() override { ++scoreViews; }
    testing_support::ProgramFolderFixture folder;
    platform::Timer tmrTimer {1000};
    platform::Timer tmrcompi {1000};
    memory::Board board {*this};
    int scoreViews = 0, computerTicks = 0;
};

} // namespace memory_testing
