#pragma once

#include "memory/dealing.h"

#include <QtCore/QString>

#include <array>

namespace memory {

// A card as the pupils see it: face down (its card back), face up (its
// number), or paired in the colour of the party that found it.
enum class Face : quint8 { Down, Up, PairedRed, PairedBlue };

// The parties: player 1 (alone, the first of two, or the pupil against the
// computer) and player 2 (the second pupil, or the computer).
constexpr int player1 = 0;
constexpr int player2 = 1;

// The smileys, by their index on the board; they lie at one place, the
// laughing one on top, the neutral one lowest.
enum Smiley { Laughing = 0, Sad = 1, Neutral = 2 };

// Everything the board shows, kept by the logic. The window draws it after
// every event it forwards; what the pupils see is this and nothing else.
struct BoardPicture
{
    std::array<int, slotCount> numbers {};     // lblZahl, by slot
    std::array<Face, slotCount> faces {};      // pctBild and lblZahl
    std::array<std::array<int, slotCount>, 2> found {}; // Lbleins, Lblzwei; 0 while hidden
    std::array<bool, 3> smileys {};            // PctSmilie
    std::array<bool, 5> animals {};            // Imgmyicon
    QString Lbldran;
    QString LblPaar;
    QString lblErgebnis;
};

// Two cards are a pair when their numbers add up to the sum sought; the
// computer's choice and the judging of turned cards both ask this.
bool isPair(const BoardPicture &picture, int first, int second);

// What the board's logic asks of its window besides the picture: the two
// timers (the window owns them and forwards their ticks) and the score view.
class BoardWindow
{
public:
    virtual ~BoardWindow() = default;

    virtual void setTmrTimerEnabled(bool enabled) = 0;
    virtual void setTmrcompiEnabled(bool enabled) = 0;
    virtual void showScoreView() = 0;
};

// Where the turn stands, read from the memory-game state.
enum class Turn {
    NoCardUp,      // a party may turn its first card
    OneCardUp,     // the first card of the turn is up; the counting help may open
    MissShowing,   // two cards that are no pair show until the next cover tick
    ComputerMove,  // against the computer, its move: the pupil's clicks are ignored
    GameOver,      // every pair is found
};

// The memory board's play: the set-up and dealing, the card turns, pairs,
// misses and the turn order, on the memory-game state. It reads no clock:
// the window forwards clicks and timer ticks.
class Board
{
public:
    explicit Board(BoardWindow &window);

    // The board's load: card count, level, target sum, the dealt numbers,
    // the turn label, the animals and the starting bookkeeping.
    void setUp();

    // A click on the card in a slot. Only a face-down card of the game can
    // be clicked; any other click is never seen.
    void clickCard(int slot);
    // The tick of tmrTimer: turns a miss face down again.
    void coverTick();
    // The tick of tmrcompi: the neutral smiley in every game; against the
    // computer it first judges the move showing, then turns the chosen one up.
    void computerTick();

    Turn turn() const;
    // The counting help opens only while one card of the turn is face up.
    bool helpAllowed() const;
    const BoardPicture &picture() const { return m_picture; }

private:
    int value(int slot) const { return m_picture.numbers[slot]; }
    bool isPair(int first, int second) const;
    void showAnimal(int index, bool visible);
    void recordPair();
    void recordMiss();
    // The computer's move showing: a pair is coloured and followed by the
    // next move, a miss is covered and gives the pupil the turn. True when
    // the pair ended the game.
    bool judgeComputerMove();
    void turnUpComputerMove();
    // The computer's last pair: the score view, and both timers stop.
    void aus();

    BoardWindow &m_window;
    BoardPicture m_picture;
};

} // namespace memory
