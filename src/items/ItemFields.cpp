#include "items/ItemFields.h"

#include "items/MoneyEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>

using FieldCatalogue::EntryKind;

namespace {

constexpr int WideWidth = 153;
constexpr int NarrowWidth = 113; // money and custom number fields
constexpr int UnitWidth = 57;
constexpr int CheckBoxHeight = 17;
constexpr int ListRows = 7;

int controlWidth(int field)
{
    switch (FieldCatalogue::entryKind(field)) {
    case EntryKind::Money:
        return NarrowWidth;
    case EntryKind::Measure:
        return UnitWidth;
    default:
        return field >= 33 && field <= 36 ? NarrowWidth : WideWidth;
    }
}

// Sorted as a list shows its entries: letter case aside, then by case.
bool listOrder(const QString &a, const QString &b)
{
    const int c = a.compare(b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : a < b;
}

// A label shows its text as typed: an ampersand is no shortcut marker.
QString literalCaption(const QString &text)
{
    return QString(text).replace(u'&', QStringLiteral("&&"));
}

QWidget *createControl(int field, QWidget *page)
{
    const QString name = FieldCatalogue::column(field);
    QWidget *control = nullptr;
    switch (FieldCatalogue::entryKind(field)) {
    case EntryKind::Text: {
        auto *edit = new QLineEdit(page);
        edit->setMaxLength(FieldCatalogue::maxLength(field));
        control = edit;
        break;
    }
    case EntryKind::DropDown: {
        auto *box = new QComboBox(page);
        box->setEditable(true);
        box->setInsertPolicy(QComboBox::NoInsert);
        box->setMaxVisibleItems(ListRows);
        box->lineEdit()->setMaxLength(FieldCatalogue::maxLength(field));
        box->completer()->setCaseSensitivity(Qt::CaseInsensitive);
        box->completer()->setCompletionMode(QCompleter::InlineCompletion);
        control = box;
        break;
    }
    case EntryKind::Measure: {
        auto *box = new QComboBox(page);
        box->addItems(FieldCatalogue::measureChoices(field));
        box->setCurrentIndex(-1);
        control = box;
        break;
    }
    case EntryKind::Money:
        control = new MoneyEdit(page);
        break;
    case EntryKind::CheckBox:
        control = new QCheckBox(literalCaption(FieldCatalogue::defaultLabel(field)), page);
        break;
    }
    control->setObjectName(name);
    control->setProperty("DataFieldNumber", field);
    const int height =
        FieldCatalogue::entryKind(field) == EntryKind::CheckBox ? CheckBoxHeight : ItemFields::ControlHeight;
    control->setGeometry(FieldCatalogue::defaultLeft(field), FieldCatalogue::defaultTop(field), controlWidth(field),
                         height);
    return control;
}

} // namespace

ItemFields::ItemFields(QWidget *descriptionPage, QWidget *customPage)
{
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        QWidget *page = FieldCatalogue::page(n) == 1 ? descriptionPage : customPage;
        m_controls[n] = createControl(n, page);
        const EntryKind kind = FieldCatalogue::entryKind(n);
        if (kind == EntryKind::Measure || kind == EntryKind::CheckBox)
            continue;
        auto *label = new QLabel(FieldCatalogue::defaultLabel(n), page);
        label->setObjectName(QStringLiteral("Label") + FieldCatalogue::column(n));
        label->setTextFormat(Qt::PlainText);
        if (n == 0) {
            QFont bold = label->font();
            bold.setBold(true);
            label->setFont(bold);
        }
        label->move(FieldCatalogue::defaultLeft(n), FieldCatalogue::defaultTop(n) - LabelOffset);
        label->adjustSize();
        m_labels[n] = label;
    }
}

QLineEdit *ItemFields::textEdit(int field) const
{
    return qobject_cast<QLineEdit *>(m_controls.at(field));
}

QComboBox *ItemFields::comboBox(int field) const
{
    return qobject_cast<QComboBox *>(m_controls.at(field));
}

MoneyEdit *ItemFields::moneyEdit(int field) const
{
    return qobject_cast<MoneyEdit *>(m_controls.at(field));
}

QCheckBox *ItemFields::checkBox(int field) const
{
    return qobject_cast<QCheckBox *>(m_controls.at(field));
}

int ItemFields::listFieldOf(const QWidget *widget) const
{
    for (const int n : FieldCatalogue::listFields()) {
        const QWidget *box = m_controls.at(n);
        if (widget && (widget == box || box->isAncestorOf(widget)))
            return n;
    }
    return -1;
}

void ItemFields::setListValues(const QHash<int, QStringList> &values)
{
    for (const int n : FieldCatalogue::listFields()) {
        QStringList sorted = values.value(n);
        std::sort(sorted.begin(), sorted.end(), listOrder);
        QComboBox *box = comboBox(n);
        box->clear();
        box->addItems(sorted);
        box->setCurrentIndex(-1);
        box->clearEditText();
    }
}

QStringList ItemFields::listValues(int field) const
{
    QStringList values;
    if (const QComboBox *box = comboBox(field))
        for (int i = 0; i < box->count(); ++i)
            values.append(box->itemText(i));
    return values;
}

void ItemFields::addListValue(int field, const QString &value)
{
    QComboBox *box = comboBox(field);
    const QString typed = box->currentText();
    const QStringList values = listValues(field);
    const auto at = std::upper_bound(values.cbegin(), values.cend(), value, listOrder);
    box->insertItem(int(at - values.cbegin()), value);
    box->setEditText(typed);
}

void ItemFields::applyLayout(const FieldLayoutTable &layout)
{
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        const FieldLayoutEntry &entry = layout[n];
        QWidget *control = m_controls[n];
        control->move(entry.LeftPosition, entry.TopPosition);
        control->setVisible(entry.IsVisible);
        const QString caption = entry.Label.left(MaxLabelLength);
        if (QLabel *label = m_labels[n]) {
            label->move(entry.LeftPosition, entry.TopPosition - LabelOffset);
            label->setText(caption);
            label->adjustSize();
            label->setVisible(entry.IsVisible);
        }
        if (QCheckBox *box = checkBox(n)) {
            box->setText(literalCaption(caption));
            box->resize(std::max(WideWidth, box->sizeHint().width()), box->height());
        }
    }
    applyTabOrder(layout);
}

void ItemFields::applyTabOrder(const FieldLayoutTable &layout)
{
    for (const int page : {1, 2}) {
        QList<int> fields;
        for (int n = 0; n < FieldCatalogue::FieldCount; ++n)
            if (FieldCatalogue::page(n) == page)
                fields.append(n);
        std::stable_sort(fields.begin(), fields.end(),
                         [&layout](int a, int b) { return layout[a].TabOrder < layout[b].TabOrder; });
        for (int i = 1; i < fields.size(); ++i)
            QWidget::setTabOrder(m_controls[fields[i - 1]], m_controls[fields[i]]);
    }
}

void ItemFields::show(const ItemRecord &record)
{
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        switch (FieldCatalogue::entryKind(n)) {
        case EntryKind::Text:
            textEdit(n)->setText(record.text(n));
            textEdit(n)->setCursorPosition(0);
            break;
        case EntryKind::DropDown: {
            QComboBox *box = comboBox(n);
            box->setCurrentIndex(box->findText(record.text(n), Qt::MatchFixedString | Qt::MatchCaseSensitive));
            box->setEditText(record.text(n));
            box->lineEdit()->setCursorPosition(0);
            break;
        }
        case EntryKind::Measure: {
            const QStringList choices = FieldCatalogue::measureChoices(n);
            int index = -1;
            for (int i = 0; i < choices.size() && index < 0; ++i)
                if (choices[i].compare(record.text(n), Qt::CaseInsensitive) == 0)
                    index = i;
            comboBox(n)->setCurrentIndex(index);
            break;
        }
        case EntryKind::Money:
            moneyEdit(n)->setValue(record.money(n));
            break;
        case EntryKind::CheckBox:
            checkBox(n)->setChecked(record.isChecked(n));
            break;
        }
    }
}

void ItemFields::readInto(ItemRecord &record) const
{
    for (int n = 0; n < FieldCatalogue::FieldCount; ++n) {
        switch (FieldCatalogue::entryKind(n)) {
        case EntryKind::Text:
            record.setText(n, textEdit(n)->text());
            break;
        case EntryKind::DropDown:
            record.setText(n, comboBox(n)->currentText());
            break;
        case EntryKind::Measure:
            record.setText(n, comboBox(n)->currentIndex() >= 0 ? comboBox(n)->currentText() : QString());
            break;
        case EntryKind::Money:
            record.setMoney(n, moneyEdit(n)->value());
            break;
        case EntryKind::CheckBox:
            record.setChecked(n, checkBox(n)->isChecked());
            break;
        }
    }
}

void ItemFields::clear()
{
    show(ItemRecord());
}
