#pragma once

#include <QString>
#include <QtGlobal>

// Every number the program shows passes through these.

// Plain decimal, with a leading "-" for negative values.
QString integerToText(qint64 value);

// The shortest form with at most 13 significant digits, as printf's "%.13g"
// writes it: 60.0 gives "60", 100.0 / 3 gives "33.33333333333".
QString realToText(double value);

// Full-width digits and signs count as their ASCII forms; leading blanks are
// skipped, an optional sign is read, then decimal digits up to the first other
// character. No digits gives 0; values beyond 32 bits saturate.
qint32 textToInteger(const QString &text);

// The number of characters of a text as a player counts them: "T恤" has 2,
// an emoji 1.
qsizetype characterCount(const QString &text);
