#pragma once

#include "items/ItemFormMode.h"
#include "items/ItemRecord.h"
#include "store/FieldLayout.h"

#include <QString>

class TDataModule1;
class Table;

// The item form's work on the shared item table (CollectionsTable), by mode:
// - Add: the table is opened only while a save runs, and put back afterwards;
// - Edit and NotesSearch: from start() to finish() the editor owns the table's order ("Name"),
//   filter (the collection) and open state, and puts the table back at finish();
// - EditOne: the table is used as the caller left it (open, filtered, positioned) and is
//   left alone at finish().
// Store failures throw StoreError.
class ItemEditor
{
public:
    ItemEditor(TDataModule1 &dataModule, const QString &collection, ItemFormMode mode);
    ~ItemEditor();
    ItemEditor(const ItemEditor &) = delete;
    ItemEditor &operator=(const ItemEditor &) = delete;

    ItemFormMode mode() const { return m_mode; }
    QString collection() const { return m_collection; }
    Table &items() const { return m_items; }

    // Edit and NotesSearch: the collection's items in name order, the first one current.
    void start();
    // Puts the table back where this editor owns it. Safe to call more than once.
    void finish();

    // "Add Dolls Items" or "Edit Dolls Collection (12 Items)".
    QString caption();
    // The form's hint; the part after the bar is the long text for the status line.
    QString hint() const;
    int helpContext() const;
    // Items the table shows (0 when it is closed).
    int itemCount();

    // The item on show: the table's current row (empty when there is none, or in Add mode).
    ItemRecord currentItem() const;
    // The stored name of the item on show.
    QString currentName() const;

    // The required-field message for a record with an empty name, or empty text when it may be
    // saved. Only an empty name fails; blanks pass.
    static QString missingRequiredField(const ItemRecord &record, const FieldLayoutTable &layout);

    // Add: a new row each time. Other modes: writes over the current row (an empty view gets a
    // new row). On failure nothing is written and the table is back in browse state (Add: closed).
    void save(const ItemRecord &record);

    // Deletes the current row; the next row (or the new last) becomes current.
    void removeCurrent();

    void first();
    void prior();
    void next();
    void last();
    // Whether the navigator stands on the first row / past the last row.
    bool atStart() const;
    bool atEnd() const;

private:
    bool ownsTable() const;

    Table &m_items;
    QString m_collection;
    ItemFormMode m_mode;
    bool m_started = false;
};
