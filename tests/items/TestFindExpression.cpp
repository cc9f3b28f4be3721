#include "common/TestDatabase.h"
#include "items/FindExpression.h"
#include "store/StoreError.h"

#include <QTest>

class TestFindExpression : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void entriesSkipMeasureUnits_data();
    void entriesSkipMeasureUnits();
    void entryLabels();
    void expressions_data();
    void expressions();
    void notTrueOrFalse_data();
    void notTrueOrFalse();
    void matches_data();
    void matches();
    void badNumberCannotBeUsed();
};

void TestFindExpression::entriesSkipMeasureUnits_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("kind");
    const int text = int(FindExpression::ClauseKind::Text);
    const int number = int(FindExpression::ClauseKind::Number);
    const int yesNo = int(FindExpression::ClauseKind::YesNo);
    QTest::newRow("Name") << 0 << 0 << text;
    QTest::newRow("RetailPrice") << 3 << 3 << number;
    QTest::newRow("InsuredValue") << 6 << 6 << number;
    QTest::newRow("Quantity") << 14 << 14 << text;
    QTest::newRow("Dimensions") << 15 << 15 << text;
    QTest::newRow("Weight") << 16 << 17 << text;
    QTest::newRow("Material") << 17 << 19 << text;
    QTest::newRow("LimitedEdition") << 18 << 20 << yesNo;
    QTest::newRow("Text1") << 19 << 21 << text;
    QTest::newRow("List5") << 30 << 32 << text;
    QTest::newRow("Number1") << 31 << 33 << text;
    QTest::newRow("Money1") << 35 << 37 << number;
    QTest::newRow("Money3") << 37 << 39 << number;
    QTest::newRow("Date3") << 40 << 42 << text;
    QTest::newRow("Check1") << 41 << 43 << yesNo;
    QTest::newRow("Check3") << 43 << 45 << yesNo;
}

void TestFindExpression::entriesSkipMeasureUnits()
{
    QFETCH(int, position);
    QFETCH(int, field);
    QFETCH(int, kind);
    QCOMPARE(FindExpression::fieldOfEntry(position), field);
    QCOMPARE(int(FindExpression::clauseKind(position)), kind);
}

void TestFindExpression::entryLabels()
{
    QStringList labels;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        labels.append(QStringLiteral("Label %1").arg(n));
    const QStringList entries = FindExpression::entryLabels(labels);
    QCOMPARE(entries.size(), 44);
    QVERIFY(!entries.contains(QStringLiteral("Label 16")));
    QVERIFY(!entries.contains(QStringLiteral("Label 18")));
    QCOMPARE(entries.first(), QStringLiteral("Label 0"));
    QCOMPARE(entries[16], QStringLiteral("Label 17"));
    QCOMPARE(entries.last(), QStringLiteral("Label 45"));
}

void TestFindExpression::expressions_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    const QString start = QStringLiteral("Collection = 'Figurines' And  ");
    QTest::newRow("text") << 0 << "abc" << start + "Name = 'abc*'";
    QTest::newRow("text as typed") << 1 << " Big  Ben " << start + "Series = ' Big  Ben *'";
    QTest::newRow("apostrophe doubled") << 0 << "O'Brien's" << start + "Name = 'O''Brien''s*'";
    QTest::newRow("quantity as text") << 14 << "5" << start + "Quantity = '5*'";
    QTest::newRow("date as text") << 8 << "12/01" << start + "PurchaseDate = '12/01*'";
    QTest::newRow("custom number as text") << 31 << "10" << start + "Number1 = '10*'";
    QTest::newRow("money") << 3 << "12.5" << start + "RetailPrice = 12.5";
    QTest::newRow("custom money") << 36 << "10" << start + "Money2 = 10";
    QTest::newRow("money verbatim") << 4 << "abc" << start + "PurchasePrice = abc";
    QTest::newRow("yes/no upper-cased") << 18 << "true" << start + "LimitedEdition = TRUE";
    QTest::newRow("custom yes/no") << 41 << "False" << start + "Check1 = FALSE";
    QTest::newRow("last entry") << 43 << "TRUE" << start + "Check3 = TRUE";
}

void TestFindExpression::expressions()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QString error;
    const std::optional<QString> expression =
        FindExpression::build(QStringLiteral("Figurines"), position, text, &error);
    QVERIFY2(expression, qPrintable(error));
    QCOMPARE(*expression, expected);
}

void TestFindExpression::notTrueOrFalse_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("yes") << 18 << "yes";
    QTest::newRow("one") << 42 << "1";
    QTest::newRow("blank before") << 18 << " true";
    QTest::newRow("prefix") << 43 << "TR";
}

void TestFindExpression::notTrueOrFalse()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QString error;
    QVERIFY(!FindExpression::build(QStringLiteral("Figurines"), position, text, &error));
    QCOMPARE(error, QStringLiteral("This field must be TRUE or FALSE"));
}

void TestFindExpression::matches_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("name prefix in any case") << 0 << "BEL" << QStringList{"Bell", "bell tower"};
    QTest::newRow("apostrophe") << 0 << "o'brien" << QStringList{"O'Brien's jug"};
    QTest::newRow("money exactly") << 3 << "10" << QStringList{"Bell"};
    QTest::newRow("text prefix") << 14 << "10" << QStringList{"Bell", "bell tower", "Blue bell"};
    QTest::newRow("yes") << 18 << "true" << QStringList{"Bell"};
    QTest::newRow("no takes unset too") << 18 << "false" << QStringList{"bell tower", "Blue bell", "O'Brien's jug"};
    QTest::newRow("custom yes/no") << 41 << "TRUE" << QStringList{"O'Brien's jug"};
    QTest::newRow("nothing") << 0 << "x" << QStringList{};
}

void TestFindExpression::matches()
{
    QFETCH(int, position);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TestDatabase db;
    QVERIFY(db.opened);
    const QString f = QStringLiteral("Figurines");
    db.addItem(f, {{"Name", "Bell"}, {"RetailPrice", "10"}, {"Quantity", "10"}, {"LimitedEdition", true}});
    db.addItem(f, {{"Name", "bell tower"}, {"RetailPrice", "100"}, {"Quantity", "100 pieces"}});
    db.addItem(f, {{"Name", "Blue bell"}, {"RetailPrice", "10.01"}, {"Quantity", "10"}, {"LimitedEdition", false}});
    db.addItem(f, {{"Name", "O'Brien's jug"}, {"Check1", true}});
    db.addItem(QStringLiteral("Stamps"), {{"Name", "Bell stamp"}, {"RetailPrice", "10"}, {"LimitedEdition", true}});

    QString error;
    const std::optional<QString> expression = FindExpression::build(f, position, text, &error);
    QVERIFY2(expression, qPrintable(error));
    Table &items = *db.dm().CollectionsTable;
    items.setIndexName(QStringLiteral("Name"));
    items.setFilter(*expression);
    items.setFiltered(true);
    items.open();
    QStringList names;
    for (items.first(); !items.eof(); items.next())
        names.append(items.fieldText(QStringLiteral("Name")));
    items.reset();
    QCOMPARE(names, expected);
}

void TestFindExpression::badNumberCannotBeUsed()
{
    TestDatabase db;
    QVERIFY(db.opened);
    QString error;
    const std::optional<QString> expression =
        FindExpression::build(QStringLiteral("Figurines"), 3, QStringLiteral("ten"), &error);
    QVERIFY(expression);
    Table &items = *db.dm().CollectionsTable;
    items.setFilter(*expression);
    items.setFiltered(true);
    QVERIFY_THROWS_EXCEPTION(StoreError, items.open());
    items.reset();
}

QTEST_GUILESS_MAIN(TestFindExpression)
#include "TestFindExpression.moc"
