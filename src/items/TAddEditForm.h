#pragma once

#include "items/ItemEditor.h"
#include "items/ItemFormMode.h"
#include "items/ItemRecord.h"
#include "items/NotesSearch.h"
#include "items/PictureSlots.h"
#include "items/RecordNavigator.h"

#include <QDialog>
#include <array>
#include <memory>

class FindTextDialog;
class ItemFields;
class NotesEditor;
class PicturePanel;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The item form: adds items to a collection, edits them one at a time, steps through them and
// searches their notes, on the shared item table of the data module (see ItemEditor for who
// owns the table in which mode). Created for one collection and mode, shown modally, freed by
// the caller.
class TAddEditForm : public QDialog
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 770;
    static constexpr int ClientHeight = 479;

    // searchText is used in NotesSearch mode only. Throws StoreError when the item or list table
    // cannot be read.
    TAddEditForm(QWidget *parent, const QString &collectionName, ItemFormMode mode,
                 const QString &searchText = QString());
    ~TAddEditForm() override;

    ItemFormMode mode() const { return m_editor.mode(); }
    QString collectionName() const { return m_editor.collection(); }
    // "|Add new items to the Dolls collection": the part after the bar is for the status line.
    QString hint() const { return m_editor.hint(); }
    const ItemFields &fields() const { return *m_fields; }

    // Handlers (called by the controls; public so that tests can drive the form).
    void FormActivate();
    void ApplyLayout();
    void ShowItem();
    void ClearFields();
    void Button1Click(); // Save
    void Button2Click(); // Close
    void Button3Click(); // Delete
    void Button4Click(); // Print (hidden until the detailed item report exists)
    void Button5Click(); // Load picture
    void Button6Click(); // View picture
    void Button7Click(); // Clear picture
    void Button8Click(); // Clear the form
    void DBNavigator1Click(RecordNavigator::Button button);
    void PictureButtonsClick(int slot);
    void DropDownListExit(int dataFieldNumber);
    void RichEdit1Exit();
    void RichEdit2Exit();
    void FindDialog1Find();

    bool searchHit() const { return m_search.hitFlag(); }
    int currentPictureSlot() const { return m_pictures.current(); }
    QString picturePath(int slot) const { return m_pictures.path(slot); }

    // Controls.
    QTabWidget *PageControl1;
    QWidget *TabSheet1;     // "Description"
    QWidget *TabSheet2;     // "Custom Fields"
    QWidget *TabSheet3;     // "Notes (Expanded)"
    NotesEditor *RichEdit1; // the notes box
    NotesEditor *RichEdit2; // the "Notes (Expanded)" page
    QGroupBox *GroupBox1;   // " Pictures "
    PicturePanel *Panel1;
    std::array<QRadioButton *, PictureSlots::Count> PictureButtons{};
    QPushButton *Button1; // Save
    QPushButton *Button2; // Close
    QPushButton *Button3; // Delete
    QPushButton *Button4; // Print
    QPushButton *Button5; // Load
    QPushButton *Button6; // View
    QPushButton *Button7; // Clear (picture)
    QPushButton *Button8; // Clear
    QCheckBox *CheckBox1; // Auto.
    RecordNavigator *DBNavigator1;
    FindTextDialog *FindDialog1;

public Q_SLOTS:
    void done(int result) override;

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createPages();
    void createPictureGroup();
    void createButtons();
    void setUpForMode();
    void placeFindDialog();
    void focusMoved(QWidget *old, QWidget *now);
    void showPictureOfSlot();
    void updateNavigator();
    void focusName();
    ItemRecord readForm() const;

    ItemEditor m_editor;
    NotesSearch m_search;
    QString m_searchText;
    std::unique_ptr<ItemFields> m_fields;
    PictureSlots m_pictures;
    ItemRecord m_stored; // the item as read from the table (or last saved)
    ItemRecord m_shown;  // the controls' values right after it was shown
    bool m_activated = false;
    bool m_shownOnce = false;
    bool m_closed = false;
    int m_pendingListExit = -1;
};
