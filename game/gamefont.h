#pragma once

#include <QFont>
#include <QString>

// The game's bold 黑体 at `pixelSize` pixels, falling back to SimHei and then
// to an installed Chinese sans-serif where 黑体 is not there.
QFont heitiBold(int pixelSize);

// The largest pixel size, up to `largest`, at which `text` fits on one line
// `width` pixels wide in `font`; `largest` itself when it fits there, and
// never less than 1.
int pixelSizeToFit(QFont font, const QString &text, int width, int largest);
