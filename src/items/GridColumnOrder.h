#pragma once

#include "store/FieldCatalogue.h"

#include <QString>
#include <QStringList>
#include <array>

class Table;

// Which grid column (1 to 46) of the browse window shows each data field. The grid table keeps
// it per collection as a text whose character at position n + 1 has the code of the column of
// data field n.
class GridColumnOrder
{
public:
    static constexpr int ColumnCount = FieldCatalogue::FieldCount;

    // Data field n in column n + 1.
    GridColumnOrder();

    // The stored text over the default order: at most 46 characters are used, a shorter text
    // keeps the default for the remaining fields, and so does a character that is no column code.
    static GridColumnOrder fromGridData(const QString &gridData);
    // The order as the grid shows it: headings[i] is the heading of grid column i + 1. Each field
    // goes to the first column whose heading equals its label exactly (letter case counts), so two
    // fields with one label share that column. A field whose label no heading carries any more
    // takes the first column no other field has.
    static GridColumnOrder fromHeadings(const QStringList &headings, const QStringList &labels);

    QString toGridData() const;
    // The column of data field n.
    int column(int field) const { return m_column[field]; }
    // The field a column shows: the highest-numbered field placed in it, or -1 when none is.
    int fieldInColumn(int column) const;

    // The collection's stored order, or the default when it has none. Throws StoreError; the
    // table is left closed in any case.
    static GridColumnOrder read(Table &gridTable, const QString &collectionName);
    // Stores the order as the collection's row, adding the row when there is none. Throws
    // StoreError; the table is left closed in any case.
    void write(Table &gridTable, const QString &collectionName) const;

    bool operator==(const GridColumnOrder &) const = default;

private:
    std::array<int, ColumnCount> m_column{};
};
