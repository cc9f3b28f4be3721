#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "common/TestDatabase.h"
#include "items/BrowseModel.h"
#include "items/ItemFields.h"
#include "items/TAddEditForm.h"
#include "items/TBrowseForm.h"
#include "store/StoreError.h"

#include <QAbstractItemModelTester>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSqlQuery>
#include <QTableView>
#include <QTest>

namespace {

const QString Figurines = QStringLiteral("Figurines");

QString codes(std::initializer_list<int> columns)
{
    QString text;
    for (int c : columns)
        text.append(QChar(ushort(c)));
    return text;
}

QString defaultCodes()
{
    QString text;
    for (int c = 1; c <= 46; ++c)
        text.append(QChar(ushort(c)));
    return text;
}

// The texts of the column that shows data field n, row by row.
QStringList columnTexts(const TBrowseForm &form, int field)
{
    QStringList texts;
    const int column = form.columnOrder().column(field);
    for (int r = 0; r < form.model()->rowCount(); ++r)
        texts.append(form.model()->text(r, column));
    return texts;
}

QStringList names(const TBrowseForm &form)
{
    return columnTexts(form, 0);
}

// Where to click on the heading of a grid column, in the heading's own coordinates.
QPoint headingPoint(TBrowseForm &form, int column)
{
    QHeaderView *header = form.StringGrid1->horizontalHeader();
    form.StringGrid1->horizontalScrollBar()->setValue(header->sectionPosition(column));
    return {header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2};
}

QPoint cellPoint(TBrowseForm &form, int row, int column)
{
    const QModelIndex index = form.model()->index(row, column);
    form.StringGrid1->scrollTo(index);
    return form.StringGrid1->visualRect(index).center();
}

} // namespace

class TestBrowseForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();
    void opensCollectionInNameOrder();
    void emptyCollection();
    void closingWritesOrderAndGivesTableBack();
    void movedColumnsAreRestored();
    void twoFieldsWithOneLabel();
    void cellTextsAndWidths();
    void rightClickSorts_data();
    void rightClickSorts();
    void rightClickOffTheCells();
    void doubleClickAfterSortOpensThatItem();
    void doubleClickOnEmptyGridOpensNothing();
    void gridFollowsEditAndDelete();
    void saveAfterDeleteRefillsTheItemShown();
    void firstActivationMovesOnce();
    void unusableFilterOpensNothing();
    void gridTableFailureStillCloses();
    void itemNoLongerMatchingIsNotOpened();

private:
    QString storedOrder(const QString &collection);
    void verifyTableGivenBack();

    std::unique_ptr<TestDatabase> db;
    qint64 bell = 0, anchor = 0, candle = 0;
};

void TestBrowseForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    QVERIFY(db->dm().DataModule1Create().isEmpty());
    db->addCollection(Figurines);
    db->addCollection(QStringLiteral("Stamps"));
    db->dm().LoadFieldLayout(Figurines);
    bell = db->addItem(Figurines,
                       {{"Name", "Bell"}, {"RetailPrice", "300"}, {"Series", "Chimes"}, {"LimitedEdition", true}});
    anchor = db->addItem(Figurines, {{"Name", "anchor"}, {"RetailPrice", "1200"}});
    candle = db->addItem(Figurines, {{"Name", "Candle"}, {"Series", "Abbey"}, {"LimitedEdition", false}});
    db->addItem(QStringLiteral("Stamps"), {{"Name", "Air mail"}});
    MessageSeam::answerWith({});
}

void TestBrowseForm::cleanup()
{
    MessageSeam::reset();
    db.reset();
}

QString TestBrowseForm::storedOrder(const QString &collection)
{
    Table &grid = *db->dm().GridTable;
    grid.open();
    const QString data = grid.locate(QStringLiteral("CollectionName"), collection)
                             ? grid.fieldText(QStringLiteral("GridData"))
                             : QStringLiteral("none");
    grid.reset();
    return data;
}

void TestBrowseForm::verifyTableGivenBack()
{
    const Table &items = *db->dm().CollectionsTable;
    QVERIFY(!items.isOpen());
    QVERIFY(!items.filtered());
    QCOMPARE(items.filter(), QString());
    QCOMPARE(items.indexName(), QString());
}

void TestBrowseForm::opensCollectionInNameOrder()
{
    FieldLayout[3].IsVisible = false; // a hidden field keeps its column
    TBrowseForm form(nullptr, QString(), Figurines);
    QAbstractItemModelTester tester(form.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);

    QCOMPARE(form.windowTitle(), QStringLiteral("Browse Figurines Collection (3 Items)"));
    QCOMPARE(form.statusTip(), QStringLiteral("Browse through items in a collection"));
    QCOMPARE(helpContext(&form), 3001);
    QCOMPARE(form.size(), QSize(721, 414));
    QCOMPARE(names(form), (QStringList{"anchor", "Bell", "Candle"}));
    QCOMPARE(columnTexts(form, 3), (QStringList{"$1,200.00", "$300.00", "$0.00"}));
    QCOMPARE(form.model()->columnCount(), 47);
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        QCOMPARE(form.model()->heading(n + 1), FieldCatalogue::defaultLabel(n));
    QVERIFY(form.StringGrid1->isColumnHidden(BrowseModel::KeyColumn));
    QCOMPARE(form.model()->key(1), bell);
    QCOMPARE(form.StringGrid1->verticalHeader()->defaultSectionSize(), 18);
    QVERIFY(form.StringGrid1->horizontalHeader()->sectionsMovable());
    QVERIFY(form.RadioButton1->isChecked());
    QVERIFY(!form.RadioButton2->isChecked());

    const Table &items = *db->dm().CollectionsTable;
    QVERIFY(items.isOpen());
    QCOMPARE(items.filter(), QStringLiteral("Collection = 'Figurines'"));
    QCOMPARE(items.indexName(), QStringLiteral("Name"));
}

void TestBrowseForm::emptyCollection()
{
    {
        TBrowseForm form(nullptr, QString(), QStringLiteral("Dolls"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Browse Dolls Collection (0 Items)"));
        QCOMPARE(form.model()->rowCount(), 0);
        form.reject();
    }
    QCOMPARE(storedOrder(QStringLiteral("Dolls")), defaultCodes());
}

void TestBrowseForm::closingWritesOrderAndGivesTableBack()
{
    QCOMPARE(storedOrder(Figurines), QStringLiteral("none"));
    {
        TBrowseForm form(nullptr, QString(), Figurines);
        form.Button1->click(); // "Close"
        QCOMPARE(form.result(), int(QDialog::Rejected));
        verifyTableGivenBack();
    }
    QCOMPARE(storedOrder(Figurines), defaultCodes());

    // The hooks are gone: saving an item no longer reaches the freed window.
    Table &items = *db->dm().CollectionsTable;
    items.open();
    items.edit();
    items.setFieldText(QStringLiteral("Name"), QStringLiteral("Changed"));
    items.post();
    items.reset();
}

void TestBrowseForm::movedColumnsAreRestored()
{
    {
        TBrowseForm form(nullptr, QString(), Figurines);
        QHeaderView *header = form.StringGrid1->horizontalHeader();
        header->moveSection(header->visualIndex(3), header->visualIndex(1));   // Manufacturer to the front
        header->moveSection(header->visualIndex(46), header->visualIndex(45)); // Checkbox3 before Checkbox2
        form.reject();
    }
    QString expected = codes({2, 3, 1}) + defaultCodes().mid(3);
    expected[44] = QChar(46);
    expected[45] = QChar(45);
    QCOMPARE(storedOrder(Figurines), expected);

    TBrowseForm form(nullptr, QString(), Figurines);
    QCOMPARE(form.model()->heading(1), QStringLiteral("Manufacturer"));
    QCOMPARE(form.model()->heading(2), QStringLiteral("Name"));
    QCOMPARE(form.model()->heading(45), QStringLiteral("Checkbox3"));
    QCOMPARE(form.model()->text(0, 2), QStringLiteral("anchor"));
    QCOMPARE(form.model()->heading(3), QStringLiteral("Series"));
    QCOMPARE(form.model()->text(1, 3), QStringLiteral("Chimes"));
    QCOMPARE(form.model()->heading(46), QStringLiteral("Checkbox2"));
}

void TestBrowseForm::twoFieldsWithOneLabel()
{
    FieldLayout[22].Label = FieldLayout[21].Label; // Text2 relabelled as "Text1"
    Table &items = *db->dm().CollectionsTable;
    items.open();
    QVERIFY(items.gotoKey(bell));
    items.edit();
    items.setFieldText(QStringLiteral("Text1"), QStringLiteral("first"));
    items.setFieldText(QStringLiteral("Text2"), QStringLiteral("second"));
    items.post();
    items.reset();
    {
        TBrowseForm form(nullptr, QString(), Figurines);
        QCOMPARE(form.model()->heading(22), QStringLiteral("Text1"));
        QCOMPARE(form.model()->heading(23), QStringLiteral("Text1"));
        form.reject();
    }
    QString expected = defaultCodes();
    expected[22] = QChar(22);
    QCOMPARE(storedOrder(Figurines), expected);

    TBrowseForm form(nullptr, QString(), Figurines);
    QCOMPARE(form.model()->heading(22), QStringLiteral("Text1"));
    QCOMPARE(form.model()->heading(23), QString());
    QCOMPARE(form.model()->text(1, 22), QStringLiteral("second")); // the higher field wins
    QCOMPARE(form.model()->text(1, 23), QString());
}

void TestBrowseForm::cellTextsAndWidths()
{
    const QString longName = QStringLiteral("a rather long name for a bell");
    db->addItem(Figurines, {{"Name", longName}, {"Money1", "12345.6"}, {"Check2", true}});
    TBrowseForm form(nullptr, QString(), Figurines);
    QCOMPARE(columnTexts(form, 37), (QStringList{"$12,345.60", "$0.00", "$0.00", "$0.00"}));
    QCOMPARE(columnTexts(form, 20), (QStringList{QString(), QString(), "True", "False"}));
    QCOMPARE(columnTexts(form, 44), (QStringList{"True", QString(), QString(), QString()}));

    const QFontMetrics metrics(form.StringGrid1->font());
    const int padding = form.cellPadding();
    QVERIFY(padding > 0);
    // Text1 has no values: as wide as its heading in capitals.
    QCOMPARE(form.StringGrid1->columnWidth(22), metrics.horizontalAdvance(QStringLiteral("TEXT1")) + padding);
    QCOMPARE(form.StringGrid1->columnWidth(1), metrics.horizontalAdvance(longName.toUpper()) + padding);
    QCOMPARE(form.StringGrid1->columnWidth(38), metrics.horizontalAdvance(QStringLiteral("$12,345.60")) + padding);
    QCOMPARE(form.StringGrid1->columnWidth(45),
             metrics.horizontalAdvance(FieldCatalogue::defaultLabel(44).toUpper()) + padding); // wider than TRUE
    QCOMPARE(form.StringGrid1->columnWidth(BrowseModel::KeyColumn), 0);
}

void TestBrowseForm::rightClickSorts_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<bool>("descending");
    QTest::addColumn<bool>("onHeading");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("money as text") << 3 << false << true << QStringList{"Candle", "anchor", "Bell"};
    QTest::newRow("money falling") << 3 << true << false << QStringList{"Bell", "anchor", "Candle"};
    QTest::newRow("empty first") << 1 << false << false << QStringList{"anchor", "Candle", "Bell"};
    QTest::newRow("empty last") << 1 << true << true << QStringList{"Bell", "Candle", "anchor"};
    QTest::newRow("yes/no") << 20 << false << true << QStringList{"anchor", "Candle", "Bell"};
}

void TestBrowseForm::rightClickSorts()
{
    QFETCH(int, field);
    QFETCH(bool, descending);
    QFETCH(bool, onHeading);
    QFETCH(QStringList, expected);
    TBrowseForm form(nullptr, QString(), Figurines);
    QAbstractItemModelTester tester(form.model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.RadioButton2->setChecked(descending);
    const int column = form.columnOrder().column(field);
    if (onHeading)
        QTest::mouseClick(form.StringGrid1->horizontalHeader()->viewport(), Qt::RightButton, {},
                          headingPoint(form, column));
    else
        QTest::mouseClick(form.StringGrid1->viewport(), Qt::RightButton, {}, cellPoint(form, 2, column));
    QCOMPARE(names(form), expected);
    QVERIFY(MessageSeam::asked().isEmpty());
    const QHash<QString, qint64> keys{{"Bell", bell}, {"anchor", anchor}, {"Candle", candle}};
    for (int r = 0; r < 3; ++r) // each row keeps its own key
        QCOMPARE(form.model()->key(r), keys.value(expected[r]));
    form.reject();
}

void TestBrowseForm::rightClickOffTheCells()
{
    TBrowseForm form(nullptr, QString(), Figurines);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.RadioButton2->setChecked(true);
    QWidget *cells = form.StringGrid1->viewport();
    const QPoint belowLastRow(20, 3 * TBrowseForm::RowHeight + 10);
    for (int c = 1; c < BrowseModel::ColumnCount; ++c)
        form.StringGrid1->setColumnWidth(c, 5);
    const QPoint rightOfLastColumn(46 * 5 + 20, 5);
    for (const QPoint &point : {belowLastRow, rightOfLastColumn}) {
        MessageSeam::answerWith({});
        QTest::mouseClick(cells, Qt::RightButton, {}, point);
        QCOMPARE(MessageSeam::asked().size(), 1);
        QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Error);
        QCOMPARE(MessageSeam::asked().first().text,
                 QStringLiteral("You cannot sort by one of the fixed columns when the SortByFixedCol property is set "
                                "to false."));
        QCOMPARE(names(form), (QStringList{"anchor", "Bell", "Candle"}));
    }
    form.reject();
}

void TestBrowseForm::doubleClickAfterSortOpensThatItem()
{
    TBrowseForm form(nullptr, QString(), Figurines);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.RadioButton2->setChecked(true);
    form.sortByColumn(form.columnOrder().column(1)); // Series falling: Bell, Candle, anchor
    QCOMPARE(names(form), (QStringList{"Bell", "Candle", "anchor"}));

    const QPoint candlePoint = cellPoint(form, 1, 1);
    QTest::mouseClick(form.StringGrid1->viewport(), Qt::LeftButton, {}, candlePoint);
    QTest::mouseDClick(form.StringGrid1->viewport(), Qt::LeftButton, {}, candlePoint);
    TAddEditForm *itemForm = form.itemForm();
    QVERIFY(itemForm);
    QCOMPARE(itemForm->mode(), ItemFormMode::EditOne);
    QCOMPARE(itemForm->collectionName(), Figurines);
    QCOMPARE(itemForm->fields().textEdit(0)->text(), QStringLiteral("Candle"));
    QCOMPARE(db->dm().CollectionsTable->currentKey(), candle);
    itemForm->reject();
    form.reject();
}

void TestBrowseForm::doubleClickOnEmptyGridOpensNothing()
{
    TBrowseForm form(nullptr, QString(), QStringLiteral("Dolls"));
    form.StringGrid1DblClick();
    QVERIFY(!form.itemForm());
    QVERIFY(MessageSeam::asked().isEmpty());
    form.reject();
}

void TestBrowseForm::gridFollowsEditAndDelete()
{
    TBrowseForm form(nullptr, QString(), Figurines);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const int nameColumn = form.columnOrder().column(0);
    const int widthBefore = form.StringGrid1->columnWidth(nameColumn);
    form.StringGrid1->setCurrentIndex(form.model()->index(1, nameColumn));
    form.StringGrid1DblClick();
    TAddEditForm *itemForm = form.itemForm();
    QVERIFY(itemForm);
    QCOMPARE(itemForm->fields().textEdit(0)->text(), QStringLiteral("Bell"));

    const QString longName = QStringLiteral("Bell with a much longer name than before");
    itemForm->fields().textEdit(0)->setText(longName);
    itemForm->Button1Click(); // Save
    QCOMPARE(names(form), (QStringList{"anchor", longName, "Candle"}));
    QCOMPARE(form.model()->key(1), bell);
    QVERIFY(form.StringGrid1->columnWidth(nameColumn) > widthBefore);
    QCOMPARE(form.StringGrid1->columnWidth(nameColumn),
             QFontMetrics(form.StringGrid1->font()).horizontalAdvance(longName.toUpper()) + form.cellPadding());

    MessageSeam::answerWith({QMessageBox::Yes});
    itemForm->Button3Click(); // Delete
    QCOMPARE(names(form), (QStringList{"anchor", "Candle"}));
    QCOMPARE(form.windowTitle(), QStringLiteral("Browse Figurines Collection (3 Items)"));
    itemForm->reject();
    QCOMPARE(form.windowTitle(), QStringLiteral("Browse Figurines Collection (2 Items)"));
    form.reject();
}

void TestBrowseForm::saveAfterDeleteRefillsTheItemShown()
{
    TBrowseForm form(nullptr, QString(), Figurines);
    form.RadioButton2->setChecked(true);
    form.sortByColumn(form.columnOrder().column(0)); // Candle, Bell, anchor
    form.StringGrid1->setCurrentIndex(form.model()->index(1, 1));
    form.StringGrid1DblClick();
    TAddEditForm *itemForm = form.itemForm();
    QVERIFY(itemForm);
    MessageSeam::answerWith({QMessageBox::Yes});
    itemForm->Button3Click(); // deletes Bell; the item form goes on with Candle, next in name order
    QCOMPARE(itemForm->fields().textEdit(0)->text(), QStringLiteral("Candle"));
    itemForm->fields().textEdit(0)->setText(QStringLiteral("Candle stick"));
    itemForm->Button1Click();
    QCOMPARE(names(form), (QStringList{"Candle stick", "anchor"}));
    QCOMPARE(form.model()->key(0), candle);
    QCOMPARE(form.model()->key(1), anchor);
    itemForm->reject();
    form.reject();
}

void TestBrowseForm::firstActivationMovesOnce()
{
    TBrowseForm form(nullptr, QString(), Figurines);
    const QPoint start = form.pos();
    form.FormActivate();
    QCOMPARE(form.pos(), start + QPoint(0, 25));
    form.FormActivate();
    QCOMPARE(form.pos(), start + QPoint(0, 25));
    form.reject();
}

void TestBrowseForm::unusableFilterOpensNothing()
{
    QVERIFY_THROWS_EXCEPTION(
        StoreError, TBrowseForm(nullptr, QStringLiteral("Collection = 'Figurines' And  RetailPrice = ten"), Figurines));
    verifyTableGivenBack();
    QCOMPARE(storedOrder(Figurines), QStringLiteral("none"));
}

void TestBrowseForm::gridTableFailureStillCloses()
{
    TBrowseForm form(nullptr, QString(), Figurines);
    form.show();
    QSqlQuery drop(db->dm().database());
    QVERIFY(drop.exec(QStringLiteral("DROP TABLE GridTable")));
    QVERIFY_THROWS_EXCEPTION(StoreError, form.reject());
    QVERIFY(!form.isVisible());
    verifyTableGivenBack();
    QVERIFY(!db->dm().GridTable->isOpen());
}

void TestBrowseForm::itemNoLongerMatchingIsNotOpened()
{
    TBrowseForm form(nullptr, QStringLiteral("Collection = 'Figurines' And  Name = 'b*'"), Figurines);
    QCOMPARE(names(form), QStringList{"Bell"});
    form.StringGrid1->setCurrentIndex(form.model()->index(0, 1));
    form.StringGrid1DblClick();
    QVERIFY(form.itemForm());
    form.itemForm()->fields().textEdit(0)->setText(QStringLiteral("Gong"));
    form.itemForm()->Button1Click();
    QCOMPARE(names(form), QStringList{"Gong"}); // the grid keeps its copy
    form.itemForm()->reject();
    QCOMPARE(form.windowTitle(), QStringLiteral("Browse Figurines Collection (0 Items)"));

    form.StringGrid1DblClick();
    QVERIFY(!form.itemForm() || !form.itemForm()->isVisible());
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().text, QStringLiteral("This item no longer matches the items browsed here."));
    form.reject();
}

QTEST_MAIN(TestBrowseForm)
#include "TestBrowseForm.moc"
