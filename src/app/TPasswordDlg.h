#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

// The start-up prompt for the password.
class TPasswordDlg : public QDialog
{
    Q_OBJECT

public:
    explicit TPasswordDlg(QWidget *parent = nullptr);

    QLabel *Label1;
    QLineEdit *Password;
    QPushButton *OKBtn;
    QPushButton *CancelBtn;

public Q_SLOTS:
    void OKBtnClick();
    void CancelBtnClick();
};

// Shows the prompt modally and gives what its box holds when it closes, whichever button closed it.
QString PromptPassword();
