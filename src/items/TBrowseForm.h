#pragma once

#include "items/GridColumnOrder.h"

#include <QDialog>
#include <QPointer>
#include <memory>

class BrowseModel;
class GridColumnWidths;
class QGroupBox;
class QPushButton;
class QRadioButton;
class QTableView;
class TAddEditForm;

// The browse window: the items of one collection, or those a find expression selects, as a
// table of text with one column per field. Columns can be widened and moved (their order is
// kept per collection in the grid table), rows sorted by a right click on a column, and a
// double click opens the row's item in the item form. While open, the window owns the shared
// item table (order, filter, open state and hooks) and puts it back when it closes.
class TBrowseForm : public QDialog
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 721;
    static constexpr int ClientHeight = 414;
    static constexpr int RowHeight = 18;
    static constexpr const char *FixedColumnMessage =
        "You cannot sort by one of the fixed columns when the SortByFixedCol property is set to false.";

    // An empty filter expression shows the whole collection. Throws StoreError when the item
    // table or the grid table cannot be read (a find expression the filter cannot use among
    // others); the item table is then put back as it was.
    TBrowseForm(QWidget *parent, const QString &filterExpression, const QString &collectionName);
    ~TBrowseForm() override;

    QString collectionName() const { return m_collection; }
    BrowseModel *model() const { return m_model; }
    const GridColumnOrder &columnOrder() const { return m_order; }
    // Room added to a column's text width for the cell's margins and the grid line.
    int cellPadding() const { return m_padding; }
    // The item form opened by a double click, while it is open.
    TAddEditForm *itemForm() const;

    // Handlers (called by the controls; public so that tests can drive the window).
    void LoadGridLayout();
    // Writes the current row of the item table into a grid row and widens columns to fit.
    void FillRow(int row);
    void SaveGridLayout();
    void FormActivate();
    void FormCloseQuery();
    void StringGrid1DblClick();
    // A right button released at this point of the grid (its own coordinates, heading included).
    void StringGrid1MouseUp(const QPoint &position);
    // Sorts the rows by a grid column (1 to 46) in the order the radio buttons choose.
    void sortByColumn(int column);

    QTableView *StringGrid1;
    QGroupBox *GroupBox1;       // " Right click on column heading sorts "
    QRadioButton *RadioButton1; // "&Ascending"
    QRadioButton *RadioButton2; // "&Descending"
    QPushButton *Button1;       // "Close"

public Q_SLOTS:
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    void openItems(const QString &filterExpression);
    void fillRows(const QString &filter);
    void setCaption();
    void widenColumn(int column, int textWidth);
    void afterPost();
    void afterDelete();

    QString m_collection;
    BrowseModel *m_model;
    GridColumnOrder m_order;
    std::unique_ptr<GridColumnWidths> m_widths;
    int m_padding = 0; // room around a cell's text
    QPointer<TAddEditForm> m_itemForm;
    qint64 m_formKey = -1; // the item the item form shows
    bool m_activated = false;
    bool m_shownOnce = false;
    bool m_closed = false;
};
