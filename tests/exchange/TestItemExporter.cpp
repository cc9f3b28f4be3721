#include "ExchangeFixture.h"
#include "RecordingStatusSink.h"
#include "common/FailDevice.h"
#include "exchange/ItemExporter.h"

#include <QBuffer>
#include <QSqlQuery>
#include <QTest>

using namespace ExchangeFixture;

class TestItemExporter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void writtenBytes_data();
    void writtenBytes();
    void collectionWithoutItems();
    void onlyTheCollectionsItemsInTableOrder();
    void statusEveryTenthItem();
    void everyFieldByDefault();
    void writeFailureKeepsLinesBefore();
    void unknownEntryRefused();
};

namespace {

const QString Mugs = QStringLiteral("Mugs");

QByteArray exportBytes(TestDatabase &db, const QStringList &labels, ExportResult *result = nullptr)
{
    const EntryCatalogue catalogue = EntryCatalogue::load(db.dm(), Mugs, EntryCatalogue::Use::Export);
    QList<ExportColumn> columns;
    for (const QString &label : labels)
        columns.append({label, catalogue.find(label)});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    ItemExporter exporter(db.dm(), Mugs);
    exporter.setColumns(columns);
    const ExportResult r = exporter.write(&buffer);
    if (result)
        *result = r;
    return buffer.data();
}

} // namespace

void TestItemExporter::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestItemExporter::writtenBytes_data()
{
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QList<QVariantMap>>("items");
    QTest::addColumn<QByteArray>("expected");

    const QStringList money{"Name", "Retail Price", "Purchase Price", "Money1", "Limited Edition"};
    QTest::newRow("amounts in the currency format")
        << money
        << QList<QVariantMap>{{{"Name", "Mug"},
                               {"RetailPrice", "1234.5"},
                               {"PurchasePrice", "12.5"},
                               {"Money1", "-5.25"},
                               {"LimitedEdition", "True"}},
                              {{"Name", "Plate"}}}
        << QByteArray("Name,Retail Price,Purchase Price,Money1,Limited Edition\r\n"
                      "Mug,\"$1,234.50\",$12.50,($5.25),True\r\n"
                      "Plate,$0.00,$0.00,$0.00,False\r\n");
    QTest::newRow("amounts with parts of a cent or too large, plain")
        << QStringList{"Name", "Money1", "Money2", "Money3"}
        << QList<QVariantMap>{{{"Name", "Odd"},
                               {"Money1", "0.0001"},
                               {"Money2", "-1234.5678"},
                               {"Money3", "10000000000000"}}}
        << QByteArray("Name,Money1,Money2,Money3\r\nOdd,0.0001,-1234.5678,10000000000000.00\r\n");
    QTest::newRow("quoting")
        << QStringList{"Name", "Series", "Text1", "Text2"}
        << QList<QVariantMap>{{{"Name", "Smith, John"}, {"Series", "5\" tall"}, {"Text1", "  "}, {"Text2", " b "}}}
        << QByteArray("Name,Series,Text1,Text2\r\n\"Smith, John\",\"5\"\" tall\",  , b \r\n");
    QTest::newRow("blank last value quoted")
        << QStringList{"Name", "Text1"} << QList<QVariantMap>{{{"Name", "Mug"}, {"Text1", "  "}}}
        << QByteArray("Name,Text1\r\nMug,\"  \"\r\n");
    QTest::newRow("only the name") << QStringList{"Name"}
                                   << QList<QVariantMap>{{{"Name", "Mug"}}, {{"Name", "Smith, John"}}}
                                   << QByteArray("Name\r\nMug\r\n\"Smith, John\"\r\n");
    QTest::newRow("notes over two lines")
        << QStringList{"Notes", "Name"} << QList<QVariantMap>{{{"Name", "Mug"}, {"Notes", "First\r\nSecond"}}}
        << QByteArray("Notes,Name\r\n\"First\r\nSecond\",Mug\r\n");
    QTest::newRow("letters beyond ASCII in UTF-8")
        << QStringList{"Name"} << QList<QVariantMap>{{{"Name", "Crème brûlée 😀"}}}
        << QByteArray("Name\r\nCr\xC3\xA8me br\xC3\xBBl\xC3\xA9"
                      "e \xF0\x9F\x98\x80\r\n");
}

void TestItemExporter::writtenBytes()
{
    QFETCH(QStringList, labels);
    QFETCH(QList<QVariantMap>, items);
    QFETCH(QByteArray, expected);

    TestDatabase db;
    db.addCollection(Mugs);
    for (const QVariantMap &item : items)
        db.addItem(Mugs, item);
    ExportResult result;
    QCOMPARE(exportBytes(db, labels, &result), expected);
    QVERIFY(result.ok);
    QCOMPARE(result.rowsWritten, items.size());
}

void TestItemExporter::collectionWithoutItems()
{
    TestDatabase db;
    db.addCollection(Mugs);
    QSqlQuery q(db.dm().database());
    q.exec(QStringLiteral("UPDATE FieldSetup SET DataFieldLabel = 'Size, cm' WHERE DataFieldNumber = 21"));
    RecordingStatusSink status;
    ExportResult result;
    // A label with a comma is quoted, so the heading keeps one field per entry.
    QCOMPARE(exportBytes(db, {QStringLiteral("Name"), QStringLiteral("Size, cm")}, &result),
             QByteArray("Name,\"Size, cm\"\r\n"));
    QVERIFY(result.ok);
    QCOMPARE(result.rowsWritten, 0);
    QCOMPARE(status.current, QStringLiteral("Exporting row 0"));
}

void TestItemExporter::onlyTheCollectionsItemsInTableOrder()
{
    TestDatabase db;
    db.addCollection(Mugs);
    db.addCollection(QStringLiteral("Plates"));
    db.addItem(Mugs, {{QStringLiteral("Name"), QStringLiteral("Zebra")}});
    db.addItem(QStringLiteral("Plates"), {{QStringLiteral("Name"), QStringLiteral("Plate")}});
    db.addItem(QStringLiteral("mugs"), {{QStringLiteral("Name"), QStringLiteral("Apple")}});
    db.addItem(Mugs, {{QStringLiteral("Name"), QStringLiteral("Mango")}});
    QCOMPARE(exportBytes(db, {QStringLiteral("Name")}), QByteArray("Name\r\nZebra\r\nApple\r\nMango\r\n"));
}

void TestItemExporter::statusEveryTenthItem()
{
    TestDatabase db;
    db.addCollection(Mugs);
    for (int i = 1; i <= 25; ++i)
        db.addItem(Mugs, {{QStringLiteral("Name"), QStringLiteral("Item %1").arg(i)}});
    RecordingStatusSink status;
    ExportResult result;
    exportBytes(db, {QStringLiteral("Name")}, &result);
    QCOMPARE(result.rowsWritten, 25);
    QCOMPARE(status.shown, QStringList({"Exporting row 10", "Exporting row 20", "Exporting row 25"}));
}

void TestItemExporter::everyFieldByDefault()
{
    TestDatabase db;
    db.addCollection(Mugs);
    const EntryCatalogue catalogue = EntryCatalogue::load(db.dm(), Mugs, EntryCatalogue::Use::Export);
    const QList<ExportColumn> columns = ItemExporter::allColumns(catalogue.entries());
    QCOMPARE(columns.size(), 47);
    for (int i = 0; i < columns.size(); ++i) {
        QCOMPARE(columns.at(i).position, i);
        QCOMPARE(columns.at(i).heading, catalogue.entry(i));
    }
    QCOMPARE(columns.back().heading, QStringLiteral("Notes"));
}

void TestItemExporter::writeFailureKeepsLinesBefore()
{
    TestDatabase db;
    db.addCollection(Mugs);
    for (int i = 1; i <= 50; ++i)
        db.addItem(Mugs, {{QStringLiteral("Name"), QStringLiteral("Item %1").arg(i)}});
    const QByteArray whole = exportBytes(db, {QStringLiteral("Name")});

    FailDevice device(100);
    device.open(QIODevice::WriteOnly);
    ItemExporter exporter(db.dm(), Mugs);
    exporter.setColumns({{QStringLiteral("Name"), 0}});
    const ExportResult result = exporter.write(&device);
    QVERIFY(!result.ok);
    QCOMPARE(result.error, QStringLiteral("No space left on device"));
    QVERIFY(result.rowsWritten < 50);
    QCOMPARE(device.data(), whole.left(100));
}

void TestItemExporter::unknownEntryRefused()
{
    TestDatabase db;
    db.addCollection(Mugs);
    ItemExporter exporter(db.dm(), Mugs);
    exporter.setColumns({{QStringLiteral("Name"), 0}, {QStringLiteral("Ignore_Field01"), 47}});
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    const ExportResult result = exporter.write(&buffer);
    QVERIFY(!result.ok);
    QVERIFY(result.error.contains(QStringLiteral("Ignore_Field01")));
    QVERIFY(buffer.data().isEmpty());

    exporter.setColumns({});
    QVERIFY(!exporter.write(&buffer).ok);
    QVERIFY(buffer.data().isEmpty());
}

QTEST_GUILESS_MAIN(TestItemExporter)
#include "TestItemExporter.moc"
