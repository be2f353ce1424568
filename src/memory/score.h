#pragma once

#include <QtCore/QStringList>

namespace memory {

// A pupil alone scores by the failed tries on a board of 16 or 24 cards:
// 40, 30, 20 or 10 points, each step a third wider on the larger board.
quint8 pointsAlone(int misses, int cardCount);

// The score view: each party's points into the memory-game state (two
// parties 4 a pair, a pupil alone by the misses), empty names become
// "Spieler 1" / "Spieler 2" (the computer is always "Spieler 2"), and the
// lines it shows, name ": " points.
QStringList scoreGame();

// The end button's hand-over of level, both names and both points to the
// play state for the save window. A game whose pairs are not all found yet
// scores what the board shows: two parties 4 points for each pair shown as
// found, a pupil alone 0, since misses mean something only on a finished
// board; the names get the score view's defaults as well.
void handOverGame();

} // namespace memory
