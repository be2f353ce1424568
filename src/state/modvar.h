#pragma once

#include <QtCore/QString>

// The play state: the one record through which a game hands its result to the
// save window. Empty at start; nothing clears it between games, each writer
// overwrites only its own fields.
struct PlayState
{
    QString SpielerName;
    QString SpielName;   // "Schmetterling", "Memory" or "Schweinchen"
    QString SpielNummer; // "1" butterfly, "2" pig, "3" memory
    qint16 SpielLevel = 0;
    qint16 SpielerPunkte = 0;
    QString SpielerName2;
    qint16 SpielerPunkte2 = 0;
};

inline PlayState modVar;
