// Creates 100,000 items in one collection (and a few in another), then times opening the item
// table filtered to that collection in name order and stepping through every row, reading every
// column, beside the same read done by the sqlite3 command-line shell.
//
//   bench_table_stepping [item count]

#include "common/BenchItems.h"
#include "store/FieldCatalogue.h"
#include "store/ScopedTransaction.h"
#include "store/TDataModule1.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cstdio>

namespace {

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int count = argc > 1 ? QString::fromLocal8Bit(argv[1]).toInt() : 100000;
    QTemporaryDir dir;
    TDataModule1 dm(dir.path());
    QString error;
    if (!dm.open(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }

    QElapsedTimer timer;
    timer.start();
    createBenchItems(dm, count, QStringLiteral("Bench"), {false, true});
    std::printf("create %d items in one transaction: %lld ms\n", count, timer.elapsed());

    const QStringList columns = FieldCatalogue::itemColumns();
    Table &t = *dm.CollectionsTable;
    timer.restart();
    t.setIndexName(QStringLiteral("Name"));
    t.setFilter(QStringLiteral("Collection = 'Bench'"));
    t.setFiltered(true);
    t.open();
    const qint64 openMs = timer.elapsed();
    qint64 rows = 0;
    qint64 characters = 0;
    for (t.first(); !t.eof(); t.next()) {
        for (const QString &c : columns)
            characters += t.fieldText(c).size();
        ++rows;
    }
    const qint64 ourMs = timer.elapsed();
    t.reset();
    std::printf("open filtered in name order: %lld ms; open and step through %lld rows reading every column: %lld ms"
                " (%lld characters)\n",
                openMs, rows, ourMs, characters);

    const QString sqlite = QStandardPaths::findExecutable(QStringLiteral("sqlite3"));
    if (sqlite.isEmpty()) {
        std::printf("sqlite3 shell not found; no comparison\n");
        return 0;
    }
    QProcess shell;
    shell.setStandardOutputFile(QProcess::nullDevice());
    timer.restart();
    shell.start(sqlite, {dm.databasePath(),
                         QStringLiteral("SELECT * FROM Collection WHERE Collection = 'Bench' ORDER BY Name")});
    shell.waitForFinished(-1);
    const qint64 shellMs = timer.elapsed();
    std::printf("sqlite3 shell, same rows in the same order: %lld ms\n", shellMs);
    std::printf("ratio (ours / shell): %.2f\n", shellMs > 0 ? double(ourMs) / double(shellMs) : 0.0);
    return 0;
}
