#pragma once

#include "items/ItemRecord.h"
#include "store/FieldLayout.h"

#include <QHash>
#include <QStringList>
#include <array>

class MoneyEdit;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QWidget;

// The item form's 46 field controls, one per data field number, on the "Description" page
// (0 to 20) and the "Custom Fields" page (21 to 45), each with its label above it (check boxes
// carry their label as caption, unit pickers have none). The controls start at their default
// places; applyLayout moves, labels, shows or hides them as a collection's layout says.
class ItemFields
{
public:
    static constexpr int LabelOffset = 14; // a label sits this far above its control
    static constexpr int ControlHeight = 21;

    ItemFields(QWidget *descriptionPage, QWidget *customPage);

    QWidget *control(int field) const { return m_controls.at(field); }
    // Nullptr for the unit pickers and check boxes.
    QLabel *label(int field) const { return m_labels.at(field); }
    QLineEdit *textEdit(int field) const;
    QComboBox *comboBox(int field) const; // list fields and unit pickers
    MoneyEdit *moneyEdit(int field) const;
    QCheckBox *checkBox(int field) const;

    // The list field a widget belongs to (the box or a part of it), or -1.
    int listFieldOf(const QWidget *widget) const;

    // Fills the list fields (sorted, empty text) with remembered values.
    void setListValues(const QHash<int, QStringList> &values);
    QStringList listValues(int field) const;
    // Adds a value to a list field in its sorted place; the typed text stays.
    void addListValue(int field, const QString &value);

    void applyLayout(const FieldLayoutTable &layout);
    // Tab order within each page by the layout's ranks.
    void applyTabOrder(const FieldLayoutTable &layout);

    void show(const ItemRecord &record);
    // Puts the controls' values into the record's 46 fields.
    void readInto(ItemRecord &record) const;
    void clear();

private:
    std::array<QWidget *, FieldCatalogue::FieldCount> m_controls{};
    std::array<QLabel *, FieldCatalogue::FieldCount> m_labels{};
};
