#include "platform/clock.h"

#include <chrono>

quint32 SystemClock::tickCount() const
{
    using namespace std::chrono;
    return quint32(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

Clock &systemClock()
{
    static SystemClock clock;
    return clock;
}
