// Times the browse window on a collection of many items: opening it (the item table opened in
// name order under the collection filter, every row read into the grid, the column widths found)
// and sorting its rows by a text column and by a money column, both ways.
//
//   bench_browse [item count ...]     (default: 10000 100000)

#include "common/BenchItems.h"
#include "items/BrowseModel.h"
#include "items/TBrowseForm.h"
#include "store/FieldCatalogue.h"
#include "store/FieldLayout.h"
#include "store/ScopedTransaction.h"
#include "store/TDataModule1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>

namespace {

const QString Collection = QStringLiteral("Bench");

// Resident memory of the process in kB, from /proc; 0 when unknown.
qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return 0;
}

// Wall-clock and processor time of this thread; the processor time is the steadier figure on a
// busy machine.
class Stopwatch
{
public:
    Stopwatch() { restart(); }
    void restart()
    {
        m_wall.start();
        m_cpu = cpuMs();
    }
    QString elapsed() const { return QStringLiteral("%1 ms (cpu %2 ms)").arg(m_wall.elapsed()).arg(cpuMs() - m_cpu); }

private:
    static qint64 cpuMs()
    {
        timespec t{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
        return qint64(t.tv_sec) * 1000 + t.tv_nsec / 1000000;
    }
    QElapsedTimer m_wall;
    qint64 m_cpu = 0;
};

QString timeSort(TBrowseForm &form, int field, bool descending)
{
    form.RadioButton2->setChecked(descending);
    Stopwatch watch;
    form.sortByColumn(form.columnOrder().column(field));
    return watch.elapsed();
}

bool run(int count)
{
    QTemporaryDir dir;
    TDataModule1 dm(dir.path());
    QString error;
    if (!dm.open(&error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    dm.DataModule1Create();
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        FieldLayout[n].Label = FieldCatalogue::defaultLabel(n);
    createBenchItems(dm, count, Collection, {true, false});

    const qint64 memoryBefore = residentKb();
    Stopwatch watch;
    TBrowseForm form(nullptr, QString(), Collection);
    const QString open = watch.elapsed();
    const qint64 memoryAfter = residentKb();
    watch.restart();
    form.show();
    QApplication::processEvents();
    const QString paint = watch.elapsed();
    std::printf("%d items, %d in the collection:\n", count, form.model()->rowCount());
    std::printf("  open the window:       %s, memory +%lld kB\n", qPrintable(open), memoryAfter - memoryBefore);
    std::printf("  first paint:           %s\n", qPrintable(paint));
    std::printf("  sort by name, rising:  %s\n", qPrintable(timeSort(form, 0, false)));
    std::printf("  sort by name, falling: %s\n", qPrintable(timeSort(form, 0, true)));
    std::printf("  sort by money, rising: %s\n", qPrintable(timeSort(form, 3, false)));
    std::printf("  sort by money, falling:%s\n", qPrintable(timeSort(form, 3, true)));
    std::printf("  sort by series, rising:%s\n", qPrintable(timeSort(form, 1, false)));
    watch.restart();
    form.reject();
    std::printf("  close:                 %s\n", qPrintable(watch.elapsed()));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    QList<int> counts;
    for (int i = 1; i < argc; ++i)
        counts.append(QString::fromLocal8Bit(argv[i]).toInt());
    if (counts.isEmpty())
        counts = {10000, 100000};
    for (int count : counts)
        if (!run(count))
            return 1;
    return 0;
}
