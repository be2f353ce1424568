#include "memory/playerpage.h"

#include "platform/random.h"
#include "platform/saturate.h"
#include "state/mdlmodul.h"

namespace memory {

namespace {

constexpr quint8 nonePicked = 5;

bool againstComputer()
{
    return Mdlmodul.GegenCompi == u"ja";
}

quint8 randomAnimal()
{
    // The second, third or fourth picture; these draws do not reseed.
    return static_cast<quint8>(platform::Random::instance().between(1, 3));
}

void settleSecondAnimal()
{
    MemoryState &m = Mdlmodul;
    while (m.IconSpieler2 == nonePicked || m.IconSpieler2 == m.IconSpieler1)
        m.IconSpieler2 = randomAnimal();
}

} // namespace

QString animalFile(int number)
{
    static const std::array<QString, 10> files = {
        QStringLiteral("Fliege.wmf"),  QStringLiteral("Hund.wmf"),    QStringLiteral("Marsi.wmf"),
        QStringLiteral("Käguruh.wmf"), QStringLiteral("Muschel.wmf"), QStringLiteral("Ameise.wmf"),
        QStringLiteral("Bigfoot.wmf"), QStringLiteral("Robbe.wmf"),   QStringLiteral("Brachio.wmf"),
        QStringLiteral("Pferd.wmf")};
    return number >= 1 && number <= 10 ? files[number - 1] : QString();
}

void shuffleAnimals()
{
    MemoryState &m = Mdlmodul;
    auto &random = platform::Random::instance();
    constexpr quint8 taken = 12;
    for (int number = 1; number <= 10; ++number)
        m.BildVorrat[number] = static_cast<quint8>(number);
    for (int place = 1; place <= 10; ++place)
        m.BildReihenfolge[place] = 11;
    for (int place = 1; place <= 10; ++place) {
        bool found = false;
        while (!found) {
            random.reseed();
            m.BildReihenfolge[place] = static_cast<quint8>(random.between(1, 10));
            for (int number = 1; number <= 10 && !found; ++number) {
                if (m.BildVorrat[number] == m.BildReihenfolge[place]) {
                    m.BildVorrat[number] = taken;
                    found = true;
                }
            }
        }
    }
    for (int place = 1; place <= 10; ++place)
        m.IconDateien[place] = animalFile(m.BildReihenfolge[place]);
}

PlayerPage::PlayerPage(PlayerPageWindow &window)
    : m_window(window)
{
}

void PlayerPage::setUp()
{
    MemoryState &m = Mdlmodul;
    m.BlinkZaehler = 0;
    m.IconKlicks = 0;
    m_window.setTmrblinkerEnabled(false);
    m.SpielerAufrufe = platform::saturate<quint8>(m.SpielerAufrufe + 1);
    m_picture = PlayerPagePicture {};
    m_picture.shown.fill(true);
    if (m.SpielerAufrufe == 1) {
        m.IconSpieler1 = nonePicked;
        m.IconSpieler2 = nonePicked;
        m.EingabeSpieler = 1;
        m_picture.red = true;
        shuffleAnimals();
    } else {
        m.IconSpieler2 = nonePicked;
        if (m.IconSpieler1 < nonePicked)
            m_picture.taken = m.IconSpieler1;
    }
}

void PlayerPage::clickPicture(int index)
{
    MemoryState &m = Mdlmodul;
    if (index < 0 || index >= nonePicked || index == m_picture.taken)
        return;
    m.IconKlicks = platform::saturate<quint8>(m.IconKlicks + 1);
    if (m.IconKlicks != 1)
        return;
    (m.EingabeSpieler == 1 ? m.IconSpieler1 : m.IconSpieler2) = static_cast<quint8>(index);
    m_window.setTmrblinkerEnabled(true);
    // The computer takes the picture to the right of the pupil's, and the
    // fourth for the rightmost one.
    if (againstComputer() && m.AnzahlSpieler == 1)
        m.IconSpieler2 = static_cast<quint8>(index == 4 ? 3 : index + 1);
}

void PlayerPage::blinkTick()
{
    MemoryState &m = Mdlmodul;
    m.BlinkZaehler = platform::saturate<quint8>(m.BlinkZaehler + 1);
    const int picked = m.EingabeSpieler == 1 ? m.IconSpieler1 : m.IconSpieler2;
    if (picked < nonePicked)
        m_picture.shown[picked] = !m_picture.shown[picked];
    // The sixth tick leaves the picture shown, and the last.
    if (m.BlinkZaehler >= 6)
        m_window.setTmrblinkerEnabled(false);
}

PlayerPage::Next PlayerPage::weiter(const QString &name)
{
    MemoryState &m = Mdlmodul;
    (m.EingabeSpieler == 1 ? m.NameSpieler1 : m.NameSpieler2) = name;
    Next next = Next::Board;
    if (againstComputer()) {
        // A pick already settled both animals.
        if (m.IconSpieler1 == nonePicked) {
            m.IconSpieler1 = randomAnimal();
            settleSecondAnimal();
        }
    } else if (m.AnzahlSpieler == 2 && m.EingabeSpieler == 1) {
        if (m.IconSpieler1 == nonePicked)
            m.IconSpieler1 = randomAnimal();
        next = Next::SecondPlayer;
    } else {
        if (m.IconSpieler1 == nonePicked)
            m.IconSpieler1 = randomAnimal();
        settleSecondAnimal();
    }
    // Read by no set-up that runs before the next page shows.
    m.EingabeSpieler = platform::saturate<quint8>(m.EingabeSpieler + 1);
    return next;
}

} // namespace memory
