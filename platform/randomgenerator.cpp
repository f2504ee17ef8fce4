#include "platform/randomgenerator.h"

#include "platform/clock.h"

quint32 RandomGenerator::next()
{
    m_state = m_state * 214013u + 2531011u;
    return (m_state >> 16) & 32767u;
}

quint32 RandomGenerator::reseed(const Clock &clock)
{
    const quint32 seedValue = clock.tickCount() + m_reseedCounter;
    m_reseedCounter += (seedValue & 255u) + 100u;
    seed(seedValue);
    return seedValue;
}

qint32 RandomGenerator::between(qint32 a, qint32 b)
{
    const quint32 lower = quint32(qMax(0, qMin(a, b)));
    const quint32 upper = quint32(qMax(0, qMax(a, b)));
    const quint32 range = upper - lower + 1;
    if (range <= 32768u)
        return qint32(lower + next() % range);
    const quint32 high = next();
    const quint32 wide = (high << 15) | next();
    return qint32(lower + wide % range);
}
