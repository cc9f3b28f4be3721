#pragma once

#include "exchange/CsvReader.h"
#include "exchange/EntryCatalogue.h"

#include <QDialog>

class FieldListPair;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTableView;
class QToolButton;
class TextGridModel;

// The import wizard: brings the lines of a comma-separated file into a collection, one new item
// per line. Page "Select File" picks the file; page "Assign Fields" shows its raw lines, the
// leading and trailing lines to leave out and the fields that take the file's columns in turn;
// page "Verify Fields" shows the file cut into those columns. Finish checks every row, then
// writes them all.
class TImporterForm : public QDialog
{
    Q_OBJECT

public:
    enum Page { SelectFile, AssignFields, VerifyFields };

    TImporterForm(QWidget *parent, const QString &collectionName);
    ~TImporterForm() override;

    QString collectionName() const { return m_collection; }
    // The entry catalogue (ListBox3): labels by data field number, "Notes", the ten Ignore_Fields.
    const EntryCatalogue &catalogue() const { return m_catalogue; }
    Page page() const;
    const TextGridModel &rawLines() const { return *m_rawLines; }
    const TextGridModel &verifyRows() const { return *m_verifyRows; }

    // Page "Select File".
    QLabel *Label1;
    QLineEdit *Edit1; // "File Name"
    QToolButton *SpeedButton1;
    // Page "Assign Fields".
    QLabel *Label2;
    QTableView *StringGrid1; // the raw lines
    QLabel *Label3;
    QSpinBox *SpinEdit1; // lines left out at the top
    QLabel *Label4;
    QSpinBox *SpinEdit2; // lines left out at the bottom
    QLabel *Label5;
    QListWidget *ListBox1; // "Available fields"
    QLabel *Label6;
    QListWidget *ListBox2;     // "Fields to import"
    QPushButton *Button5;      // ">>"
    QPushButton *Button6;      // "<<"
    QToolButton *SpeedButton2; // up
    QToolButton *SpeedButton3; // down
    // Page "Verify Fields".
    QLabel *Label7;
    QTableView *StringGrid2; // the verify table
    // Always.
    QStackedWidget *Notebook1;
    QLabel *PageTitle;
    QPushButton *Button1; // "<< Back"
    QPushButton *Button2; // ">> Next"
    QPushButton *Button3; // "Finish"
    QPushButton *Button4; // "Close"

public Q_SLOTS:
    void SpeedButton1Click();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button5Click();
    void Button6Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void FormActivate();

public:
    bool ListBoxDragOver(QObject *sender, QObject *source);
    void ListBoxDragDrop(QObject *sender, QObject *source);
    // Reads the file named in the edit box. False, with the error shown, when it cannot be read.
    bool LoadRawFile();

protected:
    void changeEvent(QEvent *event) override;
    void done(int result) override;

private:
    void FormCreate();
    QWidget *makeSelectFilePage();
    QWidget *makeAssignFieldsPage();
    QWidget *makeVerifyFieldsPage();
    void showPage(Page page);
    void BuildVerifyColumns();
    void FillVerifyGrid();

    QString m_collection;
    EntryCatalogue m_catalogue;
    FieldListPair *m_lists = nullptr;
    TextGridModel *m_rawLines;
    TextGridModel *m_verifyRows;
    CsvReader m_file;
    bool m_fileRead = false;
    bool m_verifyEndsInQuote = false;
    bool m_activated = false;
    bool m_importing = false;
};
