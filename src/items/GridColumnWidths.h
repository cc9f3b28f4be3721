#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QStringView>
#include <array>
#include <vector>

class BrowseModel;

// Text widths for the browse grid's columns: each column as wide as the widest of its heading and
// its cells, shown in capitals (money amounts as they are), in the grid's font. Rather than
// measuring every cell, the widest text of a column is picked by adding up cached character
// widths and then measured exactly.
class GridColumnWidths
{
public:
    explicit GridColumnWidths(const QFont &font);

    // The exact pixel width of the text, converted to capitals when asked.
    int textWidth(const QString &text, bool capitals) const;
    // Widths of the model's text for columns 0 to 46 (column 0, the key, is 0). capitals[c]
    // says whether column c is measured in capitals.
    std::array<int, 47> compute(const BrowseModel &model, const std::array<bool, 47> &capitals);

private:
    int estimate(QStringView text, bool capitals);
    int advance(char16_t c, bool capitals);

    QFontMetrics m_metrics;
    std::vector<qint16> m_advance;        // width of each character; -1 until measured
    std::vector<qint16> m_capitalAdvance; // width of each character's capital; -1 until measured
};
