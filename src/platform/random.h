#pragma once

#include <QtCore/QtGlobal>

#include <deque>
#include <functional>

namespace platform {

// The program's one random generator: uniform single-precision values in
// [0, 1). Games reseed it from the clock before many draws, often several
// times within a microsecond; reseeding mixes the clock into the current
// state instead of restarting from it, so a reseed never makes the generator
// repeat the values it has just given.
class Random
{
public:
    static Random &instance();

    float next();
    // Int((hi - lo + 1) * r + lo) for the next r.
    int between(int lo, int hi);
    void reseed();

    // For tests: a fixed start, a fixed sequence of values to hand out before
    // the generator's own, and a stand-in for the clock that reseed reads.
    void seed(quint64 seed);
    void feed(std::initializer_list<float> values);
    void setClockSource(std::function<quint64()> nanoseconds);

private:
    Random();
    quint64 nextBits();

    quint64 m_state;
    std::deque<float> m_fed;
    std::function<quint64()> m_clock;
};

} // namespace platform
