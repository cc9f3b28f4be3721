#include "exchange/ItemExporter.h"

#include "app/StatusSink.h"
#include "exchange/CsvWriter.h"
#include "exchange/EntryCatalogue.h"
#include "exchange/ExportMoneyFormat.h"
#include "store/FieldCatalogue.h"
#include "store/Schema.h"
#include "store/SqliteStatement.h"
#include "store/TDataModule1.h"

namespace {

enum class Kind { Text, Money, YesNo };

Kind kindOf(int position)
{
    if (position == EntryCatalogue::NotesPosition)
        return Kind::Text;
    switch (FieldCatalogue::entryKind(position)) {
    case FieldCatalogue::EntryKind::Money:
        return Kind::Money;
    case FieldCatalogue::EntryKind::CheckBox:
        return Kind::YesNo;
    default:
        return Kind::Text;
    }
}

QString columnOf(int position)
{
    return position == EntryCatalogue::NotesPosition ? QStringLiteral("Notes") : FieldCatalogue::column(position);
}

} // namespace

ItemExporter::ItemExporter(TDataModule1 &dm, const QString &collection)
    : m_dm(dm)
    , m_collection(collection)
{
}

QList<ExportColumn> ItemExporter::allColumns(const QStringList &catalogueEntries)
{
    QList<ExportColumn> columns;
    for (int position = 0; position <= EntryCatalogue::NotesPosition; ++position)
        columns.append({catalogueEntries.value(position), position});
    return columns;
}

ExportResult ItemExporter::write(QIODevice *device)
{
    ExportResult result;
    if (m_columns.isEmpty()) {
        result.error = QStringLiteral("No field has been chosen for the export.");
        return result;
    }
    QStringList headings;
    QStringList selected;
    QList<Kind> kinds;
    for (const ExportColumn &column : m_columns) {
        if (column.position < 0 || column.position > EntryCatalogue::NotesPosition) {
            result.error = QStringLiteral("%1 is not a field that can be exported.").arg(column.heading);
            return result;
        }
        headings.append(column.heading);
        selected.append(Schema::quoted(columnOf(column.position)));
        kinds.append(kindOf(column.position));
    }

    CsvWriter writer(device);
    if (!writer.writeRecord(headings)) {
        result.error = writer.errorString();
        return result;
    }

    const ExportMoneyFormat money;
    // The rows in the table's order by their identity; the unary plus lets the table be read in that
    // order instead of through the collection index and a sort (the comparison still ignores case).
    SqliteStatement statement(m_dm.database(),
                              QStringLiteral("SELECT %1 FROM %2 WHERE +\"Collection\" = ? ORDER BY \"ID\"")
                                  .arg(selected.join(u", "), Schema::quoted(Schema::collection().name)));
    auto readFailure = [&] {
        return QStringLiteral("Cannot read the items of %1: %2").arg(m_collection, statement.errorText());
    };
    if (!statement.isValid()) {
        result.error = readFailure();
        return result;
    }
    statement.bind(0, m_collection);

    QStringList values(kinds.size());
    while (statement.step()) {
        const int count = result.rowsWritten + 1;
        if (count % 10 == 0)
            ShowStatus(QStringLiteral("Exporting row ") + QString::number(count));
        for (int i = 0; i < kinds.size(); ++i) {
            switch (kinds.at(i)) {
            case Kind::Text:
                values[i] = statement.value(i).toString();
                break;
            case Kind::Money:
                values[i] = money.text(Money::fromUnits(statement.value(i).toLongLong()));
                break;
            case Kind::YesNo:
                values[i] = statement.value(i).toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False");
                break;
            }
        }
        if (!writer.writeRecord(values)) {
            result.error = writer.errorString();
            return result;
        }
        result.rowsWritten = count;
        if (m_progress)
            m_progress(result.rowsWritten);
    }
    if (statement.failed()) {
        result.error = readFailure();
        return result;
    }
    if (!writer.flush()) {
        result.error = writer.errorString();
        return result;
    }
    ShowStatus(QStringLiteral("Exporting row ") + QString::number(result.rowsWritten));
    result.ok = true;
    return result;
}
