#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Sets, changes or removes the start-up password.
class TPasswordForm : public QDialog
{
    Q_OBJECT

public:
    explicit TPasswordForm(QWidget *parent = nullptr);

    static constexpr int MaxPasswordLength = 15;

    QLabel *Label1;
    QLineEdit *Edit1;
    QLabel *Label2;
    QLineEdit *Edit2;
    QLabel *Label3;
    QLineEdit *Edit3;
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QPushButton *Button2;

public Q_SLOTS:
    void FormCreate();
    void Button1Click();
    void Button2Click();

private:
    QString m_storedValue;
};
