#pragma once

#include "exchange/CsvImportRows.h"
#include "exchange/EntryCatalogue.h"
#include "exchange/ItemImporter.h"

#include <QString>
#include <QStringList>

class CsvReader;
class TDataModule1;

// The import command of curiodex-cli: finds the file's columns (from its heading line or from the
// labels given), then checks and writes the rows, showing progress on standard error.
class CliImport
{
public:
    CliImport(TDataModule1 &dm, const QString &collection, CsvReader &reader, const QString &shownPath);

    // Works out the rows and their columns. With hasLabels the labels name the columns; otherwise
    // the first row is a heading that names them. False, with error(), when that fails.
    bool prepare(int skipFirst, int skipLast, bool hasLabels, const QStringList &labels);
    // Imports the rows. False, with error(), when they are not all written.
    bool run();

    QString error() const { return m_error; }
    // Notes for the user gathered since the last call.
    QStringList takeNotes();
    int rowsWritten() const { return m_rowsWritten; }

private:
    bool setColumns(const QStringList &labels, const QString &source);

    TDataModule1 &m_dm;
    QString m_collection;
    QString m_shownPath;
    EntryCatalogue m_catalogue;
    CsvImportRows m_rows;
    CsvReader &m_reader;
    QList<ImportColumn> m_columns;
    bool m_hasHeading = false;
    int m_rowsWritten = 0;
    QString m_error;
    QStringList m_notes;
};
