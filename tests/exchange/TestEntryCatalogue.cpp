#include "common/TestDatabase.h"
#include "exchange/EntryCatalogue.h"

#include <QSqlQuery>
#include <QTest>

class TestEntryCatalogue : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void entriesByPosition_data();
    void entriesByPosition();
    void labelsFromTheFieldSetup();
    void find_data();
    void find();
};

void TestEntryCatalogue::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestEntryCatalogue::entriesByPosition_data()
{
    QTest::addColumn<EntryCatalogue::Use>("use");
    QTest::addColumn<int>("size");
    QTest::newRow("export") << EntryCatalogue::Use::Export << 47;
    QTest::newRow("import") << EntryCatalogue::Use::Import << 57;
}

void TestEntryCatalogue::entriesByPosition()
{
    QFETCH(EntryCatalogue::Use, use);
    QFETCH(int, size);

    TestDatabase db;
    db.addCollection(QStringLiteral("Mugs"));
    const EntryCatalogue catalogue = EntryCatalogue::load(db.dm(), QStringLiteral("Mugs"), use);
    QCOMPARE(catalogue.size(), size);
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        QCOMPARE(catalogue.entry(n), FieldCatalogue::defaultLabel(n));
    QCOMPARE(catalogue.entry(46), QStringLiteral("Notes"));
    if (use == EntryCatalogue::Use::Import) {
        QCOMPARE(catalogue.entry(47), QStringLiteral("Ignore_Field01"));
        QCOMPARE(catalogue.entry(56), QStringLiteral("Ignore_Field10"));
    }
    QCOMPARE(catalogue.nameLabel(), QStringLiteral("Name"));
    QVERIFY(EntryCatalogue::isTarget(46) && !EntryCatalogue::isTarget(47) && !EntryCatalogue::isTarget(-1));
    QVERIFY(EntryCatalogue::isIgnore(47) && EntryCatalogue::isIgnore(56) && !EntryCatalogue::isIgnore(57));
}

// Positions stay data field numbers whatever the rows hold: renamed labels, a missing row, a row
// of a number out of range, a second row of one number.
void TestEntryCatalogue::labelsFromTheFieldSetup()
{
    TestDatabase db;
    db.addCollection(QStringLiteral("Mugs"));
    db.addCollection(QStringLiteral("Plates"));
    QSqlQuery q(db.dm().database());
    q.exec(QStringLiteral(
        "UPDATE FieldSetup SET DataFieldLabel = 'Maker' WHERE DataFieldNumber = 2 AND Collection = 'Mugs'"));
    q.exec(QStringLiteral(
        "UPDATE FieldSetup SET DataFieldLabel = 'Plate name' WHERE DataFieldNumber = 0 AND Collection = 'Plates'"));
    q.exec(QStringLiteral("DELETE FROM FieldSetup WHERE DataFieldNumber = 5 AND Collection = 'Mugs'"));
    q.exec(QStringLiteral(
        "INSERT INTO FieldSetup (Collection, DataFieldNumber, DataFieldLabel) VALUES ('Mugs', 99, 'Stray')"));
    q.exec(QStringLiteral(
        "INSERT INTO FieldSetup (Collection, DataFieldNumber, DataFieldLabel) VALUES ('Mugs', 7, 'Second')"));

    const EntryCatalogue catalogue = EntryCatalogue::load(db.dm(), QStringLiteral("mugs"), EntryCatalogue::Use::Import);
    QCOMPARE(catalogue.size(), 57);
    QCOMPARE(catalogue.entry(0), QStringLiteral("Name"));
    QCOMPARE(catalogue.entry(2), QStringLiteral("Maker"));
    QCOMPARE(catalogue.entry(5), FieldCatalogue::defaultLabel(5));
    QCOMPARE(catalogue.entry(7), FieldCatalogue::defaultLabel(7));
    QVERIFY(!catalogue.entries().contains(QStringLiteral("Stray")));
    QCOMPARE(db.dm().FieldSetupQuery->sql(), QStringList());
}

void TestEntryCatalogue::find_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("position");

    QTest::newRow("label") << "Retail Price" << 3;
    QTest::newRow("other case") << "RETAIL price" << 3;
    QTest::newRow("notes") << "notes" << 46;
    QTest::newRow("ignore entry") << "ignore_field03" << 49;
    QTest::newRow("first of two equal labels") << "Twin" << 21;
    QTest::newRow("blanks count") << " Retail Price" << -1;
    QTest::newRow("unknown") << "Colour" << -1;
}

void TestEntryCatalogue::find()
{
    QFETCH(QString, text);
    QFETCH(int, position);

    QStringList labels;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        labels.append(FieldCatalogue::defaultLabel(n));
    labels[21] = QStringLiteral("Twin");
    labels[22] = QStringLiteral("twin");
    const EntryCatalogue catalogue(labels, EntryCatalogue::Use::Import);
    QCOMPARE(catalogue.find(text), position);
}

QTEST_GUILESS_MAIN(TestEntryCatalogue)
#include "TestEntryCatalogue.moc"
