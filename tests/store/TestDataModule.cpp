#include "common/TestDatabase.h"
#include "store/StoreError.h"
#include "store/SysConfig.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

class TestDataModule : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void freshFolderGetsCoreTables();
    void createsMissingDesignerTablesOnce();
    void reopenKeepsData();
    void damagedFileIsLeftAlone();
    void unwritableFolderIsRefused();
    void newerDatabaseIsRefused();
    void loadOptions();
    void optionsWithoutRowReadEmpty();
    void fieldLayoutDefaults();
    void fieldLayoutOrdersByTopThenLeft();
    void fieldLayoutUnknownCollectionChangesNothing();
    void fieldLayoutRowOutOfRangeStops();
    void dataDictionary();

private:
    static void setField(TestDatabase &db, const QString &collection, int number, const QString &column,
                         const QVariant &value);
};

void TestDataModule::freshFolderGetsCoreTables()
{
    TestDatabase db;
    QVERIFY(db.opened);
    for (const char *table : {"Collection", "CollectionType", "FieldSetup", "Lists", "Options"})
        QVERIFY2(db.dm().tableExists(QString::fromLatin1(table)), table);
    QVERIFY(db.dm().tableExists(QStringLiteral("Collection.DB")));
    QVERIFY(!db.dm().tableExists(QStringLiteral("GridTable")));
    Table &options = *db.dm().OptionsTable;
    options.open();
    QCOMPARE(options.recordCount(), 1);
    QCOMPARE(options.fieldBool("Centered"), true);
    QCOMPARE(options.fieldBool("HTabs"), true);
    QCOMPARE(options.fieldBool("AutoClear"), false);
    QCOMPARE(options.fieldText("DefaultCollection"), QString());
}

void TestDataModule::createsMissingDesignerTablesOnce()
{
    TestDatabase db;
    QCOMPARE(db.dm().DataModule1Create(), QStringList());
    for (const char *table : {"FolderTable", "ItemTable", "GridTable"})
        QVERIFY2(db.dm().tableExists(QString::fromLatin1(table)), table);
    Table &grid = *db.dm().GridTable;
    grid.open();
    grid.insertRecord({"Figurines", "1;2;3"});
    grid.close();
    QCOMPARE(db.dm().DataModule1Create(), QStringList());
    grid.open();
    QCOMPARE(grid.recordCount(), 1); // an existing table is not replaced
    grid.close();
    grid.open();
    QVERIFY_THROWS_EXCEPTION(StoreError, grid.insertRecord({"Figurines", "4"})); // its primary index holds
}

void TestDataModule::reopenKeepsData()
{
    QTemporaryDir dir;
    {
        TDataModule1 dm(dir.path());
        QString error;
        QVERIFY(dm.open(&error));
        dm.CollTypesTable->open();
        dm.CollTypesTable->insertRecord({"Stamps"});
    }
    TDataModule1 dm(dir.path());
    QString error;
    QVERIFY(dm.open(&error));
    dm.CollTypesTable->open();
    QCOMPARE(dm.CollTypesTable->recordCount(), 1);
    dm.OptionsTable->open();
    QCOMPARE(dm.OptionsTable->recordCount(), 1);
}

void TestDataModule::damagedFileIsLeftAlone()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Curiodex.db"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    const QByteArray garbage = QByteArray("this is no database at all ").repeated(200);
    file.write(garbage);
    file.close();

    TDataModule1 dm(dir.path());
    QString error;
    QVERIFY(!dm.open(&error));
    QVERIFY2(error.contains(path), qPrintable(error));
    QVERIFY2(error.contains(QStringLiteral("damaged")), qPrintable(error));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), garbage);
}

void TestDataModule::unwritableFolderIsRefused()
{
    QTemporaryDir parent;
    QFile blocker(parent.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TDataModule1 blocked(parent.filePath(QStringLiteral("file/data")));
    QString blockedError;
    QVERIFY(!blocked.open(&blockedError));
    QVERIFY2(blockedError.contains(QStringLiteral("could not be created")), qPrintable(blockedError));

    if (geteuid() == 0)
        QSKIP("permissions do not bind the superuser");
    QTemporaryDir dir;
    QVERIFY(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
    TDataModule1 dm(dir.path());
    QString error;
    QVERIFY(!dm.open(&error));
    QVERIFY2(error.contains(QStringLiteral("cannot be written")), qPrintable(error));
    QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void TestDataModule::newerDatabaseIsRefused()
{
    QTemporaryDir dir;
    {
        TDataModule1 dm(dir.path());
        QString error;
        QVERIFY(dm.open(&error));
        QSqlQuery(dm.database()).exec(QStringLiteral("PRAGMA user_version = 99"));
    }
    TDataModule1 dm(dir.path());
    QString error;
    QVERIFY(!dm.open(&error));
    QVERIFY2(error.contains(QStringLiteral("newer version")), qPrintable(error));
}

void TestDataModule::loadOptions()
{
    TestDatabase db;
    Table &options = *db.dm().OptionsTable;
    options.open();
    options.edit();
    options.setFieldText("BackgroundPicture", QStringLiteral("/pictures/shelf.jpg"));
    options.setFieldBool("Centered", false);
    options.setFieldText("ReportTitle", QStringLiteral("My Things"));
    options.setFieldText("DefaultCollection", QStringLiteral("Stamps"));
    options.setFieldBool("AutoClear", true);
    options.post();
    options.close();
    db.dm().LoadOptions();
    QCOMPARE(SysConfigRec.BackgroundPicture, QStringLiteral("/pictures/shelf.jpg"));
    QCOMPARE(SysConfigRec.Centered, false);
    QCOMPARE(SysConfigRec.ReportTitle, QStringLiteral("My Things"));
    QCOMPARE(SysConfigRec.DefaultCollection, QStringLiteral("Stamps"));
    QCOMPARE(SysConfigRec.AutoClear, true);
    QCOMPARE(SysConfigRec.HTabs, true);
    // An empty pictures folder reads as the user's pictures folder, in memory only.
    QCOMPARE(SysConfigRec.PicturesDirectory, defaultPicturesDirectory());
    options.open();
    QCOMPARE(options.fieldText("PicturesDirectory"), QString());
    QVERIFY(!options.isEmpty());
}

void TestDataModule::optionsWithoutRowReadEmpty()
{
    TestDatabase db;
    QSqlQuery(db.dm().database()).exec(QStringLiteral("DELETE FROM Options"));
    SysConfigRec.ReportTitle = QStringLiteral("left over");
    db.dm().LoadOptions();
    QCOMPARE(SysConfigRec.ReportTitle, QString());
    QCOMPARE(SysConfigRec.Centered, false);
    QCOMPARE(SysConfigRec.PicturesDirectory, defaultPicturesDirectory());
}

void TestDataModule::setField(TestDatabase &db, const QString &collection, int number, const QString &column,
                              const QVariant &value)
{
    QSqlQuery q(db.dm().database());
    QVERIFY(q.prepare(
        QStringLiteral("UPDATE FieldSetup SET %1 = ? WHERE Collection = ? AND DataFieldNumber = ?").arg(column)));
    q.addBindValue(value);
    q.addBindValue(collection);
    q.addBindValue(number);
    QVERIFY(q.exec());
}

void TestDataModule::fieldLayoutDefaults()
{
    TestDatabase db;
    db.addCollection(QStringLiteral("Figurines"));
    db.dm().LoadFieldLayout(QStringLiteral("Figurines"));
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        QCOMPARE(FieldLayout[n].Label, FieldCatalogue::defaultLabel(n));
        QCOMPARE(FieldLayout[n].LeftPosition, FieldCatalogue::defaultLeft(n));
        QCOMPARE(FieldLayout[n].TopPosition, FieldCatalogue::defaultTop(n));
        QVERIFY(FieldLayout[n].IsVisible);
    }
    QCOMPARE(FieldLayout[0].TabOrder, 0);
    QCOMPARE(FieldLayout[1].TabOrder, 1);
    QCOMPARE(FieldLayout[2].TabOrder, 2);
    QCOMPARE(FieldLayout[3].TabOrder, 3);
    QCOMPARE(FieldLayout[20].TabOrder, 20);
    QCOMPARE(FieldLayout[21].TabOrder, 0);
    QCOMPARE(FieldLayout[45].TabOrder, 24);
    QCOMPARE(FieldLayout[14].Label, QStringLiteral("Date Produced"));
}

void TestDataModule::fieldLayoutOrdersByTopThenLeft()
{
    TestDatabase db;
    db.addCollection(QStringLiteral("Figurines"));
    setField(db, "Figurines", 19, "TopPosition", 2);  // Material moved above every other field
    setField(db, "Figurines", 2, "LeftPosition", 10); // Manufacturer now left of Name on the first row
    setField(db, "Figurines", 5, "DataFieldLabel", QStringLiteral("A label of thirty-five characters!!"));
    setField(db, "Figurines", 7, "IsVisible", false);
    db.dm().LoadFieldLayout(QStringLiteral("Figurines"));
    QCOMPARE(FieldLayout[19].TabOrder, 0);
    QCOMPARE(FieldLayout[2].TabOrder, 1);
    QCOMPARE(FieldLayout[0].TabOrder, 2);
    QCOMPARE(FieldLayout[1].TabOrder, 3);
    QCOMPARE(FieldLayout[5].Label, QStringLiteral("A label of thirty-five charact"));
    QCOMPARE(FieldLayout[5].Label.size(), 30);
    QCOMPARE(FieldLayout[7].IsVisible, false);
}

void TestDataModule::fieldLayoutUnknownCollectionChangesNothing()
{
    TestDatabase db;
    db.addCollection(QStringLiteral("Figurines"));
    setField(db, "Figurines", 0, "DataFieldLabel", QStringLiteral("Title"));
    db.dm().LoadFieldLayout(QStringLiteral("Figurines"));
    const FieldLayoutTable before = FieldLayout;
    db.dm().LoadFieldLayout(QStringLiteral("Nothing Here"));
    QCOMPARE(FieldLayout[0].Label, QStringLiteral("Title"));
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        QCOMPARE(FieldLayout[n].TabOrder, before[n].TabOrder);
}

void TestDataModule::fieldLayoutRowOutOfRangeStops()
{
    TestDatabase db;
    db.addCollection(QStringLiteral("Figurines"));
    setField(db, "Figurines", 3, "DataFieldNumber", 52);
    try {
        db.dm().LoadFieldLayout(QStringLiteral("Figurines"));
        QFAIL("the load went on");
    } catch (const StoreError &e) {
        QVERIFY2(e.text().contains(QStringLiteral("52")), qPrintable(e.text()));
    }
    QCOMPARE(FieldLayout[45].Label, QString()); // the second page was never reached
    QVERIFY(!db.dm().FieldSetupQuery->isOpen());
}

void TestDataModule::dataDictionary()
{
    TestDatabase db;
    db.addCollection(QStringLiteral("Figurines"));
    db.dm().LoadFieldLayout(QStringLiteral("Figurines"));
    auto rebuild = [&] {
        db.dm().CreateTableTable();
        db.dm().RegisterItemTable(QStringLiteral("Figurines"));
        db.dm().CreateFieldTable();
        db.dm().FillDataDictionary();
    };
    rebuild();
    setField(db, "Figurines", 14, "DataFieldLabel", QStringLiteral("Year Made"));
    db.dm().LoadFieldLayout(QStringLiteral("Figurines"));
    rebuild();

    Table &tables = *db.dm().TableTable;
    tables.open();
    QCOMPARE(tables.recordCount(), 1);
    QCOMPARE(tables.fieldText("TableName"), QStringLiteral("Collection.DB"));
    QCOMPARE(tables.fieldText("TableAlias"), QStringLiteral("Figurines"));

    Query &q = *db.dm().CollectionsQuery;
    q.setSql({"select * from FieldTable"});
    q.open();
    QCOMPARE(q.recordCount(), 55);
    QStringList rows;
    for (; !q.eof(); q.next()) {
        QStringList cells;
        for (const char *c : {"TableName", "FieldName", "FieldAlias", "Selectable", "Searchable", "Sortable",
                              "DataType", "AutoSearch", "Mandatory"})
            cells.append(q.fieldText(QString::fromLatin1(c)));
        rows.append(cells.join(u'|'));
    }
    q.close();
    QCOMPARE(rows.at(0), QStringLiteral("Collection.DB|ID|ID|F|F|F|dtAutoinc|F|F"));
    QCOMPARE(rows.at(1), QStringLiteral("Collection.DB|Name|Name|T|T|T|dtString|F|F"));
    QCOMPARE(rows.at(2), QStringLiteral("Collection.DB|Collection|Collection Name|T|T|T|dtString|F|F"));
    QCOMPARE(rows.at(5), QStringLiteral("Collection.DB|RetailPrice|Retail Price|T|T|T|dtCurrency|F|F"));
    QCOMPARE(rows.at(16), QStringLiteral("Collection.DB|Quantity|Year Made|T|T|T|dtString|F|F"));
    QCOMPARE(rows.at(22), QStringLiteral("Collection.DB|LimitedEdition|Limited Edition|T|T|T|dtBoolean|F|F"));
    QCOMPARE(rows.at(47), QStringLiteral("Collection.DB|Check3|Checkbox3|T|T|T|dtBoolean|F|F"));
    QCOMPARE(rows.at(48), QStringLiteral("Collection.DB|Image1|Image1|T|T|F|dtString|F|F"));
    QCOMPARE(rows.at(54), QStringLiteral("Collection.DB|Notes|Notes|T|F|F|dtMemo|F|F"));
}

QTEST_GUILESS_MAIN(TestDataModule)
#include "TestDataModule.moc"
