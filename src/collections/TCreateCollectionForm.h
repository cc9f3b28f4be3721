#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// Creates collections, one after another, from the default field setup or as a copy of an
// existing collection's setup.
class TCreateCollectionForm : public QDialog
{
    Q_OBJECT

public:
    // The collection chosen in the main window is not needed here; the parameter keeps the
    // windows of the collection commands alike.
    TCreateCollectionForm(QWidget *parent, const QString &collectionName);

    static constexpr int MaxNameLength = 30;

    QLabel *Label1;
    QLineEdit *Edit1;
    QGroupBox *GroupBox1;
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QListWidget *ListBox1;
    QPushButton *Button1;
    QPushButton *Button2;

public Q_SLOTS:
    void FormCreate();
    void Button1Click();
    void FormClose();

protected:
    void done(int result) override;

private:
    void addToList(const QString &name);
};
