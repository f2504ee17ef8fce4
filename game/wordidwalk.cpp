#include "game/wordidwalk.h"

#include "app/gamestate.h"
#include "wordbank/statements.h"
#include "wordbank/wordbankconnection.h"

#include <cmath>
#include <limits>

qint32 idFromValue(const QVariant &value)
{
    if (value.isNull())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return qint32(quint8(value.toInt()));
    case QMetaType::Short:
    case QMetaType::UShort:
        return qint32(qint16(value.toInt()));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return qint32(quint32(value.toULongLong() & 0xffffffffu));
    case QMetaType::Float:
    case QMetaType::Double: {
        const double real = std::trunc(value.toDouble());
        if (std::isnan(real))
            return 0;
        constexpr double lowest = std::numeric_limits<qint32>::min();
        constexpr double highest = std::numeric_limits<qint32>::max();
        return qint32(qBound(lowest, real, highest));
    }
    default:
        return 0;
    }
}

bool loadWordIds(WordBankConnection &connection, GameState &state)
{
    state.wordcount = 0;
    const RecordSetHandle rows = connection.query(statements::allIdsAscending());
    if (rows == 0)
        return false;
    while (!connection.isAfterLast(rows)) {
        state.wordcount += 1;
        state.wordids.set(state.wordcount, idFromValue(connection.field(rows, QStringLiteral("ID"))));
        connection.moveNext(rows);
    }
    return true;
}
