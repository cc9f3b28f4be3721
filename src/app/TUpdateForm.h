#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Shows the installed version and opens the maker's update page.
class TUpdateForm : public QDialog
{
    Q_OBJECT

public:
    explicit TUpdateForm(QWidget *parent = nullptr);

    // The instructions, line by line.
    static QStringList instructions();

    QPlainTextEdit *Memo1;
    QLabel *Label1;
    QPushButton *Button1;
    QPushButton *Button2;

public Q_SLOTS:
    void FormCreate();
    void Button1Click();
    void FormClose();
    void done(int result) override;
};
