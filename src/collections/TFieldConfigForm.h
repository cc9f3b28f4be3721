#pragma once

#include "collections/FieldLayoutTransfer.h"

#include <QDialog>
#include <QPoint>
#include <array>

class FieldBox;
class QCheckBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The field designer: the user relabels, moves and hides the fields of one collection on two
// pages the size of the item form's pages, and saves the layout into its field setup rows.
class TFieldConfigForm : public QDialog
{
    Q_OBJECT

public:
    enum class Mode { EditNames, ArrangeFields, ShowHideFields };

    TFieldConfigForm(QWidget *parent, const QString &collectionName);

    static constexpr int PageWidth = 526;
    static constexpr int PageHeight = 410;

    QString collectionName() const { return m_collection; }
    Mode mode() const;
    // What the boxes show now: labels, places, hidden marks.
    FieldBoxStates boxStates() const;

    QTabWidget *OvcNotebook1;
    QWidget *Page1;
    QWidget *Page2;
    std::array<FieldBox *, FieldCatalogue::FieldCount> OvcEdit{}; // OvcEdit[n] is "OvcEdit" + (n + 1)
    QRadioButton *RadioButton1;
    QRadioButton *RadioButton2;
    QRadioButton *RadioButton3;
    QCheckBox *CheckBox1;
    QPushButton *Button1;
    QPushButton *Button2;

public Q_SLOTS:
    void LayoutToControls();
    void FormShow();
    void FormActivate();
    // Handles a mouse press on a box by mode; true when the press was used.
    bool FieldMouseDown(FieldBox *box, Qt::MouseButton button, const QPoint &globalPos);
    bool LabelsComplete();
    void ControlsToLayout();
    void Button1Click();
    bool FormCloseQuery();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    QWidget *pageOf(int number) const;
    void applyTabOrder();
    void modeChanged();
    void dragTo(const QPoint &globalPos);
    void drop();

    QString m_collection;
    bool m_activated = false;
    FieldBox *m_dragged = nullptr;
    QPoint m_dragStartBox;
    QPoint m_dragStartPointer;
};
