#include "collections/CollectionDeleter.h"
#include "common/TestDatabase.h"

#include <QSqlQuery>
#include <QTest>

class TestCollectionDeleter : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void deletesEmptyCollectionOnly();
    void refusesCollectionWithItems_data();
    void refusesCollectionWithItems();
    void refusesWhenItemsCannotBeCounted();
    void unknownCollection();
    void storeFailureChangesNothing_data();
    void storeFailureChangesNothing();

private:
    int count(const QString &sql);
    void exec(const QString &sql);
    void verifyBorrowedObjectsReset();
    std::unique_ptr<TestDatabase> db;
};

void TestCollectionDeleter::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Figurines"));
    db->addCollection(QStringLiteral("Plates"));
    db->addCollection(QStringLiteral("Stamps"));
    db->addItem(QStringLiteral("Stamps"), {{"Name", "Penny Black"}});
    exec("INSERT INTO Lists (Collection, DataFieldNumber, \"Values\") VALUES ('Plates', 1, 'Blue Willow')");
}

int TestCollectionDeleter::count(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    if (!q.exec(sql) || !q.next())
        qFatal("%s", qPrintable(sql));
    return q.value(0).toInt();
}

void TestCollectionDeleter::exec(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    QVERIFY2(q.exec(sql), qPrintable(sql));
}

void TestCollectionDeleter::verifyBorrowedObjectsReset()
{
    TDataModule1 &dm = db->dm();
    QVERIFY(!dm.FieldSetupQuery->isOpen());
    QVERIFY(!dm.FieldSetupQuery->isPrepared());
    for (Table *t : {dm.CollectionsTable.get(), dm.CollTypesTable.get()}) {
        QVERIFY(!t->isOpen());
        QVERIFY(t->filter().isEmpty());
        QVERIFY(!t->filtered());
    }
}

void TestCollectionDeleter::deletesEmptyCollectionOnly()
{
    const DeleteResult r = CollectionDeleter::remove(db->dm(), QStringLiteral("Plates"));
    QCOMPARE(r.outcome, DeleteResult::Outcome::Deleted);
    QVERIFY(r.message.isEmpty());
    QCOMPARE(count("SELECT count(*) FROM CollectionType WHERE CollectionName = 'Plates'"), 0);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates'"), 0);
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 2);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Figurines'"), 46);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Stamps'"), 46);
    // The remembered values stay for a collection created later under the same name.
    QCOMPARE(count("SELECT count(*) FROM Lists WHERE Collection = 'Plates'"), 1);
    verifyBorrowedObjectsReset();
}

void TestCollectionDeleter::refusesCollectionWithItems_data()
{
    QTest::addColumn<QString>("itemCollection");
    QTest::newRow("same spelling") << "Plates";
    QTest::newRow("other letter case") << "PLATES";
}

void TestCollectionDeleter::refusesCollectionWithItems()
{
    QFETCH(QString, itemCollection);
    db->addItem(itemCollection, {{"Name", "Willow plate"}});
    QVERIFY(CollectionDeleter::hasItems(db->dm(), QStringLiteral("Plates")));
    const DeleteResult r = CollectionDeleter::remove(db->dm(), QStringLiteral("Plates"));
    QCOMPARE(r.outcome, DeleteResult::Outcome::HasItems);
    QCOMPARE(r.message, QStringLiteral("Cannot delete Plates\n\nThe collection contains items"));
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 3);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 3 * 46);
    verifyBorrowedObjectsReset();
}

void TestCollectionDeleter::refusesWhenItemsCannotBeCounted()
{
    exec("ALTER TABLE Collection RENAME TO Elsewhere");
    const DeleteResult r = CollectionDeleter::remove(db->dm(), QStringLiteral("Plates"));
    QCOMPARE(r.outcome, DeleteResult::Outcome::Failed);
    QVERIFY2(r.message.startsWith(QStringLiteral("Could not find out whether the collection Plates holds items")),
             qPrintable(r.message));
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 3);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 3 * 46);
    verifyBorrowedObjectsReset();
}

void TestCollectionDeleter::unknownCollection()
{
    const DeleteResult r = CollectionDeleter::remove(db->dm(), QStringLiteral("Coins"));
    QCOMPARE(r.outcome, DeleteResult::Outcome::Failed);
    QVERIFY2(r.message.contains(QStringLiteral("no collection named Coins")), qPrintable(r.message));
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 3 * 46);
    verifyBorrowedObjectsReset();
}

void TestCollectionDeleter::storeFailureChangesNothing_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("collection row") << "BEFORE DELETE ON CollectionType";
    QTest::newRow("field setup rows, after the collection row") << "BEFORE DELETE ON FieldSetup";
}

void TestCollectionDeleter::storeFailureChangesNothing()
{
    QFETCH(QString, trigger);
    exec("CREATE TRIGGER refuse " + trigger + " BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    const DeleteResult r = CollectionDeleter::remove(db->dm(), QStringLiteral("Plates"));
    QCOMPARE(r.outcome, DeleteResult::Outcome::Failed);
    QVERIFY2(r.message.contains(QStringLiteral("disk is full")), qPrintable(r.message));
    QCOMPARE(count("SELECT count(*) FROM CollectionType WHERE CollectionName = 'Plates'"), 1);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates'"), 46);
    verifyBorrowedObjectsReset();
}

QTEST_GUILESS_MAIN(TestCollectionDeleter)
#include "TestCollectionDeleter.moc"
