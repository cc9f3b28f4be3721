#pragma once

#include <QString>
#include <QStringView>
#include <array>

// One row of the browse grid: the item's key and the texts of the 46 grid columns, held in one
// string so that a grid of many thousand items stays small.
class BrowseRow
{
public:
    static constexpr int ColumnCount = 46;
    using Cells = std::array<QString, ColumnCount>; // cells[i] is the text of grid column i + 1

    BrowseRow() = default;
    BrowseRow(qint64 key, const Cells &cells);
    // From the texts of the 46 columns one after the other; ends[i] is where column i + 1 ends.
    BrowseRow(qint64 key, QStringView texts, const std::array<quint32, ColumnCount> &ends);

    qint64 key() const { return m_key; }
    // The text of grid column 1 to 46.
    QStringView cell(int column) const;

private:
    qint64 m_key = -1;
    QString m_text;
    std::array<quint32, ColumnCount> m_end{}; // where each column's text ends in m_text
};
