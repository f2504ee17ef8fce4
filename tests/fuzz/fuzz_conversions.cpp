// Feeds arbitrary bytes to the number conversions: as text to textToInteger,
// and as a double to realToText, checking what must always hold.
#include "platform/conversions.h"

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    const qint32 value = textToInteger(text);
    // Reading the number back from its own text gives the same number.
    if (textToInteger(integerToText(value)) != value)
        std::abort();

    if (size >= sizeof(double)) {
        double real;
        std::memcpy(&real, data, sizeof real);
        const QString written = realToText(real);
        if (written.isEmpty() || written.size() > 24)
            std::abort();
        if (std::isfinite(real)) {
            // Thirteen significant digits: the text reads back within that.
            const double back = written.toDouble();
            if (std::fabs(back - real) > std::fabs(real) * 1e-12 + 1e-300)
                std::abort();
        }
    }
    return 0;
}
