#include "exchange/CsvImportRows.h"

#include "exchange/CsvReader.h"

#include <limits>

CsvImportRows::CsvImportRows(CsvReader &reader, int skipFirst, int skipLast)
    : m_reader(&reader)
    , m_skipFirst(qMax(0, skipFirst))
    , m_skipLast(qMax(0, skipLast))
{
}

int CsvImportRows::count()
{
    m_records = m_reader->recordCount();
    const qsizetype end = m_records - m_skipLast;
    m_reader->rewind();
    int rows = 0;
    for (qsizetype index = 0; !m_reader->atEnd(); ++index) {
        const QStringList record = m_reader->readRecord();
        if (index >= m_skipFirst && index < end && !CsvReader::isBlankRecord(record))
            ++rows;
    }
    m_endsInQuote = m_reader->endedInQuote() && m_skipLast == 0 && m_records > m_skipFirst;
    return rows;
}

void CsvImportRows::forEach(const ItemImporter::RowVisitor &visit)
{
    // Without records to leave out at the end, there is no need to count them first.
    if (m_skipLast > 0 && m_records < 0)
        m_records = m_reader->recordCount();
    const qsizetype end = m_skipLast > 0 ? m_records - m_skipLast : std::numeric_limits<qsizetype>::max();
    m_reader->rewind();
    int row = 0;
    for (qsizetype index = 0; index < end && !m_reader->atEnd(); ++index) {
        const QStringList record = m_reader->readRecord();
        if (index < m_skipFirst || CsvReader::isBlankRecord(record))
            continue;
        if (!visit(++row, record))
            return;
    }
    if (m_skipLast == 0)
        m_endsInQuote = m_reader->endedInQuote();
}

ItemImporter::RowSource CsvImportRows::source()
{
    return [this](const ItemImporter::RowVisitor &visit) { forEach(visit); };
}
