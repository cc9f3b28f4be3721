#include "items/BrowseModel.h"

#include <algorithm>
#include <numeric>
#include <vector>

BrowseModel::BrowseModel(QObject *parent)
    : QAbstractTableModel(parent)
{
    for (int c = 0; c < ColumnCount; ++c)
        m_headings.append(QString());
}

int BrowseModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int BrowseModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString BrowseModel::text(int row, int column) const
{
    if (row < 0 || row >= m_rows.size())
        return {};
    if (column == KeyColumn)
        return QString::number(m_rows[row].key());
    return m_rows[row].cell(column).toString();
}

QVariant BrowseModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole)
        return text(index.row(), index.column());
    return {};
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < ColumnCount)
        return m_headings[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags BrowseModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool BrowseModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_rows.size())
        return false;
    beginRemoveRows({}, row, row + count - 1);
    m_rows.remove(row, count);
    endRemoveRows();
    return true;
}

QString BrowseModel::sortKey(QStringView text)
{
    QString key = text.toString();
    for (QChar &c : key)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - (u'a' - u'A'));
    return key;
}

void BrowseModel::sort(int column, Qt::SortOrder order)
{
    if (column <= KeyColumn || column >= ColumnCount || m_rows.size() < 2)
        return;
    const int count = int(m_rows.size());
    std::vector<QString> keys(count);
    for (int r = 0; r < count; ++r)
        keys[r] = sortKey(m_rows[r].cell(column));
    std::vector<int> sorted(count); // sorted[new row] = old row
    std::iota(sorted.begin(), sorted.end(), 0);
    std::stable_sort(sorted.begin(), sorted.end(), [&keys](int a, int b) { return keys[a] < keys[b]; });
    if (order == Qt::DescendingOrder)
        std::reverse(sorted.begin(), sorted.end());

    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(count);
    QVector<BrowseRow> rows;
    rows.reserve(count);
    for (int r = 0; r < count; ++r) {
        newRowOf[sorted[r]] = r;
        rows.append(std::move(m_rows[sorted[r]]));
    }
    m_rows = std::move(rows);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &i : before)
        after.append(index(newRowOf[i.row()], i.column()));
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void BrowseModel::setHeadings(const QStringList &headings)
{
    for (int c = 0; c < ColumnCount; ++c)
        m_headings[c] = headings.value(c);
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, ColumnCount - 1);
}

void BrowseModel::setRows(QVector<BrowseRow> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

void BrowseModel::setRow(int row, const BrowseRow &value)
{
    if (row < 0 || row >= m_rows.size())
        return;
    m_rows[row] = value;
    Q_EMIT dataChanged(index(row, 0), index(row, ColumnCount - 1));
}

void BrowseModel::appendRow(const BrowseRow &value)
{
    const int row = int(m_rows.size());
    beginInsertRows({}, row, row);
    m_rows.append(value);
    endInsertRows();
}

int BrowseModel::rowOfKey(qint64 key) const
{
    for (int r = 0; r < m_rows.size(); ++r)
        if (m_rows[r].key() == key)
            return r;
    return -1;
}
