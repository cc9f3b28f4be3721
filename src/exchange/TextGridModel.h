#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

// A read-only grid of texts for the import wizard: the raw lines of a file, or the rows cut into
// the assigned columns with their row numbers. Very long values are shown cut short (the whole
// value is kept for the import); rows shorter than the grid show empty cells.
class TextGridModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    // Characters of a value shown before it is cut short with an ellipsis.
    static constexpr int ShownLength = 1000;

    explicit TextGridModel(QObject *parent = nullptr);

    // Headings of the columns (may be empty); the grid has as many columns as headings, or one
    // when there are none.
    void setHeadings(const QStringList &headings);
    // With row numbers, column 0 shows the row's number (from 1) and the values start at column 1.
    void setRows(const QList<QStringList> &rows, bool numbered);

    const QList<QStringList> &rows() const { return m_rows; }
    // The text of a cell as the grid shows it.
    QString cellText(int row, int column) const;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QStringList m_headings;
    QList<QStringList> m_rows;
    bool m_numbered = false;
};
