#include "game/results.h"

#include "platform/conversions.h"

QString answeredText(qint32 answered)
{
    return QStringLiteral("总共") + integerToText(answered) + QStringLiteral("个词语");
}

QString correctText(qint32 correct)
{
    return QStringLiteral("猜正确") + integerToText(correct) + QStringLiteral("个词语");
}

QString hitRateText(qint32 correct, qint32 answered)
{
    // 0 / 0 is not a number; nothing answered means nothing guessed.
    const double rate = answered == 0 ? 0.0 : double(correct) / double(answered) * 100.0;
    return QStringLiteral("猜中率：") + realToText(rate) + QStringLiteral("%");
}
