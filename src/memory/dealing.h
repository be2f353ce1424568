#pragma once

#include <QtCore/QRect>

#include <array>

namespace memory {

// Card slots 0..23; a game of 16 cards leaves 16..23 idle.
constexpr int slotCount = 24;

// Mode, card count and level from the choices in the memory-game state:
// against the computer always 24 cards (level by the difficulty) and two
// parties; otherwise easy is 16 cards at level 1 and hard 24 at level 2.
void chooseBoardSize();

// The target sum N after a reseed: 5..9 at level 1, 11..19 at level 2.
int drawTargetSum();

// The numbers under the cards, by slot (0 under an idle slot). Slot 0 takes
// the first number drawn; each pair's first card is the first slot not yet
// dealt and takes a number 1..N-1, its partner is drawn among the slots
// 1..count-1 until one is free and takes N minus that number. One reseed
// before the deal and none during it.
std::array<int, slotCount> dealCards(int targetSum);

// Where a card stands, in twips: slots run down a column of four, then on to
// the next column. An idle slot lies out of sight.
QRect cardRect(int slot);

// The found-pair displays: the s-th pair a party finds fills its labels 2s
// and 2s + 1, two pairs to a column; the second label lies 200 twips below
// the first, over it. Player 1's display is at the top, player 2's below.
QRect foundPairRect(int party, int label);

} // namespace memory
