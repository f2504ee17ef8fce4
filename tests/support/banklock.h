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
