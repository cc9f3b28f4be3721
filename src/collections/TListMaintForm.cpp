#include "collections/TListMaintForm.h"

#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/StatusSink.h"
#include "app/WindowPlacement.h"
#include "collections/ListValues.h"
#include "collections/ListValuesModel.h"
#include "store/FieldCatalogue.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

TListMaintForm::TListMaintForm(QWidget *parent, const QString &collectionName)
    : QDialog(parent)
    , Label1(new QLabel(QStringLiteral("List Field"), this))
    , ComboBox1(new QComboBox(this))
    , Label2(new QLabel(QStringLiteral("Values"), this))
    , DBGrid1(new QTableView(this))
    , Button1(new QPushButton(QStringLiteral("Delete"), this))
    , Button2(new QPushButton(QStringLiteral("Close"), this))
    , Values(new ListValuesModel(*DataModule1, collectionName, this))
    , m_collection(collectionName)
{
    CenterOnFirstShow(this);
    setWindowTitle(QStringLiteral("List Maintenance"));
    setStatusTip(QStringLiteral("Delete unused list items"));
    setHelpContext(this, 5009);
    Label1->setBuddy(ComboBox1);
    Label2->setBuddy(DBGrid1);
    ComboBox1->setEditable(false);
    DBGrid1->setModel(Values);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->hide();
    DBGrid1->setFixedSize(260, 220);
    ComboBox1->setFixedWidth(260);
    Button2->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ComboBox1);
    layout->addWidget(Label2);
    layout->addWidget(DBGrid1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TListMaintForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
    connect(ComboBox1, &QComboBox::currentIndexChanged, this, &TListMaintForm::ComboBox1Change);
}

TListMaintForm::~TListMaintForm() = default;

void TListMaintForm::FormCreate()
{
    showField(FieldCatalogue::listFields().first());
    QStringList labels;
    try {
        labels = ListValues::listFieldLabels(*DataModule1, m_collection);
    } catch (const StoreError &e) {
        ShowMessage(MessageKind::Error, e.text());
        for (int n : FieldCatalogue::listFields())
            labels.append(FieldCatalogue::defaultLabel(n));
    }
    ComboBox1->addItems(labels);
    ComboBox1->setCurrentIndex(0);
}

int TListMaintForm::shownField() const
{
    return Values->field();
}

void TListMaintForm::showField(int dataFieldNumber)
{
    try {
        Values->showField(dataFieldNumber);
    } catch (const StoreError &e) {
        ShowMessage(MessageKind::Error, e.text());
    }
    if (Values->rowCount() > 0)
        DBGrid1->setCurrentIndex(Values->index(0, 0));
}

void TListMaintForm::ComboBox1Change(int index)
{
    // The entry's position names the field, whatever its label says.
    const QList<int> &fields = FieldCatalogue::listFields();
    if (index >= 0 && index < fields.size())
        showField(fields[index]);
}

void TListMaintForm::Button1Click()
{
    if (Values->rowCount() == 0)
        return;
    const int row = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : 0;
    const QString value = Values->value(row);
    const QMessageBox::StandardButton answer =
        ShowMessage(MessageKind::Confirmation, QStringLiteral("Are you sure you want to delete ") + value + u'?',
                    QMessageBox::Yes | QMessageBox::No);
    if (answer == QMessageBox::No)
        return;
    if (!Values->removeValue(row)) {
        ShowMessage(MessageKind::Error, QStringLiteral("Could not delete ") + value);
        return;
    }
    ShowStatus(QStringLiteral("Deleted ") + value);
    if (Values->rowCount() > 0)
        DBGrid1->setCurrentIndex(Values->index(std::min(row, Values->rowCount() - 1), 0));
}

void TListMaintForm::FormClose()
{
    ClearStatus();
    Values->close();
}

void TListMaintForm::done(int result)
{
    FormClose();
    QDialog::done(result);
}
