#pragma once

#include "tests/support/tempwordbank.h"

#include <functional>

// Turns a word bank into something named caici.mdb that is no word bank.
using Spoil = std::function<void(const TempWordBank &)>;

// Adds a "spoil" column to the current data table and one row for each
// such thing: a file that is no database, an SQLite database without the
// word table, and a folder.
void addUnusableBankRows();

// What stands at the bank's path: the file's bytes, or a mark for a folder
// or for nothing. The program must leave it as it found it.
QByteArray standing(const TempWordBank &bank);
