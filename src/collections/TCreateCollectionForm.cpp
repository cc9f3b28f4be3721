#include "collections/TCreateCollectionForm.h"

#include "app/BusyCursor.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/SelectorSink.h"
#include "app/StatusSink.h"
#include "app/TextHelpers.h"
#include "app/WindowPlacement.h"
#include "collections/CollectionCreator.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TCreateCollectionForm::TCreateCollectionForm(QWidget *parent, const QString &)
    : QDialog(parent)
    , Label1(new QLabel(QStringLiteral("Collection Name"), this))
    , Edit1(new QLineEdit(this))
    , GroupBox1(new QGroupBox(QStringLiteral(" Based on Template "), this))
    , RadioButton1(new QRadioButton(QStringLiteral("Default"), GroupBox1))
    , RadioButton2(new QRadioButton(QStringLiteral("Selected Collection"), GroupBox1))
    , ListBox1(new QListWidget(GroupBox1))
    , Button1(new QPushButton(QStringLiteral("Create"), this))
    , Button2(new QPushButton(QStringLiteral("Close"), this))
{
    CenterOnFirstShow(this);
    setWindowTitle(QStringLiteral("Create Collection Catalog"));
    setStatusTip(QStringLiteral("Create a new Collection category"));
    setHelpContext(this, 5006);
    Label1->setBuddy(Edit1);
    Edit1->setMaxLength(MaxNameLength);
    RadioButton1->setChecked(true);
    ListBox1->setSelectionMode(QAbstractItemView::SingleSelection);
    Button1->setDefault(true);
    Button1->setAutoDefault(true);
    Button2->setAutoDefault(false);

    auto *group = new QVBoxLayout(GroupBox1);
    group->addWidget(RadioButton1);
    group->addWidget(RadioButton2);
    group->addWidget(ListBox1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Edit1);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);
    ListBox1->setFixedSize(260, 160);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TCreateCollectionForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
    Edit1->setFocus();
}

void TCreateCollectionForm::FormCreate()
{
    ListBox1->clear();
    Table &types = *DataModule1->CollTypesTable;
    try {
        types.open();
        for (types.first(); !types.eof(); types.next())
            addToList(types.fieldText(QStringLiteral("CollectionName")));
    } catch (const StoreError &e) {
        ShowMessage(MessageKind::Error, e.text());
    }
    types.reset();
}

void TCreateCollectionForm::addToList(const QString &name)
{
    int row = 0;
    while (row < ListBox1->count() && ListBox1->item(row)->text().compare(name, Qt::CaseInsensitive) <= 0)
        ++row;
    ListBox1->insertItem(row, name);
}

void TCreateCollectionForm::Button1Click()
{
    const QString typed = Edit1->text();
    if (typed.isEmpty()) {
        ShowMessage(MessageKind::Information, QStringLiteral("You must enter a Collection name!"));
        Edit1->setFocus();
        return;
    }
    Edit1->setText(StripSingleQuotes(typed));

    QString basedOn;
    if (RadioButton2->isChecked()) {
        const QList<QListWidgetItem *> selected = ListBox1->selectedItems();
        if (selected.isEmpty()) {
            ShowMessage(MessageKind::Information, QStringLiteral("You must select a Collection from the list!"));
            return;
        }
        basedOn = selected.first()->text();
    }

    CreateResult result;
    {
        BusyCursor busy;
        result = CollectionCreator::create(*DataModule1, typed, basedOn);
    }
    if (!result.ok) {
        ShowMessage(MessageKind::Error, result.error);
        Edit1->setFocus();
        return;
    }
    addToList(result.name);
    AddCollectionToSelector(result.name);
    ShowStatus(QStringLiteral("Added new Collection category for ") + result.name);
    Edit1->clear();
    Edit1->setFocus();
}

void TCreateCollectionForm::FormClose()
{
    ClearStatus();
}

void TCreateCollectionForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}
