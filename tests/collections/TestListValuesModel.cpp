#include "collections/ListValuesModel.h"
#include "common/TestDatabase.h"

#include <QAbstractItemModelTester>
#include <QSqlQuery>
#include <QTest>

class TestListValuesModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void showsOneFieldOfOneCollection_data();
    void showsOneFieldOfOneCollection();
    void removeValue();
    void failedRemoveKeepsRow();
    void closeResetsListTable();

private:
    QStringList shown(const ListValuesModel &model);
    void exec(const QString &sql);
    std::unique_ptr<TestDatabase> db;
};

void TestListValuesModel::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    exec("INSERT INTO Lists (Collection, DataFieldNumber, \"Values\") VALUES "
         "('Plates', 1, 'Willow'), ('Plates', 2, 'Spode'), ('Plates', 1, 'Asiatic'), ('Stamps', 1, 'Penny'), "
         "('Plates', 32, 'Floral'), ('PLATES', 1, 'Rose')");
}

void TestListValuesModel::exec(const QString &sql)
{
    QSqlQuery q(db->dm().database());
    QVERIFY2(q.exec(sql), qPrintable(sql));
}

QStringList TestListValuesModel::shown(const ListValuesModel &model)
{
    QStringList values;
    for (int row = 0; row < model.rowCount(); ++row)
        values.append(model.data(model.index(row, 0)).toString());
    return values;
}

void TestListValuesModel::showsOneFieldOfOneCollection_data()
{
    QTest::addColumn<QString>("collection");
    QTest::addColumn<int>("field");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("Series") << "Plates" << 1 << QStringList{"Willow", "Asiatic", "Rose"};
    QTest::newRow("Manufacturer") << "Plates" << 2 << QStringList{"Spode"};
    QTest::newRow("List5") << "Plates" << 32 << QStringList{"Floral"};
    QTest::newRow("nothing remembered") << "Plates" << 13 << QStringList();
    QTest::newRow("other collection") << "Stamps" << 1 << QStringList{"Penny"};
}

void TestListValuesModel::showsOneFieldOfOneCollection()
{
    QFETCH(QString, collection);
    QFETCH(int, field);
    QFETCH(QStringList, expected);
    ListValuesModel model(db->dm(), collection);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.showField(2);
    model.showField(field);
    QCOMPARE(model.field(), field);
    QCOMPARE(shown(model), expected);
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Values"));
    QVERIFY(db->dm().ListsTable->isOpen());
}

void TestListValuesModel::removeValue()
{
    ListValuesModel model(db->dm(), "Plates");
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.showField(1);
    QCOMPARE(model.value(1), QStringLiteral("Asiatic"));
    QVERIFY(model.removeValue(1));
    QCOMPARE(shown(model), (QStringList{"Willow", "Rose"}));
    QSqlQuery q(db->dm().database());
    QVERIFY(q.exec("SELECT count(*) FROM Lists WHERE \"Values\" = 'Asiatic'") && q.next());
    QCOMPARE(q.value(0).toInt(), 0);
    QVERIFY(q.exec("SELECT count(*) FROM Lists") && q.next());
    QCOMPARE(q.value(0).toInt(), 5);
    model.showField(1);
    QCOMPARE(shown(model), (QStringList{"Willow", "Rose"}));
    QVERIFY(!model.removeValue(7));
}

void TestListValuesModel::failedRemoveKeepsRow()
{
    exec("CREATE TRIGGER refuse BEFORE DELETE ON Lists BEGIN SELECT RAISE(ABORT, 'disk is full'); END");
    ListValuesModel model(db->dm(), "Plates");
    model.showField(1);
    QString error;
    QVERIFY(!model.removeValue(0, &error));
    QVERIFY2(error.contains(QStringLiteral("disk is full")), qPrintable(error));
    QCOMPARE(shown(model), (QStringList{"Willow", "Asiatic", "Rose"}));
}

void TestListValuesModel::closeResetsListTable()
{
    Table &lists = *db->dm().ListsTable;
    {
        ListValuesModel model(db->dm(), "Plates");
        model.showField(1);
        model.close();
        QCOMPARE(model.rowCount(), 0);
        QVERIFY(!lists.isOpen());
        QVERIFY(!lists.filtered());
        QVERIFY(lists.filter().isEmpty());
        model.showField(2);
    }
    QVERIFY(!lists.isOpen()); // also when the model goes
    QVERIFY(lists.filter().isEmpty());
}

QTEST_GUILESS_MAIN(TestListValuesModel)
#include "TestListValuesModel.moc"
