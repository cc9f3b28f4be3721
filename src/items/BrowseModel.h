#pragma once

#include "items/BrowseRow.h"

#include <QAbstractTableModel>
#include <QStringList>
#include <QVector>

// The browse grid's table of text: column 0 holds each item's key as decimal text, columns 1 to
// 46 the grid columns; the heading of each column is its field label. No cell can be edited.
class BrowseModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    static constexpr int KeyColumn = 0;
    static constexpr int ColumnCount = BrowseRow::ColumnCount + 1;

    explicit BrowseModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool removeRows(int row, int count, const QModelIndex &parent = {}) override;
    // Orders the item rows by the texts of a grid column, compared character by character with
    // the letters a to z taken as capitals (so empty texts come first). Descending is the
    // ascending order reversed. Rows move whole, keys included. The key column is never sorted by.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // headings[c] is the heading of column c (0 to 46).
    void setHeadings(const QStringList &headings);
    QString heading(int column) const { return m_headings.value(column); }
    void setRows(QVector<BrowseRow> rows);
    void setRow(int row, const BrowseRow &value);
    void appendRow(const BrowseRow &value);
    const BrowseRow &row(int row) const { return m_rows[row]; }
    qint64 key(int row) const { return m_rows[row].key(); }
    // The row of the item with this key, or -1.
    int rowOfKey(qint64 key) const;
    // Column 0: the key as decimal text; columns 1 to 46: the cell's text.
    QString text(int row, int column) const;

    // The text the sort compares for a cell.
    static QString sortKey(QStringView text);

private:
    QStringList m_headings;
    QVector<BrowseRow> m_rows;
};
