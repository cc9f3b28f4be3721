#include "ItemTestHelpers.h"
#include "RecordingStatusSink.h"
#include "app/FileDialogs.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/PictureHelpers.h"
#include "app/ShellOpen.h"
#include "items/FindTextDialog.h"
#include "items/ItemFields.h"
#include "items/MoneyEdit.h"
#include "items/NotesEditor.h"
#include "items/PicturePanel.h"
#include "items/TAddEditForm.h"
#include "store/StoreError.h"
#include "store/SysConfig.h"
#include "store/Table.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

Q_DECLARE_METATYPE(ItemFormMode)
Q_DECLARE_METATYPE(QMessageBox::StandardButton)

namespace {
const QString Dolls = QStringLiteral("Dolls");

QString picture(const char *name)
{
    return QStringLiteral(CURIODEX_TEST_DATA "/pictures/") + QString::fromLatin1(name);
}
} // namespace

class TestAddEditForm : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void init();
    void cleanup();

    void modes_data();
    void modes();
    void showsTheItem();
    void layoutPlacesLabelsAndHides();
    void tabOrderFollowsRanks();
    void firstActivationOnly();

    void unchangedSavesKeepEveryColumn();
    void savesWhatWasTyped();
    void requiredField();
    void addSavesAndAutoClears_data();
    void addSavesAndAutoClears();
    void failedSaveKeepsTyping_data();
    void failedSaveKeepsTyping();
    void editOnEmptyCollectionAdds();
    void deleteOnEmptyCollection();
    void deleteShowsNextItem_data();
    void deleteShowsNextItem();
    void navigator();
    void closeClearsStatusAndTable_data();
    void closeClearsStatusAndTable();

    void listsFilledOnceSorted();
    void learning_data();
    void learning();
    void leavingListFieldWithTabAsks();
    void clickingCloseAsksFirst();

    void picturesBySlot();
    void loadAndClearPictures();
    void viewPicture_data();
    void viewPicture();
    void notesEditorsStayEqual();
    void notesSearch();

private:
    std::unique_ptr<TAddEditForm> open(ItemFormMode mode, const QString &search = QString());
    QString fieldText(TAddEditForm &form, int field) const;
    void setFieldText(TAddEditForm &form, int field, const QString &text);

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<RecordingStatusSink> status;
};

void TestAddEditForm::init()
{
    db = std::make_unique<TestDatabase>();
    QVERIFY(db->opened);
    db->addCollection(Dolls);
    db->dm().LoadFieldLayout(Dolls);
    SysConfigRec = SysConfigRecord{};
    status = std::make_unique<RecordingStatusSink>();
    MessageSeam::answerWith({});
}

void TestAddEditForm::cleanup()
{
    MessageSeam::reset();
    FileDialogSeam::reset();
    ShellSeam::reset();
    status.reset();
    db.reset();
}

std::unique_ptr<TAddEditForm> TestAddEditForm::open(ItemFormMode mode, const QString &search)
{
    return std::make_unique<TAddEditForm>(nullptr, Dolls, mode, search);
}

QString TestAddEditForm::fieldText(TAddEditForm &form, int field) const
{
    const ItemFields &f = form.fields();
    if (QLineEdit *edit = f.textEdit(field))
        return edit->text();
    if (QComboBox *box = f.comboBox(field))
        return box->currentText();
    return {};
}

void TestAddEditForm::setFieldText(TAddEditForm &form, int field, const QString &text)
{
    const ItemFields &f = form.fields();
    if (QLineEdit *edit = f.textEdit(field))
        edit->setText(text);
    else if (QComboBox *box = f.comboBox(field))
        box->setEditText(text);
}

void TestAddEditForm::modes_data()
{
    QTest::addColumn<ItemFormMode>("mode");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("help");
    QTest::addColumn<QString>("statusTip");
    QTest::addColumn<bool>("editing"); // Delete shown, Clear and Auto. hidden
    QTest::addColumn<bool>("navigator");
    QTest::newRow("add") << ItemFormMode::Add << "Add Dolls Items" << 2001 << "Add new items to the Dolls collection"
                         << false << false;
    QTest::newRow("edit") << ItemFormMode::Edit << "Edit Dolls Collection (2 Items)" << 2002
                          << "Edit items in the Dolls collection" << true << true;
    QTest::newRow("one item") << ItemFormMode::EditOne << "Edit Dolls Collection (2 Items)" << 2002
                              << "Edit items in the Dolls collection" << true << false;
    QTest::newRow("notes search") << ItemFormMode::NotesSearch << "Edit Dolls Collection (2 Items)" << 2002
                                  << "Edit items in the Dolls collection" << true << true;
}

void TestAddEditForm::modes()
{
    QFETCH(ItemFormMode, mode);
    QFETCH(QString, caption);
    QFETCH(int, help);
    QFETCH(QString, statusTip);
    QFETCH(bool, editing);
    QFETCH(bool, navigator);
    db->addItem(Dolls, {{"Name", "Anna"}});
    db->addItem(Dolls, {{"Name", "Bea"}});
    db->addItem("Trains", {{"Name", "Atlas"}});
    if (mode == ItemFormMode::EditOne) { // as the browse window leaves the table
        Table &t = *db->dm().CollectionsTable;
        t.setFilter("Collection = 'Dolls'");
        t.setFiltered(true);
        t.open();
    }
    auto form = open(mode);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(helpContext(form.get()), help);
    QCOMPARE(form->statusTip(), statusTip);
    QCOMPARE(form->size(), QSize(TAddEditForm::ClientWidth, TAddEditForm::ClientHeight));
    QCOMPARE(form->PageControl1->currentIndex(), 0);
    QCOMPARE(form->Button3->isVisibleTo(form.get()), editing);
    QCOMPARE(form->Button8->isVisibleTo(form.get()), !editing);
    QCOMPARE(form->CheckBox1->isVisibleTo(form.get()), !editing);
    QCOMPARE(form->DBNavigator1->isVisibleTo(form.get()), navigator);
    QVERIFY(!form->Button4->isVisibleTo(form.get()));
    QCOMPARE(fieldText(*form, 0), QString(mode == ItemFormMode::Add ? "" : "Anna"));
    form->Button2Click();
    db->dm().CollectionsTable->reset();
}

void TestAddEditForm::showsTheItem()
{
    db->addItem(Dolls, awkwardItem("Anna"));
    db->addItem(Dolls, {{"Name", "Bea"}, {"DMeasure", "inches"}, {"WMeasure", "KG."}});
    auto form = open(ItemFormMode::Edit);
    const ItemFields &f = form->fields();
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Anna"));
    QCOMPARE(fieldText(*form, 2), QStringLiteral("Acme"));
    QCOMPARE(fieldText(*form, 8), QStringLiteral("sometime in spring"));
    QCOMPARE(f.moneyEdit(3)->text(), QStringLiteral("$12.50"));
    QCOMPARE(f.moneyEdit(4)->text(), QStringLiteral("$1,234,567.8912"));
    QCOMPARE(f.moneyEdit(6)->text(), QStringLiteral("$0.00"));
    QCOMPARE(f.moneyEdit(39)->text(), QStringLiteral("$0.0001"));
    QCOMPARE(f.comboBox(16)->currentText(), QStringLiteral("In.")); // stored as in.
    QCOMPARE(f.comboBox(18)->currentIndex(), -1);                   // pounds is no choice
    QVERIFY(f.checkBox(20)->isChecked());
    QVERIFY(f.checkBox(44)->isChecked());
    QVERIFY(!f.checkBox(43)->isChecked());
    QCOMPARE(form->RichEdit1->notes(), QStringLiteral("first line\nsecond line\u00a0with a hard space\n"));
    QCOMPARE(form->RichEdit2->notes(), form->RichEdit1->notes());
    QCOMPARE(form->currentPictureSlot(), 1);
    QVERIFY(form->PictureButtons[0]->isChecked());
    QCOMPARE(form->picturePath(2), awkwardItem("Anna").value("Image2").toString());

    form->DBNavigator1Click(RecordNavigator::Next);
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Bea"));
    QCOMPARE(f.comboBox(16)->currentIndex(), -1);
    QCOMPARE(f.comboBox(18)->currentText(), QStringLiteral("Kg."));
    QCOMPARE(f.moneyEdit(3)->text(), QStringLiteral("$0.00"));
    QVERIFY(form->RichEdit1->toPlainText().isEmpty());
    QCOMPARE(form->picturePath(2), QString());
}

void TestAddEditForm::layoutPlacesLabelsAndHides()
{
    FieldLayout[1] = {QStringLiteral("Maker's Series & Line"), 200, 300, 5, true};
    FieldLayout[13].IsVisible = false;
    FieldLayout[16].Label = QStringLiteral("Units");
    FieldLayout[16].LeftPosition = 400;
    FieldLayout[21].TopPosition = 16;
    FieldLayout[44].Label = QStringLiteral("Signed & boxed");
    FieldLayout[0].Label = QStringLiteral("Title");
    auto form = open(ItemFormMode::Add);
    form->FormActivate();
    const ItemFields &f = form->fields();

    QCOMPARE(f.control(1)->pos(), QPoint(200, 300));
    QCOMPARE(f.label(1)->pos(), QPoint(200, 286));
    QCOMPARE(f.label(1)->text(), QStringLiteral("Maker's Series & Line"));
    QCOMPARE(f.control(1)->parentWidget(), form->TabSheet1);
    QCOMPARE(f.label(21)->y(), 2); // a field at top 16 has its label at top 2
    QCOMPARE(f.control(21)->parentWidget(), form->TabSheet2);
    QVERIFY(!f.control(13)->isVisibleTo(form.get()));
    QVERIFY(!f.label(13)->isVisibleTo(form.get()));
    QVERIFY(f.control(12)->isVisibleTo(form.get()));
    QVERIFY(f.label(12)->isVisibleTo(form.get()));
    QCOMPARE(f.control(16)->x(), 400);
    QVERIFY(f.label(16) == nullptr);
    const QList<QLabel *> labels = form->findChildren<QLabel *>();
    QVERIFY(std::none_of(labels.cbegin(), labels.cend(), [](const QLabel *l) { return l->text() == u"Units"; }));
    QCOMPARE(f.checkBox(44)->text(), QStringLiteral("Signed && boxed"));
    QCOMPARE(f.label(0)->text(), QStringLiteral("Title"));
    QVERIFY(f.label(0)->font().bold());
    QVERIFY(!f.label(2)->font().bold());
}

void TestAddEditForm::tabOrderFollowsRanks()
{
    // Page 1 in the order Color, Name, Series, then the rest by number; page 2 reversed.
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
        FieldLayout[n].TabOrder = n < 21 ? n + 3 : 45 - n;
    FieldLayout[13].TabOrder = 0;
    FieldLayout[0].TabOrder = 1;
    FieldLayout[1].TabOrder = 2;
    auto form = open(ItemFormMode::Add);
    form->ApplyLayout();
    const ItemFields &f = form->fields();
    auto follows = [&f](int a, int b) {
        QWidget *w = f.control(a)->nextInFocusChain();
        while (w && !w->isWindow() && w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        // A combo box's line edit follows its box in the chain.
        while (w && w->parentWidget() == f.control(a))
            w = w->nextInFocusChain();
        return w == f.control(b);
    };
    QVERIFY(follows(13, 0));
    QVERIFY(follows(0, 1));
    QVERIFY(follows(1, 2));
    QVERIFY(follows(12, 14));
    QVERIFY(follows(45, 44));
    QVERIFY(follows(22, 21));
}

void TestAddEditForm::firstActivationOnly()
{
    db->addItem(Dolls, {{"Name", "Anna"}, {"Notes", "a rose"}});
    auto form = open(ItemFormMode::NotesSearch, "rose");
    const QPoint start = form->pos();
    form->FormActivate();
    QCOMPARE(form->pos(), start + QPoint(0, 25));
    QVERIFY(form->FindDialog1->isVisible());
    QCOMPARE(form->FindDialog1->findText(), QStringLiteral("rose"));
    QVERIFY(!form->searchHit());

    form->FindDialog1->close();
    FieldLayout[0].LeftPosition = 300;
    FieldLayout[0].Label = QStringLiteral("Changed");
    form->FormActivate();
    QCOMPARE(form->pos(), start + QPoint(0, 25));
    QCOMPARE(form->fields().control(0)->x(), 16);
    QCOMPARE(form->fields().label(0)->text(), QStringLiteral("Name"));
    QVERIFY(!form->FindDialog1->isVisible());
    form->Button2Click();
}

void TestAddEditForm::unchangedSavesKeepEveryColumn()
{
    const qint64 id = db->addItem(Dolls, awkwardItem("Anna"));
    const QStringList before = rawItemRow(*db, id);
    FieldLayout[27].IsVisible = false; // Text7 holds "hidden value"
    auto form = open(ItemFormMode::Edit);
    form->FormActivate();
    for (int i = 0; i < 3; ++i)
        form->Button1Click();
    QCOMPARE(rawItemRow(*db, id), before);

    // Changing one field writes that column and keeps the hidden one.
    setFieldText(*form, 7, "Fair");
    form->Button1Click();
    form->Button1Click();
    const QStringList after = rawItemRow(*db, id);
    const QStringList columns = FieldCatalogue::itemColumns();
    for (int i = 0; i < columns.size(); ++i)
        QCOMPARE(after[i], columns[i] == u"PurchasedFrom" ? QStringLiteral("'Fair'") : before[i]);
    form->Button2Click();
}

void TestAddEditForm::savesWhatWasTyped()
{
    const qint64 id = db->addItem(Dolls, awkwardItem("Anna"));
    FieldLayout[27].IsVisible = false;
    auto form = open(ItemFormMode::Edit);
    form->FormActivate();
    const ItemFields &f = form->fields();
    setFieldText(*form, 0, "  Anna  ");
    setFieldText(*form, 1, "Short");
    setFieldText(*form, 27, "still saved");
    f.moneyEdit(3)->setText("250000.125");
    f.moneyEdit(5)->clear();
    f.comboBox(16)->setCurrentIndex(1);
    f.checkBox(20)->setChecked(false);
    form->PictureButtonsClick(5);
    form->Button7Click();
    form->RichEdit1->setPlainText("new notes");
    form->RichEdit1Exit();
    form->Button1Click();

    const QStringList row = rawItemRow(*db, id);
    auto value = [&row](const char *column) { return row.at(FieldCatalogue::itemColumns().indexOf(column)); };
    QCOMPARE(value("Name"), QStringLiteral("'  Anna  '"));
    QCOMPARE(value("Series"), QStringLiteral("'Short'"));
    QCOMPARE(value("Text7"), QStringLiteral("'still saved'"));
    QCOMPARE(value("RetailPrice"), QStringLiteral("2500001250"));
    QCOMPARE(value("CurrentValue"), QStringLiteral("0"));
    QCOMPARE(value("DMeasure"), QStringLiteral("'Cm.'"));
    QCOMPARE(value("WMeasure"), QStringLiteral("'pounds'")); // left alone, so kept
    QCOMPARE(value("LimitedEdition"), QStringLiteral("0"));
    QCOMPARE(value("Image5"), QStringLiteral("NULL"));
    QCOMPARE(value("Image2"), QStringLiteral("'%1'").arg(awkwardItem("").value("Image2").toString()));
    QCOMPARE(value("Notes"), QStringLiteral("'new notes'"));
    QCOMPARE(db->dm().CollectionsTable->fieldText("Name"), QStringLiteral("  Anna  ")); // still current
    form->Button2Click();
}

void TestAddEditForm::requiredField()
{
    const qint64 id = db->addItem(Dolls, {{"Name", "Anna"}});
    const QStringList before = rawItemRow(*db, id);
    FieldLayout[0].Label = QStringLiteral("Title");
    auto form = open(ItemFormMode::Edit);
    form->show();
    setFieldText(*form, 0, "");
    setFieldText(*form, 2, "Acme");
    form->PageControl1->setCurrentIndex(2);
    form->Button1Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked()[0].kind, MessageKind::Information);
    QCOMPARE(MessageSeam::asked()[0].text, QStringLiteral("Title is a required field!"));
    QCOMPARE(MessageSeam::asked()[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(form->PageControl1->currentIndex(), 0);
    QCOMPARE(form->focusWidget(), form->fields().control(0));
    QCOMPARE(rawItemRow(*db, id), before);
    QCOMPARE(fieldText(*form, 2), QStringLiteral("Acme"));
    form->Button2Click();
}

void TestAddEditForm::addSavesAndAutoClears_data()
{
    QTest::addColumn<bool>("autoClear");
    QTest::newRow("auto-clear off") << false;
    QTest::newRow("auto-clear on") << true;
}

void TestAddEditForm::addSavesAndAutoClears()
{
    QFETCH(bool, autoClear);
    SysConfigRec.AutoClear = autoClear;
    auto form = open(ItemFormMode::Add);
    form->show();
    QCOMPARE(form->CheckBox1->isChecked(), autoClear);
    QVERIFY(!db->dm().CollectionsTable->isOpen());
    setFieldText(*form, 0, "Dora");
    form->fields().moneyEdit(4)->setValue(Money::fromWhole(3));
    form->RichEdit1->setPlainText("notes");
    form->PictureButtonsClick(3);
    FileDialogSeam::setNextFileName(picture("yellow.gif"));
    form->Button5Click();
    form->PageControl1->setCurrentIndex(1);
    form->Button1Click();
    QVERIFY(!db->dm().CollectionsTable->isOpen());
    QCOMPARE(itemRowCount(*db), 1);
    if (autoClear) {
        QCOMPARE(fieldText(*form, 0), QString());
        QCOMPARE(form->fields().moneyEdit(4)->value(), Money());
        QVERIFY(form->RichEdit1->toPlainText().isEmpty());
        QCOMPARE(form->picturePath(3), QString());
        QCOMPARE(form->currentPictureSlot(), 1);
        QCOMPARE(form->PageControl1->currentIndex(), 0);
        QCOMPARE(form->focusWidget(), form->fields().control(0));
    } else {
        QCOMPARE(fieldText(*form, 0), QStringLiteral("Dora"));
        form->Button1Click();
        QCOMPARE(itemRowCount(*db), 2);
        QSqlQuery q(db->dm().database());
        q.exec("SELECT count(*) FROM Collection WHERE Name = 'Dora' AND PurchasePrice = 30000 AND Notes = 'notes' "
               "AND Collection = 'Dolls' AND Image3 LIKE '%yellow.gif'");
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 2);
    }
    // Unchecking the box on the form does not change the option.
    form->CheckBox1->setChecked(!autoClear);
    QCOMPARE(SysConfigRec.AutoClear, autoClear);
    form->Button2Click();
}

void TestAddEditForm::failedSaveKeepsTyping_data()
{
    QTest::addColumn<ItemFormMode>("mode");
    QTest::newRow("add") << ItemFormMode::Add;
    QTest::newRow("edit") << ItemFormMode::Edit;
}

void TestAddEditForm::failedSaveKeepsTyping()
{
    QFETCH(ItemFormMode, mode);
    const qint64 id = db->addItem(Dolls, {{"Name", "Anna"}});
    const QStringList before = rawItemRow(*db, id);
    QVERIFY(refuseItemWrites(*db));
    auto form = open(mode);
    setFieldText(*form, 0, "Typed name");
    setFieldText(*form, 1, "Typed series");
    form->RichEdit1->setPlainText("typed notes");
    QVERIFY_THROWS_EXCEPTION(StoreError, form->Button1Click());
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Typed name"));
    QCOMPARE(fieldText(*form, 1), QStringLiteral("Typed series"));
    QCOMPARE(form->RichEdit1->toPlainText(), QStringLiteral("typed notes"));
    QCOMPARE(itemRowCount(*db), 1);
    QCOMPARE(rawItemRow(*db, id), before);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    Table &t = *db->dm().CollectionsTable;
    QCOMPARE(t.state(), mode == ItemFormMode::Add ? Table::State::Inactive : Table::State::Browse);
    form->Button2Click();
}

void TestAddEditForm::editOnEmptyCollectionAdds()
{
    auto form = open(ItemFormMode::Edit);
    QCOMPARE(form->windowTitle(), QStringLiteral("Edit Dolls Collection (0 Items)"));
    QCOMPARE(fieldText(*form, 0), QString());
    QCOMPARE(form->fields().moneyEdit(3)->text(), QStringLiteral("$0.00"));
    QCOMPARE(form->fields().comboBox(16)->currentIndex(), -1);
    for (const auto b : {RecordNavigator::First, RecordNavigator::Prior, RecordNavigator::Next, RecordNavigator::Last})
        QVERIFY(!form->DBNavigator1->button(b)->isEnabled());
    setFieldText(*form, 0, "First");
    form->Button1Click();
    QCOMPARE(itemRowCount(*db), 1);
    QCOMPARE(db->dm().CollectionsTable->fieldText("Collection"), Dolls);
    QCOMPARE(db->dm().CollectionsTable->fieldText("Name"), QStringLiteral("First"));
    form->Button2Click();
}

void TestAddEditForm::deleteOnEmptyCollection()
{
    auto form = open(ItemFormMode::Edit);
    MessageSeam::answerWith({QMessageBox::Yes});
    form->Button3Click();
    const QList<MessageSeam::Asked> asked = MessageSeam::asked();
    QCOMPARE(asked.size(), 2);
    QCOMPARE(asked[0].kind, MessageKind::Confirmation);
    QCOMPARE(asked[0].text, QStringLiteral("Are you sure you want to delete ?"));
    QCOMPARE(asked[0].buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(asked[1].kind, MessageKind::Error);
    QCOMPARE(asked[1].text, QStringLiteral("Could not delete "));
    QCOMPARE(asked[1].buttons, QMessageBox::StandardButtons(QMessageBox::Abort));
    QVERIFY(status->shown.isEmpty());
    form->Button2Click();
}

void TestAddEditForm::deleteShowsNextItem_data()
{
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("deleted");
    QTest::newRow("yes") << QMessageBox::Yes << true;
    QTest::newRow("no") << QMessageBox::No << false;
    QTest::newRow("box closed") << QMessageBox::NoButton << false;
}

void TestAddEditForm::deleteShowsNextItem()
{
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, deleted);
    db->addItem(Dolls, {{"Name", "Cleo"}});
    db->addItem(Dolls, {{"Name", "Anna"}});
    db->addItem(Dolls, {{"Name", "Bea"}});
    auto form = open(ItemFormMode::Edit);
    setFieldText(*form, 0, "typed, not saved");
    MessageSeam::answerWith({answer});
    form->Button3Click();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked()[0].text, QStringLiteral("Are you sure you want to delete Anna?"));
    QCOMPARE(itemRowCount(*db), deleted ? 2 : 3);
    if (deleted) {
        QCOMPARE(status->shown, QStringList{"Deleted Anna from Dolls"});
        QCOMPARE(fieldText(*form, 0), QStringLiteral("Bea"));
        QCOMPARE(form->windowTitle(), QStringLiteral("Edit Dolls Collection (2 Items)"));
        form->DBNavigator1Click(RecordNavigator::Last);
        form->Button3Click();
        QCOMPARE(fieldText(*form, 0), QStringLiteral("Bea")); // the one before the deleted last
        QCOMPARE(form->windowTitle(), QStringLiteral("Edit Dolls Collection (1 Items)"));
    } else {
        QCOMPARE(fieldText(*form, 0), QStringLiteral("typed, not saved"));
        QVERIFY(status->shown.isEmpty());
    }
    form->Button2Click();
}

void TestAddEditForm::navigator()
{
    db->addItem(Dolls, {{"Name", "Cleo"}});
    db->addItem(Dolls, {{"Name", "anna"}});
    db->addItem(Dolls, {{"Name", "Bea"}});
    db->addItem("Trains", {{"Name", "Atlas"}});
    auto form = open(ItemFormMode::Edit);
    form->show();
    RecordNavigator *nav = form->DBNavigator1;
    auto enabled = [nav] {
        QString s;
        for (const auto b :
             {RecordNavigator::First, RecordNavigator::Prior, RecordNavigator::Next, RecordNavigator::Last})
            s += nav->button(b)->isEnabled() ? u'1' : u'0';
        return s;
    };
    QCOMPARE(fieldText(*form, 0), QStringLiteral("anna"));
    QCOMPARE(enabled(), QStringLiteral("0011"));
    form->DBNavigator1Click(RecordNavigator::Next);
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Bea"));
    QCOMPARE(enabled(), QStringLiteral("1111"));
    form->DBNavigator1Click(RecordNavigator::Last);
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Cleo"));
    QCOMPARE(enabled(), QStringLiteral("1100"));
    setFieldText(*form, 2, "unsaved");
    form->DBNavigator1Click(RecordNavigator::Prior);
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Bea"));
    QCOMPARE(fieldText(*form, 2), QString());
    form->DBNavigator1Click(RecordNavigator::First);
    QCOMPARE(fieldText(*form, 0), QStringLiteral("anna"));
    form->DBNavigator1Click(RecordNavigator::Next);
    QTest::mouseClick(nav->button(RecordNavigator::Next), Qt::LeftButton);
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Cleo"));

    // A save after stepping writes over the item on show.
    setFieldText(*form, 2, "Maker");
    form->Button1Click();
    QSqlQuery q(db->dm().database());
    q.exec("SELECT Name FROM Collection WHERE Manufacturer = 'Maker'");
    QVERIFY(q.next());
    QCOMPARE(q.value(0).toString(), QStringLiteral("Cleo"));
    form->Button2Click();
}

void TestAddEditForm::closeClearsStatusAndTable_data()
{
    QTest::addColumn<ItemFormMode>("mode");
    QTest::addColumn<bool>("tableStaysOpen");
    QTest::newRow("add") << ItemFormMode::Add << false;
    QTest::newRow("edit") << ItemFormMode::Edit << false;
    QTest::newRow("notes search") << ItemFormMode::NotesSearch << false;
    QTest::newRow("one item") << ItemFormMode::EditOne << true;
}

void TestAddEditForm::closeClearsStatusAndTable()
{
    QFETCH(ItemFormMode, mode);
    QFETCH(bool, tableStaysOpen);
    db->addItem(Dolls, {{"Name", "Anna"}});
    Table &t = *db->dm().CollectionsTable;
    if (mode == ItemFormMode::EditOne) {
        t.setFilter("Collection = 'Dolls'");
        t.setFiltered(true);
        t.open();
    }
    auto form = open(mode);
    form->FormActivate();
    ShowStatus("something");
    form->Button2Click();
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(status->current, QString());
    QVERIFY(status->clears > 0);
    QCOMPARE(t.isOpen(), tableStaysOpen);
    QCOMPARE(t.filtered(), tableStaysOpen);
    QVERIFY(t.indexName().isEmpty());
    QVERIFY(!form->FindDialog1->isVisible());
    t.reset();
}

void TestAddEditForm::listsFilledOnceSorted()
{
    Table &lists = *db->dm().ListsTable;
    lists.open();
    for (const auto &[collection, field, value] :
         std::initializer_list<std::tuple<const char *, int, const char *>>{{"Dolls", 1, "zebra"},
                                                                            {"Dolls", 1, "Apple"},
                                                                            {"Dolls", 1, "mango"},
                                                                            {"Dolls", 2, "OnlyMaker"},
                                                                            {"Trains", 1, "Steam"},
                                                                            {"Dolls", 16, "Yards"},
                                                                            {"Dolls", 32, "Last"}})
        lists.insertRecord({collection, field, value});
    lists.reset();
    db->addItem(Dolls, {{"Name", "Anna"}, {"Series", "Typed"}});
    auto form = open(ItemFormMode::Edit);
    const ItemFields &f = form->fields();
    QCOMPARE(f.listValues(1), (QStringList{"Apple", "mango", "zebra"}));
    QCOMPARE(f.listValues(2), QStringList{"OnlyMaker"});
    QCOMPARE(f.listValues(32), QStringList{"Last"});
    QCOMPARE(f.comboBox(16)->count(), 4);
    QCOMPARE(fieldText(*form, 1), QStringLiteral("Typed"));
    QCOMPARE(fieldText(*form, 2), QString());
    QCOMPARE(f.comboBox(1)->maxVisibleItems(), 7);
    QVERIFY(f.comboBox(1)->isEditable());
    QVERIFY(!f.comboBox(16)->isEditable());
    QVERIFY(!lists.isOpen());
    QVERIFY(!lists.filtered());
    form->Button2Click();
}

void TestAddEditForm::learning_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("learned");
    QTest::newRow("yes") << "Tin" << QMessageBox::Yes << true << true;
    QTest::newRow("no") << "Tin" << QMessageBox::No << true << false;
    QTest::newRow("box closed") << "Tin" << QMessageBox::NoButton << true << false;
    QTest::newRow("empty") << "" << QMessageBox::Yes << false << false;
    QTest::newRow("known in other case") << "red" << QMessageBox::Yes << false << false;
    QTest::newRow("leading blank is new") << " Red" << QMessageBox::Yes << true << true;
}

void TestAddEditForm::learning()
{
    QFETCH(QString, typed);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, asked);
    QFETCH(bool, learned);
    Table &lists = *db->dm().ListsTable;
    lists.open();
    lists.insertRecord({Dolls, 13, "Red"});
    lists.insertRecord({Dolls, 13, "Blue"});
    lists.reset();
    auto form = open(ItemFormMode::Add);
    setFieldText(*form, 13, typed);
    MessageSeam::answerWith({answer});
    form->DropDownListExit(13);

    QCOMPARE(MessageSeam::asked().size(), asked ? 1 : 0);
    if (asked) {
        QCOMPARE(MessageSeam::asked()[0].kind, MessageKind::Information);
        QCOMPARE(MessageSeam::asked()[0].text, typed + QStringLiteral(" is not in this list.  Add it?"));
        QCOMPARE(MessageSeam::asked()[0].buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(fieldText(*form, 13), typed);
    QCOMPARE(form->fields().listValues(13).contains(typed), learned);
    QCOMPARE(status->shown, learned ? QStringList{"Added " + typed} : QStringList{});
    QSqlQuery q(db->dm().database());
    q.prepare("SELECT count(*) FROM Lists WHERE Collection = 'Dolls' AND DataFieldNumber = 13 AND \"Values\" = ?");
    q.addBindValue(typed);
    QVERIFY(q.exec() && q.next());
    QCOMPARE(q.value(0).toInt(), learned ? 1 : 0);
    QVERIFY(!lists.isOpen());

    // A value learned here is offered by the next form of this collection, under this field only.
    auto next = open(ItemFormMode::Add);
    QCOMPARE(next->fields().listValues(13).contains(typed), learned);
    QVERIFY(!next->fields().listValues(12).contains(typed) || typed.isEmpty());
}

void TestAddEditForm::leavingListFieldWithTabAsks()
{
    auto form = open(ItemFormMode::Add);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        QSKIP("The window system does not activate windows.");
    QComboBox *series = form->fields().comboBox(1);
    series->setFocus();
    QTest::keyClicks(series, "Tin");
    MessageSeam::answerWith({QMessageBox::Yes});
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked()[0].text, QStringLiteral("Tin is not in this list.  Add it?"));
    QVERIFY(form->fields().listValues(1).contains("Tin"));
    form->Button2Click();
}

void TestAddEditForm::clickingCloseAsksFirst()
{
    auto form = open(ItemFormMode::Add);
    form->show();
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get()))
        QSKIP("The window system does not activate windows.");
    QComboBox *location = form->fields().comboBox(12);
    location->setFocus();
    QTest::keyClicks(location, "Attic");
    MessageSeam::answerWith({QMessageBox::Yes});
    QTest::mouseClick(form->Button2, Qt::LeftButton);
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked()[0].text, QStringLiteral("Attic is not in this list.  Add it?"));
    QVERIFY(!form->isVisible()); // the click still closed the form
    QCOMPARE(form->result(), int(QDialog::Rejected));
    QCOMPARE(itemRowCount(*db), 0);
    auto next = open(ItemFormMode::Add);
    QVERIFY(next->fields().listValues(12).contains("Attic"));
}

void TestAddEditForm::picturesBySlot()
{
    db->addItem(Dolls, {{"Name", "Anna"},
                        {"Image2", picture("tall-green.png")},
                        {"Image5", picture("wide-red.jpg")},
                        {"Image6", picture("garbage.png")},
                        {"Image4", "/no/such/picture.jpg"}});
    auto form = open(ItemFormMode::Edit);
    PicturePanel *panel = form->Panel1;
    QCOMPARE(panel->size(), QSize(201, 201));
    QCOMPARE(panel->pictureBox()->size(), QSize(197, 197));
    QVERIFY(!panel->hasPicture()); // slot 1 is empty: "None" shows

    form->PictureButtonsClick(2);
    QVERIFY(form->PictureButtons[1]->isChecked());
    QVERIFY(panel->hasPicture());
    const QImage tall = panel->shownImage();
    QCOMPARE(tall.size(), QSize(197, 197));
    const QColor background = panel->palette().color(QPalette::Window);
    QCOMPARE(tall.pixelColor(2, 98), background); // bands left and right
    QCOMPARE(tall.pixelColor(98, 98), LoadPictureBitmap(picture("tall-green.png")).image.pixelColor(5, 15));

    form->PictureButtonsClick(5);
    QCOMPARE(panel->shownImage().pixelColor(98, 2), background); // bands above and below

    form->PictureButtonsClick(4); // missing file: "Image Not Found"
    QVERIFY(panel->hasPicture());
    form->PictureButtonsClick(6); // not a picture: empty box, path kept
    QVERIFY(!panel->hasPicture());
    QVERIFY(!panel->toolTip().isEmpty());
    QCOMPARE(form->picturePath(6), picture("garbage.png"));

    form->PictureButtonsClick(1);
    QVERIFY(!panel->hasPicture());
    form->Button2Click();
}

void TestAddEditForm::loadAndClearPictures()
{
    const QString longPath = awkwardItem("").value("Image2").toString();
    const qint64 id = db->addItem(
        Dolls,
        {{"Name", "Anna"}, {"Image2", longPath}, {"Image4", picture("gray.jpg")}, {"Image6", picture("blue.bmp")}});
    SysConfigRec.PicturesDirectory = QStringLiteral(CURIODEX_TEST_DATA "/pictures");
    {
        auto form = open(ItemFormMode::Edit);
        form->PictureButtonsClick(3);
        FileDialogSeam::setNextFileName(picture("yellow.gif"));
        form->Button5Click();
        QCOMPARE(FileDialogSeam::asked(), QStringList{"picture: Open"});
        QCOMPARE(form->picturePath(3), picture("yellow.gif"));
        QVERIFY(form->Panel1->hasPicture());
        FileDialogSeam::setNextFileName(QString()); // cancelled
        form->Button5Click();
        QCOMPARE(form->picturePath(3), picture("yellow.gif"));
        FileDialogSeam::setNextFileName(picture("garbage.jpg")); // refused with the reason
        form->Button5Click();
        QCOMPARE(form->picturePath(3), picture("yellow.gif"));
        QCOMPARE(MessageSeam::asked().size(), 1);
        QCOMPARE(MessageSeam::asked()[0].kind, MessageKind::Error);
        form->Button2Click(); // closed without saving
    }
    QCOMPARE(rawItemRow(*db, id).at(FieldCatalogue::itemColumns().indexOf("Image3")), QStringLiteral("NULL"));

    auto form = open(ItemFormMode::Edit);
    form->PictureButtonsClick(4);
    QVERIFY(form->Panel1->hasPicture());
    form->Button7Click();
    QVERIFY(!form->Panel1->hasPicture());
    QCOMPARE(form->picturePath(4), QString());
    form->Button1Click();
    const QStringList row = rawItemRow(*db, id);
    const QStringList columns = FieldCatalogue::itemColumns();
    QCOMPARE(row.at(columns.indexOf("Image4")), QStringLiteral("NULL"));
    QCOMPARE(row.at(columns.indexOf("Image2")), QStringLiteral("'%1'").arg(longPath));
    QCOMPARE(row.at(columns.indexOf("Image6")), QStringLiteral("'%1'").arg(picture("blue.bmp")));
    form->Button2Click();
}

void TestAddEditForm::viewPicture_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("message");
    QTest::newRow("empty slot") << "" << false << false;
    QTest::newRow("picture") << picture("wide-red.jpg") << true << false;
    QTest::newRow("deleted file") << "/no/such/picture.jpg" << false << true;
}

void TestAddEditForm::viewPicture()
{
    QFETCH(QString, path);
    QFETCH(bool, opened);
    QFETCH(bool, message);
    db->addItem(Dolls, {{"Name", "Anna"}, {"Image1", path}});
    ShellSeam::record();
    auto form = open(ItemFormMode::Edit);
    form->Button6Click();
    QCOMPARE(ShellSeam::opened(), opened ? QList<QUrl>{QUrl::fromLocalFile(path)} : QList<QUrl>{});
    QCOMPARE(MessageSeam::asked().size(), message ? 1 : 0);
    if (message) {
        QCOMPARE(MessageSeam::asked()[0].kind, MessageKind::Information);
        QVERIFY2(MessageSeam::asked()[0].text.startsWith("Cannot view image " + path + "\n\n"),
                 qPrintable(MessageSeam::asked()[0].text));
        QVERIFY(MessageSeam::asked()[0].text.size() > QString("Cannot view image " + path + "\n\n").size());
    }
    form->Button2Click();
}

void TestAddEditForm::notesEditorsStayEqual()
{
    db->addItem(Dolls, {{"Name", "Anna"}, {"Notes", "stored"}});
    auto form = open(ItemFormMode::Edit);
    NotesEditor *box = form->RichEdit1;
    NotesEditor *page = form->RichEdit2;
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(" and typed");
    QCOMPARE(page->toPlainText(), QStringLiteral("stored"));
    form->RichEdit1Exit();
    QCOMPARE(page->toPlainText(), QStringLiteral("stored and typed"));

    // Leaving an editor that was not changed copies nothing.
    box->setPlainText("box only");
    box->markUnchanged();
    form->RichEdit1Exit();
    form->RichEdit2Exit();
    QCOMPARE(page->toPlainText(), QStringLiteral("stored and typed"));
    QCOMPARE(box->toPlainText(), QStringLiteral("box only"));

    page->moveCursor(QTextCursor::End);
    page->insertPlainText("\twith a tab");
    form->RichEdit2Exit();
    QCOMPARE(box->toPlainText(), QStringLiteral("stored and typed\twith a tab"));
    form->Button1Click();
    QCOMPARE(db->dm().CollectionsTable->fieldText("Notes"), QStringLiteral("stored and typed\twith a tab"));
    QVERIFY(box->tabChangesFocus()); // Tab leaves the small box but types a tab on the page
    QVERIFY(!page->tabChangesFocus());
    form->Button2Click();
}

void TestAddEditForm::notesSearch()
{
    db->addItem(Dolls, {{"Name", "Delta"}, {"Notes", "A Rose by the door"}});
    db->addItem(Dolls, {{"Name", "Alpha"}, {"Notes", "nothing here"}});
    db->addItem(Dolls, {{"Name", "Bravo"}, {"Notes", "line one\r\nrose and rose"}});
    db->addItem("Trains", {{"Name", "Atlas"}, {"Notes", "rose"}});
    auto form = open(ItemFormMode::NotesSearch, "rose");
    form->FormActivate();
    FindTextDialog *find = form->FindDialog1;
    QVERIFY(find->isVisible());
    auto findNext = [&form] { form->FindDialog1Find(); };

    form->PageControl1->setCurrentIndex(1);
    setFieldText(*form, 2, "unsaved");
    findNext();
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Bravo"));
    QCOMPARE(fieldText(*form, 2), QString());
    QVERIFY(form->searchHit());
    QCOMPARE(form->PageControl1->currentIndex(), 0);
    QCOMPARE(form->RichEdit1->textCursor().selectedText(), QStringLiteral("rose"));
    QCOMPARE(form->RichEdit1->textCursor().selectionStart(), 9);

    findNext();
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Delta"));
    QCOMPARE(form->RichEdit1->textCursor().selectedText(), QStringLiteral("Rose"));
    QVERIFY(MessageSeam::asked().isEmpty());

    findNext();
    QCOMPARE(MessageSeam::asked().size(), 1);
    QCOMPARE(MessageSeam::asked()[0].text, QStringLiteral("End Of Data Reached"));
    QCOMPARE(MessageSeam::asked()[0].kind, MessageKind::Information);
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Delta"));
    QVERIFY(!form->searchHit());
    findNext();
    QCOMPARE(MessageSeam::asked().size(), 2);

    form->DBNavigator1Click(RecordNavigator::First);
    find->setFindText("Rose");
    find->setOptions({true, false}); // match case: Bravo's "rose" does not count
    findNext();
    QCOMPARE(fieldText(*form, 0), QStringLiteral("Delta"));
    QCOMPARE(MessageSeam::asked().size(), 2);
    form->Button2Click();
}

QTEST_MAIN(TestAddEditForm)
#include "TestAddEditForm.moc"
