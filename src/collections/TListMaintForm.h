#pragma once

#include <QDialog>

class ListValuesModel;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;

// Deletes remembered values from the drop-down lists of one collection's twelve list fields.
class TListMaintForm : public QDialog
{
    Q_OBJECT

public:
    TListMaintForm(QWidget *parent, const QString &collectionName);
    ~TListMaintForm() override;

    QString collectionName() const { return m_collection; }
    // The data field number whose values the grid shows.
    int shownField() const;

    QLabel *Label1;
    QComboBox *ComboBox1;
    QLabel *Label2;
    QTableView *DBGrid1;
    QPushButton *Button1;
    QPushButton *Button2;
    ListValuesModel *Values;

public Q_SLOTS:
    void FormCreate();
    void ComboBox1Change(int index);
    void Button1Click();
    void FormClose();

protected:
    void done(int result) override;

private:
    void showField(int dataFieldNumber);

    QString m_collection;
};
