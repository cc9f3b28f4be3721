#include "items/TFindForm.h"

#include "app/HelpContext.h"
#include "app/MessageBox.h"
#include "app/StatusSink.h"
#include "items/FindExpression.h"
#include "items/TAddEditForm.h"
#include "items/TBrowseForm.h"
#include "store/FieldLayout.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFindForm::TFindForm(QWidget *parent, const QString &collectionName)
    : QDialog(parent)
    , m_collection(collectionName)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(8);
    setFont(font);
    setWindowTitle(QStringLiteral("Find ") + collectionName + QStringLiteral(" items"));
    setStatusTip(QStringLiteral("Find items in a particular collection"));
    setHelpContext(this, 3002);
    createControls();

    QStringList labels;
    for (const FieldLayoutEntry &entry : FieldLayout)
        labels.append(entry.Label);
    OvcComboBox1->addItems(FindExpression::entryLabels(labels));
    OvcComboBox1->setCurrentIndex(0);
}

TBrowseForm *TFindForm::browseForm() const
{
    return m_browseForm;
}

TAddEditForm *TFindForm::itemForm() const
{
    return m_itemForm;
}

void TFindForm::createControls()
{
    RadioButton1 = new QRadioButton(this);
    RadioButton1->setChecked(true);
    OvcComboBox1 = new QComboBox(this);
    OvcComboBox1->setEditable(false);
    OvcComboBox1->setMaxVisibleItems(7);
    OvcComboBox1->setMinimumWidth(200);
    Edit1 = new QLineEdit(this);
    Edit1->setMinimumWidth(200);
    RadioButton2 = new QRadioButton(QStringLiteral("  Full text search on Description field"), this);
    Edit2 = new QLineEdit(this);
    Button1 = new QPushButton(QStringLiteral("Find"), this);
    Button1->setDefault(true);
    Button2 = new QPushButton(QStringLiteral("Close"), this);
    Button2->setAutoDefault(false);

    auto *fieldLabel = new QLabel(QStringLiteral("Field to search"), this);
    fieldLabel->setBuddy(OvcComboBox1);
    auto *textLabel = new QLabel(QStringLiteral("Enter complete or partial text"), this);
    textLabel->setBuddy(Edit1);
    auto *searchLabel = new QLabel(QStringLiteral("Enter text to search for"), this);
    searchLabel->setBuddy(Edit2);

    auto *fields = new QGridLayout;
    fields->setColumnMinimumWidth(0, 20);
    fields->addWidget(RadioButton1, 1, 0);
    fields->addWidget(fieldLabel, 0, 1);
    fields->addWidget(OvcComboBox1, 1, 1);
    fields->addWidget(textLabel, 0, 2);
    fields->addWidget(Edit1, 1, 2);
    fields->setRowMinimumHeight(2, 12);
    fields->addWidget(RadioButton2, 3, 0, 1, 3);
    fields->addWidget(searchLabel, 4, 1, 1, 2);
    fields->addWidget(Edit2, 5, 1, 1, 2);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TFindForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TFindForm::Button1Click()
{
    if ((m_browseForm && m_browseForm->isVisible()) || (m_itemForm && m_itemForm->isVisible()))
        return;
    QLineEdit *edit = RadioButton1->isChecked() ? Edit1 : Edit2;
    if (edit->text().isEmpty()) {
        ShowMessage(MessageKind::Information, QString::fromLatin1(NoTextMessage), QMessageBox::Ok);
        edit->setFocus();
        return;
    }
    if (RadioButton1->isChecked())
        fieldSearch();
    else
        fullTextSearch();
}

void TFindForm::fieldSearch()
{
    ShowStatus(QString::fromLatin1(LocatingStatus));
    QString error;
    const std::optional<QString> expression =
        FindExpression::build(m_collection, OvcComboBox1->currentIndex(), Edit1->text(), &error);
    if (!expression) {
        ShowMessage(MessageKind::Information, error, QMessageBox::Ok);
        ClearStatus();
        return;
    }
    TBrowseForm *browse = nullptr;
    try {
        browse = new TBrowseForm(this, *expression, m_collection);
    } catch (...) {
        ClearStatus();
        throw;
    }
    ClearStatus();
    browse->setAttribute(Qt::WA_DeleteOnClose);
    m_browseForm = browse;
    browse->open();
}

void TFindForm::fullTextSearch()
{
    auto *form = new TAddEditForm(this, m_collection, ItemFormMode::NotesSearch, Edit2->text());
    form->setAttribute(Qt::WA_DeleteOnClose);
    m_itemForm = form;
    form->open();
}
