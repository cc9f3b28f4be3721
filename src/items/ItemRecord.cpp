#include "items/ItemRecord.h"

#include "store/Table.h"

using FieldCatalogue::EntryKind;

namespace {

QString pictureColumn(int slot)
{
    return QStringLiteral("Image%1").arg(slot);
}

const QString NotesColumn = QStringLiteral("Notes");
const QString CollectionColumn = QStringLiteral("Collection");

} // namespace

bool ItemRecord::sameField(const ItemRecord &other, int field) const
{
    switch (FieldCatalogue::entryKind(field)) {
    case EntryKind::Money:
        return money(field) == other.money(field);
    case EntryKind::CheckBox:
        return isChecked(field) == other.isChecked(field);
    default:
        return text(field) == other.text(field);
    }
}

ItemRecord ItemRecord::fromCurrentRow(const Table &items)
{
    ItemRecord record;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        const QString column = FieldCatalogue::column(n);
        switch (FieldCatalogue::entryKind(n)) {
        case EntryKind::Money:
            record.setMoney(n, items.fieldMoney(column));
            break;
        case EntryKind::CheckBox:
            record.setChecked(n, items.fieldBool(column));
            break;
        default:
            record.setText(n, items.fieldText(column));
        }
    }
    for (int slot = 1; slot <= PictureCount; ++slot)
        record.setPicture(slot, items.fieldText(pictureColumn(slot)));
    record.setNotes(items.fieldText(NotesColumn));
    return record;
}

void ItemRecord::writeTo(Table &items, const QString &collection) const
{
    const bool sameCollection = items.state() == Table::State::Edit &&
                                items.fieldText(CollectionColumn).compare(collection, Qt::CaseInsensitive) == 0;
    if (!sameCollection)
        items.setFieldText(CollectionColumn, collection);
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        const QString column = FieldCatalogue::column(n);
        switch (FieldCatalogue::entryKind(n)) {
        case EntryKind::Money:
            items.setFieldMoney(column, money(n));
            break;
        case EntryKind::CheckBox:
            items.setFieldBool(column, isChecked(n));
            break;
        default:
            items.setFieldText(column, text(n));
        }
    }
    for (int slot = 1; slot <= PictureCount; ++slot)
        items.setFieldText(pictureColumn(slot), picture(slot));
    items.setFieldText(NotesColumn, notes());
}

ItemRecord ItemRecord::keepUnchanged(const ItemRecord &stored, const ItemRecord &shown, const ItemRecord &edited)
{
    ItemRecord result = edited;
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        if (!edited.sameField(shown, n))
            continue;
        result.setText(n, stored.text(n));
        result.setMoney(n, stored.money(n));
        result.setChecked(n, stored.isChecked(n));
    }
    for (int slot = 1; slot <= PictureCount; ++slot)
        if (edited.picture(slot) == shown.picture(slot))
            result.setPicture(slot, stored.picture(slot));
    if (edited.notes() == shown.notes())
        result.setNotes(stored.notes());
    return result;
}
