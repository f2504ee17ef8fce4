#pragma once

#include "wordbank/recordset.h"

#include <QAbstractTableModel>
#include <QSharedPointer>

// The manager's list of words: the rows of one record set, shown as 编号,
// 词语 and 字数 without copying them. A bank of any size is listed at once;
// the view asks only for the rows it draws.
class WordListModel final : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { IdColumn = 0, WordColumn = 1, CountColumn = 2, ColumnCount = 3 };

    explicit WordListModel(QObject *parent);

    // Shows the first `count` rows of `rows` (all of them when there are
    // fewer); null shows no rows.
    void showRows(QSharedPointer<const RecordSetSnapshot> rows, qsizetype count);
    // Empties the list.
    void clear();

    // The text of a cell as the list shows it; the empty text outside the
    // list, also for row -1.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

private:
    QSharedPointer<const RecordSetSnapshot> m_rows;
    qsizetype m_count = 0;
    // Where the ID, the word and the count stand in the record set: read by
    // name, never by position.
    qsizetype m_sourceColumn[ColumnCount] = {-1, -1, -1};
};
