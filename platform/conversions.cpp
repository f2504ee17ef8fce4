#include "platform/conversions.h"

#include <cstdio>
#include <limits>

QString integerToText(qint64 value)
{
    return QString::number(value);
}

QString realToText(double value)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.13g", value);
    return QString::fromLatin1(buffer);
}

namespace {

// Maps a full-width digit or sign to its ASCII form; other characters stay.
QChar narrowed(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= u'０' && u <= u'９')
        return QChar(char16_t(u'0' + (u - u'０')));
    if (u == u'＋')
        return QChar(u'+');
    if (u == u'－')
        return QChar(u'-');
    return c;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

} // namespace

qint32 textToInteger(const QString &text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && isBlank(narrowed(text[i])))
        ++i;

    bool negative = false;
    if (i < n) {
        const QChar sign = narrowed(text[i]);
        if (sign == u'+' || sign == u'-') {
            negative = sign == u'-';
            ++i;
        }
    }

    constexpr qint64 limit = qint64(std::numeric_limits<qint32>::max()) + 1;
    qint64 magnitude = 0;
    for (; i < n; ++i) {
        const QChar c = narrowed(text[i]);
        if (c < u'0' || c > u'9')
            break;
        magnitude = qMin(limit, magnitude * 10 + (c.unicode() - u'0'));
    }

    const qint64 value = negative ? -magnitude : magnitude;
    constexpr qint64 lowest = std::numeric_limits<qint32>::min();
    constexpr qint64 highest = std::numeric_limits<qint32>::max();
    return qint32(qBound(lowest, value, highest));
}

qsizetype characterCount(const QString &text)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // The second half of a surrogate pair belongs to the first.
        if (!(text[i].isLowSurrogate() && i > 0 && text[i - 1].isHighSurrogate()))
            ++count;
    }
    return count;
}
