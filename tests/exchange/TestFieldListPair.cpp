#include "app/MessageBox.h"
#include "exchange/FieldListPair.h"

#include <QListWidget>
#include <QMimeData>
#include <QTest>

class TestFieldListPair : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void fillSortsTheAvailableList();
    void addIfAbsent_data();
    void addIfAbsent();
    void chooseAndGiveBack();
    void nameStaysChosen();
    void withoutSelection_data();
    void withoutSelection();
    void reorder();
    void drops();
    void dropEventsOnTheLists();

private:
    QStringList texts(const QListWidget &list) const;

    std::unique_ptr<QWidget> window;
    QListWidget *available = nullptr;
    QListWidget *chosen = nullptr;
    FieldListPair *pair = nullptr;
};

void TestFieldListPair::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
}

void TestFieldListPair::init()
{
    window = std::make_unique<QWidget>();
    available = new QListWidget(window.get());
    chosen = new QListWidget(window.get());
    pair = new FieldListPair(available, chosen, window.get());
    pair->fill({"Name", "series", "Color", "Notes", "Ignore_Field01", "ignore_field01"}, {"Name"});
    MessageSeam::answerWith({});
}

void TestFieldListPair::cleanup()
{
    MessageSeam::reset();
    window.reset();
}

QStringList TestFieldListPair::texts(const QListWidget &list) const
{
    QStringList result;
    for (int i = 0; i < list.count(); ++i)
        result.append(list.item(i)->text());
    return result;
}

void TestFieldListPair::fillSortsTheAvailableList()
{
    QCOMPARE(texts(*available), QStringList({"Color", "Ignore_Field01", "Name", "Notes", "series"}));
    QCOMPARE(texts(*chosen), QStringList({"Name"}));
    QCOMPARE(pair->chosenEntries(), QStringList({"Name"}));
}

void TestFieldListPair::addIfAbsent_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("sorted");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("at the end") << "Apple" << false << QStringList{"b", "D", "Apple"};
    QTest::newRow("at its place") << "c" << true << QStringList{"b", "c", "D"};
    QTest::newRow("first") << "Apple" << true << QStringList{"Apple", "b", "D"};
    QTest::newRow("same text in another case") << "d" << true << QStringList{"b", "D"};
}

void TestFieldListPair::addIfAbsent()
{
    QFETCH(QString, text);
    QFETCH(bool, sorted);
    QFETCH(QStringList, expected);
    QListWidget list;
    list.addItems({"b", "D"});
    QCOMPARE(FieldListPair::addIfAbsent(&list, text, sorted), expected.size() == 3);
    QCOMPARE(texts(list), expected);
}

void TestFieldListPair::chooseAndGiveBack()
{
    available->setCurrentRow(4); // series
    pair->choose();
    available->setCurrentRow(0); // Color
    pair->choose();
    QCOMPARE(texts(*chosen), QStringList({"Name", "series", "Color"}));
    QCOMPARE(texts(*available), QStringList({"Ignore_Field01", "Name", "Notes"}));
    QVERIFY(!available->currentItem());

    chosen->setCurrentRow(1);
    pair->giveBack();
    QCOMPARE(texts(*chosen), QStringList({"Name", "Color"}));
    QCOMPARE(texts(*available), QStringList({"Ignore_Field01", "Name", "Notes", "series"}));
    QVERIFY(MessageSeam::asked().isEmpty());
}

// The Name entry stands in both lists: it never leaves the chosen list, and choosing it again
// changes nothing.
void TestFieldListPair::nameStaysChosen()
{
    chosen->setCurrentRow(0);
    pair->giveBack();
    QCOMPARE(texts(*chosen), QStringList({"Name"}));
    available->setCurrentRow(2);
    pair->choose();
    QCOMPARE(texts(*chosen), QStringList({"Name"}));
    QCOMPARE(available->count(), 5);
}

void TestFieldListPair::withoutSelection_data()
{
    QTest::addColumn<int>("operation");
    QTest::newRow(">>") << 0;
    QTest::newRow("<<") << 1;
    QTest::newRow("up") << 2;
    QTest::newRow("down") << 3;
}

void TestFieldListPair::withoutSelection()
{
    QFETCH(int, operation);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    chosen->setCurrentRow(-1);
    available->setCurrentRow(-1);
    const QStringList before = texts(*chosen);
    switch (operation) {
    case 0:
        pair->choose();
        break;
    case 1:
        pair->giveBack();
        break;
    case 2:
        pair->moveUp();
        break;
    default:
        pair->moveDown();
    }
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().front().kind, MessageKind::Information);
    QCOMPARE(MessageSeam::asked().front().text, QStringLiteral("You must select an item in the list!"));
    QCOMPARE(texts(*chosen), before);
    QCOMPARE(QApplication::focusWidget(), operation == 0 ? available : chosen);
}

void TestFieldListPair::reorder()
{
    pair->fill({}, {"A", "B", "C"});
    chosen->setCurrentRow(0);
    pair->moveUp();
    QCOMPARE(pair->chosenEntries(), QStringList({"A", "B", "C"}));
    pair->moveDown();
    QCOMPARE(pair->chosenEntries(), QStringList({"B", "A", "C"}));
    QCOMPARE(chosen->currentItem()->text(), QStringLiteral("A"));
    pair->moveDown();
    pair->moveDown();
    QCOMPARE(pair->chosenEntries(), QStringList({"B", "C", "A"}));
    QVERIFY(chosen->currentItem()->isSelected());
    pair->moveUp();
    QCOMPARE(pair->chosenEntries(), QStringList({"B", "A", "C"}));
    QVERIFY(MessageSeam::asked().isEmpty());
}

// Whatever list an entry is dropped on, one dragged out of the available list is chosen, and any
// other drop gives the chosen list's selected entry back.
void TestFieldListPair::drops()
{
    QVERIFY(FieldListPair::acceptsDrag(available) && FieldListPair::acceptsDrag(nullptr));
    available->setCurrentRow(0);
    pair->drop(available);
    QCOMPARE(texts(*chosen), QStringList({"Name", "Color"}));
    chosen->setCurrentRow(1);
    pair->drop(chosen);
    QCOMPARE(texts(*chosen), QStringList({"Name"}));
    available->setCurrentRow(0);
    chosen->setCurrentRow(-1);
    pair->drop(nullptr);
    QCOMPARE(MessageSeam::asked().size(), 1);
}

void TestFieldListPair::dropEventsOnTheLists()
{
    available->setCurrentRow(4); // series
    pair->choose();
    chosen->setCurrentRow(1);
    QMimeData data;
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(available->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QCOMPARE(enter.dropAction(), Qt::CopyAction);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(available->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(drop.dropAction(), Qt::CopyAction);
    QCOMPARE(texts(*chosen), QStringList({"Name"}));
    QVERIFY(texts(*available).contains(QStringLiteral("series")));
}

QTEST_MAIN(TestFieldListPair)
#include "TestFieldListPair.moc"
