#include "items/GridColumnOrder.h"

#include "store/Table.h"

namespace {

const QString CollectionNameColumn = QStringLiteral("CollectionName");
const QString GridDataColumn = QStringLiteral("GridData");

// Puts the borrowed table back as it was found, also when a statement fails.
class ResetOnExit
{
public:
    explicit ResetOnExit(Table &table)
        : m_table(table)
    {
    }
    ~ResetOnExit() { m_table.reset(); }
    ResetOnExit(const ResetOnExit &) = delete;
    ResetOnExit &operator=(const ResetOnExit &) = delete;

private:
    Table &m_table;
};

} // namespace

GridColumnOrder::GridColumnOrder()
{
    for (int n = 0; n < ColumnCount; ++n)
        m_column[n] = n + 1;
}

GridColumnOrder GridColumnOrder::fromGridData(const QString &gridData)
{
    GridColumnOrder order;
    const int used = std::min<int>(int(gridData.size()), ColumnCount);
    for (int n = 0; n < used; ++n) {
        const int code = gridData[n].unicode();
        if (code >= 1 && code <= ColumnCount)
            order.m_column[n] = code;
    }
    return order;
}

GridColumnOrder GridColumnOrder::fromHeadings(const QStringList &headings, const QStringList &labels)
{
    GridColumnOrder order;
    std::array<bool, ColumnCount> found{};
    std::array<bool, ColumnCount + 1> taken{};
    for (int n = 0; n < ColumnCount; ++n) {
        const QString label = labels.value(n);
        for (int c = 1; c <= ColumnCount && !found[n]; ++c) {
            if (headings.value(c - 1) == label) {
                order.m_column[n] = c;
                found[n] = true;
                taken[c] = true;
            }
        }
    }
    int free = 1;
    for (int n = 0; n < ColumnCount; ++n) {
        if (found[n])
            continue;
        while (free <= ColumnCount && taken[free])
            ++free;
        if (free > ColumnCount)
            break;
        order.m_column[n] = free;
        taken[free] = true;
    }
    return order;
}

QString GridColumnOrder::toGridData() const
{
    QString text(ColumnCount, Qt::Uninitialized);
    for (int n = 0; n < ColumnCount; ++n)
        text[n] = QChar(ushort(m_column[n]));
    return text;
}

int GridColumnOrder::fieldInColumn(int column) const
{
    for (int n = ColumnCount - 1; n >= 0; --n)
        if (m_column[n] == column)
            return n;
    return -1;
}

GridColumnOrder GridColumnOrder::read(Table &gridTable, const QString &collectionName)
{
    ResetOnExit reset(gridTable);
    gridTable.open();
    if (!gridTable.locate(CollectionNameColumn, collectionName))
        return {};
    return fromGridData(gridTable.fieldText(GridDataColumn));
}

void GridColumnOrder::write(Table &gridTable, const QString &collectionName) const
{
    ResetOnExit reset(gridTable);
    gridTable.open();
    if (gridTable.locate(CollectionNameColumn, collectionName)) {
        gridTable.edit();
        gridTable.setFieldText(GridDataColumn, toGridData());
        gridTable.post();
    } else {
        gridTable.insertRecord({collectionName, toGridData()});
    }
}
