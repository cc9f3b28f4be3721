#include "exchange/TextGridModel.h"

#include <QAbstractItemModelTester>
#include <QTest>

class TestTextGridModel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void cells_data();
    void cells();
    void passesTheModelTester();
};

void TestTextGridModel::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestTextGridModel::cells_data()
{
    QTest::addColumn<bool>("numbered");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("text");

    QTest::newRow("raw value") << false << 0 << 0 << "a";
    QTest::newRow("row number") << true << 1 << 0 << "2";
    QTest::newRow("value after the number") << true << 1 << 1 << "c";
    QTest::newRow("short row shows empty cells") << true << 1 << 2 << "";
    QTest::newRow("long value cut short")
        << false << 2 << 0 << QString(TextGridModel::ShownLength, u'x') + QChar(0x2026);
    QTest::newRow("outside") << false << 7 << 0 << "";
}

void TestTextGridModel::cells()
{
    QFETCH(bool, numbered);
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, text);

    TextGridModel model;
    model.setHeadings({QString(), QStringLiteral(" Name"), QStringLiteral(" Notes")});
    model.setRows({{"a", "b"}, {"c"}, {QString(5 * TextGridModel::ShownLength, u'x')}}, numbered);
    QCOMPARE(model.cellText(row, column), text);
    QCOMPARE(model.rows().at(2).front().size(), 5 * TextGridModel::ShownLength);
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral(" Name"));
}

void TestTextGridModel::passesTheModelTester()
{
    TextGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.setRows({{"a"}, {"b"}}, false);
    QCOMPARE(model.columnCount(), 1);
    model.setHeadings({QString(), QStringLiteral(" Name")});
    model.setRows({{"a"}, {"b"}, {"c"}}, true);
    QCOMPARE(model.rowCount(), 3);
    model.setRows({}, true);
    QCOMPARE(model.rowCount(), 0);
}

QTEST_GUILESS_MAIN(TestTextGridModel)
#include "TestTextGridModel.moc"
