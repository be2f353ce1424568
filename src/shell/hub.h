#pragma once

#include <QtCore/QString>

struct MemoryState;
struct PlayState;

enum class Game { Schmetterling, Schweinchen, Memory };

// What the main window's three pictures write when a game is chosen: the
// game's number and title, and for the pig and the butterfly game a player
// count of 1.
void chooseGame(Game game, PlayState &play, MemoryState &memory);
