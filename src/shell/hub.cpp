#include "shell/hub.h"

#include "state/mdlmodul.h"
#include "state/modvar.h"

void chooseGame(Game game, PlayState &play, MemoryState &memory)
{
    switch (game) {
    case Game::Schmetterling:
        play.SpielNummer = QStringLiteral("1");
        play.SpielName = QStringLiteral("Schmetterling");
        memory.AnzahlSpieler = 1;
        break;
    case Game::Schweinchen:
        play.SpielNummer = QStringLiteral("2");
        play.SpielName = QStringLiteral("Schweinchen");
        memory.AnzahlSpieler = 1;
        break;
    case Game::Memory:
        // The memory game's own choice windows set the player count.
        play.SpielNummer = QStringLiteral("3");
        play.SpielName = QStringLiteral("Memory");
        break;
    }
}
