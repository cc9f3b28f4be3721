#include "app/TPasswordDlg.h"

#include "app/MaskedEdit.h"
#include "app/ProgramValues.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPasswordDlg::TPasswordDlg(QWidget *parent)
    : QDialog(parent)
    , Label1(new QLabel(QStringLiteral("Please enter password:"), this))
    , Password(NewMaskedEdit(this))
    , OKBtn(new QPushButton(QStringLiteral("OK"), this))
    , CancelBtn(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(DefaultProductTitle());
    Label1->setBuddy(Password);
    OKBtn->setDefault(true);
    OKBtn->setAutoDefault(true);
    CancelBtn->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(Password);
    layout->addSpacing(6);
    layout->addLayout(buttons);
    Password->setMinimumWidth(260);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(OKBtn, &QPushButton::clicked, this, &TPasswordDlg::OKBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TPasswordDlg::CancelBtnClick);
    Password->setFocus();
}

void TPasswordDlg::OKBtnClick()
{
    if (Password->text().isEmpty()) {
        QApplication::beep();
        Password->setFocus();
        return;
    }
    accept();
}

void TPasswordDlg::CancelBtnClick()
{
    reject();
}

QString PromptPassword()
{
    TPasswordDlg dialog;
    dialog.exec();
    return dialog.Password->text();
}
