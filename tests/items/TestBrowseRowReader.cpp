#include "common/TestDatabase.h"
#include "items/BrowseRowReader.h"
#include "store/StoreError.h"

#include <QTest>

namespace {

const QString Figurines = QStringLiteral("Figurines");
const QString FigurinesFilter = QStringLiteral("Collection = 'Figurines'");

QString codes(std::initializer_list<int> columns)
{
    QString text;
    for (int c : columns)
        text.append(QChar(ushort(c)));
    return text;
}

} // namespace

class TestBrowseRowReader : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void cellTexts_data();
    void cellTexts();
    void rowsInNameOrderUnderFilter();
    void columnOrderPlacesFields();
    void currentRowOfTableReadsTheSame();
    void unusableFilter();

private:
    std::unique_ptr<TestDatabase> db;
    const QLocale us{QLocale::English, QLocale::UnitedStates};
};

void TestBrowseRowReader::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
}

void TestBrowseRowReader::cellTexts_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QString>("expected");
    QTest::newRow("money") << 3 << QVariant(qlonglong(12000000)) << "$1,200.00";
    QTest::newRow("money rounded to cents") << 37 << QVariant(qlonglong(125)) << "$0.01";
    QTest::newRow("negative money") << 4 << QVariant(qlonglong(-52500)) << "($5.25)";
    QTest::newRow("empty money is zero") << 39 << QVariant() << "$0.00";
    QTest::newRow("yes") << 20 << QVariant(qlonglong(1)) << "True";
    QTest::newRow("no") << 43 << QVariant(qlonglong(0)) << "False";
    QTest::newRow("unset yes/no") << 45 << QVariant() << "";
    QTest::newRow("text as stored") << 0 << QVariant(QStringLiteral(" Bell ")) << " Bell ";
    QTest::newRow("date as stored") << 40 << QVariant(QStringLiteral("1/2/03")) << "1/2/03";
    QTest::newRow("unit") << 16 << QVariant(QStringLiteral("in.")) << "in.";
    QTest::newRow("empty text") << 21 << QVariant() << "";
}

void TestBrowseRowReader::cellTexts()
{
    QFETCH(int, field);
    QFETCH(QVariant, stored);
    QFETCH(QString, expected);
    QCOMPARE(BrowseRowReader(GridColumnOrder(), us).cellText(field, stored), expected);
}

void TestBrowseRowReader::rowsInNameOrderUnderFilter()
{
    const qint64 b = db->addItem(Figurines, {{"Name", "bell"}, {"RetailPrice", "300"}});
    const qint64 a = db->addItem(Figurines, {{"Name", "Anchor"}, {"LimitedEdition", true}});
    db->addItem(QStringLiteral("Stamps"), {{"Name", "Air mail"}});
    const qint64 c = db->addItem(Figurines, {{"Name", "Bell"}});

    const QVector<BrowseRow> rows =
        BrowseRowReader(GridColumnOrder(), us).readAll(db->dm().database(), FigurinesFilter);
    QCOMPARE(rows.size(), 3);
    QCOMPARE(rows[0].key(), a);
    QCOMPARE(rows[1].key(), b); // equal names in key order
    QCOMPARE(rows[2].key(), c);
    QCOMPARE(rows[0].cell(1).toString(), QStringLiteral("Anchor"));
    QCOMPARE(rows[0].cell(21).toString(), QStringLiteral("True"));
    QCOMPARE(rows[0].cell(4).toString(), QStringLiteral("$0.00"));
    QCOMPARE(rows[1].cell(4).toString(), QStringLiteral("$300.00"));
    QCOMPARE(rows[1].cell(21).toString(), QString());

    QVERIFY(BrowseRowReader(GridColumnOrder(), us)
                .readAll(db->dm().database(), QStringLiteral("Collection = 'Dolls'"))
                .isEmpty());
}

void TestBrowseRowReader::columnOrderPlacesFields()
{
    db->addItem(Figurines, {{"Name", "Bell"}, {"Series", "Chimes"}, {"Manufacturer", "Acme"}});
    // Name in column 2, Series and Manufacturer both in column 1: the higher field wins and
    // column 3 stays empty.
    const GridColumnOrder order = GridColumnOrder::fromGridData(codes({2, 1, 1}));
    const QVector<BrowseRow> rows = BrowseRowReader(order, us).readAll(db->dm().database(), FigurinesFilter);
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].cell(1).toString(), QStringLiteral("Acme"));
    QCOMPARE(rows[0].cell(2).toString(), QStringLiteral("Bell"));
    QCOMPARE(rows[0].cell(3).toString(), QString());
}

void TestBrowseRowReader::currentRowOfTableReadsTheSame()
{
    QVariantMap values{{"Name", "Bell"}, {"RetailPrice", "12.5"}, {"Check2", false}, {"Notes", "n"}};
    for (int n = 21; n <= 27; ++n)
        values.insert(FieldCatalogue::column(n), QStringLiteral("text %1").arg(n));
    const qint64 key = db->addItem(Figurines, values);
    QString reversed; // field n in column 46 - n
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        reversed.append(QChar(ushort(46 - n)));
    const GridColumnOrder order = GridColumnOrder::fromGridData(reversed);
    const BrowseRowReader reader(order, us);
    const BrowseRow fromSelect = reader.readAll(db->dm().database(), FigurinesFilter).value(0);

    Table &items = *db->dm().CollectionsTable;
    items.open();
    QVERIFY(items.gotoKey(key));
    const BrowseRow fromTable = reader.read(items);
    items.reset();
    QCOMPARE(fromTable.key(), key);
    for (int c = 1; c <= BrowseRow::ColumnCount; ++c)
        QCOMPARE(fromTable.cell(c), fromSelect.cell(c));
    QCOMPARE(fromTable.cell(46).toString(), QStringLiteral("Bell"));
    QCOMPARE(fromTable.cell(45).toString(), QString()); // Series, empty
    QCOMPARE(fromTable.cell(43).toString(), QStringLiteral("$12.50"));
}

void TestBrowseRowReader::unusableFilter()
{
    const BrowseRowReader reader(GridColumnOrder(), us);
    QVERIFY_THROWS_EXCEPTION(StoreError,
                             reader.readAll(db->dm().database(), FigurinesFilter + " And  RetailPrice = ten"));
}

QTEST_GUILESS_MAIN(TestBrowseRowReader)
#include "TestBrowseRowReader.moc"
