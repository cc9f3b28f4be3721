#include "common/TestDatabase.h"
#include "store/StoreError.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

class TestTable : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { db.reset(); }
    void filters_data();
    void filters();
    void badFilters_data();
    void badFilters();
    void listFilter();
    void stepping();
    void ordersAndLocate();
    void editingAndHooks();
    void deleteMakesNextCurrent();
    void editOnEmptyTableStartsRow();
    void insertRecordAndTypedColumns();
    void unchangedSaveKeepsRowExactly();
    void failedPostKeepsTypedValues();

private:
    QStringList names(Table &t);
    std::unique_ptr<TestDatabase> db;
};

void TestTable::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    const QString f = QStringLiteral("Figurines");
    db->addItem(f, {{"Name", "Bell"}, {"RetailPrice", "12.5"}, {"LimitedEdition", true}, {"Quantity", "5"}});
    db->addItem(f, {{"Name", "BELLS"}, {"RetailPrice", "12.55"}, {"Quantity", "50"}});
    db->addItem(f, {{"Name", "bell tower"}, {"Quantity", "5 pieces"}, {"LimitedEdition", false}});
    db->addItem(f, {{"Name", "Blue bell"}, {"RetailPrice", "-3"}});
    db->addItem(f, {{"Name", "O'Brien's jug"}, {"Check1", true}});
    db->addItem(QStringLiteral("Stamps"), {{"Name", "Bell stamp"}});
    db->addItem(QStringLiteral("Odd"), {{"Name", QStringLiteral("\U0001F514 ring")}});
}

QStringList TestTable::names(Table &t)
{
    QStringList result;
    for (t.first(); !t.eof(); t.next())
        result.append(t.fieldText(QStringLiteral("Name")));
    return result;
}

void TestTable::filters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QStringList>("expected");
    const QString figs = QStringLiteral("Collection = 'Figurines' And  ");
    QTest::newRow("collection") << "Collection = 'Figurines'"
                                << QStringList{"Bell", "bell tower", "BELLS", "Blue bell", "O'Brien's jug"};
    QTest::newRow("collection in other case")
        << "Collection = 'FIGURINES'" << QStringList{"Bell", "bell tower", "BELLS", "Blue bell", "O'Brien's jug"};
    QTest::newRow("prefix match across collections")
        << "Name = 'bell*'" << QStringList{"Bell", "Bell stamp", "bell tower", "BELLS"};
    QTest::newRow("find text clause") << figs + "Name = 'bell*'" << QStringList{"Bell", "bell tower", "BELLS"};
    QTest::newRow("lower-case and") << "Collection = 'Stamps' and Name = 'BELL STAMP'" << QStringList{"Bell stamp"};
    QTest::newRow("text number prefix") << figs + "Quantity = '5*'" << QStringList{"Bell", "bell tower", "BELLS"};
    QTest::newRow("money number") << figs + "RetailPrice = 12.5" << QStringList{"Bell"};
    QTest::newRow("money negative") << figs + "RetailPrice = -3" << QStringList{"Blue bell"};
    QTest::newRow("money zero matches unset") << figs + "RetailPrice = 0" << QStringList{"bell tower", "O'Brien's jug"};
    QTest::newRow("yes") << figs + "LimitedEdition = TRUE" << QStringList{"Bell"};
    QTest::newRow("no includes unset") << figs + "LimitedEdition = FALSE"
                                       << QStringList{"bell tower", "BELLS", "Blue bell", "O'Brien's jug"};
    QTest::newRow("check box") << figs + "Check1 = TRUE" << QStringList{"O'Brien's jug"};
    QTest::newRow("doubled apostrophe") << "Name = 'o''brien''s JUG'" << QStringList{"O'Brien's jug"};
    QTest::newRow("doubled apostrophe prefix") << figs + "Name = 'O''Br*'" << QStringList{"O'Brien's jug"};
    QTest::newRow("no match") << figs + "Name = 'zzz*'" << QStringList{};
    QTest::newRow("empty filter text is no filter") << "  " << QStringList{"Bell",
                                                                           "Bell stamp",
                                                                           "bell tower",
                                                                           "BELLS",
                                                                           "Blue bell",
                                                                           "O'Brien's jug",
                                                                           QStringLiteral("\U0001F514 ring")};
    QTest::newRow("prefix beyond the basic plane")
        << QStringLiteral("Name = '\U0001F514 r*'") << QStringList{QStringLiteral("\U0001F514 ring")};
}

void TestTable::filters()
{
    QFETCH(QString, filter);
    Table &t = *db->dm().CollectionsTable;
    t.setIndexName(QStringLiteral("Name"));
    t.setFilter(filter);
    t.setFiltered(true);
    t.open();
    QTEST(names(t), "expected");
    QCOMPARE(t.recordCount(), names(t).size());
}

void TestTable::badFilters_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("mentions");
    QTest::newRow("open quote") << "Name = 'abc"
                                << "not closed";
    QTest::newRow("number field with text") << "Collection = 'F' And  RetailPrice = abc"
                                            << "money";
    QTest::newRow("number with letters") << "RetailPrice = 12abc"
                                         << "12abc";
    QTest::newRow("yes/no with yes") << "LimitedEdition = yes"
                                     << "TRUE or FALSE";
    QTest::newRow("unknown column") << "Colour = 'red'"
                                    << "Colour";
    QTest::newRow("missing equals") << "Name 'x'"
                                    << "'='";
    QTest::newRow("or is not filter grammar") << "Name = 'a' or Name = 'b'"
                                              << "'and'";
    QTest::newRow("sql injection stays text") << "Name = 'x'; DROP TABLE Collection; --'"
                                              << "'and'";
}

void TestTable::badFilters()
{
    QFETCH(QString, filter);
    QFETCH(QString, mentions);
    Table &t = *db->dm().CollectionsTable;
    t.setFilter(filter);
    t.setFiltered(true);
    try {
        t.open();
        QFAIL("the filter was accepted");
    } catch (const StoreError &e) {
        QVERIFY2(e.text().contains(filter), qPrintable(e.text()));
        QVERIFY2(e.text().contains(mentions), qPrintable(e.text()));
    }
    QVERIFY(!t.isOpen());
    t.reset();
    t.open();
    QCOMPARE(t.recordCount(), 7);
}

void TestTable::listFilter()
{
    Table &lists = *db->dm().ListsTable;
    lists.open();
    lists.insertRecord({"Figurines", 1, "Red"});
    lists.insertRecord({"Figurines", 2, "Acme"});
    lists.insertRecord({"Stamps", 1, "Blue"});
    lists.insertRecord({"Figurines", 1, "Green"});
    lists.close();
    lists.setIndexName(QStringLiteral("Collection"));
    lists.setFilter(QStringLiteral("Collection = 'Figurines' and DataFieldNumber = 1"));
    lists.setFiltered(true);
    lists.open();
    QStringList values;
    for (lists.first(); !lists.eof(); lists.next())
        values.append(lists.fieldText(QStringLiteral("Values")));
    QCOMPARE(values, (QStringList{"Red", "Green"}));
}

void TestTable::stepping()
{
    Table &t = *db->dm().CollectionsTable;
    t.setFilter(QStringLiteral("Collection = 'Figurines'"));
    t.setFiltered(true);
    t.open();
    QVERIFY(t.bof());
    QVERIFY(!t.eof());
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Bell")); // primary order: as added
    t.last();
    QVERIFY(t.eof());
    QCOMPARE(t.fieldText("Name"), QStringLiteral("O'Brien's jug"));
    t.prior();
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Blue bell"));
    t.next();
    t.next();
    QVERIFY(t.eof());
    QCOMPARE(t.fieldText("Name"), QStringLiteral("O'Brien's jug"));
    t.first();
    t.prior();
    QVERIFY(t.bof());
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Bell"));
    t.close();
    QCOMPARE(t.fieldText("Name"), QString());
    QVERIFY_THROWS_EXCEPTION(StoreError, t.next());
}

void TestTable::ordersAndLocate()
{
    Table &t = *db->dm().CollectionsTable;
    t.setIndexName(QStringLiteral("Collection"));
    t.open();
    QCOMPARE(t.fieldText("Collection"), QStringLiteral("Figurines"));
    t.last();
    QCOMPARE(t.fieldText("Collection"), QStringLiteral("Stamps"));
    QVERIFY(t.locate(QStringLiteral("Name"), QStringLiteral("blue BELL"), true));
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Blue bell"));
    QVERIFY(!t.locate(QStringLiteral("Name"), QStringLiteral("blue BELL"), false));
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Blue bell"));
    t.next();
    QCOMPARE(t.fieldText("Name"), QStringLiteral("O'Brien's jug"));
    QVERIFY_THROWS_EXCEPTION(StoreError, t.setIndexName(QStringLiteral("Price")));
}

void TestTable::editingAndHooks()
{
    Table &t = *db->dm().CollectionsTable;
    int posts = 0;
    int deletes = 0;
    t.setAfterPost([&] { ++posts; });
    t.setAfterDelete([&] { ++deletes; });
    t.setIndexName(QStringLiteral("Name"));
    t.setFilter(QStringLiteral("Collection = 'Figurines'"));
    t.setFiltered(true);
    t.open();
    t.edit();
    t.setFieldText("Name", QStringLiteral("Zither"));
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Zither"));
    t.post();
    QCOMPARE(posts, 1);
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Zither"));
    t.next(); // the renamed row moved to the end of the name order
    QVERIFY(t.eof());
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Zither"));

    t.insert();
    t.setFieldText("Name", QStringLiteral("Anvil"));
    t.setFieldText("Collection", QStringLiteral("Figurines"));
    t.post();
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Anvil"));
    t.first();
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Anvil"));
    QCOMPARE(t.recordCount(), 6);

    t.edit();
    t.setFieldText("Name", QStringLiteral("Changed"));
    t.cancel();
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Anvil"));
    t.remove();
    QCOMPARE(deletes, 1);
    QVERIFY_THROWS_EXCEPTION(StoreError, t.setFieldText("Name", QStringLiteral("not editing")));
    t.reset();
    QVERIFY(!t.filtered());
    QCOMPARE(t.indexName(), QString());
}

void TestTable::deleteMakesNextCurrent()
{
    Table &t = *db->dm().CollectionsTable;
    t.setIndexName(QStringLiteral("Name"));
    t.setFilter(QStringLiteral("Collection = 'Figurines'"));
    t.setFiltered(true);
    t.open();
    t.next(); // bell tower
    t.remove();
    QCOMPARE(t.fieldText("Name"), QStringLiteral("BELLS"));
    QCOMPARE(t.recordCount(), 4);
    t.last();
    t.remove();
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Blue bell"));
    while (t.recordCount() > 0)
        t.remove();
    QVERIFY(t.eof());
    QVERIFY_THROWS_EXCEPTION(StoreError, t.remove());
}

void TestTable::editOnEmptyTableStartsRow()
{
    Table &options = *db->dm().OptionsTable;
    QSqlQuery(db->dm().database()).exec(QStringLiteral("DELETE FROM Options"));
    options.open();
    QVERIFY(options.eof());
    options.edit();
    QCOMPARE(options.state(), Table::State::Insert);
    options.setFieldText("ReportTitle", QStringLiteral("Mine"));
    options.post();
    options.close();
    options.open();
    QCOMPARE(options.recordCount(), 1);
    QCOMPARE(options.fieldText("ReportTitle"), QStringLiteral("Mine"));
}

void TestTable::insertRecordAndTypedColumns()
{
    Table &t = *db->dm().CollectionsTable;
    t.open();
    t.insertRecord({QVariant(), "Spoon", "Cutlery", "Silver"});
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Spoon"));
    QCOMPARE(t.fieldText("Series"), QStringLiteral("Silver"));
    QCOMPARE(t.fieldText("Manufacturer"), QString());
    QCOMPARE(t.fieldMoney("RetailPrice"), Money());
    QCOMPARE(t.fieldText("RetailPrice"), QString());
    QCOMPARE(t.fieldBool("Check3"), false);
    QCOMPARE(t.fieldText("Check3"), QString());
    QVERIFY(t.currentKey() > 0);

    t.edit();
    t.setFieldMoney("CurrentValue", *Money::fromText("99999999.9999"));
    t.setFieldText("PurchasePrice", QStringLiteral("-0.0001"));
    t.setFieldBool("Check3", true);
    t.post();
    QCOMPARE(t.fieldMoney("CurrentValue").toPlainString(), QStringLiteral("99999999.9999"));
    QCOMPARE(t.fieldText("PurchasePrice"), QStringLiteral("-0.0001"));
    QCOMPARE(t.fieldText("Check3"), QStringLiteral("True"));
    t.edit();
    QVERIFY_THROWS_EXCEPTION(StoreError, t.setFieldText("RetailPrice", QStringLiteral("abc")));
    QVERIFY_THROWS_EXCEPTION(StoreError, t.setFieldText("NoSuchColumn", QStringLiteral("x")));
    t.cancel();
}

void TestTable::unchangedSaveKeepsRowExactly()
{
    QSqlQuery raw(db->dm().database());
    QVERIFY(raw.exec(QStringLiteral("INSERT INTO Collection (Name, Collection, Series, Text1, RetailPrice, Check1) "
                                    "VALUES ('Raw', 'Figurines', '', NULL, NULL, 0)")));
    auto snapshot = [&] {
        QSqlQuery q(db->dm().database());
        q.exec(QStringLiteral("SELECT * FROM Collection WHERE Name = 'Raw'"));
        q.next();
        QStringList values;
        for (int i = 0; i < q.record().count(); ++i)
            values.append(q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
        return values;
    };
    const QStringList before = snapshot();
    Table &t = *db->dm().CollectionsTable;
    t.open();
    QVERIFY(t.locate("Name", QStringLiteral("Raw")));
    t.edit();
    for (const QString &column : FieldCatalogue::itemColumns()) {
        if (column == u"ID")
            continue;
        if (FieldCatalogue::isMoneyColumn(column))
            t.setFieldMoney(column, t.fieldMoney(column));
        else if (FieldCatalogue::isLogicalColumn(column))
            t.setFieldBool(column, t.fieldBool(column));
        else
            t.setFieldText(column, t.fieldText(column));
    }
    t.post();
    QCOMPARE(snapshot(), before);
}

void TestTable::failedPostKeepsTypedValues()
{
    QSqlQuery raw(db->dm().database());
    QVERIFY(raw.exec(QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON Collection "
                                    "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")));
    Table &t = *db->dm().CollectionsTable;
    t.open();
    t.insert();
    t.setFieldText("Name", QStringLiteral("Typed"));
    try {
        t.post();
        QFAIL("the insert was not refused");
    } catch (const StoreError &e) {
        QVERIFY2(e.text().contains(QStringLiteral("disk is full")), qPrintable(e.text()));
    }
    QCOMPARE(t.state(), Table::State::Insert);
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Typed"));
    t.cancel();
    QCOMPARE(t.recordCount(), 7);
}

QTEST_GUILESS_MAIN(TestTable)
#include "TestTable.moc"
