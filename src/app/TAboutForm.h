#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The about box: the program's picture, title, version and maker.
class TAboutForm : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutForm(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QLabel *Label3;
    QLabel *Label5;
    QLabel *Label6;
    QPushButton *OKButton;

public Q_SLOTS:
    void FormCreate();
};
