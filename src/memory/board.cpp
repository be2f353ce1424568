#include "memory/board.h"

#include "memory/computer.h"

#include "platform/saturate.h"
#include "state/mdlmodul.h"
#include "state/variablen.h"

namespace memory {

namespace {

QString turnText(const QString &name, const QString &fallback)
{
    return QStringLiteral("Du bist dran, ") + (name.isEmpty() ? fallback : name);
}

bool againstComputer()
{
    return Mdlmodul.GegenCompi == u"ja";
}

} // namespace

Board::Board(BoardWindow &window)
    : m_window(window)
{
}

void Board::setUp()
{
    MemoryState &m = Mdlmodul;
    Variablen.Gesucht = 2;
    Variablen.Rechenart = 1;
    m.CompiAusgewertet = 1;
    m.CompiZugOffen = 0;
    m.GeradeZugedeckt = 0;
    m.SpielEnde = 0;

    chooseBoardSize();
    const int target = drawTargetSum();
    Variablen.Ergebnis = target;

    Variablen.AufgedeckteKarten = 0;
    m.PaarPlatz1 = 0;
    m.PaarPlatz2 = 0;
    m.Spieler1Dran = true;
    m.AnzeigeSpieler1 = true;
    m.PaareSpieler1 = 0;
    m.PaareSpieler2 = 0;
    m.FehlversucheSpieler1 = 0;
    m.FehlversucheSpieler2 = 0;

    m_picture = BoardPicture {};
    m_picture.smileys[Neutral] = true;
    // The set-up's text has no blank after the comma.
    if (m.AnzahlSpieler == 2)
        m_picture.Lbldran = m.NameSpieler1.isEmpty() ? QStringLiteral("Du bist dran,Spieler 1")
                                                     : QStringLiteral("Du bist dran, ") + m.NameSpieler1;

    m_picture.lblErgebnis = QStringLiteral("Finde zusammen %1!").arg(target);
    m_picture.numbers = dealCards(target);

    for (int row = 1; row <= 5; ++row)
        for (int column = 1; column <= 2; ++column)
            m.CompiGedaechtnis[row][column] = 24;

    // Both parties' animals are loaded; the board opens with player 1's.
    showAnimal(m.IconSpieler1, true);
}

bool isPair(const BoardPicture &picture, int first, int second)
{
    return picture.numbers[first] + picture.numbers[second] == Variablen.Ergebnis;
}

bool Board::isPair(int first, int second) const
{
    return memory::isPair(m_picture, first, second);
}

void Board::showAnimal(int index, bool visible)
{
    // An animal index outside 0..4 names no picture: nothing to show.
    if (index >= 0 && index < int(m_picture.animals.size()))
        m_picture.animals[index] = visible;
}

Turn Board::turn() const
{
    const MemoryState &m = Mdlmodul;
    if (m.PaarPlatz1 + m.PaarPlatz2 >= 2 * m.AnzahlPaare && m.AnzahlPaare > 0)
        return Turn::GameOver;
    if (againstComputer() && !m.Spieler1Dran)
        return Turn::ComputerMove;
    switch (Variablen.AufgedeckteKarten) {
    case 0:
        return Turn::NoCardUp;
    case 1:
        return Turn::OneCardUp;
    default:
        return Turn::MissShowing;
    }
}

bool Board::helpAllowed() const
{
    return Variablen.AufgedeckteKarten == 1;
}

void Board::clickCard(int slot)
{
    if (slot < 0 || slot >= Mdlmodul.AnzahlKarten || m_picture.faces[slot] != Face::Down)
        return;
    m_picture.LblPaar.clear();
    if (againstComputer() && !Mdlmodul.Spieler1Dran)
        return;

    Variablen.AufgedeckteKarten = platform::saturate<quint8>(Variablen.AufgedeckteKarten + 1);
    m_picture.smileys[Laughing] = false;
    m_picture.smileys[Sad] = false;
    if (Variablen.AufgedeckteKarten > 2) {
        // Two cards of a miss are still showing: this card stays down.
        m_picture.smileys[Neutral] = true;
        return;
    }

    m_picture.faces[slot] = Face::Up;
    if (Variablen.AufgedeckteKarten == 1) {
        Mdlmodul.ErsteKarte = static_cast<quint8>(slot);
        Variablen.Operand1 = value(slot);
        m_picture.smileys[Neutral] = true;
        return;
    }

    m_picture.smileys[Neutral] = false;
    Mdlmodul.ZweiteKarte = static_cast<quint8>(slot);
    if (isPair(Mdlmodul.ErsteKarte, Mdlmodul.ZweiteKarte))
        recordPair();
    else
        recordMiss();
}

void Board::recordPair()
{
    MemoryState &m = Mdlmodul;
    m_picture.smileys[Laughing] = true;
    if (m.AnzahlSpieler == 2)
        m_picture.LblPaar = QStringLiteral("Du hast ein Paar!");
    Variablen.AufgedeckteKarten = 0;

    const int finder = m.AnzahlSpieler == 1 || m.Spieler1Dran ? player1 : player2;
    quint8 &pairs = finder == player1 ? m.PaareSpieler1 : m.PaareSpieler2;
    qint16 &next = finder == player1 ? m.PaarPlatz1 : m.PaarPlatz2;
    pairs = platform::saturate<quint8>(pairs + 1);
    if (next >= 0 && next + 1 < slotCount) {
        m_picture.found[finder][next] = value(m.ErsteKarte);
        m_picture.found[finder][next + 1] = value(m.ZweiteKarte);
    }
    const Face paired = finder == player1 ? Face::PairedRed : Face::PairedBlue;
    m_picture.faces[m.ErsteKarte] = paired;
    m_picture.faces[m.ZweiteKarte] = paired;
    next = platform::saturate<qint16>(next + 2);

    // The same party goes on; the turn label stays.
    if (m.PaareSpieler1 + m.PaareSpieler2 == m.AnzahlPaare)
        m_window.showScoreView();
}

void Board::recordMiss()
{
    MemoryState &m = Mdlmodul;
    const bool twoParties = m.AnzahlSpieler == 2;
    m_window.setTmrTimerEnabled(true);

    if (m.AnzahlSpieler == 1 || m.Spieler1Dran) {
        m.FehlversucheSpieler1 = platform::saturate<quint8>(m.FehlversucheSpieler1 + 1);
        m.Spieler1Dran = false;
        if (twoParties) {
            showAnimal(m.IconSpieler1, false);
            showAnimal(m.IconSpieler2, true);
        }
    } else {
        m.Spieler1Dran = true;
        showAnimal(m.IconSpieler1, true);
        showAnimal(m.IconSpieler2, false);
    }

    if (m.GegenCompi == u"nein" && !m.AnzeigeSpieler1 && m.Spieler1Dran) {
        m_picture.Lbldran = turnText(m.NameSpieler1, QStringLiteral("Spieler 1"));
        showAnimal(m.IconSpieler1, true);
        showAnimal(m.IconSpieler2, false);
        m.AnzeigeSpieler1 = true;
    }
    m_picture.smileys[Sad] = true;
    if (twoParties && m.AnzeigeSpieler1 && !m.Spieler1Dran) {
        m_picture.Lbldran = turnText(m.NameSpieler2, QStringLiteral("Spieler 2"));
        showAnimal(m.IconSpieler2, true);
        showAnimal(m.IconSpieler1, false);
        m.AnzeigeSpieler1 = false;
    }
    if (againstComputer()) {
        compivergleich(m_picture);
        m_picture.Lbldran = QStringLiteral("Der Compi ist dran");
    }
}

void Board::coverTick()
{
    MemoryState &m = Mdlmodul;
    if (Variablen.AufgedeckteKarten > 2)
        Variablen.AufgedeckteKarten = 2;
    if (Variablen.AufgedeckteKarten == 2) {
        m_window.setTmrcompiEnabled(false);
        if (!isPair(m.ErsteKarte, m.ZweiteKarte)) {
            m_picture.faces[m.ErsteKarte] = Face::Down;
            Variablen.AufgedeckteKarten = 0;
            m_picture.faces[m.ZweiteKarte] = Face::Down;
        }
        m.GeradeZugedeckt = 1;
    } else {
        m.GeradeZugedeckt = 0;
    }
    // Off and on again starts the computer's interval anew after a cover;
    // in a game without the computer the first cover stops its timer for good.
    if (againstComputer())
        m_window.setTmrcompiEnabled(true);
}

void Board::computerTick()
{
    m_picture.smileys[Neutral] = true;
    if (Mdlmodul.CompiAusgewertet == 0 && judgeComputerMove())
        return;
    turnUpComputerMove();
}

bool Board::judgeComputerMove()
{
    MemoryState &m = Mdlmodul;
    const int first = int(m.CompiWahl[0]);
    const int second = int(m.CompiWahl[1]);
    if (isPair(first, second)) {
        m_picture.faces[first] = Face::PairedBlue;
        m_picture.faces[second] = Face::PairedBlue;
        if (m.PaarPlatz2 >= 0 && m.PaarPlatz2 + 1 < slotCount) {
            m_picture.found[player2][m.PaarPlatz2] = value(first);
            m_picture.found[player2][m.PaarPlatz2 + 1] = value(second);
        }
        m.PaarPlatz2 = platform::saturate<qint16>(m.PaarPlatz2 + 2);
        if (againstComputer()) {
            showAnimal(m.IconSpieler2, true);
            showAnimal(m.IconSpieler1, false);
        }
        if (m.SpielEnde == 5) {
            aus();
            return true;
        }
        if (againstComputer())
            compivergleich(m_picture);
    } else {
        m_picture.faces[first] = Face::Down;
        m_picture.faces[second] = Face::Down;
        m.Spieler1Dran = true;
        m_picture.smileys = {false, false, true};
        showAnimal(m.IconSpieler2, false);
        showAnimal(m.IconSpieler1, true);
        // The computer's text has no blank after the comma.
        m_picture.Lbldran = m.NameSpieler1.isEmpty() ? QStringLiteral("Du bist dran,Spieler 1")
                                                     : QStringLiteral("Du bist dran, ") + m.NameSpieler1;
    }
    m.CompiAusgewertet = 1;
    return false;
}

void Board::turnUpComputerMove()
{
    MemoryState &m = Mdlmodul;
    // Held back in the tick right after a cover, and while the pupil's missed
    // cards still show: at the pupil's first miss the computer's timer, which
    // ticks from the board's load, comes before the first cover, and the
    // computer may have drawn one of those very cards.
    if (m.CompiZugOffen != 1 || m.GeradeZugedeckt == 1 || Variablen.AufgedeckteKarten >= 2)
        return;
    m.CompiAusgewertet = 0;
    m_picture.faces[int(m.CompiWahl[0])] = Face::Up;
    m_picture.faces[int(m.CompiWahl[1])] = Face::Up;
    m.CompiZugOffen = 0;
    // The counts hold the move just shown: it was counted when chosen.
    if (m.PaareSpieler1 + m.PaareSpieler2 == m.AnzahlPaare)
        m.SpielEnde = 5;
}

void Board::aus()
{
    if (Mdlmodul.SpielEnde != 5)
        return;
    m_window.showScoreView();
    m_window.setTmrTimerEnabled(false);
    m_window.setTmrcompiEnabled(false);
}

} // namespace memory
