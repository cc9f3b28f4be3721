#pragma once

#include "exchange/EntryCatalogue.h"

#include <QDialog>

class FieldListPair;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolButton;

// Writes chosen fields of a collection's items to a comma-separated file: the user picks the
// fields and their order from the collection's labels, and the file.
class TExporterForm : public QDialog
{
    Q_OBJECT

public:
    TExporterForm(QWidget *parent, const QString &collectionName);
    ~TExporterForm() override;

    QString collectionName() const { return m_collection; }
    // The file last accepted in the save dialog; empty before.
    QString targetFile() const { return m_target; }
    // The entry catalogue (ListBox3): the 46 labels by data field number, then "Notes".
    const EntryCatalogue &catalogue() const { return m_catalogue; }

    QLabel *Label1;
    QListWidget *ListBox1; // "Available fields"
    QLabel *Label2;
    QListWidget *ListBox2;     // "Fields to export"
    QPushButton *Button1;      // ">>"
    QPushButton *Button2;      // "<<"
    QToolButton *SpeedButton1; // up
    QToolButton *SpeedButton2; // down
    QLabel *Label3;
    QLineEdit *Edit1;          // "&Filename"
    QToolButton *SpeedButton3; // browse
    QPushButton *Button3;      // "Export"
    QPushButton *Button4;      // "Close"

public Q_SLOTS:
    void Button1Click();
    void Button2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void Button3Click();

public:
    // Drag and drop between the two lists: any drag is accepted; a drop moves an entry.
    bool ListBoxDragOver(QObject *sender, QObject *source);
    void ListBoxDragDrop(QObject *sender, QObject *source);

protected:
    void done(int result) override;

private:
    void FormCreate();

    QString m_collection;
    EntryCatalogue m_catalogue;
    FieldListPair *m_lists;
    QString m_target;
    bool m_exporting = false;
};
