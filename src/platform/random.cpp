#include "platform/random.h"

#include <chrono>
#include <cmath>

namespace platform {

namespace {

// splitmix64: a full-period 64-bit sequence with a strong output mix, so
// that states that differ in a few bits give unrelated values.
quint64 mix(quint64 z)
{
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

constexpr quint64 golden = 0x9e3779b97f4a7c15ULL;

quint64 steadyNanoseconds()
{
    return static_cast<quint64>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

Random &Random::instance()
{
    static Random random;
    return random;
}

Random::Random()
    : m_clock(steadyNanoseconds)
{
    m_state = mix(m_clock());
}

quint64 Random::nextBits()
{
    m_state += golden;
    return mix(m_state);
}

float Random::next()
{
    if (!m_fed.empty()) {
        const float value = m_fed.front();
        m_fed.pop_front();
        return value;
    }
    // 24 bits: every value is exactly representable as a float below 1.
    return static_cast<float>(nextBits() >> 40) * (1.0f / 16777216.0f);
}

int Random::between(int lo, int hi)
{
    const double r = next();
    return static_cast<int>(std::floor((hi - lo + 1) * r + lo));
}

void Random::reseed()
{
    // The state keeps advancing, so the same clock reading twice still moves
    // the generator on to values it has not given.
    m_state = mix(m_state ^ m_clock()) + golden;
}

void Random::seed(quint64 seed)
{
    m_state = seed;
    m_fed.clear();
}

void Random::feed(std::initializer_list<float> values)
{
    m_fed.insert(m_fed.end(), values.begin(), values.end());
}

void Random::setClockSource(std::function<quint64()> nanoseconds)
{
    m_clock = nanoseconds ? std::move(nanoseconds) : std::function<quint64()>(steadyNanoseconds);
}

} // namespace platform
