#include "ItemTestHelpers.h"
#include "items/ItemRecord.h"
#include "store/Table.h"

#include <QTest>

class TestItemRecord : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void readsEveryKindOfColumn();
    void rewritingUnchangedKeepsRow_data();
    void rewritingUnchangedKeepsRow();
    void insertWritesEveryColumn();
    void collectionSpelling_data();
    void collectionSpelling();
    void keepUnchanged_data();
    void keepUnchanged();

private:
    std::unique_ptr<TestDatabase> db;
};

void TestItemRecord::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
}

void TestItemRecord::readsEveryKindOfColumn()
{
    db->addItem("Dolls", awkwardItem("Anna"));
    Table &t = *db->dm().CollectionsTable;
    t.open();
    const ItemRecord r = ItemRecord::fromCurrentRow(t);
    QCOMPARE(r.text(0), QStringLiteral("Anna"));
    QCOMPARE(r.text(1).size(), 45);
    QCOMPARE(r.text(16), QStringLiteral("in."));
    QCOMPARE(r.money(3), Money::fromUnits(125000));
    QCOMPARE(r.money(5), Money::fromUnits(-52500));
    QCOMPARE(r.money(6), Money());
    QVERIFY(r.isChecked(20));
    QVERIFY(!r.isChecked(43));
    QCOMPARE(r.picture(2).size(), 10 + 5 * 50 + 5);
    QCOMPARE(r.picture(1), QString());
    QCOMPARE(r.notes(), awkwardItem("Anna").value("Notes").toString());
    t.reset();
}

void TestItemRecord::rewritingUnchangedKeepsRow_data()
{
    QTest::addColumn<QVariantMap>("columns");
    QTest::newRow("every kind of value") << awkwardItem("Anna");
    QTest::newRow("nothing but a name") << QVariantMap{{"Name", "Bare"}};
}

void TestItemRecord::rewritingUnchangedKeepsRow()
{
    QFETCH(QVariantMap, columns);
    const qint64 id = db->addItem("Dolls", columns);
    const QStringList before = rawItemRow(*db, id);
    Table &t = *db->dm().CollectionsTable;
    t.open();
    const ItemRecord r = ItemRecord::fromCurrentRow(t);
    t.edit();
    r.writeTo(t, "Dolls");
    t.post();
    t.reset();
    QCOMPARE(rawItemRow(*db, id), before);
}

void TestItemRecord::insertWritesEveryColumn()
{
    ItemRecord r;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        r.setText(n, QStringLiteral("t%1").arg(n));
        r.setMoney(n, Money::fromUnits(n + 1));
        r.setChecked(n, true);
    }
    for (int slot = 1; slot <= ItemRecord::PictureCount; ++slot)
        r.setPicture(slot, QStringLiteral("/p/%1.jpg").arg(slot));
    r.setNotes("some notes");
    Table &t = *db->dm().CollectionsTable;
    t.open();
    t.insert();
    r.writeTo(t, "Dolls");
    t.post();
    const qint64 id = t.currentKey();
    t.reset();

    const QStringList row = rawItemRow(*db, id);
    const QStringList columns = FieldCatalogue::itemColumns();
    QCOMPARE(row.at(columns.indexOf("Collection")), QStringLiteral("'Dolls'"));
    QCOMPARE(row.at(columns.indexOf("Name")), QStringLiteral("'t0'"));
    QCOMPARE(row.at(columns.indexOf("DMeasure")), QStringLiteral("'t16'"));
    QCOMPARE(row.at(columns.indexOf("RetailPrice")), QStringLiteral("4"));
    QCOMPARE(row.at(columns.indexOf("Money3")), QStringLiteral("40"));
    QCOMPARE(row.at(columns.indexOf("Check3")), QStringLiteral("1"));
    QCOMPARE(row.at(columns.indexOf("Image6")), QStringLiteral("'/p/6.jpg'"));
    QCOMPARE(row.at(columns.indexOf("Notes")), QStringLiteral("'some notes'"));
    QVERIFY(!row.contains("NULL"));
}

void TestItemRecord::collectionSpelling_data()
{
    QTest::addColumn<QString>("formCollection");
    QTest::addColumn<QString>("stored");
    QTest::newRow("same name in other case is kept") << "Dolls"
                                                     << "'dolls'";
    QTest::newRow("another collection is written") << "Trains"
                                                   << "'Trains'";
}

void TestItemRecord::collectionSpelling()
{
    QFETCH(QString, formCollection);
    QFETCH(QString, stored);
    const qint64 id = db->addItem("dolls", {{"Name", "Anna"}});
    Table &t = *db->dm().CollectionsTable;
    t.open();
    t.edit();
    ItemRecord::fromCurrentRow(t).writeTo(t, formCollection);
    t.post();
    t.reset();
    QCOMPARE(rawItemRow(*db, id).at(FieldCatalogue::itemColumns().indexOf("Collection")), stored);
}

void TestItemRecord::keepUnchanged_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("edit");
    for (const int field : {1, 3, 16}) {
        const QString column = FieldCatalogue::column(field);
        QTest::addRow("%s left alone", qPrintable(column)) << field << false;
        QTest::addRow("%s changed", qPrintable(column)) << field << true;
    }
}

void TestItemRecord::keepUnchanged()
{
    QFETCH(int, field);
    QFETCH(bool, edit);
    // What the table holds, and how the controls showed it (cut, recased, rounded, ...).
    ItemRecord stored;
    stored.setText(field, "in the table");
    stored.setMoney(field, Money::fromUnits(7));
    stored.setChecked(field, true);
    stored.setPicture(3, "/a/very/long/path.jpg");
    stored.setNotes("a\r\nb");
    ItemRecord shown;
    shown.setText(field, "as shown");
    shown.setMoney(field, Money::fromUnits(8));
    shown.setChecked(field, false);
    shown.setPicture(3, "/a/very");
    shown.setNotes("a\nb");

    ItemRecord edited = shown;
    if (edit) {
        edited.setText(field, "typed");
        edited.setMoney(field, Money::fromUnits(9));
        edited.setChecked(field, true);
    }
    const ItemRecord result = ItemRecord::keepUnchanged(stored, shown, edited);
    QVERIFY(result.sameField(edit ? edited : stored, field));
    QCOMPARE(result.picture(3), stored.picture(3));
    QCOMPARE(result.notes(), stored.notes());

    edited.setPicture(3, QString());
    edited.setNotes("new");
    const ItemRecord changed = ItemRecord::keepUnchanged(stored, shown, edited);
    QCOMPARE(changed.picture(3), QString());
    QCOMPARE(changed.notes(), QStringLiteral("new"));
}

QTEST_GUILESS_MAIN(TestItemRecord)
#include "TestItemRecord.moc"
