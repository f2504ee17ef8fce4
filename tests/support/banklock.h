#pragma once

#include <QString>

// Holds the whole word bank from a connection of its own (BEGIN EXCLUSIVE),
// as another copy of the program in the middle of a change would, until the
// object goes.
class BankLock
{
public:
    explicit BankLock(const QString &path);
    ~BankLock();
    BankLock(const BankLock &) = delete;
    BankLock &operator=(const BankLock &) = delete;

private:
    const QString m_name;
};

// While it lives, connections opened by the program wait only `milliseconds`
// for a locked bank instead of the full time-out, so that a test of a lock
// does not take its seconds; the full time-out is back when it goes, also
// when the test fails early.
class ShortBusyTimeout
{
public:
    explicit ShortBusyTimeout(int milliseconds);
    ~ShortBusyTimeout();
    ShortBusyTimeout(const ShortBusyTimeout &) = delete;
    ShortBusyTimeout &operator=(const ShortBusyTimeout &) = delete;

private:
    const int m_previous;
};
