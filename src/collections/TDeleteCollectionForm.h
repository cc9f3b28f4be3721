#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

// Deletes collections that hold no items: the grid lists every collection, its current row is
// the one to delete.
class TDeleteCollectionForm : public QDialog
{
    Q_OBJECT

public:
    // The collection chosen in the main window is not needed here; the parameter keeps the
    // windows of the collection commands alike.
    TDeleteCollectionForm(QWidget *parent, const QString &collectionName);

    QLabel *Label1;
    QTableWidget *DBGrid1;
    QPushButton *Button1;
    QPushButton *Button2;

    // The name in the grid's current row; empty when the grid is empty.
    QString currentCollection() const;

public Q_SLOTS:
    void FormCreate();
    bool FormCloseQuery();
    void Button1Click();

protected:
    void done(int result) override;

private:
    // Fills the grid from the collection table and stands on the given row (or the last).
    void fillGrid(int currentRow);
    void markCurrentRow();
};
