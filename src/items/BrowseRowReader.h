#pragma once

#include "items/BrowseRow.h"
#include "items/GridColumnOrder.h"

#include <QLocale>
#include <QSqlDatabase>
#include <QVariant>
#include <QVector>

class Table;

// Turns item rows into browse grid rows: each grid column gets the text of the field the column
// order puts there (of the highest-numbered one when several share it). Money shows in the
// currency format (an empty amount as zero), yes/no fields as True or False (empty when unset),
// everything else as stored.
class BrowseRowReader
{
public:
    explicit BrowseRowReader(const GridColumnOrder &order, const QLocale &locale);

    // Every item that passes the item table's filter text, in name order, read with one
    // statement. Throws StoreError (a filter that cannot be used among others).
    QVector<BrowseRow> readAll(const QSqlDatabase &db, const QString &filter) const;
    // The current row of the item table.
    BrowseRow read(const Table &items) const;

    // The grid's text for a stored value of data field n.
    QString cellText(int field, const QVariant &stored) const;

private:
    std::array<int, BrowseRow::ColumnCount> m_fieldInColumn{};
    QLocale m_locale;
};
