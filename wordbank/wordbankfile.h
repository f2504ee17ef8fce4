#pragma once

#include <QString>

class WordBankConnection;

// The word bank file beside the program: the current directory, the
// separator and caici.mdb, built anew at every use.
QString wordBankPath();

enum class OpenOutcome {
    Opened,       // the connection now stands on the file
    Failed,       // the file is there but is no usable word bank: see lastError()
    ProgramEnded, // the file is missing: the player was told and the program ends
};

// Opens the word bank on `connection` after checking that the file exists.
// A missing file shows "数据库不存在" and ends the program; the caller must
// then do nothing more.
OpenOutcome openWithCheck(WordBankConnection &connection);

// Opens the word bank again without the check.
OpenOutcome reopen(WordBankConnection &connection);

// What the player is told when the file is there but cannot be used.
QString openFailureMessage(const WordBankConnection &connection);
