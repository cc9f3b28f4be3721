#pragma once

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TAddEditForm;
class TBrowseForm;

// The find dialog: finds the items of a collection by a value of one field, shown in the browse
// window, or by a text in their notes, searched in the item form. It stays open after each
// search until closed.
class TFindForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr const char *NoTextMessage = "You must enter some text!";
    static constexpr const char *LocatingStatus = "Locating Items . . .";

    TFindForm(QWidget *parent, const QString &collectionName);

    QString collectionName() const { return m_collection; }
    // The window the last search opened, while it is open.
    TBrowseForm *browseForm() const;
    TAddEditForm *itemForm() const;

    // "Find". A find expression the item table cannot use (a money field given a text that is no
    // number) throws StoreError and opens nothing.
    void Button1Click();

    QRadioButton *RadioButton1; // field search
    QComboBox *OvcComboBox1;    // "Field to search"
    QLineEdit *Edit1;           // "Enter complete or partial text"
    QRadioButton *RadioButton2; // "  Full text search on Description field"
    QLineEdit *Edit2;           // "Enter text to search for"
    QPushButton *Button1;       // "Find"
    QPushButton *Button2;       // "Close"

private:
    void createControls();
    void fieldSearch();
    void fullTextSearch();

    QString m_collection;
    QPointer<TBrowseForm> m_browseForm;
    QPointer<TAddEditForm> m_itemForm;
};
