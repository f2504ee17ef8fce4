#include "wordbank/wordlistmodel.h"

namespace {

const char16_t *const columnNames[WordListModel::ColumnCount] = {u"ID", u"词语", u"字数"};
const char16_t *const headers[WordListModel::ColumnCount] = {u"编号", u"词语", u"字数"};

} // namespace

WordListModel::WordListModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void WordListModel::showRows(QSharedPointer<const RecordSetSnapshot> rows, qsizetype count)
{
    beginResetModel();
    m_rows = std::move(rows);
    m_count = m_rows ? qBound<qsizetype>(0, count, m_rows->rowCount()) : 0;
    for (int column = 0; column < ColumnCount; ++column)
        m_sourceColumn[column] = m_rows ? m_rows->columnIndex(QString::fromUtf16(columnNames[column])) : -1;
    endResetModel();
}

void WordListModel::clear()
{
    showRows(nullptr, 0);
}

QString WordListModel::cellText(int row, int column) const
{
    if (!m_rows || row < 0 || row >= m_count || column < 0 || column >= ColumnCount)
        return {};
    return m_rows->text(row, m_sourceColumn[column]);
}

int WordListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_count);
}

int WordListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant WordListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return cellText(index.row(), index.column());
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

QVariant WordListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= ColumnCount)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromUtf16(headers[section]);
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    default:
        return {};
    }
}

Qt::ItemFlags WordListModel::flags(const QModelIndex &index) const
{
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren : Qt::NoItemFlags;
}
