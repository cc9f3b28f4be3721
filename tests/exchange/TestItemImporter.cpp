#include "ExchangeFixture.h"
#include "RecordingStatusSink.h"
#include "collections/ListValues.h"
#include "exchange/ItemImporter.h"

#include <QSqlQuery>
#include <QTest>

using namespace ExchangeFixture;

class TestItemImporter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void targetRules_data();
    void targetRules();
    void unfedTargetsGetEmptyValues();
    void skippedColumns_data();
    void skippedColumns();
    void shortAndLongRows();
    void failedCheckWritesNothing_data();
    void failedCheckWritesNothing();
    void listValuesLearned();
    void statusEveryTenthRow();
    void oneInsertPerItem();
    void storeFailureKeepsRowsBefore();
    void checkAndWriteTakesEverythingBack_data();
    void checkAndWriteTakesEverythingBack();
    void needsNameColumn();
};

namespace {

const QString Mugs = QStringLiteral("Mugs");

struct Fixture
{
    Fixture()
    {
        db.addCollection(Mugs);
        catalogue = EntryCatalogue::load(db.dm(), Mugs, EntryCatalogue::Use::Import);
    }

    ImportResult import(const QStringList &labels, const QList<QStringList> &rows)
    {
        ItemImporter importer(db.dm(), Mugs);
        importer.setColumns(columns(catalogue, labels));
        return importer.run(rowsOf(rows));
    }

    QStringList listValues(const QString &collection = Mugs)
    {
        QStringList values;
        QSqlQuery q(db.dm().database());
        q.prepare(QStringLiteral("SELECT DataFieldNumber, \"Values\" FROM Lists WHERE Collection = ? ORDER BY rowid"));
        q.addBindValue(collection);
        q.exec();
        while (q.next())
            values.append(q.value(0).toString() + u':' + q.value(1).toString());
        return values;
    }

    TestDatabase db;
    EntryCatalogue catalogue{QStringList(), EntryCatalogue::Use::Import};
};

} // namespace

void TestItemImporter::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestItemImporter::targetRules_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("stored");

    const QString fortyFive(45, u'n');
    QTest::newRow("name cut to 40") << "Name" << fortyFive << "Name" << fortyFive.left(40);
    const QString letterPair = QString(39, u'a') + QStringLiteral("😀");
    QTest::newRow("cut never splits a letter") << "Name" << letterPair << "Name" << QString(39, u'a');
    QTest::newRow("name keeps blanks") << "Name"
                                       << "  Mug "
                                       << "Name"
                                       << "  Mug ";
    QTest::newRow("list field cut to 30") << "Series" << QString(35, u's') << "Series" << QString(30, u's');
    QTest::newRow("text cut to 30") << "Text1" << QString(31, u't') << "Text1" << QString(30, u't');
    QTest::newRow("date is text") << "Purchase Date"
                                  << "12/31/2023"
                                  << "PurchaseDate"
                                  << "12/31/2023";
    QTest::newRow("measure cut to 3") << "DMeasurement"
                                      << "Inches"
                                      << "DMeasure"
                                      << "Inc";
    QTest::newRow("money currency text") << "Retail Price"
                                         << "$1,234.50"
                                         << "RetailPrice"
                                         << "1234.50";
    QTest::newRow("money keeps minus") << "Retail Price"
                                       << "-5"
                                       << "RetailPrice"
                                       << "-5.00";
    QTest::newRow("money negative currency") << "Money1"
                                             << "-$1,234.56"
                                             << "Money1"
                                             << "-1234.56";
    QTest::newRow("money parentheses") << "Money2"
                                       << "($5.25)"
                                       << "Money2"
                                       << "-5.25";
    QTest::newRow("money tiny") << "Insured Value"
                                << "0.0001"
                                << "InsuredValue"
                                << "0.0001";
    QTest::newRow("money two points") << "Money3"
                                      << "1.2.3"
                                      << "Money3"
                                      << "0.00";
    QTest::newRow("money letters") << "Current Value"
                                   << "abc"
                                   << "CurrentValue"
                                   << "0.00";
    QTest::newRow("money empty") << "Purchase Price"
                                 << ""
                                 << "PurchasePrice"
                                 << "0.00";
    QTest::newRow("yes") << "Limited Edition"
                         << "yes"
                         << "LimitedEdition"
                         << "True";
    QTest::newRow("True") << "Checkbox1"
                          << "True"
                          << "Check1"
                          << "True";
    QTest::newRow("1") << "Checkbox2"
                       << "1"
                       << "Check2"
                       << "True";
    QTest::newRow("10") << "Checkbox3"
                        << "10"
                        << "Check3"
                        << "True";
    QTest::newRow("no") << "Limited Edition"
                        << "no"
                        << "LimitedEdition"
                        << "False";
    QTest::newRow("x") << "Limited Edition"
                       << "x"
                       << "LimitedEdition"
                       << "False";
    QTest::newRow("empty yes/no") << "Limited Edition"
                                  << ""
                                  << "LimitedEdition"
                                  << "False";
    QTest::newRow("blank before yes") << "Limited Edition"
                                      << " yes"
                                      << "LimitedEdition"
                                      << "False";
    const QString notes = QStringLiteral("Line one,\r\nline \"two\"\nline three ") + QString(5000, u'x');
    QTest::newRow("notes whole") << "Notes" << notes << "Notes" << notes;
    QTest::newRow("label in other case") << "retail PRICE"
                                         << "7.25"
                                         << "RetailPrice"
                                         << "7.25";
}

void TestItemImporter::targetRules()
{
    QFETCH(QString, label);
    QFETCH(QString, value);
    QFETCH(QString, column);
    QFETCH(QString, stored);

    Fixture f;
    const bool nameOnly = column == u"Name";
    const QStringList labels = nameOnly ? QStringList{label} : QStringList{QStringLiteral("Name"), label};
    const QStringList row = nameOnly ? QStringList{value} : QStringList{QStringLiteral("Mug"), value};
    const ImportResult result = f.import(labels, {row});
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(result.rowsWritten, 1);
    const QList<QVariantMap> items = ExchangeFixture::items(f.db.dm(), Mugs);
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.front().value(column).toString(), stored);
}

void TestItemImporter::unfedTargetsGetEmptyValues()
{
    Fixture f;
    QVERIFY(f.import({QStringLiteral("Name")}, {{QStringLiteral("Mug")}}).ok);
    const QVariantMap item = items(f.db.dm(), Mugs).value(0);
    for (const QString &column : itemColumns()) {
        QString expected;
        if (column == u"Name")
            expected = QStringLiteral("Mug");
        else if (column == u"Collection")
            expected = Mugs;
        else if (FieldCatalogue::isMoneyColumn(column))
            expected = QStringLiteral("0.00");
        else if (FieldCatalogue::isLogicalColumn(column))
            expected = QStringLiteral("False");
        QCOMPARE(item.value(column).toString(), expected);
    }
    QCOMPARE(count(f.db.dm(), QStringLiteral("SELECT count(*) FROM Collection WHERE Image1 IS NOT NULL")), 0);
}

void TestItemImporter::skippedColumns_data()
{
    QTest::addColumn<QString>("label");
    QTest::newRow("Ignore_Field01") << "Ignore_Field01";
    QTest::newRow("Ignore_Field10") << "Ignore_Field10";
    QTest::newRow("no such entry") << "Colour";
    QTest::newRow("label with blanks at its ends") << " Series ";
}

// A skipped column feeds nothing, and the columns after it still feed their own fields.
void TestItemImporter::skippedColumns()
{
    QFETCH(QString, label);
    Fixture f;
    // A field whose label has blanks at its ends matches no entry once the heading is trimmed.
    QSqlQuery q(f.db.dm().database());
    q.exec(QStringLiteral("UPDATE FieldSetup SET DataFieldLabel = ' Series ' WHERE DataFieldNumber = 1"));
    f.catalogue = EntryCatalogue::load(f.db.dm(), Mugs, EntryCatalogue::Use::Import);

    ItemImporter importer(f.db.dm(), Mugs);
    importer.setColumns({{QStringLiteral(" Name"), 0},
                         {u' ' + label, f.catalogue.find((u' ' + label).trimmed())},
                         {QStringLiteral(" Text1"), f.catalogue.find(QStringLiteral("Text1"))}});
    QVERIFY(importer.run(rowsOf({{QStringLiteral("Mug"), QStringLiteral("Skipped"), QStringLiteral("Kept")}})).ok);
    const QVariantMap item = items(f.db.dm(), Mugs).value(0);
    QCOMPARE(item.value(QStringLiteral("Text1")).toString(), QStringLiteral("Kept"));
    for (const QString &column : itemColumns())
        QVERIFY2(item.value(column).toString() != u"Skipped", qPrintable(column));
}

void TestItemImporter::shortAndLongRows()
{
    Fixture f;
    const ImportResult result = f.import({QStringLiteral("Name"), QStringLiteral("Series"), QStringLiteral("Text1")},
                                         {{QStringLiteral("Short")}, {"Long", "S", "T", "extra", "more"}});
    QVERIFY(result.ok);
    const QList<QVariantMap> items = ExchangeFixture::items(f.db.dm(), Mugs);
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0].value(QStringLiteral("Series")).toString(), QString());
    QCOMPARE(items[1].value(QStringLiteral("Series")).toString(), QStringLiteral("S"));
    QCOMPARE(items[1].value(QStringLiteral("Text1")).toString(), QStringLiteral("T"));
}

void TestItemImporter::failedCheckWritesNothing_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("message");

    // Columns: Retail Price, Series, Name.
    QTest::newRow("empty name in row 3") << QList<QStringList>{{"1", "New", "A"},
                                                               {"2", "New", "B"},
                                                               {"3", "New", ""},
                                                               {"4", "New", "D"}}
                                         << "Missing  Name in Row 3";
    QTest::newRow("row too short for the name")
        << QList<QStringList>{{"1", "New", "A"}, {"2", "New"}} << "Missing  Name in Row 2";
    QTest::newRow("amount too large") << QList<QStringList>{{"1", "New", "A"}, {"99999999999999999999", "New", "B"}}
                                      << "Conversion Error in Row 2, Column  Retail Price";
}

void TestItemImporter::failedCheckWritesNothing()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, message);

    Fixture f;
    RecordingStatusSink status;
    const ImportResult result =
        f.import({QStringLiteral("Retail Price"), QStringLiteral("Series"), QStringLiteral("Name")}, rows);
    QVERIFY(!result.ok);
    QVERIFY(result.rowMessage);
    QCOMPARE(result.error, message);
    QCOMPARE(result.rowsWritten, 0);
    QCOMPARE(count(f.db.dm(), QStringLiteral("SELECT count(*) FROM Collection")), 0);
    QVERIFY(f.listValues().isEmpty());
    QCOMPARE(status.current, QStringLiteral("Validating data"));
}

void TestItemImporter::listValuesLearned()
{
    Fixture f;
    f.db.addCollection(QStringLiteral("Plates"));
    ListValues::LearnListValue(f.db.dm(), Mugs, 13, QStringLiteral("Green"));
    ListValues::LearnListValue(f.db.dm(), QStringLiteral("Plates"), 1, QStringLiteral("Blue"));

    const ImportResult result =
        f.import({QStringLiteral("Name"), QStringLiteral("Series"), QStringLiteral("Color"), QStringLiteral("List5")},
                 {{"A", "Blue", "green", ""},
                  {"B", "blue", "Red", ""},
                  {"C", "Blue ", "RED", QString(35, u'v')},
                  {"D", "", "Red", QString(35, u'v')}});
    QVERIFY2(result.ok, qPrintable(result.error));
    // Known values in any case are not learned again, nor empty ones; a trailing blank makes a new
    // value; another collection's lists do not count; values are cut to 30 like the field.
    QCOMPARE(f.listValues(), QStringList({"13:Green", "1:Blue", "13:Red", "1:Blue ", "32:" + QString(30, u'v')}));
    QCOMPARE(f.listValues(QStringLiteral("Plates")), QStringList({"1:Blue"}));

    // Importing the same rows again learns nothing more.
    QVERIFY(f.import({QStringLiteral("Name"), QStringLiteral("Series")}, {{"E", "BLUE"}}).ok);
    QCOMPARE(f.listValues().size(), 5);
}

void TestItemImporter::statusEveryTenthRow()
{
    Fixture f;
    RecordingStatusSink status;
    QList<QStringList> rows;
    for (int i = 1; i <= 25; ++i)
        rows.append({QStringLiteral("Item %1").arg(i)});
    QVERIFY(f.import({QStringLiteral("Name")}, rows).ok);
    QCOMPARE(status.shown, QStringList({"Validating data", "Importing row 10", "Importing row 20"}));
}

// Each row becomes one new item with an identity of its own; no placeholder row is ever stored.
void TestItemImporter::oneInsertPerItem()
{
    Fixture f;
    f.db.addItem(Mugs, {{QStringLiteral("Name"), QStringLiteral("Existing")}});
    QSqlQuery q(f.db.dm().database());
    q.exec(QStringLiteral("CREATE TEMP TABLE Seen (Name TEXT, Collection TEXT)"));
    q.exec(QStringLiteral("CREATE TEMP TRIGGER Watch AFTER INSERT ON Collection BEGIN "
                          "INSERT INTO Seen VALUES (NEW.Name, NEW.Collection); END"));
    q.exec(QStringLiteral("CREATE TEMP TRIGGER NoUpdates BEFORE UPDATE ON Collection BEGIN "
                          "SELECT RAISE(ABORT, 'an item was changed after its insert'); END"));

    const ImportResult result = f.import({QStringLiteral("Name")}, {{"One"}, {"Two"}, {"Three"}});
    QVERIFY2(result.ok, qPrintable(result.error));
    QCOMPARE(count(f.db.dm(), QStringLiteral("SELECT count(*) FROM Seen")), 3);
    QCOMPARE(count(f.db.dm(), QStringLiteral("SELECT count(*) FROM Seen WHERE Collection <> 'Mugs'")), 0);
    QCOMPARE(count(f.db.dm(), QStringLiteral("SELECT count(DISTINCT ID) FROM Collection")), 4);
}

void TestItemImporter::storeFailureKeepsRowsBefore()
{
    Fixture f;
    QSqlQuery q(f.db.dm().database());
    QVERIFY(q.exec(QStringLiteral("CREATE TEMP TRIGGER Refuse BEFORE INSERT ON Collection WHEN NEW.Name = 'Boom' "
                                  "BEGIN SELECT RAISE(ABORT, 'refused by the test'); END")));
    const ImportResult result = f.import({QStringLiteral("Name"), QStringLiteral("Series")},
                                         {{"A", "S1"}, {"B", "S2"}, {"C", "S3"}, {"Boom", "S4"}, {"E", "S5"}});
    QVERIFY(!result.ok);
    QVERIFY(!result.rowMessage);
    QCOMPARE(result.rowsWritten, 3);
    QVERIFY2(result.error.startsWith(QStringLiteral("Row 4 could not be added to the collection: ")),
             qPrintable(result.error));
    QVERIFY(result.error.contains(QStringLiteral("refused by the test")));
    QCOMPARE(items(f.db.dm(), Mugs).size(), 3);
    // Values are learned while a row is read, before it is written.
    QCOMPARE(f.listValues(), QStringList({"1:S1", "1:S2", "1:S3", "1:S4"}));
}

void TestItemImporter::checkAndWriteTakesEverythingBack_data()
{
    QTest::addColumn<QList<QStringList>>("rows");
    QTest::addColumn<QString>("lastCheck");
    QTest::addColumn<QString>("message");

    const QList<QStringList> good{{"A", "1.50"}, {"B", "2"}, {"C", "$3.00"}};
    QTest::newRow("all good") << good << ""
                              << "";
    QTest::newRow("missing name in the last row") << QList<QStringList>{{"A", "1"}, {"B", "2"}, {"", "3"}} << ""
                                                  << "Missing  Name in Row 3";
    QTest::newRow("amount too large") << QList<QStringList>{{"A", "1"}, {"B", "123456789012345678901"}} << ""
                                      << "Conversion Error in Row 2, Column  Retail Price";
    QTest::newRow("refused after the last row") << good << "The file is cut short."
                                                << "The file is cut short.";
}

void TestItemImporter::checkAndWriteTakesEverythingBack()
{
    QFETCH(QList<QStringList>, rows);
    QFETCH(QString, lastCheck);
    QFETCH(QString, message);

    Fixture f;
    ItemImporter importer(f.db.dm(), Mugs);
    QList<ImportColumn> cols =
        columns(f.catalogue, {QStringLiteral("Name"), QStringLiteral("Retail Price"), QStringLiteral("Series")});
    importer.setColumns(cols);
    QList<QStringList> withLists = rows;
    for (QStringList &row : withLists) {
        while (row.size() < 2)
            row.append(QString());
        row.append(QStringLiteral("Learned"));
    }
    const ImportResult result = importer.checkAndWrite(rowsOf(withLists), [&lastCheck] { return lastCheck; });
    QCOMPARE(result.ok, message.isEmpty());
    QCOMPARE(result.error, message);
    const int expected = message.isEmpty() ? int(rows.size()) : 0;
    QCOMPARE(result.rowsWritten, expected);
    QCOMPARE(items(f.db.dm(), Mugs).size(), expected);
    QCOMPARE(f.listValues().size(), message.isEmpty() ? 1 : 0);
}

void TestItemImporter::needsNameColumn()
{
    Fixture f;
    const ImportResult result = f.import({QStringLiteral("Series")}, {{QStringLiteral("S")}});
    QVERIFY(!result.ok);
    QVERIFY(!result.rowMessage);
    QVERIFY(result.error.contains(QStringLiteral("Name field")));
    QCOMPARE(count(f.db.dm(), QStringLiteral("SELECT count(*) FROM Collection")), 0);
}

QTEST_GUILESS_MAIN(TestItemImporter)
#include "TestItemImporter.moc"
