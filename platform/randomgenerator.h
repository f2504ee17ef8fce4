#pragma once

#include <QtGlobal>

class Clock;

// The linear congruential generator the game draws its words with:
// state := state * 214013 + 2531011, output := (state >> 16) & 32767.
class RandomGenerator
{
public:
    void seed(quint32 seed) { m_state = seed; }
    // The next 15-bit output, 0 to 32767.
    quint32 next();

    // Seeds from the tick count of `clock` plus a counter that moves on at
    // every reseed, so that two reseeds in the same millisecond differ.
    // Returns the seed it used.
    quint32 reseed(const Clock &clock);

    // A random integer between a and b, both included. Negative bounds count
    // as 0 and the bounds may come in either order. A range of up to 32,768
    // values takes one output; a wider one takes two consecutive outputs as
    // 30 bits, so that every value of a large range can come up.
    qint32 between(qint32 a, qint32 b);

private:
    quint32 m_state = 0;
    quint32 m_reseedCounter = 0;
};
