#include "common/TestDatabase.h"
#include "items/GridColumnOrder.h"
#include "store/StoreError.h"

#include <QTest>

namespace {

QString codes(std::initializer_list<int> columns)
{
    QString text;
    for (int c : columns)
        text.append(QChar(ushort(c)));
    return text;
}

QString defaultCodes()
{
    QString text;
    for (int c = 1; c <= 46; ++c)
        text.append(QChar(ushort(c)));
    return text;
}

QStringList defaultLabels()
{
    QStringList labels;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        labels.append(FieldCatalogue::defaultLabel(n));
    return labels;
}

} // namespace

class TestGridColumnOrder : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void defaultOrder();
    void fromGridData_data();
    void fromGridData();
    void fromHeadings_data();
    void fromHeadings();
    void readAndWriteGridTable();
    void gridTableClosedOnFailure();
};

void TestGridColumnOrder::defaultOrder()
{
    const GridColumnOrder order;
    QCOMPARE(order.toGridData(), defaultCodes());
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        QCOMPARE(order.column(n), n + 1);
        QCOMPARE(order.fieldInColumn(n + 1), n);
    }
}

void TestGridColumnOrder::fromGridData_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("expected");
    QString swapped = defaultCodes();
    std::swap(swapped[0], swapped[45]);
    QTest::newRow("empty keeps the default") << QString() << defaultCodes();
    QTest::newRow("full order") << swapped << swapped;
    QTest::newRow("short text keeps the default for the rest")
        << codes({3, 1, 2}) << codes({3, 1, 2}) + defaultCodes().mid(3);
    QTest::newRow("only 46 characters count") << defaultCodes() + codes({7, 7, 7, 7}) << defaultCodes();
    QTest::newRow("no column code keeps the default")
        << codes({0, 47, 'A', 2}) << codes({1, 2, 3, 2}) + defaultCodes().mid(4);
}

void TestGridColumnOrder::fromGridData()
{
    QFETCH(QString, stored);
    QFETCH(QString, expected);
    QCOMPARE(GridColumnOrder::fromGridData(stored).toGridData(), expected);
}

void TestGridColumnOrder::fromHeadings_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QStringList>("headings");
    QTest::addColumn<QString>("expected");

    const QStringList labels = defaultLabels();
    QTest::newRow("default") << labels << labels << defaultCodes();

    QStringList moved = labels;
    moved.move(2, 0); // Manufacturer dragged to the front
    QTest::newRow("moved column") << labels << moved << codes({2, 3, 1}) + defaultCodes().mid(3);

    // Text2 relabelled as Text1: both fields go to the first column with that heading.
    QStringList same = labels;
    same[22] = same[21];
    QString sameCodes = defaultCodes();
    sameCodes[22] = QChar(22);
    QTest::newRow("two fields with one label") << same << same << sameCodes;

    QStringList cased = labels;
    cased[0] = QStringLiteral("name"); // column 1 differs from the label "Name" in case only
    cased[1] = QStringLiteral("Name");
    QTest::newRow("letter case counts") << labels << cased << codes({2, 1, 3}) + defaultCodes().mid(3);

    // Field 1's label is shown nowhere (its column shows another field): it takes the first
    // column no field has.
    QStringList lost = labels;
    lost[0] = labels[1]; // column 1 shows Series, column 2 too
    QTest::newRow("label shown nowhere") << labels << lost << codes({2, 1, 3}) + defaultCodes().mid(3);
}

void TestGridColumnOrder::fromHeadings()
{
    QFETCH(QStringList, labels);
    QFETCH(QStringList, headings);
    QFETCH(QString, expected);
    QCOMPARE(GridColumnOrder::fromHeadings(headings, labels).toGridData(), expected);
}

void TestGridColumnOrder::readAndWriteGridTable()
{
    TestDatabase db;
    QVERIFY(db.opened);
    QVERIFY(db.dm().DataModule1Create().isEmpty());
    Table &grid = *db.dm().GridTable;

    QCOMPARE(GridColumnOrder::read(grid, QStringLiteral("Dolls")), GridColumnOrder());
    QVERIFY(!grid.isOpen());

    const GridColumnOrder moved = GridColumnOrder::fromGridData(codes({2, 3, 1}));
    moved.write(grid, QStringLiteral("Dolls"));
    QVERIFY(!grid.isOpen());
    GridColumnOrder().write(grid, QStringLiteral("Stamps"));
    GridColumnOrder().write(grid, QStringLiteral("Dolls")); // the existing row is changed
    moved.write(grid, QStringLiteral("Dolls"));

    grid.open();
    QCOMPARE(grid.recordCount(), 2);
    QVERIFY(grid.locate(QStringLiteral("CollectionName"), QStringLiteral("Dolls")));
    QCOMPARE(grid.fieldText(QStringLiteral("GridData")), codes({2, 3, 1}) + defaultCodes().mid(3));
    QVERIFY(grid.locate(QStringLiteral("CollectionName"), QStringLiteral("Stamps")));
    QCOMPARE(grid.fieldText(QStringLiteral("GridData")), defaultCodes());
    grid.close();

    QCOMPARE(GridColumnOrder::read(grid, QStringLiteral("Dolls")), moved);
    QCOMPARE(GridColumnOrder::read(grid, QStringLiteral("dolls")), GridColumnOrder());
}

void TestGridColumnOrder::gridTableClosedOnFailure()
{
    TestDatabase db; // the grid table is not created
    QVERIFY(db.opened);
    Table &grid = *db.dm().GridTable;
    QVERIFY_THROWS_EXCEPTION(StoreError, GridColumnOrder::read(grid, QStringLiteral("Dolls")));
    QVERIFY(!grid.isOpen());
    QVERIFY_THROWS_EXCEPTION(StoreError, GridColumnOrder().write(grid, QStringLiteral("Dolls")));
    QVERIFY(!grid.isOpen());
}

QTEST_GUILESS_MAIN(TestGridColumnOrder)
#include "TestGridColumnOrder.moc"
