#pragma once

#include <QtCore/QString>

#include <array>

// The memory game's state: its windows take no arguments and hand each other
// everything through this record. Empty at program start, never saved.
struct MemoryState
{
    // Choices and players.
    quint8 AnzahlSpieler = 0; // 1 alone; 2 two players or against the computer
    QString GegenCompi;       // "ja" against the computer, "nein" otherwise
    quint8 Schwierigkeit = 0; // 0 easy, 1 hard (2 between two choices)
    quint8 EingabeSpieler = 0;
    quint8 SpielerAufrufe = 0;
    QString NameSpieler1;
    QString NameSpieler2;
    quint8 IconSpieler1 = 0; // picture 0..4 of the player page, 5 none
    quint8 IconSpieler2 = 0;
    std::array<QString, 13> IconDateien;
    std::array<quint8, 14> BildReihenfolge {};
    std::array<quint8, 14> BildVorrat {};
    quint8 IconKlicks = 0;
    quint8 BlinkZaehler = 0;

    // Board.
    quint8 AnzahlKarten = 0;
    quint8 AnzahlPaare = 0;
    quint8 Stufe = 0;
    std::array<bool, 51> Belegt {};
    quint8 FreierPlatz = 0;
    quint8 PartnerPlatz = 0;
    quint8 Zaehler = 0;

    // Turns and pairs.
    quint8 ErsteKarte = 0;
    quint8 ZweiteKarte = 0;
    bool Spieler1Dran = false;
    bool AnzeigeSpieler1 = false;
    quint8 PaareSpieler1 = 0;
    quint8 PaareSpieler2 = 0;
    quint8 FehlversucheSpieler1 = 0;
    quint8 FehlversucheSpieler2 = 0;
    qint16 PaarPlatz1 = 0;
    qint16 PaarPlatz2 = 0;

    // The computer opponent.
    std::array<double, 2> CompiWahl {};
    quint8 CompiWahlIndex = 0;
    quint8 CompiZaehler = 0;
    quint8 CompiZugOffen = 0;
    quint8 GeradeZugedeckt = 0;
    qint16 CompiAusgewertet = 0;
    quint8 SpielEnde = 0;
    std::array<std::array<double, 3>, 6> CompiGedaechtnis {};
    double GedaechtnisPlatz = 0;
    quint8 GedaechtnisSpalte = 0;

    // Score.
    quint8 PunkteSpieler1 = 0;
    quint8 PunkteSpieler2 = 0;

    // Layout of the board while it is set up.
    quint8 AnzahlSpalten = 0;
    quint8 Spalte = 0;
    quint8 Zeile = 0;
    quint8 KartenIndex = 0;
    qint16 TopPos = 0;
    qint16 KartenTop = 0;
    qint16 KartenLeft = 0;
    qint16 AbstandX = 0;
    qint16 AbstandY = 0;
    qint16 PaarTop = 0;
    qint16 PaarLeft = 0;
    qint16 PaarAbstandY = 0;
};

inline MemoryState Mdlmodul;
