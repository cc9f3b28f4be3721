#include "collections/ListValues.h"
#include "common/TestDatabase.h"
#include "store/StoreError.h"

#include <QSqlQuery>
#include <QTest>

class TestListValues : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void loadKeepsCollectionsAndFieldsApart();
    void contains_data();
    void contains();
    void learnAppendsAndClosesEvenOnFailure();
    void listFieldLabels_data();
    void listFieldLabels();

private:
    void exec(const QString &sql);
    std::unique_ptr<TestDatabase> db;
};

void TestListValues::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Plates"));
    db->addCollection(QStringLiteral("Stamps"));
}

void TestListValues::exec(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    QVERIFY2(q.exec(sql), qPrintable(sql));
}

void TestListValues::loadKeepsCollectionsAndFieldsApart()
{
    TDataModule1 &dm = db->dm();
    ListValues::LearnListValue(dm, "Plates", 1, "Willow");
    ListValues::LearnListValue(dm, "Plates", 2, "Spode");
    ListValues::LearnListValue(dm, "Plates", 1, "Asiatic");
    ListValues::LearnListValue(dm, "Stamps", 1, "Penny");
    ListValues::LearnListValue(dm, "Plates", 5, "not a list field");
    const QHash<int, QStringList> values = ListValues::load(dm, "Plates");
    QCOMPARE(values.value(1), (QStringList{"Willow", "Asiatic"}));
    QCOMPARE(values.value(2), QStringList{"Spode"});
    QVERIFY(!values.contains(5));
    QVERIFY(!dm.ListsTable->isOpen());
    QVERIFY(!dm.ListsTable->filtered());
    QVERIFY(dm.ListsTable->indexName().isEmpty());
}

void TestListValues::contains_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("expected");
    QTest::newRow("same") << "Red" << true;
    QTest::newRow("other letter case") << "red" << true;
    QTest::newRow("leading blank") << " Red" << false;
    QTest::newRow("trailing blank") << "Red " << false;
    QTest::newRow("part") << "Re" << false;
}

void TestListValues::contains()
{
    QFETCH(QString, text);
    QFETCH(bool, expected);
    QCOMPARE(ListValues::contains({"Blue", "Red"}, text), expected);
}

void TestListValues::learnAppendsAndClosesEvenOnFailure()
{
    exec("CREATE TRIGGER refuse BEFORE INSERT ON Lists BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    QVERIFY_THROWS_EXCEPTION(StoreError, ListValues::LearnListValue(db->dm(), "Plates", 1, "Willow"));
    QVERIFY(!db->dm().ListsTable->isOpen());
    exec("DROP TRIGGER refuse");
    ListValues::LearnListValue(db->dm(), "Plates", 1, "Willow");
    QCOMPARE(ListValues::load(db->dm(), "Plates").value(1), QStringList{"Willow"});
}

void TestListValues::listFieldLabels_data()
{
    QTest::addColumn<QStringList>("statements");
    QTest::addColumn<QStringList>("expected");
    const QStringList defaults{"Series",   "Manufacturer", "Item Condition", "Box Condition", "Location", "Color",
                               "Material", "List1",        "List2",          "List3",         "List4",    "List5"};
    QTest::newRow("default setup") << QStringList() << defaults;
    QStringList renamed = defaults;
    renamed[2] = "Glaze";
    renamed[11] = "Pattern";
    QTest::newRow("relabelled and hidden")
        << QStringList{"UPDATE FieldSetup SET DataFieldLabel = CASE DataFieldNumber WHEN 10 THEN 'Glaze' ELSE "
                       "'Pattern' END, IsVisible = 0 WHERE Collection = 'Plates' AND DataFieldNumber IN (10, 32)"}
        << renamed;
    // Another collection's label for the missing field must not stand in, nor the next field's.
    QStringList gap = defaults;
    gap[4] = "Shelf";
    QTest::newRow("missing row keeps the positions")
        << QStringList{"DELETE FROM FieldSetup WHERE Collection = 'Plates' AND DataFieldNumber = 11",
                       "UPDATE FieldSetup SET DataFieldLabel = 'Box' WHERE DataFieldNumber = 11",
                       "UPDATE FieldSetup SET DataFieldLabel = 'Shelf' WHERE Collection = 'Plates' AND "
                       "DataFieldNumber = 12"}
        << gap;
}

void TestListValues::listFieldLabels()
{
    QFETCH(QStringList, statements);
    QFETCH(QStringList, expected);
    for (const QString &sql : statements)
        exec(sql);
    QCOMPARE(ListValues::listFieldLabels(db->dm(), "Plates"), expected);
    QVERIFY(!db->dm().FieldSetupQuery->isOpen());
    QVERIFY(!db->dm().FieldSetupQuery->isPrepared());
}

QTEST_GUILESS_MAIN(TestListValues)
#include "TestListValues.moc"
