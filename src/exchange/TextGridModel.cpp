#include "exchange/TextGridModel.h"

TextGridModel::TextGridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

void TextGridModel::setHeadings(const QStringList &headings)
{
    beginResetModel();
    m_headings = headings;
    endResetModel();
}

void TextGridModel::setRows(const QList<QStringList> &rows, bool numbered)
{
    beginResetModel();
    m_rows = rows;
    m_numbered = numbered;
    endResetModel();
}

int TextGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int TextGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(qMax<qsizetype>(1, m_headings.size()));
}

QString TextGridModel::cellText(int row, int column) const
{
    if (row < 0 || row >= m_rows.size() || column < 0)
        return {};
    if (m_numbered && column == 0)
        return QString::number(row + 1);
    const QString &value = m_rows.at(row).value(m_numbered ? column - 1 : column);
    if (value.size() <= ShownLength)
        return value;
    return value.left(ShownLength) + QChar(0x2026);
}

QVariant TextGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return cellText(index.row(), index.column());
}

QVariant TextGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return m_headings.value(section);
    return {};
}
