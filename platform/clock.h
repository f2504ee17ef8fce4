#pragma once

#include <QtGlobal>

// The system's millisecond tick count. Passed to whatever needs the time so
// that a test can stand in for it.
class Clock
{
public:
    virtual ~Clock() = default;
    virtual quint32 tickCount() const = 0;
};

// Milliseconds of the monotonic clock, wrapping at 32 bits.
class SystemClock final : public Clock
{
public:
    quint32 tickCount() const override;
};

// The clock used by the program unless a caller passes another one.
Clock &systemClock();
