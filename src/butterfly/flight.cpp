#include "butterfly/flight.h"

#include "platform/random.h"

#include <cmath>

namespace butterfly {

Flight::Flight(int count, float width, float height)
    : m_width(width)
    , m_height(height)
    , m_butterflies(count)
{
}

void Flight::setUp(VerticalStart start)
{
    auto &random = platform::Random::instance();
    random.reseed();
    Tempo = 100;
    for (Butterfly &b : m_butterflies) {
        // Worked in double: (2 x 100 + 1) x r in single precision can round
        // up to 201 for r just below 1, a step of 101.
        const double r1 = random.next();
        b.SchrittX = static_cast<qint16>(std::floor((2 * Tempo + 1) * r1 - Tempo));
        // Whatever its direction, a butterfly travels about Tempo a tick.
        b.SchrittY = static_cast<qint16>(std::lround(std::sqrt(double(Tempo * Tempo - b.SchrittX * b.SchrittX))));
        if (start == VerticalStart::EitherWay && std::floor(2.0 * random.next() + 1) == 2)
            b.SchrittY = static_cast<qint16>(-b.SchrittY);
        b.Left = (m_width - ButterflyWidth) * random.next();
        b.Top = (m_height - BottomStrip - ButterflyHeight) * random.next();
    }
}

void Flight::tick()
{
    const float floorLine = m_height - BottomStrip;
    for (Butterfly &b : m_butterflies) {
        if (b.Left + ButterflyWidth >= m_width || b.Left <= 0)
            b.SchrittX = static_cast<qint16>(-b.SchrittX);
        if (b.Top + ButterflyHeight >= floorLine || b.Top <= 0)
            b.SchrittY = static_cast<qint16>(-b.SchrittY);
        b.Left += b.SchrittX;
        b.Top += b.SchrittY;
    }
}

} // namespace butterfly
