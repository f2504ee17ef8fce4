#include "wordbank/boundvalue.h"

#include <QString>

QVariant boundValue(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return value;
    const QString text = value.toString();
    if (!text.startsWith(QChar(0xFEFF)))
        return value;
    return QString(QChar(0xFEFF) + text);
}
