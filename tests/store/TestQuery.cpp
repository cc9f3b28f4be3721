#include "common/TestDatabase.h"
#include "store/StoreError.h"

#include <QTest>

class TestQuery : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { db.reset(); }
    void statements_data();
    void statements();
    void badStatements_data();
    void badStatements();
    void importerUpdate();
    void deleteStatement();

private:
    std::unique_ptr<TestDatabase> db;
};

void TestQuery::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(QStringLiteral("Figurines"));
    db->addCollection(QStringLiteral("Stamps"));
    db->addItem("Figurines", {{"Name", "apple"}, {"RetailPrice", "1.25"}, {"CurrentValue", "2"}});
    db->addItem("Figurines", {{"Name", "Anchor"}, {"RetailPrice", "10"}});
    db->addItem("Figurines", {{"Name", "bell"}});
    db->addItem("Stamps", {{"Name", "Penny Black"}, {"RetailPrice", "1000.5"}});
}

using Params = QVariantMap;

void TestQuery::statements_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<Params>("params");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("expected"); // column values of every row, in order

    QTest::newRow("default items statement") << QStringList{"select * from collection", "Order By Name"} << Params{}
                                             << "Name" << QStringList{"Anchor", "apple", "bell", "Penny Black"};
    QTest::newRow("layout page 1") << QStringList{"Select * From FieldSetup",
                                                  "Where Collection = :CollectionName and DataFieldNumber < 21",
                                                  "Order By TopPosition, LeftPosition"}
                                   << Params{{"CollectionName", "Stamps"}} << "DataFieldNumber"
                                   << QStringList{"0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9", "10",
                                                  "11", "12", "13", "14", "15", "16", "17", "18", "19", "20"};
    QTest::newRow("list field labels")
        << QStringList{"Select * From FieldSetup",  "Where Collection = :CollectionName", "And (DataFieldNumber = 1",
                       "Or   DataFieldNumber = 2",  "Or   DataFieldNumber = 10",          "Or   DataFieldNumber = 11",
                       "Or   DataFieldNumber = 12", "Or   DataFieldNumber = 13",          "Or   DataFieldNumber = 19",
                       "Or   DataFieldNumber = 28", "Or   DataFieldNumber = 29",          "Or   DataFieldNumber = 30",
                       "Or   DataFieldNumber = 31", "Or   DataFieldNumber = 32)",         "Order by DataFieldNumber"}
        << Params{{"CollectionName", "Figurines"}} << "DataFieldLabel"
        << QStringList{"Series",   "Manufacturer", "Item Condition", "Box Condition", "Location", "Color",
                       "Material", "List1",        "List2",          "List3",         "List4",    "List5"};
    QTest::newRow("report by collection")
        << QStringList{"Select * From Collection", "Where Collection = :Collection", "Order By Name"}
        << Params{{"Collection", "Figurines"}} << "RetailPrice" << QStringList{"10.00", "1.25", ""};
    QTest::newRow("single item by id") << QStringList{"Select * From Collection", "Where ID = :ID"} << Params{{"ID", 2}}
                                       << "Name" << QStringList{"Anchor"};
    QTest::newRow("value details over collections")
        << QStringList{"Select Collection, Name, RetailPrice, PurchasePrice, CurrentValue, InsuredValue From "
                       "Collection",
                       "Order By Collection, Name"}
        << Params{} << "Name" << QStringList{"Anchor", "apple", "bell", "Penny Black"};
    QTest::newRow("alphabetical page with like")
        << QStringList{"Select Name, Series, Manufacturer, RetailPrice", "From Collection",
                       "Where (Collection = :Collection) And", "(Name Like :LowerName or Name Like :UpperName)",
                       "Order By Name"}
        << Params{{"Collection", "Figurines"}, {"LowerName", "a%"}, {"UpperName", "A%"}} << "Name"
        << QStringList{"Anchor", "apple"};
    QTest::newRow("less and greater than, table name in any case")
        << QStringList{"select DataFieldLabel from FIELDSETUP", "where DataFieldNumber > 42 and DataFieldNumber < 45",
                       "and Collection = :c"}
        << Params{{"c", "stamps"}} << "DataFieldLabel" << QStringList{"Checkbox1", "Checkbox2"};
}

void TestQuery::statements()
{
    QFETCH(QStringList, lines);
    QFETCH(Params, params);
    QFETCH(QString, column);
    QFETCH(QStringList, expected);
    Query &q = *db->dm().CollectionsQuery;
    q.setSql(lines);
    q.prepare();
    for (auto it = params.cbegin(); it != params.cend(); ++it) {
        if (it.value().typeId() == QMetaType::Int)
            q.setParamInt(it.key(), it.value().toInt());
        else
            q.setParamText(it.key(), it.value().toString());
    }
    q.open();
    QStringList values;
    for (; !q.eof(); q.next())
        values.append(q.fieldText(column));
    QCOMPARE(values, expected);
    QCOMPARE(q.recordCount(), expected.size());
    q.first();
    QCOMPARE(q.eof(), expected.isEmpty());
    q.close();
    q.unprepare();
}

void TestQuery::badStatements_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << QStringList{};
    QTest::newRow("unknown table") << QStringList{"select * from Nowhere"};
    QTest::newRow("syntax") << QStringList{"select * form Collection"};
}

void TestQuery::badStatements()
{
    QFETCH(QStringList, lines);
    Query &q = *db->dm().FieldSetupQuery;
    q.setSql(lines);
    try {
        q.open();
        QFAIL("the statement ran");
    } catch (const StoreError &e) {
        QVERIFY2(e.text().contains(lines.join(u'\n')), qPrintable(e.text()));
    }
    QVERIFY(!q.isOpen());
    q.setSql({"select * from FieldSetup"});
    q.open();
    QCOMPARE(q.recordCount(), 92);
}

void TestQuery::importerUpdate()
{
    const QStringList lines = TDataModule1::importerStatement();
    QCOMPARE(lines.first(), QStringLiteral("update collection"));
    QCOMPARE(lines.at(1), QStringLiteral("set"));
    QCOMPARE(lines.at(2), QStringLiteral("Name = :Name,"));
    QCOMPARE(lines.at(3), QStringLiteral("Collection = :Collection,"));
    const int weight = int(lines.indexOf(QStringLiteral("Weight = :Weight,")));
    QCOMPARE(lines.at(weight + 1), QStringLiteral("DMeasure = :DMeasure,"));
    QCOMPARE(lines.at(weight + 2), QStringLiteral("WMeasure = :WMeasure,"));
    QCOMPARE(lines.at(lines.size() - 3), QStringLiteral("Notes = :Notes"));
    QCOMPARE(lines.last(), QStringLiteral("ID = :ID"));
    QCOMPARE(lines.size(), 2 + 48 + 2); // update, set, 48 assignments, where, ID

    Query &q = *db->dm().ImporterQuery;
    QCOMPARE(q.sql(), lines);
    q.prepare();
    for (const QString &column : FieldCatalogue::itemColumns()) {
        if (column != u"ID" && !column.startsWith(u"Image"))
            q.setParamText(column, QString());
    }
    q.setParamText("Name", QStringLiteral("Updated"));
    q.setParamText("Collection", QStringLiteral("Figurines"));
    q.setParamText("RetailPrice", QStringLiteral("-12.3456"));
    q.setParamText("Check2", QStringLiteral("True"));
    q.setParamText("Notes", QStringLiteral("line 1\nline 2"));
    q.setParamInt("ID", 3);
    QCOMPARE(q.execSql(), 1);

    Table &t = *db->dm().CollectionsTable;
    t.open();
    QVERIFY(t.locate("ID", 3));
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Updated"));
    QCOMPARE(t.fieldMoney("RetailPrice").toPlainString(), QStringLiteral("-12.3456"));
    QCOMPARE(t.fieldBool("Check2"), true);
    QCOMPARE(t.fieldText("Notes"), QStringLiteral("line 1\nline 2"));
}

void TestQuery::deleteStatement()
{
    Query &q = *db->dm().FieldSetupQuery;
    q.setSql({"Delete From FieldSetup Where Collection = :CollName"});
    q.prepare();
    q.setParamText("CollName", QStringLiteral("Stamps"));
    QCOMPARE(q.execSql(), 46);
    q.unprepare();
    q.clearSql();
    q.setSql({"select * from FieldSetup"});
    q.open();
    QCOMPARE(q.recordCount(), 46);
}

QTEST_GUILESS_MAIN(TestQuery)
#include "TestQuery.moc"
