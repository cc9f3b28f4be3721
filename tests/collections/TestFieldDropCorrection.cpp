#include "collections/FieldDropCorrection.h"

#include <QLocale>
#include <QTest>

class TestFieldDropCorrection : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void correct_data();
    void correct();
    void snapToGrid_data();
    void snapToGrid();
};

void TestFieldDropCorrection::correct_data()
{
    QTest::addColumn<QPoint>("dropped");
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("snap");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("right edge past the notebook") << QPoint(400, 24) << 161 << false << QPoint(364, 24);
    QTest::newRow("right edge past the notebook, snapped: right edge at 529")
        << QPoint(400, 24) << 161 << true << QPoint(368, 24);
    QTest::newRow("narrow unit box past the right edge") << QPoint(500, 40) << 49 << false << QPoint(476, 40);
    QTest::newRow("right edge exactly at 529 stays") << QPoint(408, 40) << 121 << false << QPoint(408, 40);
    QTest::newRow("bottom edge past the page") << QPoint(16, 400) << 161 << false << QPoint(16, 388);
    QTest::newRow("bottom edge past the page, snapped: 4 pixels beyond")
        << QPoint(16, 400) << 161 << true << QPoint(16, 392);
    QTest::newRow("bottom edge exactly at 410 stays") << QPoint(16, 388) << 161 << false << QPoint(16, 388);
    QTest::newRow("above the page") << QPoint(40, -3) << 161 << false << QPoint(40, 16);
    QTest::newRow("above the page, snapped") << QPoint(40, -30) << 161 << true << QPoint(40, 16);
    QTest::newRow("left of the page") << QPoint(-20, 40) << 161 << false << QPoint(0, 40);
    QTest::newRow("beyond two corners") << QPoint(600, -1) << 161 << false << QPoint(364, 16);
    QTest::newRow("top 11 snaps to 8") << QPoint(16, 11) << 161 << true << QPoint(16, 8);
    QTest::newRow("top 12 snaps to 16") << QPoint(16, 12) << 161 << true << QPoint(16, 16);
    QTest::newRow("left 3 snaps to 0") << QPoint(3, 24) << 161 << true << QPoint(0, 24);
    QTest::newRow("left 4 snaps to 8") << QPoint(4, 24) << 161 << true << QPoint(8, 24);
    QTest::newRow("both snap") << QPoint(101, 203) << 121 << true << QPoint(104, 200);
    QTest::newRow("no snapping keeps the exact place") << QPoint(101, 203) << 121 << false << QPoint(101, 203);
}

void TestFieldDropCorrection::correct()
{
    QFETCH(QPoint, dropped);
    QFETCH(int, width);
    QFETCH(bool, snap);
    QFETCH(QPoint, expected);
    QCOMPARE(FieldDropCorrection::correct(dropped, QSize(width, 22), snap), expected);
}

void TestFieldDropCorrection::snapToGrid_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("expected");
    for (const auto &[value, expected] : std::initializer_list<std::pair<int, int>>{
             {0, 0}, {3, 0}, {4, 8}, {7, 8}, {8, 8}, {364, 368}, {388, 392}, {-3, 0}, {-4, 0}, {-5, -8}})
        QTest::addRow("%d", value) << value << expected;
}

void TestFieldDropCorrection::snapToGrid()
{
    QFETCH(int, value);
    QFETCH(int, expected);
    QCOMPARE(FieldDropCorrection::snapToGrid(value), expected);
}

QTEST_GUILESS_MAIN(TestFieldDropCorrection)
#include "TestFieldDropCorrection.moc"
