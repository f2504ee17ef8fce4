#include "game/draw.h"

#include "app/gamestate.h"
#include "platform/clock.h"
#include "platform/randomgenerator.h"
#include "wordbank/statements.h"
#include "wordbank/wordbankconnection.h"

RandomGenerator &gameRandomGenerator()
{
    static RandomGenerator generator;
    return generator;
}

qint32 drawIndex(RandomGenerator &generator, const Clock &clock, qint32 wordcount)
{
    generator.reseed(clock);
    return generator.between(1, wordcount);
}

DrawnWord drawWord(WordBankConnection &connection, RandomGenerator &generator, const Clock &clock,
                   const GameState &state)
{
    DrawnWord drawn;
    const qint32 index = drawIndex(generator, clock, state.wordcount);
    drawn.outcome = openWithCheck(connection);
    if (drawn.outcome != OpenOutcome::Opened)
        return drawn;
    if (!state.wordids.isValidIndex(index)) {
        drawn.outcome = OpenOutcome::Failed;
        return drawn;
    }
    const RecordSetHandle row = connection.query(statements::wordById(state.wordids.at(index)));
    if (row == 0) {
        drawn.outcome = OpenOutcome::Failed;
        return drawn;
    }
    drawn.word = connection.fieldText(row, QStringLiteral("词语"));
    return drawn;
}
