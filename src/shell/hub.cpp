#include "shell/hub.h"

#include "state/mdlmodul.h"
#include "state/modvar.h"

void chooseGame(Game game)
{
    switch (game) {
    case Game::Schmetterling:
        modVar.SpielNummer = QStringLiteral("1");
        modVar.SpielName = QStringLiteral("Schmetterling");
        Mdlmodul.AnzahlSpieler = 1;
        break;
    case Game::Schweinchen:
        modVar.SpielNummer = QStringLiteral("2");
        modVar.SpielName = QStringLiteral("Schweinchen");
        Mdlmodul.AnzahlSpieler = 1;
        break;
    case Game::Memory:
        // The memory game's own choice windows set the player count.
        modVar.SpielNummer = QStringLiteral("3");
        modVar.SpielName = QStringLiteral("Memory");
        break;
    }
}
