#include "collections/ListValuesModel.h"

#include "collections/ListValues.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

ListValuesModel::ListValuesModel(TDataModule1 &dm, const QString &collection, QObject *parent)
    : QAbstractTableModel(parent)
    , m_dm(dm)
    , m_collection(collection)
{
}

ListValuesModel::~ListValuesModel()
{
    m_dm.ListsTable->reset();
}

void ListValuesModel::showField(int dataFieldNumber)
{
    beginResetModel();
    m_rows.clear();
    m_field = dataFieldNumber;
    Table &lists = *m_dm.ListsTable;
    try {
        lists.close();
        lists.setFilter(ListValues::fieldFilter(m_collection, dataFieldNumber));
        lists.setFiltered(true);
        lists.open();
        for (lists.first(); !lists.eof(); lists.next())
            m_rows.append({lists.currentKey(), lists.fieldText(QStringLiteral("Values"))});
    } catch (...) {
        m_rows.clear();
        lists.reset();
        endResetModel();
        throw;
    }
    endResetModel();
}

QString ListValuesModel::value(int row) const
{
    return row >= 0 && row < m_rows.size() ? m_rows[row].value : QString();
}

bool ListValuesModel::removeValue(int row, QString *error)
{
    if (row < 0 || row >= m_rows.size())
        return false;
    Table &lists = *m_dm.ListsTable;
    try {
        if (!lists.isOpen() || !lists.gotoKey(m_rows[row].key))
            throw StoreError(QStringLiteral("The value %1 is no longer in the list.").arg(m_rows[row].value));
        lists.remove();
    } catch (const StoreError &e) {
        if (error)
            *error = e.text();
        return false;
    }
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.removeAt(row);
    endRemoveRows();
    return true;
}

void ListValuesModel::close()
{
    beginResetModel();
    m_rows.clear();
    m_dm.ListsTable->reset();
    endResetModel();
}

int ListValuesModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int ListValuesModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant ListValuesModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_rows[index.row()].value;
    return {};
}

QVariant ListValuesModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section == 0 ? QVariant(QStringLiteral("Values")) : QVariant();
    return QVariant();
}
