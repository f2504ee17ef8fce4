#pragma once

#include <QVariant>

// The value to bind for `value` in a statement sent to SQLite. SQLite reads
// a U+FEFF at the very start of a UTF-16 text as a byte-order mark and drops
// it, so a word pasted with a leading zero-width no-break space would be
// stored, compared and found without it. Such a text gets one more U+FEFF in
// front, which is the one SQLite drops; every other value is bound as it is.
QVariant boundValue(const QVariant &value);
