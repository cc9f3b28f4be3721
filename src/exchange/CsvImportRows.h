#pragma once

#include "exchange/ItemImporter.h"

class CsvReader;

// The rows an import takes from a file's records: the records left after leaving out the first
// skipFirst and the last skipLast, blank records (a blank line) passed over, numbered from 1.
class CsvImportRows
{
public:
    CsvImportRows(CsvReader &reader, int skipFirst, int skipLast);

    // How many rows there are (blank records not counted). Reads the whole text.
    int count();
    // After count() or a forEach() that went through every row: whether the text ends inside a
    // quoted value whose record is one of the rows (a closing quote is missing, so that value took
    // in the rest of the text).
    bool endsInQuote() const { return m_endsInQuote; }
    // Reads the rows again from the first, handing each with its number to the visitor until it
    // returns false. Fits ItemImporter::RowSource.
    void forEach(const ItemImporter::RowVisitor &visit);
    ItemImporter::RowSource source();

private:
    CsvReader *m_reader;
    int m_skipFirst;
    int m_skipLast;
    qsizetype m_records = -1;
    bool m_endsInQuote = false;
};
