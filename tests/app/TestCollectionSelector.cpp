#include "app/CollectionSelector.h"

#include <QAbstractItemView>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>

class TestCollectionSelector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();

    void setCollectionsSortsAndSelectsNone();
    void addKeepsOrderAndSelection_data();
    void addKeepsOrderAndSelection();
    void remove_data();
    void remove();
    void selectCollection_data();
    void selectCollection();
    void typedLetterChoosesAndTells();
    void typingInTheOpenList();
};

namespace {
const QStringList Names{"Stamps", "coins", "Dolls"};
}

void TestCollectionSelector::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestCollectionSelector::setCollectionsSortsAndSelectsNone()
{
    CollectionSelector selector(14);
    QSignalSpy told(&selector, &CollectionSelector::selectionChanged);
    selector.setCollections(Names);
    QCOMPARE(selector.collections(), QStringList({"coins", "Dolls", "Stamps"}));
    QCOMPARE(selector.currentIndex(), -1);
    QCOMPARE(selector.selectedCollection(), QString());
    QCOMPARE(selector.maxVisibleItems(), 14);
    QCOMPARE(told.count(), 0);
}

void TestCollectionSelector::addKeepsOrderAndSelection_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("added");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("before the selected one") << Names << "Dolls"
                                             << "Autographs" << QStringList{"Autographs", "coins", "Dolls", "Stamps"};
    QTest::newRow("after the selected one") << Names << "coins"
                                            << "Toys" << QStringList{"coins", "Dolls", "Stamps", "Toys"};
    QTest::newRow("none selected stays none") << Names << ""
                                              << "Cards" << QStringList{"Cards", "coins", "Dolls", "Stamps"};
    QTest::newRow("into an empty list selects nothing") << QStringList() << ""
                                                        << "Coins" << QStringList{"Coins"};
}

void TestCollectionSelector::addKeepsOrderAndSelection()
{
    QFETCH(QStringList, names);
    QFETCH(QString, selected);
    QFETCH(QString, added);
    QFETCH(QStringList, after);
    CollectionSelector selector(14);
    selector.setCollections(names);
    selector.selectCollection(selected);
    QSignalSpy told(&selector, &CollectionSelector::selectionChanged);
    selector.addCollection(added);
    QCOMPARE(selector.collections(), after);
    QCOMPARE(selector.selectedCollection(), selected);
    QCOMPARE(told.count(), 0);
}

void TestCollectionSelector::remove_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("removed");
    QTest::addColumn<bool>("wasSelected");
    QTest::addColumn<QString>("selectedAfter");
    QTest::newRow("another one") << "Stamps"
                                 << "coins" << false << "Stamps";
    QTest::newRow("the selected one") << "Dolls"
                                      << "Dolls" << true << "";
    QTest::newRow("unknown name") << "Dolls"
                                  << "Toys" << false << "Dolls";
}

void TestCollectionSelector::remove()
{
    QFETCH(QString, selected);
    QFETCH(QString, removed);
    QFETCH(bool, wasSelected);
    QFETCH(QString, selectedAfter);
    CollectionSelector selector(14);
    selector.setCollections(Names);
    selector.selectCollection(selected);
    QCOMPARE(selector.removeCollection(removed), wasSelected);
    QVERIFY(!selector.collections().contains(removed));
    QCOMPARE(selector.selectedCollection(), selectedAfter);
}

void TestCollectionSelector::selectCollection_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("index");
    QTest::newRow("equal") << "Stamps" << 2;
    QTest::newRow("other case is not equal") << "stamps" << -1;
    QTest::newRow("unknown") << "Toys" << -1;
    QTest::newRow("empty") << "" << -1;
}

void TestCollectionSelector::selectCollection()
{
    QFETCH(QString, name);
    QFETCH(int, index);
    CollectionSelector selector(14);
    selector.setCollections(Names);
    selector.selectIndex(0);
    QSignalSpy told(&selector, &CollectionSelector::selectionChanged);
    selector.selectCollection(name);
    QCOMPARE(selector.currentIndex(), index);
    QCOMPARE(told.count(), 0);
}

void TestCollectionSelector::typedLetterChoosesAndTells()
{
    CollectionSelector selector(14);
    selector.setCollections(Names);
    QSignalSpy told(&selector, &CollectionSelector::selectionChanged);
    QTest::keyClick(&selector, Qt::Key_D);
    QCOMPARE(selector.selectedCollection(), QStringLiteral("Dolls"));
    QCOMPARE(told.count(), 1);
}

void TestCollectionSelector::typingInTheOpenList()
{
    CollectionSelector selector(14);
    selector.setCollections(Names);
    selector.show();
    selector.showPopup();
    QTest::keyClick(selector.view(), Qt::Key_S);
    QCOMPARE(selector.view()->currentIndex().row(), 2);
    selector.hidePopup();
}

QTEST_MAIN(TestCollectionSelector)
#include "TestCollectionSelector.moc"
