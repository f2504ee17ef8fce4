#include "wordbank/recordset.h"

#include "platform/conversions.h"

RecordSetSnapshot::RecordSetSnapshot(QStringList columns, QList<QVariant> cells)
    : m_columns(std::move(columns))
    , m_cells(std::move(cells))
    , m_rowCount(m_columns.isEmpty() ? 0 : m_cells.size() / m_columns.size())
{
}

qsizetype RecordSetSnapshot::columnIndex(const QString &name) const
{
    for (qsizetype i = 0; i < m_columns.size(); ++i) {
        if (m_columns[i] == name)
            return i;
    }
    return -1;
}

QVariant RecordSetSnapshot::value(qsizetype row, qsizetype column) const
{
    if (row < 0 || row >= m_rowCount || column < 0 || column >= m_columns.size())
        return {};
    return m_cells[row * m_columns.size() + column];
}

QString RecordSetSnapshot::text(qsizetype row, qsizetype column) const
{
    return valueToText(value(row, column));
}

QString valueToText(const QVariant &value)
{
    if (value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QString:
        return value.toString();
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Long:
    case QMetaType::ULong:
        return integerToText(value.toLongLong());
    case QMetaType::Double:
    case QMetaType::Float:
        return realToText(value.toDouble());
    default:
        return value.toString();
    }
}
