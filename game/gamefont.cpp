#include "game/gamefont.h"

#include <QFontMetrics>
#include <QStringList>

QFont heitiBold(int pixelSize)
{
    QFont font;
    font.setFamilies(QStringList{QStringLiteral("黑体"), QStringLiteral("SimHei"), QStringLiteral("Noto Sans CJK SC")});
    font.setBold(true);
    font.setPixelSize(pixelSize);
    return font;
}

namespace {

bool fits(QFont &font, const QString &text, int width, int pixelSize)
{
    font.setPixelSize(pixelSize);
    return QFontMetrics(font).horizontalAdvance(text) <= width;
}

} // namespace

int pixelSizeToFit(QFont font, const QString &text, int width, int largest)
{
    if (fits(font, text, width, largest))
        return largest;
    // The widest size that still fits lies between 1 and largest - 1.
    int low = 1;
    int high = largest - 1;
    while (low < high) {
        const int middle = low + (high - low + 1) / 2;
        if (fits(font, text, width, middle))
            low = middle;
        else
            high = middle - 1;
    }
    return low;
}
