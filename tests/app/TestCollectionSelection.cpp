#include "app/CollectionSelection.h"
#include "common/TestDatabase.h"

#include <QTest>

class TestCollectionSelection : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void loadNamesSorted();
    void loadNamesEmpty();
    void loadNamesLeavesTableClosed();
    void defaultIndex_data();
    void defaultIndex();
    void insertionIndex_data();
    void insertionIndex();
};

void TestCollectionSelection::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestCollectionSelection::loadNamesSorted()
{
    TestDatabase db;
    QVERIFY(db.opened);
    for (const char *name : {"stamps", "Coins", "Antique Dolls", "comics"})
        db.addCollection(QLatin1String(name));
    QCOMPARE(CollectionSelection::loadNames(db.dm()), QStringList({"Antique Dolls", "Coins", "comics", "stamps"}));
}

void TestCollectionSelection::loadNamesEmpty()
{
    TestDatabase db;
    QVERIFY(db.opened);
    QVERIFY(CollectionSelection::loadNames(db.dm()).isEmpty());
}

void TestCollectionSelection::loadNamesLeavesTableClosed()
{
    TestDatabase db;
    QVERIFY(db.opened);
    db.addCollection(QStringLiteral("Coins"));
    QCOMPARE(CollectionSelection::loadNames(db.dm()), QStringList{"Coins"});
    QVERIFY(!db.dm().CollTypesTable->isOpen());
}

void TestCollectionSelection::defaultIndex_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("defaultCollection");
    QTest::addColumn<int>("index");
    const QStringList names{"Coins", "Dolls", "Stamps"};
    QTest::newRow("empty option takes the first") << names << "" << 0;
    QTest::newRow("option names a collection") << names << "Dolls" << 1;
    QTest::newRow("option names no collection") << names << "Toys" << -1;
    QTest::newRow("option differs in case") << names << "dolls" << -1;
    QTest::newRow("no collections") << QStringList() << "" << -1;
    QTest::newRow("no collections, option set") << QStringList() << "Coins" << -1;
}

void TestCollectionSelection::defaultIndex()
{
    QFETCH(QStringList, names);
    QFETCH(QString, defaultCollection);
    QFETCH(int, index);
    QCOMPARE(CollectionSelection::defaultIndex(names, defaultCollection), index);
}

void TestCollectionSelection::insertionIndex_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    const QStringList names{"Coins", "Dolls", "Stamps"};
    QTest::newRow("into empty") << QStringList() << "Coins" << 0;
    QTest::newRow("first") << names << "Autographs" << 0;
    QTest::newRow("middle, other case") << names << "cups" << 1;
    QTest::newRow("last") << names << "Toys" << 3;
    QTest::newRow("between") << names << "Postcards" << 2;
}

void TestCollectionSelection::insertionIndex()
{
    QFETCH(QStringList, names);
    QFETCH(QString, name);
    QFETCH(int, index);
    QCOMPARE(CollectionSelection::insertionIndex(names, name), index);
}

QTEST_GUILESS_MAIN(TestCollectionSelection)
#include "TestCollectionSelection.moc"
