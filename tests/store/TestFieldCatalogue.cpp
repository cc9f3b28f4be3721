#include "store/FieldCatalogue.h"

#include <QTest>

using namespace FieldCatalogue;

class TestFieldCatalogue : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void everyNumberHasOneColumn();
    void lookups_data();
    void lookups();
    void columnsWithoutNumber_data();
    void columnsWithoutNumber();
};

void TestFieldCatalogue::everyNumberHasOneColumn()
{
    QVERIFY(!isField(-1));
    QVERIFY(!isField(46));
    QSet<QString> columns;
    for (int n = 0; n < FieldCount; ++n) {
        QCOMPARE(field(n).number, n);
        QCOMPARE(numberOfColumn(column(n)), n);
        QCOMPARE(page(n), n < 21 ? 1 : 2);
        columns.insert(column(n));
    }
    QCOMPARE(columns.size(), FieldCount);
    QCOMPARE(listFields(), (QList<int>{1, 2, 10, 11, 12, 13, 19, 28, 29, 30, 31, 32}));
    QCOMPARE(itemColumns().size(), 1 + 46 + 1 + 6 + 1);
    QCOMPARE(itemColumns().at(2), QStringLiteral("Collection"));
}

void TestFieldCatalogue::lookups_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("column");
    QTest::addColumn<int>("page");
    QTest::addColumn<bool>("list");
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");
    QTest::newRow("name") << 0 << "Name" << 1 << false << "Name" << 16 << 24;
    QTest::newRow("quantity is labelled Date Produced")
        << 14 << "Quantity" << 1 << false << "Date Produced" << 352 << 216;
    QTest::newRow("measure is no list") << 16 << "DMeasure" << 1 << false << "DMeasurement" << 184 << 264;
    QTest::newRow("weight measure is no list") << 18 << "WMeasure" << 1 << false << "WMeasurement" << 416 << 264;
    QTest::newRow("last of page 1") << 20 << "LimitedEdition" << 1 << false << "Limited Edition" << 16 << 360;
    QTest::newRow("first of page 2") << 21 << "Text1" << 2 << false << "Text1" << 16 << 24;
    QTest::newRow("list1") << 28 << "List1" << 2 << true << "List1" << 16 << 160;
    QTest::newRow("list5") << 32 << "List5" << 2 << true << "List5" << 184 << 200;
    QTest::newRow("check3") << 45 << "Check3" << 2 << false << "Checkbox3" << 352 << 384;
}

void TestFieldCatalogue::lookups()
{
    QFETCH(int, number);
    QFETCH(QString, column);
    QFETCH(int, page);
    QFETCH(bool, list);
    QFETCH(QString, label);
    QFETCH(int, left);
    QFETCH(int, top);
    QCOMPARE(FieldCatalogue::column(number), column);
    QCOMPARE(FieldCatalogue::page(number), page);
    QCOMPARE(isListField(number), list);
    QCOMPARE(defaultLabel(number), label);
    QCOMPARE(defaultLeft(number), left);
    QCOMPARE(defaultTop(number), top);
}

void TestFieldCatalogue::columnsWithoutNumber_data()
{
    QTest::addColumn<QString>("column");
    for (const char *c : {"ID", "Collection", "Image1", "Image6", "Notes", "NoSuchColumn", ""})
        QTest::newRow(c) << QString::fromLatin1(c);
}

void TestFieldCatalogue::columnsWithoutNumber()
{
    QFETCH(QString, column);
    QCOMPARE(numberOfColumn(column), -1);
}

QTEST_GUILESS_MAIN(TestFieldCatalogue)
#include "TestFieldCatalogue.moc"
