#include "memory/computer.h"

#include "memory/board.h"
#include "platform/random.h"
#include "platform/saturate.h"
#include "state/mdlmodul.h"

namespace memory {

namespace {

bool eligible(const BoardPicture &picture, int slot)
{
    return slot < Mdlmodul.AnzahlKarten && (picture.faces[slot] == Face::Down || picture.faces[slot] == Face::Up);
}

} // namespace

void compivergleich(const BoardPicture &picture)
{
    MemoryState &m = Mdlmodul;
    auto &random = platform::Random::instance();
    m.CompiWahlIndex = 0;
    for (m.CompiZaehler = 1; m.CompiZaehler <= 2; ++m.CompiZaehler) {
        int slot = 0;
        // Ends whenever two cards are unpaired: a miss of the pupil leaves at
        // least four, a pair of the computer that does not end the game two.
        do {
            random.reseed();
            slot = random.between(1, slotCount) % slotCount;
            m.CompiWahl[m.CompiWahlIndex] = slot;
        } while (!eligible(picture, slot) || m.CompiWahl[0] == m.CompiWahl[1]);
        ++m.CompiWahlIndex;
    }
    auswertung(picture);
}

void auswertung(const BoardPicture &picture)
{
    MemoryState &m = Mdlmodul;
    m.CompiZugOffen = 1;
    if (isPair(picture, int(m.CompiWahl[0]), int(m.CompiWahl[1])))
        m.PaareSpieler2 = platform::saturate<quint8>(m.PaareSpieler2 + 1);
}

} // namespace memory
