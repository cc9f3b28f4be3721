#include "collections/CollectionCreator.h"
#include "common/TestDatabase.h"

#include <QSqlQuery>
#include <QTest>

class TestCollectionCreator : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void defaultSetup();
    void apostrophesAreStripped();
    void copiesSelectedCollection();
    void copyOfIncompleteSetupFillsDefaults();
    void replacesOrphanedFieldRows();
    void refusals_data();
    void refusals();
    void storeFailureWritesNothing_data();
    void storeFailureWritesNothing();

private:
    int count(const QString &sql);
    void exec(const QString &sql);
    void verifySharedObjectsReset();
    std::unique_ptr<TestDatabase> db;
};

void TestCollectionCreator::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Figurines"));
    db->addCollection(QStringLiteral("Émaux"));
}

int TestCollectionCreator::count(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    if (!q.exec(sql) || !q.next())
        qFatal("%s", qPrintable(sql));
    return q.value(0).toInt();
}

void TestCollectionCreator::exec(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    QVERIFY2(q.exec(sql), qPrintable(sql));
}

void TestCollectionCreator::verifySharedObjectsReset()
{
    TDataModule1 &dm = db->dm();
    QVERIFY(!dm.FieldSetupQuery->isOpen());
    QVERIFY(!dm.FieldSetupQuery->isPrepared());
    for (Table *t : {dm.FieldSetupTable.get(), dm.CollTypesTable.get()}) {
        QVERIFY(!t->isOpen());
        QVERIFY(t->filter().isEmpty());
        QVERIFY(!t->filtered());
    }
}

void TestCollectionCreator::defaultSetup()
{
    const CreateResult r = CollectionCreator::create(db->dm(), QStringLiteral("Plates"));
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.name, QStringLiteral("Plates"));
    QCOMPARE(count("SELECT count(*) FROM CollectionType WHERE CollectionName = 'Plates'"), 1);
    QSqlQuery q(db->dm().database());
    QVERIFY(q.exec("SELECT DataFieldNumber, DataFieldLabel, LeftPosition, TopPosition, IsVisible FROM FieldSetup "
                   "WHERE Collection = 'Plates' ORDER BY DataFieldNumber"));
    int n = 0;
    for (; q.next(); ++n) {
        QCOMPARE(q.value(0).toInt(), n);
        QCOMPARE(q.value(1).toString(), FieldCatalogue::defaultLabel(n));
        QCOMPARE(q.value(2).toInt(), FieldCatalogue::defaultLeft(n));
        QCOMPARE(q.value(3).toInt(), FieldCatalogue::defaultTop(n));
        QCOMPARE(q.value(4).toInt(), 1);
    }
    QCOMPARE(n, 46);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Figurines'"), 46);
    verifySharedObjectsReset();
    db->dm().LoadFieldLayout(QStringLiteral("Plates"));
    QCOMPARE(FieldLayout[45].Label, QStringLiteral("Checkbox3"));
}

void TestCollectionCreator::apostrophesAreStripped()
{
    const CreateResult r = CollectionCreator::create(db->dm(), QStringLiteral("Bob's 'Plates'"));
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(r.name, QStringLiteral("Bobs Plates"));
    QCOMPARE(count("SELECT count(*) FROM CollectionType WHERE CollectionName = 'Bobs Plates'"), 1);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Bobs Plates'"), 46);
}

void TestCollectionCreator::copiesSelectedCollection()
{
    exec("UPDATE FieldSetup SET DataFieldLabel = 'Year Made', IsVisible = 0, LeftPosition = 200, TopPosition = 400 "
         "WHERE Collection = 'Figurines' AND DataFieldNumber = 14");
    // The source is named in other letter case: the store compares collection names that way.
    const CreateResult r = CollectionCreator::create(db->dm(), QStringLiteral("Plates"), QStringLiteral("FIGURINES"));
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates'"), 46);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup a JOIN FieldSetup b ON a.DataFieldNumber = b.DataFieldNumber "
                   "WHERE a.Collection = 'Plates' AND b.Collection = 'Figurines' AND a.DataFieldLabel = "
                   "b.DataFieldLabel AND a.LeftPosition = b.LeftPosition AND a.TopPosition = b.TopPosition AND "
                   "a.IsVisible = b.IsVisible"),
             46);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates' AND DataFieldNumber = 14 AND "
                   "DataFieldLabel = 'Year Made' AND IsVisible = 0 AND LeftPosition = 200 AND TopPosition = 400"),
             1);
    verifySharedObjectsReset();
}

void TestCollectionCreator::copyOfIncompleteSetupFillsDefaults()
{
    exec("UPDATE FieldSetup SET DataFieldLabel = 'Maker' WHERE Collection = 'Figurines' AND DataFieldNumber = 2");
    exec("DELETE FROM FieldSetup WHERE Collection = 'Figurines' AND DataFieldNumber IN (5, 30)");
    const CreateResult r = CollectionCreator::create(db->dm(), QStringLiteral("Plates"), QStringLiteral("Figurines"));
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(count("SELECT count(DISTINCT DataFieldNumber) FROM FieldSetup WHERE Collection = 'Plates'"), 46);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates' AND DataFieldNumber = 2 AND "
                   "DataFieldLabel = 'Maker'"),
             1);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates' AND DataFieldNumber = 30 AND "
                   "DataFieldLabel = 'List3' AND LeftPosition = 352 AND IsVisible = 1"),
             1);
}

void TestCollectionCreator::replacesOrphanedFieldRows()
{
    exec("INSERT INTO FieldSetup (Collection, DataFieldNumber, DataFieldLabel) VALUES ('plates', 0, 'Old')");
    const CreateResult r = CollectionCreator::create(db->dm(), QStringLiteral("Plates"));
    QVERIFY2(r.ok, qPrintable(r.error));
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates'"), 46);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE DataFieldLabel = 'Old'"), 0);
}

void TestCollectionCreator::refusals_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("basedOn");
    QTest::addColumn<QString>("setupSql");
    QTest::addColumn<QString>("errorPart");

    QTest::newRow("empty") << ""
                           << ""
                           << ""
                           << "You must enter a Collection name!";
    QTest::newRow("only apostrophes") << "'''"
                                      << ""
                                      << ""
                                      << "nothing but apostrophes";
    QTest::newRow("only blanks and apostrophes") << " ' "
                                                 << ""
                                                 << ""
                                                 << "nothing but apostrophes";
    QTest::newRow("same name") << "Figurines"
                               << ""
                               << ""
                               << "A Collection named Figurines already exists.";
    QTest::newRow("other letter case") << "fiGURines"
                                       << ""
                                       << ""
                                       << "A Collection named Figurines already exists (";
    QTest::newRow("other case of accented letters") << "ÉMAUX"
                                                    << ""
                                                    << ""
                                                    << "A Collection named Émaux already exists (";
    QTest::newRow("same once stripped") << "Figur'ines"
                                        << ""
                                        << ""
                                        << "A Collection named Figurines already exists.";
    QTest::newRow("same name as copy") << "FIGURINES"
                                       << "Figurines"
                                       << ""
                                       << "Figurines already exists";
    QTest::newRow("too long") << QString(31, u'x') << ""
                              << ""
                              << "at most 30 characters";
    QTest::newRow("unknown template") << "Plates"
                                      << "Stamps"
                                      << ""
                                      << "Stamps has no field setup to copy";
    QTest::newRow("template with 47 rows")
        << "Plates"
        << "Figurines"
        << "INSERT INTO FieldSetup (Collection, DataFieldNumber, DataFieldLabel) VALUES ('Figurines', 45, 'Again')"
        << "more than 46 field setup rows";
    QTest::newRow("template with a field twice")
        << "Plates"
        << "Figurines"
        << "UPDATE FieldSetup SET DataFieldNumber = 3 WHERE DataFieldNumber = 4"
        << "field number 3 that cannot be copied (it appears twice)";
    QTest::newRow("template with unknown field")
        << "Plates"
        << "Figurines"
        << "UPDATE FieldSetup SET DataFieldNumber = 46 WHERE DataFieldNumber = 45"
        << "field number 46 that cannot be copied (numbers run from 0 to 45)";
}

void TestCollectionCreator::refusals()
{
    QFETCH(QString, name);
    QFETCH(QString, basedOn);
    QFETCH(QString, setupSql);
    QFETCH(QString, errorPart);
    if (!setupSql.isEmpty())
        exec(setupSql);
    const int fieldRows = count("SELECT count(*) FROM FieldSetup");

    const CreateResult r = CollectionCreator::create(db->dm(), name, basedOn);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(errorPart), qPrintable(r.error));
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 2);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), fieldRows);
    verifySharedObjectsReset();
}

void TestCollectionCreator::storeFailureWritesNothing_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("basedOn");
    QTest::newRow("field row 30 of the default setup") << "BEFORE INSERT ON FieldSetup WHEN NEW.DataFieldNumber = 30"
                                                       << "";
    QTest::newRow("field row 30 of a copy") << "BEFORE INSERT ON FieldSetup WHEN NEW.DataFieldNumber = 30"
                                            << "Figurines";
    QTest::newRow("collection row after the field rows") << "BEFORE INSERT ON CollectionType"
                                                         << "";
}

void TestCollectionCreator::storeFailureWritesNothing()
{
    QFETCH(QString, trigger);
    QFETCH(QString, basedOn);
    exec("INSERT INTO FieldSetup (Collection, DataFieldNumber, DataFieldLabel) VALUES ('Plates', 0, 'Orphan')");
    exec("CREATE TRIGGER refuse " + trigger + " BEGIN SELECT RAISE(ABORT, 'disk is full'); END");

    const CreateResult r = CollectionCreator::create(db->dm(), QStringLiteral("Plates"), basedOn);
    QVERIFY(!r.ok);
    QVERIFY2(r.error.contains(QStringLiteral("disk is full")), qPrintable(r.error));
    QVERIFY2(r.error.contains(QStringLiteral("Plates could not be created")), qPrintable(r.error));
    QCOMPARE(count("SELECT count(*) FROM CollectionType"), 2);
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates'"), 1); // the orphan is back
    QCOMPARE(count("SELECT count(*) FROM FieldSetup"), 2 * 46 + 1);
    verifySharedObjectsReset();

    exec("DROP TRIGGER refuse");
    const CreateResult again = CollectionCreator::create(db->dm(), QStringLiteral("Plates"), basedOn);
    QVERIFY2(again.ok, qPrintable(again.error));
    QCOMPARE(count("SELECT count(*) FROM FieldSetup WHERE Collection = 'Plates'"), 46);
}

QTEST_GUILESS_MAIN(TestCollectionCreator)
#include "TestCollectionCreator.moc"
