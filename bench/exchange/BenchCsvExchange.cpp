// Times curiodex's import and export of a comma-separated file of 100,000 items of 47 columns
// (the 46 fields and the notes, as the export writes them) beside the sqlite3 command-line shell
// doing the same: ".import --csv" of the file into a plain table, and "-csv" writing those rows.
// Each figure is the best of three runs; the shell and curiodex-cli are both timed as processes,
// start-up included, and curiodex's core is also timed inside this process.
//
//   bench_csv_exchange [item count] [--keep]   (--keep leaves the files in place and names the folder)

#include "exchange/CsvImportRows.h"
#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"
#include "exchange/EntryCatalogue.h"
#include "exchange/ItemExporter.h"
#include "exchange/ItemImporter.h"
#include "store/FieldCatalogue.h"
#include "store/ScopedTransaction.h"
#include "store/TDataModule1.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

const QString Collection = QStringLiteral("Bench");
constexpr int Runs = 3;

QString pick(QRandomGenerator &random, const QStringList &choices)
{
    return choices.at(random.bounded(int(choices.size())));
}

// Values like a collector's: names and texts, a few dozen values per list field, amounts in the
// currency format (some above a thousand, so quoted, some negative), dates, yes/no, and notes that
// now and then hold commas, quotes and a line break.
QStringList itemValues(QRandomGenerator &random, int i, const QStringList &listChoices)
{
    QStringList values;
    values.append(QStringLiteral("Item %1 %2").arg(i).arg(pick(random, {"Mug", "Plate", "Figure, large", "Toy car"})));
    for (int n = 1; n < FieldCatalogue::FieldCount; ++n) {
        switch (FieldCatalogue::entryKind(n)) {
        case FieldCatalogue::EntryKind::Money: {
            const qint64 cents = qint64(random.bounded(250000)) - (random.bounded(20) == 0 ? 100000 : 0);
            values.append(Money::fromUnits(cents * 100).toCurrencyString());
            break;
        }
        case FieldCatalogue::EntryKind::CheckBox:
            values.append(random.bounded(2) ? QStringLiteral("True") : QStringLiteral("False"));
            break;
        case FieldCatalogue::EntryKind::DropDown:
            values.append(listChoices.at(random.bounded(int(listChoices.size()))) + QString::number(n));
            break;
        case FieldCatalogue::EntryKind::Measure:
            values.append(pick(random, FieldCatalogue::measureChoices(n)));
            break;
        case FieldCatalogue::EntryKind::Text:
            if (n == 8 || n == 9 || n >= 40)
                values.append(QStringLiteral("%1/%2/20%3")
                                  .arg(random.bounded(1, 13))
                                  .arg(random.bounded(1, 29))
                                  .arg(random.bounded(10, 25)));
            else
                values.append(QStringLiteral("%1 %2").arg(FieldCatalogue::column(n)).arg(random.bounded(100000)));
        }
    }
    QString notes = QStringLiteral("Bought at the fair, boxed; item %1").arg(i);
    if (random.bounded(10) == 0)
        notes += QStringLiteral("\r\nSigned \"J. Doe\" on the base.");
    values.append(notes);
    return values;
}

QString makeFile(const QString &path, int count)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    CsvWriter writer(&file);
    QStringList heading;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        heading.append(FieldCatalogue::defaultLabel(n));
    heading.append(QStringLiteral("Notes"));
    writer.writeRecord(heading);
    QRandomGenerator random(7);
    QStringList listChoices;
    for (int i = 0; i < 40; ++i)
        listChoices.append(QStringLiteral("Choice %1 of ").arg(i));
    for (int i = 1; i <= count; ++i)
        writer.writeRecord(itemValues(random, i, listChoices));
    return writer.flush() ? QString() : writer.errorString();
}

// A data folder with an empty collection of the default field setup.
bool makeCollection(const QString &folder, QString *error)
{
    TDataModule1 dm(folder);
    if (!dm.open(error))
        return false;
    ScopedTransaction transaction(dm.database());
    dm.CollTypesTable->open();
    dm.CollTypesTable->insertRecord({Collection});
    dm.CollTypesTable->close();
    Table &setup = *dm.FieldSetupTable;
    setup.open();
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        setup.insertRecord({QVariant(), Collection, n, FieldCatalogue::defaultLabel(n), FieldCatalogue::defaultLeft(n),
                            FieldCatalogue::defaultTop(n), true});
    setup.close();
    transaction.commit();
    return true;
}

// Runs the program and gives the seconds it took, or -1 with the reason printed.
double timeProcess(const QString &program, const QStringList &arguments, const QString &outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    if (!process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s %s\n", qPrintable(program), qPrintable(process.errorString()),
                     process.readAllStandardError().constData());
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

double best(const std::function<double(int run)> &once)
{
    double fastest = -1;
    for (int run = 0; run < Runs; ++run) {
        const double seconds = once(run);
        if (seconds < 0)
            return -1;
        fastest = fastest < 0 ? seconds : std::min(fastest, seconds);
    }
    return fastest;
}

// Through the core as curiodex-cli uses it (one reading of the file, checked as it is written) or
// as the wizard does (the file read into the verify table's rows, then a checking pass and a
// writing pass over them).
double importInProcess(const QString &folder, const QString &file, bool twoPasses)
{
    TDataModule1 dm(folder);
    QString error;
    if (!dm.open(&error))
        return -1;
    QElapsedTimer timer;
    timer.start();
    QFile input(file);
    input.open(QIODevice::ReadOnly);
    CsvReader reader;
    reader.read(&input);
    const EntryCatalogue catalogue = EntryCatalogue::load(dm, Collection, EntryCatalogue::Use::Import);
    QList<ImportColumn> columns;
    for (int position = 0; position <= EntryCatalogue::NotesPosition; ++position)
        columns.append({u' ' + catalogue.entry(position), position});
    CsvImportRows rows(reader, 1, 0);
    ItemImporter importer(dm, Collection);
    importer.setColumns(columns);
    ImportResult result;
    if (twoPasses) {
        QList<QStringList> table;
        rows.forEach([&table](int, const QStringList &values) {
            table.append(values);
            return true;
        });
        result = importer.run([&table](const ItemImporter::RowVisitor &visit) {
            for (int i = 0; i < table.size(); ++i) {
                if (!visit(i + 1, table.at(i)))
                    return;
            }
        });
    } else {
        result = importer.checkAndWrite(rows.source());
    }
    if (!result.ok) {
        std::fprintf(stderr, "import failed: %s\n", qPrintable(result.error));
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

double exportInProcess(const QString &folder, const QString &file)
{
    TDataModule1 dm(folder);
    QString error;
    if (!dm.open(&error))
        return -1;
    QElapsedTimer timer;
    timer.start();
    const EntryCatalogue catalogue = EntryCatalogue::load(dm, Collection, EntryCatalogue::Use::Export);
    QFile output(file);
    output.open(QIODevice::WriteOnly | QIODevice::Truncate);
    ItemExporter exporter(dm, Collection);
    exporter.setColumns(ItemExporter::allColumns(catalogue.entries()));
    const ExportResult result = exporter.write(&output);
    output.close();
    if (!result.ok) {
        std::fprintf(stderr, "export failed: %s\n", qPrintable(result.error));
        return -1;
    }
    return timer.nsecsElapsed() / 1e9;
}

void report(const char *what, double curiodex, double shell)
{
    std::printf("%-44s curiodex %7.3f s   sqlite3 %7.3f s   ratio %5.2f\n", what, curiodex, shell,
                shell > 0 ? curiodex / shell : 0.0);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QStringList arguments = app.arguments();
    const bool keep = arguments.removeAll(QStringLiteral("--keep")) > 0;
    const int count = arguments.size() > 1 ? arguments.at(1).toInt() : 100000;
    const QString sqlite = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    const QString cli = QStringLiteral(CURIODEX_CLI);
    if (sqlite.isEmpty() || !QFileInfo(cli).isExecutable()) {
        std::fprintf(stderr, "Needs the sqlite3 shell and %s.\n", qPrintable(cli));
        return 1;
    }

    QTemporaryDir dir;
    dir.setAutoRemove(!keep);
    if (keep)
        std::printf("files in %s\n", qPrintable(dir.path()));
    const QString file = dir.filePath(QStringLiteral("items.csv"));
    const QString error = makeFile(file, count);
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    std::printf("%d items of 47 columns, %.1f MB\n\n", count, QFileInfo(file).size() / 1e6);

    auto folder = [&](const char *what, int run) { return dir.filePath(QStringLiteral("%1-%2").arg(what).arg(run)); };
    QString failure;
    for (int run = 0; run < Runs; ++run) {
        for (const char *what : {"cli", "core", "passes"}) {
            if (!makeCollection(folder(what, run), &failure)) {
                std::fprintf(stderr, "%s\n", qPrintable(failure));
                return 1;
            }
        }
    }

    const double shellImport = best([&](int run) {
        return timeProcess(sqlite, {dir.filePath(QStringLiteral("plain-%1.db").arg(run)),
                                    QStringLiteral(".import --csv %1 items").arg(file)});
    });
    const double shellExport = best([&](int) {
        return timeProcess(sqlite,
                           {QStringLiteral("-csv"), QStringLiteral("-header"),
                            dir.filePath(QStringLiteral("plain-0.db")), QStringLiteral("SELECT * FROM items")},
                           dir.filePath(QStringLiteral("shell-out.csv")));
    });
    const double cliImport = best([&](int run) {
        return timeProcess(
            cli, {QStringLiteral("--data-dir"), folder("cli", run), QStringLiteral("import"), Collection, file});
    });
    const double cliExport = best([&](int) {
        return timeProcess(cli, {QStringLiteral("--data-dir"), folder("cli", 0), QStringLiteral("export"), Collection,
                                 dir.filePath(QStringLiteral("cli-out.csv"))});
    });
    const double coreImport = best([&](int run) { return importInProcess(folder("core", run), file, false); });
    const double twoPassImport = best([&](int run) { return importInProcess(folder("passes", run), file, true); });
    const double coreExport =
        best([&](int) { return exportInProcess(folder("core", 0), dir.filePath(QStringLiteral("core-out.csv"))); });

    report("import (curiodex-cli, .import)", cliImport, shellImport);
    report("export (curiodex-cli, -csv)", cliExport, shellExport);
    report("import (core in process)", coreImport, shellImport);
    report("import (core, as the wizard: rows, 2 passes)", twoPassImport, shellImport);
    report("export (core in process)", coreExport, shellExport);

    QFile in(file);
    QFile out(dir.filePath(QStringLiteral("cli-out.csv")));
    const bool same = in.open(QIODevice::ReadOnly) && out.open(QIODevice::ReadOnly) && in.readAll() == out.readAll();
    std::printf("\nthe exported file %s the imported one byte for byte\n", same ? "equals" : "DIFFERS FROM");
    return 0;
}
