#include "app/gamelength.h"

#include "platform/conversions.h"

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f';
}

bool isDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

bool isSign(QChar c)
{
    return c == u'+' || c == u'-' || c == u'＋' || c == u'－';
}

// Blanks, an optional sign, at least one digit, blanks: exactly what
// textToInteger reads in full, so its value is the number the text shows.
bool isWholeNumber(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    if (begin < end && isSign(text[begin]))
        ++begin;
    if (begin == end)
        return false;
    for (qsizetype i = begin; i < end; ++i) {
        if (!isDigit(text[i]))
            return false;
    }
    return true;
}

} // namespace

std::optional<qint32> gameMinutesFromText(const QString &text)
{
    if (!isWholeNumber(text))
        return std::nullopt;
    const qint32 minutes = textToInteger(text);
    if (minutes < shortestGameMinutes || minutes > longestGameMinutes)
        return std::nullopt;
    return minutes;
}
