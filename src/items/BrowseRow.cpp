#include "items/BrowseRow.h"

BrowseRow::BrowseRow(qint64 key, const Cells &cells)
    : m_key(key)
{
    qsizetype size = 0;
    for (const QString &c : cells)
        size += c.size();
    m_text.reserve(size);
    for (int i = 0; i < ColumnCount; ++i) {
        m_text.append(cells[i]);
        m_end[i] = quint32(m_text.size());
    }
}

BrowseRow::BrowseRow(qint64 key, QStringView texts, const std::array<quint32, ColumnCount> &ends)
    : m_key(key)
    , m_text(texts.toString())
    , m_end(ends)
{
}

QStringView BrowseRow::cell(int column) const
{
    if (column < 1 || column > ColumnCount)
        return {};
    const quint32 begin = column == 1 ? 0 : m_end[column - 2];
    return QStringView(m_text).mid(begin, m_end[column - 1] - begin);
}
