#include "items/GridColumnWidths.h"

#include "items/BrowseModel.h"

GridColumnWidths::GridColumnWidths(const QFont &font)
    : m_metrics(font)
    , m_advance(0x10000, -1)
    , m_capitalAdvance(0x10000, -1)
{
}

int GridColumnWidths::textWidth(const QString &text, bool capitals) const
{
    return m_metrics.horizontalAdvance(capitals ? text.toUpper() : text);
}

int GridColumnWidths::advance(char16_t c, bool capitals)
{
    std::vector<qint16> &cache = capitals ? m_capitalAdvance : m_advance;
    qint16 &width = cache[c];
    if (width < 0) {
        const QChar ch(c);
        width = qint16(m_metrics.horizontalAdvance(capitals ? ch.toUpper() : ch));
    }
    return width;
}

int GridColumnWidths::estimate(QStringView text, bool capitals)
{
    int width = 0;
    for (QChar c : text)
        width += advance(c.unicode(), capitals);
    return width;
}

std::array<int, 47> GridColumnWidths::compute(const BrowseModel &model, const std::array<bool, 47> &capitals)
{
    constexpr int Columns = BrowseModel::ColumnCount;
    std::array<int, Columns> widest{};  // estimated width of the widest cell so far
    std::array<int, Columns> widestRow; // its row
    widestRow.fill(-1);
    const int rows = model.rowCount();
    for (int r = 0; r < rows; ++r) {
        const BrowseRow &row = model.row(r);
        for (int c = 1; c < Columns; ++c) {
            const QStringView cell = row.cell(c);
            if (cell.isEmpty())
                continue;
            const int width = estimate(cell, capitals[c]);
            if (width > widest[c]) {
                widest[c] = width;
                widestRow[c] = r;
            }
        }
    }
    std::array<int, Columns> widths{};
    for (int c = 1; c < Columns; ++c) {
        widths[c] = textWidth(model.heading(c), true);
        if (widestRow[c] >= 0)
            widths[c] = std::max(widths[c], textWidth(model.text(widestRow[c], c), capitals[c]));
    }
    return widths;
}
