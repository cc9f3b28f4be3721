#include "exchange/CsvImportRows.h"
#include "exchange/CsvReader.h"

#include <QTest>

class TestCsvImportRows : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void rows_data();
    void rows();
    void stopsWhenAsked();
    void endsInQuote_data();
    void endsInQuote();
};

namespace {

using Rows = QList<QStringList>;

Rows collect(CsvImportRows &rows, QList<int> *numbers = nullptr)
{
    Rows result;
    rows.forEach([&](int row, const QStringList &values) {
        if (numbers)
            numbers->append(row);
        result.append(values);
        return true;
    });
    return result;
}

} // namespace

void TestCsvImportRows::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestCsvImportRows::rows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("skipFirst");
    QTest::addColumn<int>("skipLast");
    QTest::addColumn<Rows>("expected");

    const QString five = QStringLiteral("a\r\nb\r\nc\r\nd\r\ne\r\n");
    QTest::newRow("all") << five << 0 << 0 << Rows{{"a"}, {"b"}, {"c"}, {"d"}, {"e"}};
    QTest::newRow("two at each end") << five << 2 << 2 << Rows{{"c"}};
    QTest::newRow("skips covering everything") << five << 3 << 2 << Rows{};
    QTest::newRow("skips beyond the file") << five << 999 << 999 << Rows{};
    QTest::newRow("heading left out") << "Name,Price\r\nMug,1\r\n" << 1 << 0 << Rows{{"Mug", "1"}};
    QTest::newRow("blank lines get no row") << "a\r\n\r\n   \r\nb\n\t\nc" << 0 << 0 << Rows{{"a"}, {"b"}, {"c"}};
    QTest::newRow("blank lines count for skipping") << "\r\n\r\na\r\nb" << 2 << 0 << Rows{{"a"}, {"b"}};
    QTest::newRow("a quoted value over lines is one record")
        << "Name,Notes\r\nMug,\"one\r\ntwo\"\r\nPlate,x\r\nlast\r\n"
        << 1 << 1 << Rows{{"Mug", "one\r\ntwo"}, {"Plate", "x"}};
    QTest::newRow("empty file") << "" << 0 << 0 << Rows{};
}

void TestCsvImportRows::rows()
{
    QFETCH(QString, text);
    QFETCH(int, skipFirst);
    QFETCH(int, skipLast);
    QFETCH(Rows, expected);

    CsvReader reader;
    reader.setText(text);
    CsvImportRows rows(reader, skipFirst, skipLast);
    QList<int> numbers;
    QCOMPARE(collect(rows, &numbers), expected);
    for (int i = 0; i < numbers.size(); ++i)
        QCOMPARE(numbers.at(i), i + 1);
    QCOMPARE(rows.count(), expected.size());
    // Every pass reads the rows again from the first.
    QCOMPARE(collect(rows), expected);
}

void TestCsvImportRows::stopsWhenAsked()
{
    CsvReader reader;
    reader.setText(QStringLiteral("a\nb\nc\n"));
    CsvImportRows rows(reader, 0, 0);
    QStringList seen;
    rows.forEach([&](int, const QStringList &values) {
        seen.append(values.front());
        return seen.size() < 2;
    });
    QCOMPARE(seen, QStringList({"a", "b"}));
}

void TestCsvImportRows::endsInQuote_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("skipLast");
    QTest::addColumn<bool>("endsInQuote");

    QTest::newRow("closed") << "a,\"b\"\r\n" << 0 << false;
    QTest::newRow("open to the end") << "a\r\nb,\"c\r\nd,e\r\n" << 0 << true;
    QTest::newRow("open in a record left out") << "a\r\nb,\"c\r\n" << 1 << false;
}

void TestCsvImportRows::endsInQuote()
{
    QFETCH(QString, text);
    QFETCH(int, skipLast);
    QFETCH(bool, endsInQuote);

    CsvReader reader;
    reader.setText(text);
    CsvImportRows rows(reader, 0, skipLast);
    collect(rows);
    QCOMPARE(rows.endsInQuote(), endsInQuote);
    CsvImportRows counted(reader, 0, skipLast);
    counted.count();
    QCOMPARE(counted.endsInQuote(), endsInQuote);
}

QTEST_GUILESS_MAIN(TestCsvImportRows)
#include "TestCsvImportRows.moc"
