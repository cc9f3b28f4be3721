#include "app/TypeAheadSearch.h"

#include <QLocale>
#include <QTest>

using Keys = QList<QPair<QString, qint64>>; // typed text and when, in milliseconds

class TestTypeAheadSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void type_data();
    void type();
};

void TestTypeAheadSearch::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestTypeAheadSearch::type_data()
{
    QTest::addColumn<Keys>("keys");
    QTest::addColumn<QList<int>>("found"); // after each key
    QTest::addColumn<QString>("typed");    // at the end

    QTest::newRow("one letter") << Keys{{"d", 1000}} << QList<int>{2} << "d";
    QTest::newRow("letters add up within the pause")
        << Keys{{"c", 1000}, {"o", 1200}, {"m", 1700}} << QList<int>{0, 0, 1} << "com";
    QTest::newRow("a longer pause starts again") << Keys{{"c", 1000}, {"s", 1501}} << QList<int>{0, 3} << "s";
    QTest::newRow("exactly the pause still adds") << Keys{{"c", 1000}, {"o", 1500}} << QList<int>{0, 0} << "co";
    QTest::newRow("case does not matter") << Keys{{"S", 1000}, {"T", 1100}} << QList<int>{3, 3} << "ST";
    QTest::newRow("no entry begins so") << Keys{{"x", 1000}} << QList<int>{-1} << "x";
    QTest::newRow("a miss keeps its letters")
        << Keys{{"c", 1000}, {"x", 1100}, {"o", 1200}} << QList<int>{0, -1, -1} << "cxo";
    QTest::newRow("blank inside a name") << Keys{{"t", 1000}, {"o", 1100}, {"y", 1200}, {" ", 1300}, {"t", 1400}}
                                         << QList<int>{4, 4, 4, 4, 5} << "toy t";
}

void TestTypeAheadSearch::type()
{
    QFETCH(Keys, keys);
    QFETCH(QList<int>, found);
    QFETCH(QString, typed);
    const QStringList entries{"Coins", "Comics", "Dolls", "Stamps", "Toy cars", "Toy trains"};
    TypeAheadSearch search;
    QList<int> actual;
    for (const auto &key : keys)
        actual.append(search.type(key.first, key.second, entries));
    QCOMPARE(actual, found);
    QCOMPARE(search.typed(), typed);
}

QTEST_GUILESS_MAIN(TestTypeAheadSearch)
#include "TestTypeAheadSearch.moc"
