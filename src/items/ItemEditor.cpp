#include "items/ItemEditor.h"

#include "app/TextHelpers.h"
#include "store/TDataModule1.h"
#include "store/Table.h"

ItemEditor::ItemEditor(TDataModule1 &dataModule, const QString &collection, ItemFormMode mode)
    : m_items(*dataModule.CollectionsTable)
    , m_collection(collection)
    , m_mode(mode)
{
}

ItemEditor::~ItemEditor()
{
    finish();
}

bool ItemEditor::ownsTable() const
{
    return m_mode == ItemFormMode::Edit || m_mode == ItemFormMode::NotesSearch;
}

void ItemEditor::start()
{
    if (!ownsTable())
        return;
    m_started = true;
    try {
        m_items.setIndexName(QStringLiteral("Name"));
        m_items.setFilter(QStringLiteral("Collection = ") + QuoteSingle(m_collection));
        m_items.setFiltered(true);
        m_items.open();
    } catch (...) {
        finish();
        throw;
    }
}

void ItemEditor::finish()
{
    if (!m_started)
        return;
    m_started = false;
    m_items.reset();
}

QString ItemEditor::caption()
{
    if (m_mode == ItemFormMode::Add)
        return QStringLiteral("Add ") + m_collection + QStringLiteral(" Items");
    return QStringLiteral("Edit %1 Collection (%2 Items)").arg(m_collection).arg(itemCount());
}

QString ItemEditor::hint() const
{
    if (m_mode == ItemFormMode::Add)
        return QStringLiteral("|Add new items to the ") + m_collection + QStringLiteral(" collection");
    return QStringLiteral("|Edit items in the ") + m_collection + QStringLiteral(" collection");
}

int ItemEditor::helpContext() const
{
    return m_mode == ItemFormMode::Add ? 2001 : 2002;
}

int ItemEditor::itemCount()
{
    return m_items.isOpen() ? m_items.recordCount() : 0;
}

ItemRecord ItemEditor::currentItem() const
{
    if (m_mode == ItemFormMode::Add)
        return {};
    return ItemRecord::fromCurrentRow(m_items);
}

QString ItemEditor::currentName() const
{
    return m_items.isOpen() ? m_items.fieldText(QStringLiteral("Name")) : QString();
}

QString ItemEditor::missingRequiredField(const ItemRecord &record, const FieldLayoutTable &layout)
{
    if (!record.text(0).isEmpty())
        return {};
    return layout[0].Label + QStringLiteral(" is a required field!");
}

void ItemEditor::save(const ItemRecord &record)
{
    if (m_mode == ItemFormMode::Add) {
        // One insert statement: it either stores the whole row or nothing.
        try {
            m_items.open();
            m_items.insert();
            record.writeTo(m_items, m_collection);
            m_items.post();
        } catch (...) {
            m_items.cancel();
            m_items.reset();
            throw;
        }
        m_items.reset();
        return;
    }
    try {
        m_items.edit();
        record.writeTo(m_items, m_collection);
        m_items.post();
    } catch (...) {
        m_items.cancel();
        throw;
    }
}

void ItemEditor::removeCurrent()
{
    m_items.remove();
}

void ItemEditor::first()
{
    m_items.first();
}

void ItemEditor::prior()
{
    m_items.prior();
}

void ItemEditor::next()
{
    m_items.next();
}

void ItemEditor::last()
{
    m_items.last();
}

bool ItemEditor::atStart() const
{
    return !m_items.isOpen() || m_items.bof();
}

bool ItemEditor::atEnd() const
{
    return !m_items.isOpen() || m_items.eof();
}
