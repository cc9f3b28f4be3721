#pragma once

#include "store/FieldCatalogue.h"
#include "store/Money.h"

#include <QString>
#include <array>

class Table;

// The values of one item as the item form holds them: the 46 fields, six picture paths and
// the notes. Text, list and unit fields hold text, money fields an amount, check boxes a flag.
class ItemRecord
{
public:
    static constexpr int PictureCount = 6;

    QString text(int field) const { return m_texts.at(field); }
    void setText(int field, const QString &text) { m_texts.at(field) = text; }
    Money money(int field) const { return m_amounts.at(field); }
    void setMoney(int field, Money amount) { m_amounts.at(field) = amount; }
    bool isChecked(int field) const { return m_checks.at(field); }
    void setChecked(int field, bool checked) { m_checks.at(field) = checked; }

    // Slots are numbered 1 to 6.
    QString picture(int slot) const { return m_pictures.at(slot - 1); }
    void setPicture(int slot, const QString &path) { m_pictures.at(slot - 1) = path; }
    QString notes() const { return m_notes; }
    void setNotes(const QString &notes) { m_notes = notes; }

    bool sameField(const ItemRecord &other, int field) const;
    bool operator==(const ItemRecord &other) const = default;

    // The current row of the item table (every field empty when there is none).
    static ItemRecord fromCurrentRow(const Table &items);

    // Writes every column of the row being inserted or edited: the 46 fields, Collection,
    // Image1 to Image6 and Notes. An edited row whose Collection already names the collection
    // (letter case aside) keeps its own spelling. Throws StoreError.
    void writeTo(Table &items, const QString &collection) const;

    // What to store after editing: every value the user left as it was shown keeps the value
    // read from the table, so a text longer than its control, a unit the picker does not know or
    // notes with other line breaks survive a save unchanged; every value the user changed is
    // taken from `edited`.
    static ItemRecord keepUnchanged(const ItemRecord &stored, const ItemRecord &shown, const ItemRecord &edited);

private:
    std::array<QString, FieldCatalogue::FieldCount> m_texts;
    std::array<Money, FieldCatalogue::FieldCount> m_amounts{};
    std::array<bool, FieldCatalogue::FieldCount> m_checks{};
    std::array<QString, PictureCount> m_pictures;
    QString m_notes;
};
