#include "RecordingStatusSink.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "common/TestDatabase.h"
#include "items/BrowseModel.h"
#include "items/TAddEditForm.h"
#include "items/TBrowseForm.h"
#include "items/TFindForm.h"
#include "store/StoreError.h"

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

const QString Figurines = QStringLiteral("Figurines");

// Positions in the field list.
constexpr int NameEntry = 0;
constexpr int RetailPriceEntry = 3;
constexpr int QuantityEntry = 14;
constexpr int LimitedEditionEntry = 18;
constexpr int Check2Entry = 42;

QStringList browsedNames(const TBrowseForm &form)
{
    QStringList names;
    for (int r = 0; r < form.model()->rowCount(); ++r)
        names.append(form.model()->text(r, form.columnOrder().column(0)));
    return names;
}

} // namespace

class TestFindForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();
    void createdForCollection();
    void emptyTextIsRefused_data();
    void emptyTextIsRefused();
    void yesNoTakesTrueOrFalseOnly();
    void fieldSearchOpensBrowse_data();
    void fieldSearchOpensBrowse();
    void browseFromFindRemembersColumnOrder();
    void badNumberOpensNothing();
    void fullTextSearchOpensItemForm();

private:
    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingStatusSink> status;
};

void TestFindForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    QVERIFY(db->dm().DataModule1Create().isEmpty());
    db->addCollection(Figurines);
    db->dm().LoadFieldLayout(Figurines);
    db->addItem(Figurines, {{"Name", "Bell"}, {"RetailPrice", "10"}, {"Quantity", "10"}, {"LimitedEdition", true}});
    db->addItem(Figurines, {{"Name", "bell tower"}, {"RetailPrice", "100"}, {"Quantity", "100 pieces"}});
    db->addItem(Figurines, {{"Name", "Blue bell"}, {"RetailPrice", "10.5"}, {"Check2", true}, {"Notes", "a bell"}});
    db->addItem(Figurines, {{"Name", "O'Brien's jug"}, {"Quantity", "2"}});
    db->addItem(QStringLiteral("Stamps"), {{"Name", "Bell stamp"}, {"RetailPrice", "10"}, {"LimitedEdition", true}});
    MessageSeam::answerWith({});
    status = std::make_unique<RecordingStatusSink>();
}

void TestFindForm::cleanup()
{
    status.reset();
    MessageSeam::reset();
    db.reset();
}

void TestFindForm::createdForCollection()
{
    FieldLayout[16].Label = QStringLiteral("Dimension unit");
    FieldLayout[18].Label = QStringLiteral("Weight unit");
    FieldLayout[7].IsVisible = false;
    FieldLayout[1].Label = QStringLiteral("Range");
    TFindForm form(nullptr, Figurines);
    QCOMPARE(form.windowTitle(), QStringLiteral("Find Figurines items"));
    QCOMPARE(form.statusTip(), QStringLiteral("Find items in a particular collection"));
    QCOMPARE(helpContext(&form), 3002);
    QCOMPARE(form.OvcComboBox1->count(), 44);
    QCOMPARE(form.OvcComboBox1->currentIndex(), 0);
    QCOMPARE(form.OvcComboBox1->maxVisibleItems(), 7);
    QVERIFY(!form.OvcComboBox1->isEditable());
    QCOMPARE(form.OvcComboBox1->itemText(1), QStringLiteral("Range"));
    QCOMPARE(form.OvcComboBox1->itemText(7), FieldLayout[7].Label); // hidden, still offered
    QCOMPARE(form.OvcComboBox1->findText(QStringLiteral("Dimension unit")), -1);
    QCOMPARE(form.OvcComboBox1->findText(QStringLiteral("Weight unit")), -1);
    QCOMPARE(form.OvcComboBox1->itemText(16), FieldLayout[17].Label);
    QVERIFY(form.RadioButton1->isChecked());
    QVERIFY(!form.RadioButton2->isChecked());
    QCOMPARE(form.RadioButton2->text(), QStringLiteral("  Full text search on Description field"));
    QVERIFY(form.Edit1->isEnabled());
    QVERIFY(form.Edit2->isEnabled());
}

void TestFindForm::emptyTextIsRefused_data()
{
    QTest::addColumn<bool>("fullText");
    QTest::newRow("field search") << false;
    QTest::newRow("full text") << true;
}

void TestFindForm::emptyTextIsRefused()
{
    QFETCH(bool, fullText);
    TFindForm form(nullptr, Figurines);
    form.RadioButton2->setChecked(fullText);
    QLineEdit *empty = fullText ? form.Edit2 : form.Edit1;
    (fullText ? form.Edit1 : form.Edit2)->setText(QStringLiteral("bell")); // the other edit is not read
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Information);
    QCOMPARE(MessageSeam::asked().first().text, QStringLiteral("You must enter some text!"));
    QCOMPARE(MessageSeam::asked().first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(form.focusWidget(), empty);
    QVERIFY(!form.browseForm());
    QVERIFY(!form.itemForm());
    QVERIFY(status->shown.isEmpty());
}

void TestFindForm::yesNoTakesTrueOrFalseOnly()
{
    TFindForm form(nullptr, Figurines);
    form.OvcComboBox1->setCurrentIndex(LimitedEditionEntry);
    form.Edit1->setText(QStringLiteral("yes"));
    form.Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked().first().text, QStringLiteral("This field must be TRUE or FALSE"));
    QCOMPARE(MessageSeam::asked().first().kind, MessageKind::Information);
    QVERIFY(!form.browseForm());
    QCOMPARE(status->shown, QStringList{"Locating Items . . ."});
    QCOMPARE(status->current, QString());
    QVERIFY(!db->dm().CollectionsTable->isOpen());
}

void TestFindForm::fieldSearchOpensBrowse_data()
{
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("name prefix") << NameEntry << "BELL" << QStringList{"Bell", "bell tower"};
    QTest::newRow("apostrophe") << NameEntry << "O'Brien" << QStringList{"O'Brien's jug"};
    QTest::newRow("money exactly") << RetailPriceEntry << "10" << QStringList{"Bell"};
    QTest::newRow("text prefix") << QuantityEntry << "10" << QStringList{"Bell", "bell tower"};
    QTest::newRow("yes/no") << LimitedEditionEntry << "True" << QStringList{"Bell"};
    QTest::newRow("custom yes/no") << Check2Entry << "true" << QStringList{"Blue bell"};
    QTest::newRow("nothing found") << NameEntry << "zebra" << QStringList{};
}

void TestFindForm::fieldSearchOpensBrowse()
{
    QFETCH(int, entry);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    TFindForm form(nullptr, Figurines);
    form.OvcComboBox1->setCurrentIndex(entry);
    form.Edit1->setText(text);
    form.Edit2->setText(QStringLiteral("ignored"));
    form.Button1Click();
    TBrowseForm *browse = form.browseForm();
    QVERIFY(browse);
    QVERIFY(browse->isVisible());
    QCOMPARE(browse->collectionName(), Figurines);
    QCOMPARE(browsedNames(*browse), expected);
    QCOMPARE(browse->windowTitle(), QStringLiteral("Browse Figurines Collection (%1 Items)").arg(expected.size()));
    QVERIFY(MessageSeam::asked().isEmpty());
    QCOMPARE(status->shown, QStringList{"Locating Items . . ."});
    QCOMPARE(status->current, QString());
    browse->reject();
    QVERIFY(!db->dm().CollectionsTable->isOpen());
    QCOMPARE(db->dm().CollectionsTable->filter(), QString());
}

void TestFindForm::browseFromFindRemembersColumnOrder()
{
    TFindForm form(nullptr, Figurines);
    form.Edit1->setText(QStringLiteral("b"));
    form.Button1Click();
    QVERIFY(form.browseForm());
    form.browseForm()->reject();

    Table &grid = *db->dm().GridTable;
    grid.open();
    QCOMPARE(grid.recordCount(), 1);
    QVERIFY(grid.locate(QStringLiteral("CollectionName"), Figurines));
    QCOMPARE(grid.fieldText(QStringLiteral("GridData")).size(), 46);
    grid.reset();
}

void TestFindForm::badNumberOpensNothing()
{
    TFindForm form(nullptr, Figurines);
    form.OvcComboBox1->setCurrentIndex(RetailPriceEntry);
    form.Edit1->setText(QStringLiteral("ten"));
    QVERIFY_THROWS_EXCEPTION(StoreError, form.Button1Click());
    QVERIFY(!form.browseForm());
    QVERIFY(form.findChildren<TBrowseForm *>().isEmpty());
    QCOMPARE(status->current, QString());
    const Table &items = *db->dm().CollectionsTable;
    QVERIFY(!items.isOpen());
    QCOMPARE(items.filter(), QString());
}

void TestFindForm::fullTextSearchOpensItemForm()
{
    TFindForm form(nullptr, Figurines);
    form.RadioButton2->setChecked(true);
    form.Edit2->setText(QStringLiteral("bell"));
    form.Button1Click();
    TAddEditForm *itemForm = form.itemForm();
    QVERIFY(itemForm);
    QCOMPARE(itemForm->mode(), ItemFormMode::NotesSearch);
    QCOMPARE(itemForm->collectionName(), Figurines);
    QVERIFY(!form.browseForm());
    QVERIFY(MessageSeam::asked().isEmpty());
    itemForm->reject();
    QVERIFY(!db->dm().CollectionsTable->isOpen());
}

QTEST_MAIN(TestFindForm)
#include "TestFindForm.moc"
