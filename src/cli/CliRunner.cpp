#include "cli/CliRunner.h"

#include "cli/CliImport.h"
#include "cli/CliProgress.h"
#include "collections/CollectionCreator.h"
#include "exchange/CsvReader.h"
#include "exchange/EntryCatalogue.h"
#include "exchange/ItemExporter.h"
#include "exchange/LabelMatcher.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

CliRunner::CliRunner() = default;
CliRunner::~CliRunner() = default;

int CliRunner::run(const QStringList &arguments)
{
    m_args = std::make_unique<CliArguments>(arguments);
    if (m_args->wantsHelp()) {
        print(CliArguments::usage());
        return 0;
    }
    if (m_args->wantsVersion()) {
        print(QStringLiteral("curiodex-cli %1\n").arg(QStringLiteral(CURIODEX_VERSION)));
        return 0;
    }
    if (!m_args->ok())
        return fail(m_args->error() + QStringLiteral("\nTry curiodex-cli --help."), Misused);
    try {
        const QString command = m_args->command();
        if (command == u"collections")
            return collections();
        if (command == u"create")
            return create();
        if (command == u"export")
            return exportItems();
        return importItems();
    } catch (const StoreError &e) {
        return fail(e.text());
    }
}

bool CliRunner::openData(bool mayCreate)
{
    const QString folder = m_args->has(QStringLiteral("--data-dir")) ? m_args->value(QStringLiteral("--data-dir"))
                                                                     : TDataModule1::defaultDataDirectory();
    const QString shown = QDir::toNativeSeparators(folder);
    if (folder.isEmpty()) {
        fail(QStringLiteral("--data-dir needs a folder"), Misused);
        return false;
    }
    m_dm = std::make_unique<TDataModule1>(folder);
    if (!mayCreate && !QFileInfo::exists(m_dm->databasePath())) {
        fail(QFileInfo(folder).isDir() ? QStringLiteral("There is no Curiodex database (Curiodex.db) in %1.").arg(shown)
                                       : QStringLiteral("The data folder %1 does not exist.").arg(shown));
        return false;
    }
    QString error;
    if (!m_dm->open(&error)) {
        fail(error);
        return false;
    }
    return true;
}

std::optional<QString> CliRunner::findCollection(const QString &name)
{
    Table &types = *m_dm->CollTypesTable;
    std::optional<QString> found;
    try {
        types.open();
        if (types.locate(QStringLiteral("CollectionName"), name, true))
            found = types.fieldText(QStringLiteral("CollectionName"));
    } catch (...) {
        types.reset();
        throw;
    }
    types.reset();
    if (!found)
        fail(QStringLiteral("There is no collection named %1.").arg(name));
    return found;
}

QStringList CliRunner::fieldLabels() const
{
    CsvReader reader;
    reader.setText(m_args->value(QStringLiteral("--fields")));
    return reader.readRecord();
}

int CliRunner::collections()
{
    if (!openData(false))
        return Failed;
    Table &types = *m_dm->CollTypesTable;
    QString names;
    try {
        types.open();
        for (types.first(); !types.eof(); types.next())
            names += types.fieldText(QStringLiteral("CollectionName")) + u'\n';
    } catch (...) {
        types.reset();
        throw;
    }
    types.reset();
    print(names);
    return 0;
}

int CliRunner::fail(const QString &text, int status)
{
    std::fprintf(stderr, "curiodex-cli: %s\n", text.toUtf8().constData());
    return status;
}

void CliRunner::note(const QString &text)
{
    std::fprintf(stderr, "curiodex-cli: note: %s\n", text.toUtf8().constData());
}

void CliRunner::print(const QString &text)
{
    std::fputs(text.toUtf8().constData(), stdout);
    std::fflush(stdout);
}

int CliRunner::exportItems()
{
    if (!openData(false))
        return Failed;
    const std::optional<QString> collection = findCollection(m_args->operands().at(0));
    if (!collection)
        return Failed;
    const QString path = m_args->operands().at(1);
    const EntryCatalogue catalogue = EntryCatalogue::load(*m_dm, *collection, EntryCatalogue::Use::Export);

    QList<ExportColumn> columns;
    if (m_args->has(QStringLiteral("--fields"))) {
        const QStringList labels = fieldLabels();
        if (labels.isEmpty() || (labels.size() == 1 && labels.front().trimmed().isEmpty()))
            return fail(QStringLiteral("--fields names no field."), Misused);
        QString unknown;
        const std::optional<QList<int>> positions = LabelMatcher(catalogue).positions(labels, &unknown);
        if (!positions)
            return fail(QStringLiteral("The collection %1 has no field labelled \"%2\".").arg(*collection, unknown));
        for (int i = 0; i < labels.size(); ++i)
            columns.append({catalogue.entry(positions->at(i)), positions->at(i)});
    } else {
        columns = ItemExporter::allColumns(catalogue.entries());
    }

    const bool toStandardOutput = path == u"-";
    QFile standardOutput;
    QSaveFile file(path);
    QFileDevice *device = &file;
    if (toStandardOutput) {
        std::fflush(stdout);
        device = &standardOutput;
        if (!standardOutput.open(stdout, QIODevice::WriteOnly))
            return fail(QStringLiteral("Cannot write to standard output: %1").arg(standardOutput.errorString()));
    } else if (!file.open(QIODevice::WriteOnly)) {
        return fail(QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString()));
    }

    CliProgress progress;
    ItemExporter exporter(*m_dm, *collection);
    exporter.setColumns(columns);
    exporter.setProgress([&progress](int rows) {
        if (progress.due())
            progress.show(QStringLiteral("Exporting row %1").arg(rows));
    });
    const ExportResult result = exporter.write(device);
    progress.finish();
    const QString shownPath = toStandardOutput ? QStringLiteral("standard output") : QDir::toNativeSeparators(path);
    if (!result.ok)
        return fail(QStringLiteral("Cannot write %1: %2").arg(shownPath, result.error));
    if (!toStandardOutput && !file.commit())
        return fail(QStringLiteral("Cannot write %1: %2").arg(shownPath, file.errorString()));
    if (!toStandardOutput)
        print(QStringLiteral("Exported %1 items of %2 to %3.\n").arg(result.rowsWritten).arg(*collection, shownPath));
    return 0;
}

int CliRunner::importItems()
{
    int skipFirst = 0;
    int skipLast = 0;
    if (!m_args->count(QStringLiteral("--skip-first"), &skipFirst) ||
        !m_args->count(QStringLiteral("--skip-last"), &skipLast))
        return fail(m_args->error(), Misused);
    if (!openData(false))
        return Failed;
    const std::optional<QString> collection = findCollection(m_args->operands().at(0));
    if (!collection)
        return Failed;

    const QString path = m_args->operands().at(1);
    const bool fromStandardInput = path == u"-";
    const QString shownPath = fromStandardInput ? QStringLiteral("standard input") : QDir::toNativeSeparators(path);
    if (!fromStandardInput && QFileInfo(path).isDir())
        return fail(QStringLiteral("Cannot read %1: it is a folder.").arg(shownPath));
    QFile file;
    const bool opened = fromStandardInput ? file.open(stdin, QIODevice::ReadOnly)
                                          : (file.setFileName(path), file.open(QIODevice::ReadOnly));
    if (!opened)
        return fail(QStringLiteral("Cannot read %1: %2").arg(shownPath, file.errorString()));
    CsvReader reader;
    if (!reader.read(&file))
        return fail(QStringLiteral("Cannot read %1: %2").arg(shownPath, reader.errorString()));
    file.close();
    if (reader.encoding() == CsvReader::Encoding::Latin1)
        note(QStringLiteral("%1 is not UTF-8 text; it has been read as Latin-1.").arg(shownPath));

    CliImport import(*m_dm, *collection, reader, shownPath);
    if (!import.prepare(skipFirst, skipLast, m_args->has(QStringLiteral("--fields")), fieldLabels()))
        return fail(import.error());
    const bool imported = import.run();
    for (const QString &text : import.takeNotes())
        note(text);
    if (!imported)
        return fail(import.error());
    print(QStringLiteral("Imported %1 items into %2.\n").arg(import.rowsWritten()).arg(*collection));
    return 0;
}

int CliRunner::create()
{
    if (!openData(true))
        return Failed;
    QString basedOn;
    if (m_args->has(QStringLiteral("--from"))) {
        const std::optional<QString> source = findCollection(m_args->value(QStringLiteral("--from")));
        if (!source)
            return Failed;
        basedOn = *source;
    }
    const CreateResult result = CollectionCreator::create(*m_dm, m_args->operands().at(0), basedOn);
    if (!result.ok)
        return fail(result.error);
    print(QStringLiteral("Created the collection %1.\n").arg(result.name));
    return 0;
}
