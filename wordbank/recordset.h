#pragma once

#include <QList>
#include <QSharedPointer>
#include <QStringList>
#include <QVariant>

// The rows of one query, read in full when the query ran: later changes to
// the table are not seen in it. Shared read-only between the record set that
// walks it and any view that shows it.
class RecordSetSnapshot
{
public:
    RecordSetSnapshot(QStringList columns, QList<QVariant> cells);

    qsizetype rowCount() const { return m_rowCount; }
    const QStringList &columns() const { return m_columns; }
    // The column of that exact name (case counts), or -1.
    qsizetype columnIndex(const QString &name) const;
    // The value at (row, column); an invalid QVariant outside the table.
    QVariant value(qsizetype row, qsizetype column) const;
    // The same value as text: text unchanged, numbers as the program writes
    // them, NULL or outside the table as the empty text.
    QString text(qsizetype row, qsizetype column) const;

private:
    QStringList m_columns;
    QList<QVariant> m_cells; // row after row
    qsizetype m_rowCount = 0;
};

// Any value of the word bank as the text the program shows for it.
QString valueToText(const QVariant &value);
