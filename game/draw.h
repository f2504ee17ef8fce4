#pragma once

#include "wordbank/wordbankfile.h"

#include <QString>
#include <QtGlobal>

class Clock;
class RandomGenerator;
struct GameState;

// The program's one random generator. Its reseed counter starts at 0 when
// the program starts and moves on with every game.
RandomGenerator &gameRandomGenerator();

// The index of the next word: reseeds `generator` from `clock`, then a random
// integer between 1 and `wordcount`. Every draw is independent of the others.
qint32 drawIndex(RandomGenerator &generator, const Clock &clock, qint32 wordcount);

// A word drawn from the bank.
struct DrawnWord
{
    // Opened: `word` holds the drawn word. Failed: the bank could not be
    // opened or read (the connection's lastError() says why). ProgramEnded:
    // the file is missing and the program ends.
    OpenOutcome outcome = OpenOutcome::Failed;
    QString word;
};

// Draws an index from state.wordids (see drawIndex), opens the bank again on
// `connection` with the existence check, and reads the word of that ID.
DrawnWord drawWord(WordBankConnection &connection, RandomGenerator &generator, const Clock &clock,
                   const GameState &state);
