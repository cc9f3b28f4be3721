#include "ItemTestHelpers.h"
#include "items/ItemEditor.h"
#include "store/StoreError.h"
#include "store/Table.h"

#include <QTest>

Q_DECLARE_METATYPE(ItemFormMode)

class TestItemEditor : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup() { db.reset(); }
    void captionsAndHelp_data();
    void captionsAndHelp();
    void editModesOwnTheTable_data();
    void editModesOwnTheTable();
    void singleItemModeLeavesTableAlone();
    void addSavesNewRowEachTime();
    void failedAddLeavesNoRow();
    void failedEditLeavesRowAndBrowses();
    void editOnEmptyCollectionAddsRow();
    void deleteOnEmptyCollectionFails();
    void requiredField_data();
    void requiredField();

private:
    std::unique_ptr<TestDatabase> db;
};

void TestItemEditor::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addItem("Dolls", {{"Name", "Cleo"}});
    db->addItem("Dolls", {{"Name", "anna"}});
    db->addItem("Dolls", {{"Name", "Bea"}});
    db->addItem("Trains", {{"Name", "Atlas"}});
}

void TestItemEditor::captionsAndHelp_data()
{
    QTest::addColumn<ItemFormMode>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<int>("help");
    QTest::newRow("add") << ItemFormMode::Add << "Add Dolls Items"
                         << "|Add new items to the Dolls collection" << 2001;
    QTest::newRow("edit") << ItemFormMode::Edit << "Edit Dolls Collection (3 Items)"
                          << "|Edit items in the Dolls collection" << 2002;
    QTest::newRow("notes search") << ItemFormMode::NotesSearch << "Edit Dolls Collection (3 Items)"
                                  << "|Edit items in the Dolls collection" << 2002;
}

void TestItemEditor::captionsAndHelp()
{
    QFETCH(ItemFormMode, mode);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(int, help);
    ItemEditor editor(db->dm(), "Dolls", mode);
    editor.start();
    QCOMPARE(editor.caption(), caption);
    QCOMPARE(editor.hint(), hint);
    QCOMPARE(editor.helpContext(), help);
}

void TestItemEditor::editModesOwnTheTable_data()
{
    QTest::addColumn<ItemFormMode>("mode");
    QTest::newRow("edit") << ItemFormMode::Edit;
    QTest::newRow("notes search") << ItemFormMode::NotesSearch;
}

void TestItemEditor::editModesOwnTheTable()
{
    QFETCH(ItemFormMode, mode);
    Table &t = *db->dm().CollectionsTable;
    {
        ItemEditor editor(db->dm(), "Dolls", mode);
        editor.start();
        QVERIFY(t.isOpen());
        QCOMPARE(t.indexName(), QStringLiteral("Name"));
        QVERIFY(t.filtered());
        QCOMPARE(t.filter(), QStringLiteral("Collection = 'Dolls'"));
        QCOMPARE(editor.currentName(), QStringLiteral("anna"));
        QVERIFY(editor.atStart());
        editor.last();
        QCOMPARE(editor.currentName(), QStringLiteral("Cleo"));
        QVERIFY(editor.atEnd());
    }
    QVERIFY(!t.isOpen());
    QVERIFY(!t.filtered());
    QVERIFY(t.filter().isEmpty());
    QVERIFY(t.indexName().isEmpty());
}

void TestItemEditor::singleItemModeLeavesTableAlone()
{
    Table &t = *db->dm().CollectionsTable;
    t.setFilter("Collection = 'Dolls'");
    t.setFiltered(true);
    t.open();
    QVERIFY(t.locate("Name", "Bea"));
    {
        ItemEditor editor(db->dm(), "Dolls", ItemFormMode::EditOne);
        editor.start();
        QCOMPARE(editor.currentItem().text(0), QStringLiteral("Bea"));
        QCOMPARE(editor.caption(), QStringLiteral("Edit Dolls Collection (3 Items)"));
        editor.finish();
    }
    QVERIFY(t.isOpen());
    QVERIFY(t.filtered());
    QCOMPARE(t.fieldText("Name"), QStringLiteral("Bea"));
    t.reset();
}

void TestItemEditor::addSavesNewRowEachTime()
{
    ItemEditor editor(db->dm(), "Dolls", ItemFormMode::Add);
    QCOMPARE(editor.currentItem(), ItemRecord());
    ItemRecord r;
    r.setText(0, "Dora");
    editor.save(r);
    editor.save(r);
    QCOMPARE(itemRowCount(*db), 6);
    Table &t = *db->dm().CollectionsTable;
    QVERIFY(!t.isOpen());
    t.setFilter("Name = 'Dora'");
    t.setFiltered(true);
    t.open();
    QCOMPARE(t.recordCount(), 2);
    QCOMPARE(t.fieldText("Collection"), QStringLiteral("Dolls"));
    t.reset();
}

void TestItemEditor::failedAddLeavesNoRow()
{
    QVERIFY(refuseItemWrites(*db));
    ItemEditor editor(db->dm(), "Dolls", ItemFormMode::Add);
    ItemRecord r;
    r.setText(0, "Dora");
    QVERIFY_THROWS_EXCEPTION(StoreError, editor.save(r));
    QCOMPARE(itemRowCount(*db), 4);
    Table &t = *db->dm().CollectionsTable;
    QVERIFY(!t.isOpen());
    QCOMPARE(t.state(), Table::State::Inactive);
}

void TestItemEditor::failedEditLeavesRowAndBrowses()
{
    ItemEditor editor(db->dm(), "Dolls", ItemFormMode::Edit);
    editor.start();
    const qint64 id = editor.items().currentKey();
    const QStringList before = rawItemRow(*db, id);
    QVERIFY(refuseItemWrites(*db));
    ItemRecord r = editor.currentItem();
    r.setText(0, "Renamed");
    QVERIFY_THROWS_EXCEPTION(StoreError, editor.save(r));
    QCOMPARE(rawItemRow(*db, id), before);
    QCOMPARE(editor.items().state(), Table::State::Browse);
    editor.next(); // moving on does not try the refused write again
    QCOMPARE(editor.currentName(), QStringLiteral("Bea"));
}

void TestItemEditor::editOnEmptyCollectionAddsRow()
{
    ItemEditor editor(db->dm(), "Empty", ItemFormMode::Edit);
    editor.start();
    QCOMPARE(editor.itemCount(), 0);
    QCOMPARE(editor.currentItem(), ItemRecord());
    QVERIFY(editor.atStart() && editor.atEnd());
    ItemRecord r;
    r.setText(0, "First");
    editor.save(r);
    QCOMPARE(editor.itemCount(), 1);
    QCOMPARE(editor.currentName(), QStringLiteral("First"));
    QCOMPARE(editor.items().fieldText("Collection"), QStringLiteral("Empty"));
}

void TestItemEditor::deleteOnEmptyCollectionFails()
{
    ItemEditor editor(db->dm(), "Empty", ItemFormMode::Edit);
    editor.start();
    QCOMPARE(editor.currentName(), QString());
    QVERIFY_THROWS_EXCEPTION(StoreError, editor.removeCurrent());
    QCOMPARE(itemRowCount(*db), 4);
}

void TestItemEditor::requiredField_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty name") << "Name"
                                << ""
                                << "Name is a required field!";
    QTest::newRow("relabelled") << "Title"
                                << ""
                                << "Title is a required field!";
    QTest::newRow("blanks pass") << "Name"
                                 << "  "
                                 << "";
    QTest::newRow("a name passes") << "Name"
                                   << "Anna"
                                   << "";
}

void TestItemEditor::requiredField()
{
    QFETCH(QString, label);
    QFETCH(QString, name);
    QFETCH(QString, message);
    FieldLayoutTable layout{};
    layout[0].Label = label;
    ItemRecord r;
    r.setText(0, name);
    QCOMPARE(ItemEditor::missingRequiredField(r, layout), message);
}

QTEST_GUILESS_MAIN(TestItemEditor)
#include "TestItemEditor.moc"
