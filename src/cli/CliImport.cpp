#include "cli/CliImport.h"

#include "cli/CliProgress.h"
#include "exchange/CsvReader.h"
#include "exchange/LabelMatcher.h"

CliImport::CliImport(TDataModule1 &dm, const QString &collection, CsvReader &reader, const QString &shownPath)
    : m_dm(dm)
    , m_collection(collection)
    , m_shownPath(shownPath)
    , m_catalogue(EntryCatalogue::load(dm, collection, EntryCatalogue::Use::Import))
    , m_rows(reader, 0, 0)
    , m_reader(reader)
{
}

bool CliImport::prepare(int skipFirst, int skipLast, bool hasLabels, const QStringList &labels)
{
    m_rows = CsvImportRows(m_reader, skipFirst, skipLast);
    m_hasHeading = !hasLabels;
    if (hasLabels)
        return setColumns(labels, QStringLiteral("--fields"));

    QStringList heading;
    m_rows.forEach([&heading](int, const QStringList &values) {
        heading = values;
        return false;
    });
    if (heading.isEmpty()) {
        m_error = QStringLiteral("%1 has no heading line naming the fields of its columns.").arg(m_shownPath);
        return false;
    }
    return setColumns(heading, QStringLiteral("The heading of %1").arg(m_shownPath));
}

bool CliImport::setColumns(const QStringList &labels, const QString &source)
{
    if (labels.isEmpty() || (labels.size() == 1 && labels.front().trimmed().isEmpty())) {
        m_error = QStringLiteral("%1 names no field.").arg(source);
        return false;
    }
    QString unknown;
    const std::optional<QList<int>> positions = LabelMatcher(m_catalogue).positions(labels, &unknown);
    if (!positions) {
        m_error = QStringLiteral("%1 names a field \"%2\" that the collection %3 does not have.")
                      .arg(source, unknown, m_collection);
        return false;
    }
    m_columns.clear();
    for (int position : *positions)
        m_columns.append({u' ' + m_catalogue.entry(position), position});
    if (!positions->contains(0)) {
        m_error = QStringLiteral("%1 names no column for the Name field (labelled \"%2\"), which every item needs.")
                      .arg(source, m_catalogue.nameLabel());
        return false;
    }
    return true;
}

bool CliImport::run()
{
    int longRows = 0;
    const bool hasHeading = m_hasHeading;
    const qsizetype columnCount = m_columns.size();
    auto source = [&](const ItemImporter::RowVisitor &visit) {
        longRows = 0;
        m_rows.forEach([&](int row, const QStringList &values) {
            if (hasHeading && row == 1)
                return true;
            if (values.size() > columnCount)
                ++longRows;
            return visit(hasHeading ? row - 1 : row, values);
        });
    };

    CliProgress progress;
    ItemImporter importer(m_dm, m_collection);
    importer.setColumns(m_columns);
    importer.setProgress([&progress](ItemImporter::Pass, int row) {
        if (progress.due())
            progress.show(QStringLiteral("Importing row %1").arg(row));
    });
    // One reading of the file checks and writes; a row that fails its check, or a quote left open
    // at the end, takes everything back.
    const ImportResult result = importer.checkAndWrite(source, [this] {
        if (!m_rows.endsInQuote())
            return QString();
        return QStringLiteral("%1 ends inside a quoted value: its closing double quote is missing, so that value "
                              "took in the rest of the file. Nothing has been imported.")
            .arg(m_shownPath);
    });
    progress.finish();
    if (longRows > 0)
        m_notes.append(QStringLiteral("%1 rows of %2 hold more values than there are columns; the values past the "
                                      "last column have been left out.")
                           .arg(longRows)
                           .arg(m_shownPath));
    m_rowsWritten = result.rowsWritten;
    if (!result.ok)
        m_error = result.error;
    return result.ok;
}

QStringList CliImport::takeNotes()
{
    QStringList notes;
    notes.swap(m_notes);
    return notes;
}
