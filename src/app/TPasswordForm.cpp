#include "app/TPasswordForm.h"

#include "app/HelpContext.h"
#include "app/MaskedEdit.h"
#include "app/MessageBox.h"
#include "app/PasswordChange.h"
#include "app/PasswordStore.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPasswordForm::TPasswordForm(QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(QStringLiteral("Current &Password"), this))
    , Edit1(NewMaskedEdit(this, MaxPasswordLength))
    , Label2(new QLabel(QStringLiteral("&New Password"), this))
    , Edit2(NewMaskedEdit(this, MaxPasswordLength))
    , Label3(new QLabel(QStringLiteral("&Verify Password"), this))
    , Edit3(NewMaskedEdit(this, MaxPasswordLength))
    , CheckBox1(new QCheckBox(QStringLiteral("&Enable Password Protection"), this))
    , Button1(new QPushButton(QStringLiteral("&OK"), this))
    , Button2(new QPushButton(QStringLiteral("&Cancel"), this))
{
    setWindowTitle(QStringLiteral("Password"));
    setStatusTip(QStringLiteral("Enable and set password"));
    setHelpContext(this, 6003);
    Label1->setBuddy(Edit1);
    Label2->setBuddy(Edit2);
    Label3->setBuddy(Edit3);
    Button1->setDefault(true);

    auto *fields = new QFormLayout;
    fields->addRow(Label1, Edit1);
    fields->addRow(Label2, Edit2);
    fields->addRow(Label3, Edit3);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(CheckBox1);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    Edit1->setMinimumWidth(180);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(Button1, &QPushButton::clicked, this, &TPasswordForm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TPasswordForm::Button2Click);
    FormCreate();
}

void TPasswordForm::FormCreate()
{
    m_storedValue.clear();
    const bool inForce = PasswordStore::isProtected();
    if (inForce)
        m_storedValue = PasswordStore::value();
    Label1->setEnabled(inForce);
    Edit1->setEnabled(inForce);
    CheckBox1->setChecked(inForce);
    (inForce ? Edit1 : Edit2)->setFocus();
}

void TPasswordForm::Button1Click()
{
    PasswordChange::Entries entries;
    entries.protect = CheckBox1->isChecked();
    entries.currentEnabled = Edit1->isEnabled();
    entries.storedValue = m_storedValue;
    entries.current = Edit1->text();
    entries.newPassword = Edit2->text();
    entries.verify = Edit3->text();
    const PasswordChange::Outcome outcome = PasswordChange::decide(entries);
    if (!outcome.ok()) {
        ShowMessage(MessageKind::Information, outcome.message);
        (outcome.focus == PasswordChange::Focus::Current ? Edit1 : Edit2)->setFocus();
        return;
    }
    QString error;
    if (!PasswordStore::write(outcome.value, &error)) {
        ShowMessage(MessageKind::Error, error);
        return;
    }
    accept();
}

void TPasswordForm::Button2Click()
{
    reject();
}
