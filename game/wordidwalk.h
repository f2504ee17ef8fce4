#pragma once

#include <QVariant>
#include <QtGlobal>

struct GameState;
class WordBankConnection;

// The ID a field value of the word bank stands for: a byte, 16-bit or 32-bit
// integer unchanged (a byte unsigned, a 16-bit value sign-extended), a 64-bit
// integer by its low 32 bits, a real truncated toward zero (saturating at
// the 32-bit limits). Anything else is no ID and gives 0.
qint32 idFromValue(const QVariant &value);

// Queries every row in ascending ID order on `connection` and stores the IDs
// in state.wordids from index 1, counting them in state.wordcount. The walk
// starts on the row the fresh query stands on. Returns false when the query
// itself failed (the connection's lastError() says why); wordcount is then 0.
bool loadWordIds(WordBankConnection &connection, GameState &state);
