#pragma once

#include <QtCore/QString>

// What the main window's three pictures write when a game is chosen.
enum class Game { Schmetterling, Schweinchen, Memory };

void chooseGame(Game game);
