#include "game/countdown.h"

#include "platform/conversions.h"

#include <cmath>

QString countdownStartText(qint32 gameminutes)
{
    return realToText(double(gameminutes) * 60.0);
}

CountdownStep countdownTick(const QString &caption, qint32 gameminutes, qint32 elapsed)
{
    CountdownStep step;
    step.show = caption == QLatin1String("10");
    step.caption = caption;
    if (caption == QLatin1String("0")) {
        step.finished = true;
        return step;
    }
    const double remaining = double(gameminutes) * 60.0 - double(elapsed);
    step.caption = integerToText(qint64(std::trunc(remaining)));
    return step;
}
