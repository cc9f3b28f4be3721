#include "items/BrowseModel.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QLocale>
#include <QTest>

namespace {

constexpr int SortColumn = 4;

// Rows whose keys are 1, 2, 3, ... and whose sort column holds the given texts; column 1 holds
// "name <key>".
QVector<BrowseRow> rowsWith(const QStringList &texts)
{
    QVector<BrowseRow> rows;
    for (int i = 0; i < texts.size(); ++i) {
        BrowseRow::Cells cells;
        cells[0] = QStringLiteral("name %1").arg(i + 1);
        cells[SortColumn - 1] = texts[i];
        rows.append(BrowseRow(i + 1, cells));
    }
    return rows;
}

QList<qint64> keys(const BrowseModel &model)
{
    QList<qint64> result;
    for (int r = 0; r < model.rowCount(); ++r)
        result.append(model.key(r));
    return result;
}

} // namespace

class TestBrowseModel : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();
    void textsAndHeadings();
    void sort_data();
    void sort();
    void descendingReversesAscending();
    void sortKeepsEachRowWhole();
    void selectionFollowsItsRow();
    void keyColumnIsNeverSorted();
    void rowChanges();

private:
    std::unique_ptr<BrowseModel> model;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

void TestBrowseModel::init()
{
    model = std::make_unique<BrowseModel>();
    tester =
        std::make_unique<QAbstractItemModelTester>(model.get(), QAbstractItemModelTester::FailureReportingMode::QtTest);
}

void TestBrowseModel::cleanup()
{
    tester.reset();
    model.reset();
}

void TestBrowseModel::textsAndHeadings()
{
    QStringList headings(BrowseModel::ColumnCount);
    headings[1] = QStringLiteral("Name");
    headings[46] = QStringLiteral("Checkbox3");
    model->setHeadings(headings);
    model->setRows(rowsWith({"$1.00", QString()}));

    QCOMPARE(model->columnCount(), 47);
    QCOMPARE(model->rowCount(), 2);
    QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Name"));
    QCOMPARE(model->headerData(46, Qt::Horizontal).toString(), QStringLiteral("Checkbox3"));
    QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QString());
    QCOMPARE(model->index(1, BrowseModel::KeyColumn).data().toString(), QStringLiteral("2"));
    QCOMPARE(model->index(0, 1).data().toString(), QStringLiteral("name 1"));
    QCOMPARE(model->index(0, SortColumn).data().toString(), QStringLiteral("$1.00"));
    QCOMPARE(model->index(1, SortColumn).data().toString(), QString());
    QCOMPARE(model->index(0, 46).data().toString(), QString());
    QVERIFY(!(model->flags(model->index(0, 1)) & Qt::ItemIsEditable));
}

void TestBrowseModel::sort_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("order");
    QTest::addColumn<QList<qint64>>("expected");
    const int up = Qt::AscendingOrder;
    const int down = Qt::DescendingOrder;
    const QStringList money{"$300.00", "$1,200.00", "$0.00", "$25.50"};
    QTest::newRow("money as text") << money << up << QList<qint64>{3, 2, 4, 1};
    QTest::newRow("money as text, falling") << money << down << QList<qint64>{1, 4, 2, 3};
    const QStringList someEmpty{"b", QString(), "a", QString()};
    QTest::newRow("empty first") << someEmpty << up << QList<qint64>{2, 4, 3, 1};
    QTest::newRow("empty last") << someEmpty << down << QList<qint64>{1, 3, 4, 2};
    // a to z compare as capitals, so they come before '_' (which lies between the capitals and
    // the small letters); nothing else is folded and nothing is read as a number or a date.
    QTest::newRow("letters as capitals") << QStringList{"_x", "b", "A", "ä", "Z"} << up << QList<qint64>{3, 2, 5, 1, 4};
    QTest::newRow("dates as text") << QStringList{"2/01/2019", "12/01/2020", "10"} << up << QList<qint64>{3, 2, 1};
}

void TestBrowseModel::sort()
{
    QFETCH(QStringList, texts);
    QFETCH(int, order);
    QFETCH(QList<qint64>, expected);
    model->setRows(rowsWith(texts));
    model->sort(SortColumn, Qt::SortOrder(order));
    QCOMPARE(keys(*model), expected);
}

void TestBrowseModel::descendingReversesAscending()
{
    const QStringList texts{"b", "B", "a", QString(), "b", "A", "c"};
    model->setRows(rowsWith(texts));
    model->sort(SortColumn, Qt::AscendingOrder);
    QList<qint64> rising = keys(*model);
    model->setRows(rowsWith(texts));
    model->sort(SortColumn, Qt::DescendingOrder);
    std::reverse(rising.begin(), rising.end());
    QCOMPARE(keys(*model), rising);
}

void TestBrowseModel::sortKeepsEachRowWhole()
{
    model->setRows(rowsWith({"c", "a", "b"}));
    model->sort(SortColumn, Qt::AscendingOrder);
    for (int r = 0; r < 3; ++r) {
        const qint64 key = model->index(r, BrowseModel::KeyColumn).data().toLongLong();
        QCOMPARE(model->index(r, 1).data().toString(), QStringLiteral("name %1").arg(key));
    }
}

void TestBrowseModel::selectionFollowsItsRow()
{
    model->setRows(rowsWith({"c", "a", "b"}));
    QItemSelectionModel selection(model.get());
    selection.setCurrentIndex(model->index(0, 2), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    model->sort(SortColumn, Qt::AscendingOrder);
    QCOMPARE(selection.currentIndex().row(), 2);
    QCOMPARE(selection.currentIndex().column(), 2);
    QCOMPARE(model->key(selection.currentIndex().row()), 1);
}

void TestBrowseModel::keyColumnIsNeverSorted()
{
    BrowseRow::Cells cells;
    model->setRows({BrowseRow(10, cells), BrowseRow(9, cells), BrowseRow(100, cells)});
    model->sort(BrowseModel::KeyColumn, Qt::AscendingOrder);
    QCOMPARE(keys(*model), (QList<qint64>{10, 9, 100}));
}

void TestBrowseModel::rowChanges()
{
    model->setRows(rowsWith({"a", "b", "c"}));
    QCOMPARE(model->rowOfKey(3), 2);
    QCOMPARE(model->rowOfKey(7), -1);

    BrowseRow::Cells cells;
    cells[SortColumn - 1] = QStringLiteral("changed");
    model->setRow(1, BrowseRow(2, cells));
    QCOMPARE(model->text(1, SortColumn), QStringLiteral("changed"));
    QCOMPARE(model->text(1, 1), QString());

    QVERIFY(model->removeRows(0, 1));
    QCOMPARE(keys(*model), (QList<qint64>{2, 3}));
    QVERIFY(!model->removeRows(2, 1));

    model->appendRow(BrowseRow(8, cells));
    QCOMPARE(keys(*model), (QList<qint64>{2, 3, 8}));
}

QTEST_GUILESS_MAIN(TestBrowseModel)
#include "TestBrowseModel.moc"
