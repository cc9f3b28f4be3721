#pragma once

#include <QList>
#include <QString>
#include <functional>

class QIODevice;
class TDataModule1;

struct ExportColumn
{
    QString heading;   // the text of the export entry, written in the heading line
    int position = -1; // its place in the export EntryCatalogue: 0 to 45 a field, 46 the notes
};

struct ExportResult
{
    bool ok = false;
    int rowsWritten = 0;
    QString error; // for the user, when !ok
};

// Writes the items of a collection as comma-separated text: a heading line with the columns'
// headings, then one line per item in the table's order (by ID) with the columns' values. Money
// as ExportMoneyFormat writes it, yes/no fields as True or False, texts and notes as stored;
// values quoted as CsvWriter does. UTF-8, lines ended by CR LF.
class ItemExporter
{
public:
    // Called with the count of items written, after each item.
    using Progress = std::function<void(int rows)>;

    ItemExporter(TDataModule1 &dm, const QString &collection);

    void setColumns(const QList<ExportColumn> &columns) { m_columns = columns; }
    const QList<ExportColumn> &columns() const { return m_columns; }
    void setProgress(Progress progress) { m_progress = std::move(progress); }

    // Writes to the open device, showing "Exporting row " and the count for every tenth item and,
    // at the end, for the number of items written. Lines written before a failure stay.
    ExportResult write(QIODevice *device);

    // Every field in data field number order, then the notes, headed by the entries' texts.
    static QList<ExportColumn> allColumns(const QStringList &catalogueEntries);

private:
    TDataModule1 &m_dm;
    QString m_collection;
    QList<ExportColumn> m_columns;
    Progress m_progress;
};
