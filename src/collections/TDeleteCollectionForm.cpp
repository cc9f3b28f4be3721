#include "collections/TDeleteCollectionForm.h"

#include "app/BusyCursor.h"
#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/SelectorSink.h"
#include "app/WindowPlacement.h"
#include "collections/CollectionDeleter.h"
#include "store/StoreError.h"
#include "store/TDataModule1.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {
const QString RowIndicator = QStringLiteral("\u25B6");
}

TDeleteCollectionForm::TDeleteCollectionForm(QWidget *parent, const QString &)
    : QDialog(parent)
    , Label1(new QLabel(QStringLiteral("Select Collection"), this))
    , DBGrid1(new QTableWidget(0, 1, this))
    , Button1(new QPushButton(QStringLiteral("Delete"), this))
    , Button2(new QPushButton(QStringLiteral("Close"), this))
{
    CenterOnFirstShow(this);
    setWindowTitle(QStringLiteral("Delete Collection"));
    setStatusTip(QStringLiteral("Delete an existing collection"));
    setHelpContext(this, 5008);
    Label1->setBuddy(DBGrid1);
    DBGrid1->setHorizontalHeaderLabels({QStringLiteral("CollectionName")});
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setShowGrid(true);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    DBGrid1->verticalHeader()->setMinimumWidth(18);
    DBGrid1->setFixedSize(280, 220);
    Button2->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(DBGrid1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TDeleteCollectionForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DBGrid1, &QTableWidget::currentCellChanged, this, &TDeleteCollectionForm::markCurrentRow);
    FormCreate();
}

void TDeleteCollectionForm::FormCreate()
{
    fillGrid(0);
}

void TDeleteCollectionForm::fillGrid(int currentRow)
{
    QStringList names;
    Table &types = *DataModule1->CollTypesTable;
    try {
        types.open();
        for (types.first(); !types.eof(); types.next())
            names.append(types.fieldText(QStringLiteral("CollectionName")));
    } catch (const StoreError &e) {
        ShowMessage(MessageKind::Error, e.text());
    }
    types.reset();

    DBGrid1->setRowCount(0);
    DBGrid1->setRowCount(int(names.size()));
    for (int row = 0; row < names.size(); ++row) {
        DBGrid1->setItem(row, 0, new QTableWidgetItem(names[row]));
        DBGrid1->setVerticalHeaderItem(row, new QTableWidgetItem(QString()));
    }
    if (!names.isEmpty())
        DBGrid1->setCurrentCell(std::min(currentRow, int(names.size()) - 1), 0);
    markCurrentRow();
}

void TDeleteCollectionForm::markCurrentRow()
{
    for (int row = 0; row < DBGrid1->rowCount(); ++row)
        if (QTableWidgetItem *header = DBGrid1->verticalHeaderItem(row))
            header->setText(row == DBGrid1->currentRow() ? RowIndicator : QString());
}

QString TDeleteCollectionForm::currentCollection() const
{
    const QTableWidgetItem *item = DBGrid1->item(DBGrid1->currentRow(), 0);
    return item ? item->text() : QString();
}

void TDeleteCollectionForm::Button1Click()
{
    const QString name = currentCollection();
    if (name.isEmpty())
        return;
    DeleteResult result;
    {
        BusyCursor busy;
        result = CollectionDeleter::remove(*DataModule1, name);
    }
    switch (result.outcome) {
    case DeleteResult::Outcome::HasItems:
        ShowMessage(MessageKind::Warning, result.message);
        return;
    case DeleteResult::Outcome::Failed:
        ShowMessage(MessageKind::Error, result.message);
        return;
    case DeleteResult::Outcome::Deleted:
        break;
    }
    RemoveCollectionFromSelector(name);
    // The grid moves to the row that followed the deleted one.
    fillGrid(DBGrid1->currentRow());
}

bool TDeleteCollectionForm::FormCloseQuery()
{
    DataModule1->CollTypesTable->reset();
    return true;
}

void TDeleteCollectionForm::done(int result)
{
    if (FormCloseQuery())
        QDialog::done(result);
}
