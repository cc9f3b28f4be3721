#include "common/FailDevice.h"
#include "exchange/CsvReader.h"
#include "exchange/CsvWriter.h"

#include <QBuffer>
#include <QFile>
#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

class TestCsvWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void writtenBytes_data();
    void writtenBytes();
    void lineWrittenAsItStands();
    void recordsReadBack();
    void writeFailure_data();
    void writeFailure();
    void deviceNotOpen();
    void fullDiskReportedByFlush();
};

namespace {

using Records = QList<QStringList>;

QByteArray writeAll(const Records &records)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CsvWriter writer(&buffer);
    for (const QStringList &record : records) {
        if (!writer.writeRecord(record))
            return "write failed: " + writer.errorString().toUtf8();
    }
    return buffer.data();
}

// A value made of up to four random pieces: blanks, separators, quotes, line ends, letters
// outside ASCII; no pieces gives an empty value, a single quote piece a lone quote.
QString randomValue(QRandomGenerator &random)
{
    static const QStringList pieces = {
        QStringLiteral("a"),  QStringLiteral("Zoë"),  QStringLiteral("straße"), QStringLiteral("中"),
        QStringLiteral("😀"),  QStringLiteral(" "),    QStringLiteral("  "),     QStringLiteral("\t"),
        QStringLiteral(","),  QStringLiteral("\""),   QStringLiteral("\"\""),   QStringLiteral("\r"),
        QStringLiteral("\n"), QStringLiteral("\r\n"), QStringLiteral("-5.25"),  QStringLiteral("$1,234.50"),
    };
    QString value;
    const int count = random.bounded(5);
    for (int i = 0; i < count; ++i)
        value += pieces.at(random.bounded(int(pieces.size())));
    return value;
}

} // namespace

void TestCsvWriter::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestCsvWriter::writtenBytes_data()
{
    QTest::addColumn<Records>("records");
    QTest::addColumn<QByteArray>("expected");

    QTest::newRow("plain values") << Records{{"Mug", "12.50", "True"}} << QByteArray("Mug,12.50,True\r\n");
    QTest::newRow("comma quoted") << Records{{"Mug", "Smith, John"}} << QByteArray("Mug,\"Smith, John\"\r\n");
    QTest::newRow("quotes doubled") << Records{{"5\" tall", "x"}} << QByteArray("\"5\"\" tall\",x\r\n");
    QTest::newRow("line break kept inside quotes")
        << Records{{"Line one\r\nLine two", "b\nc"}} << QByteArray("\"Line one\r\nLine two\",\"b\nc\"\r\n");
    QTest::newRow("empty values") << Records{{"", "", ""}} << QByteArray(",,\r\n");
    QTest::newRow("single empty value") << Records{{""}} << QByteArray("\r\n");
    QTest::newRow("blanks around values bare") << Records{{" a ", "  ", "b"}} << QByteArray(" a ,  ,b\r\n");
    QTest::newRow("blank last value quoted") << Records{{"a", "  "}} << QByteArray("a,\"  \"\r\n");
    QTest::newRow("utf8 without bom") << Records{{"Café"}} << QByteArray("Caf\xC3\xA9\r\n");
    QTest::newRow("records in order") << Records{{"a", "b"}, {"c"}} << QByteArray("a,b\r\nc\r\n");
}

void TestCsvWriter::writtenBytes()
{
    QFETCH(Records, records);
    QFETCH(QByteArray, expected);
    QCOMPARE(writeAll(records), expected);
}

void TestCsvWriter::lineWrittenAsItStands()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    CsvWriter writer(&buffer);
    QVERIFY(writer.writeLine(QStringLiteral("Name,Price, Each")));
    QVERIFY(writer.writeRecord({"Mug", "$1,234.50"}));
    QVERIFY(writer.flush());
    QCOMPARE(buffer.data(), QByteArray("Name,Price, Each\r\nMug,\"$1,234.50\"\r\n"));
}

void TestCsvWriter::recordsReadBack()
{
    QRandomGenerator random(4180);
    Records records;
    for (int i = 0; i < 2000; ++i) {
        QStringList record;
        const int columns = 1 + random.bounded(8);
        for (int c = 0; c < columns; ++c)
            record.append(randomValue(random));
        records.append(record);
    }
    CsvReader reader;
    QVERIFY(reader.setData(writeAll(records)));
    QCOMPARE(reader.encoding(), CsvReader::Encoding::Utf8);
    QCOMPARE(reader.recordCount(), records.size());
    for (const QStringList &expected : std::as_const(records))
        QCOMPARE(reader.readRecord(), expected);
    QVERIFY(reader.atEnd());
    QVERIFY(!reader.endedInQuote());
}

void TestCsvWriter::writeFailure_data()
{
    QTest::addColumn<int>("capacity");
    QTest::addColumn<QByteArray>("kept");

    QTest::newRow("nothing fits") << 0 << QByteArray();
    QTest::newRow("fails inside the first record") << 4 << QByteArray("abc,");
    QTest::newRow("fails inside the second record") << 12 << QByteArray("abc,def\r\nabc");
}

void TestCsvWriter::writeFailure()
{
    QFETCH(int, capacity);
    QFETCH(QByteArray, kept);

    FailDevice device(capacity);
    QVERIFY(device.open(QIODevice::WriteOnly));
    CsvWriter writer(&device);
    bool failed = false;
    for (int i = 0; i < 3 && !failed; ++i)
        failed = !writer.writeRecord({"abc", "def"});
    QVERIFY(failed);
    QVERIFY(writer.hasError());
    QCOMPARE(writer.errorString(), QStringLiteral("No space left on device"));
    QCOMPARE(device.data(), kept);
    // The first failure sticks: nothing is written after a gap.
    QVERIFY(!writer.writeRecord({"x"}));
    QVERIFY(!writer.flush());
    QCOMPARE(device.data(), kept);
}

void TestCsvWriter::deviceNotOpen()
{
    QBuffer buffer;
    CsvWriter writer(&buffer);
    QVERIFY(!writer.writeRecord({"a"}));
    QVERIFY(!writer.errorString().isEmpty());

    QVERIFY(buffer.open(QIODevice::ReadOnly));
    CsvWriter readOnly(&buffer);
    QVERIFY(!readOnly.writeLine(QStringLiteral("Name")));
    QVERIFY(!readOnly.errorString().isEmpty());
}

void TestCsvWriter::fullDiskReportedByFlush()
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.exists())
        QSKIP("this system has no /dev/full");
    QVERIFY(full.open(QIODevice::WriteOnly));
    CsvWriter writer(&full);
    // The file device buffers small writes, so the full disk shows at the latest on flush.
    bool ok = writer.writeRecord({"Mug", "12.50"});
    ok = ok && writer.flush();
    QVERIFY(!ok);
    QVERIFY(!writer.errorString().isEmpty());
}

QTEST_GUILESS_MAIN(TestCsvWriter)
#include "TestCsvWriter.moc"
