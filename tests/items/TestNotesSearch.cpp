#include "common/TestDatabase.h"
#include "items/NotesSearch.h"
#include "store/Table.h"

#include <QTest>

class TestNotesSearch : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void find_data();
    void find();
    void stepsThroughItems_data();
    void stepsThroughItems();
    void endRepeatsUntilMovedBack();
    void emptyCollectionReachesEnd();

private:
    void openCollection();
    QStringList run(const QString &text, NotesSearch::Options options, int steps);

    std::unique_ptr<TestDatabase> db;
};

void TestNotesSearch::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    // In name order: Alpha, Bravo, Charlie, Delta.
    db->addItem("Garden", {{"Name", "Delta"}, {"Notes", "A Rose by the door"}});
    db->addItem("Garden", {{"Name", "Alpha"}, {"Notes", "nothing here"}});
    db->addItem("Garden", {{"Name", "Charlie"}, {"Notes", "roses everywhere"}});
    db->addItem("Garden", {{"Name", "Bravo"}, {"Notes", "rose\r\nand another rose"}});
    db->addItem("Other", {{"Name", "Echo"}, {"Notes", "rose"}});
}

void TestNotesSearch::find_data()
{
    QTest::addColumn<QString>("notes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<int>("position");
    QTest::newRow("case ignored") << "A Rose"
                                  << "rose" << false << false << 2;
    QTest::newRow("match case misses") << "A Rose"
                                       << "rose" << true << false << -1;
    QTest::newRow("match case finds") << "A Rose, a rose"
                                      << "rose" << true << false << 10;
    QTest::newRow("part of a word") << "roses"
                                    << "rose" << false << false << 0;
    QTest::newRow("whole word skips parts") << "roses and rose"
                                            << "rose" << false << true << 10;
    QTest::newRow("whole word misses") << "roses"
                                       << "rose" << false << true << -1;
    QTest::newRow("CR LF counts as one") << "ab\r\ncd"
                                         << "cd" << false << false << 3;
    QTest::newRow("LF") << "ab\ncd"
                        << "cd" << false << false << 3;
    QTest::newRow("empty notes") << ""
                                 << "rose" << false << false << -1;
    QTest::newRow("empty text") << "rose"
                                << "" << false << false << -1;
}

void TestNotesSearch::find()
{
    QFETCH(QString, notes);
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(int, position);
    const NotesSearch::Hit hit = NotesSearch::find(notes, text, {matchCase, wholeWord});
    QCOMPARE(hit.found, position >= 0);
    QCOMPARE(hit.position, position);
    QCOMPARE(hit.length, position >= 0 ? text.size() : 0);
}

void TestNotesSearch::openCollection()
{
    Table &t = *db->dm().CollectionsTable;
    t.setIndexName("Name");
    t.setFilter("Collection = 'Garden'");
    t.setFiltered(true);
    t.open();
}

// The name of the item found by each step, or "end"; a step whose hit flag disagrees says so.
QStringList TestNotesSearch::run(const QString &text, NotesSearch::Options options, int steps)
{
    Table &t = *db->dm().CollectionsTable;
    NotesSearch search(t);
    QStringList found;
    for (int i = 0; i < steps; ++i) {
        const NotesSearch::Hit hit = search.findNext(text, options);
        QString step = hit.found ? t.fieldText("Name") : QStringLiteral("end");
        if (search.hitFlag() != hit.found)
            step += QStringLiteral(" (wrong hit flag)");
        found.append(step);
    }
    return found;
}

void TestNotesSearch::stepsThroughItems_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("each item once, last one included")
        << "rose" << false << false << QStringList{"Bravo", "Charlie", "Delta", "end", "end"};
    QTest::newRow("match case") << "Rose" << true << false << QStringList{"Delta", "end"};
    QTest::newRow("whole word") << "rose" << false << true << QStringList{"Bravo", "Delta", "end"};
    QTest::newRow("nothing") << "tulip" << false << false << QStringList{"end", "end"};
}

void TestNotesSearch::stepsThroughItems()
{
    QFETCH(QString, text);
    QFETCH(bool, matchCase);
    QFETCH(bool, wholeWord);
    QFETCH(QStringList, expected);
    openCollection();
    QCOMPARE(run(text, {matchCase, wholeWord}, int(expected.size())), expected);
    // At the end the last item stays current.
    QCOMPARE(db->dm().CollectionsTable->fieldText("Name"), QStringLiteral("Delta"));
    db->dm().CollectionsTable->reset();
}

void TestNotesSearch::endRepeatsUntilMovedBack()
{
    openCollection();
    Table &t = *db->dm().CollectionsTable;
    NotesSearch search(t);
    while (search.findNext("rose", {}).found) {
    }
    QVERIFY(!search.findNext("rose", {}).found);
    t.prior(); // Charlie
    QVERIFY(search.findNext("rose", {}).found);
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Charlie"));
    t.first();
    QVERIFY(search.findNext("rose", {}).found);
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Bravo"));
    search.restart();
    QVERIFY(!search.hitFlag());
    QVERIFY(search.findNext("rose", {}).found); // the item on show is searched again
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Bravo"));
    t.reset();
}

void TestNotesSearch::emptyCollectionReachesEnd()
{
    Table &t = *db->dm().CollectionsTable;
    t.setFilter("Collection = 'None'");
    t.setFiltered(true);
    t.open();
    NotesSearch search(t);
    QVERIFY(!search.findNext("rose", {}).found);
    QVERIFY(!search.hitFlag());
    t.reset();
}

QTEST_GUILESS_MAIN(TestNotesSearch)
#include "TestNotesSearch.moc"
