#include "store/FieldCatalogue.h"

#include <QHash>
#include <array>

namespace FieldCatalogue {
namespace {

using K = EntryKind;

constexpr std::array<FieldInfo, FieldCount> Fields{{
    {0, "Name", 1, K::Text, 40, "Name", 16, 24},
    {1, "Series", 1, K::DropDown, 30, "Series", 184, 24},
    {2, "Manufacturer", 1, K::DropDown, 30, "Manufacturer", 352, 24},
    {3, "RetailPrice", 1, K::Money, 0, "Retail Price", 16, 72},
    {4, "PurchasePrice", 1, K::Money, 0, "Purchase Price", 144, 72},
    {5, "CurrentValue", 1, K::Money, 0, "Current Value", 272, 72},
    {6, "InsuredValue", 1, K::Money, 0, "Insured Value", 400, 72},
    {7, "PurchasedFrom", 1, K::Text, 30, "Purchased From", 16, 120},
    {8, "PurchaseDate", 1, K::Text, 30, "Purchase Date", 184, 120},
    {9, "ValuedDate", 1, K::Text, 30, "Value Date", 352, 120},
    {10, "ItemCondition", 1, K::DropDown, 30, "Item Condition", 16, 168},
    {11, "BoxCondition", 1, K::DropDown, 30, "Box Condition", 184, 168},
    {12, "Location", 1, K::DropDown, 30, "Location", 16, 216},
    {13, "Color", 1, K::DropDown, 30, "Color", 184, 216},
    {14, "Quantity", 1, K::Text, 30, "Date Produced", 352, 216},
    {15, "Dimensions", 1, K::Text, 30, "Dimensions", 16, 264},
    {16, "DMeasure", 1, K::Measure, 3, "DMeasurement", 184, 264},
    {17, "Weight", 1, K::Text, 30, "Weight", 248, 264},
    {18, "WMeasure", 1, K::Measure, 3, "WMeasurement", 416, 264},
    {19, "Material", 1, K::DropDown, 30, "Material", 16, 312},
    {20, "LimitedEdition", 1, K::CheckBox, 0, "Limited Edition", 16, 360},
    {21, "Text1", 2, K::Text, 30, "Text1", 16, 24},
    {22, "Text2", 2, K::Text, 30, "Text2", 184, 24},
    {23, "Text3", 2, K::Text, 30, "Text3", 352, 24},
    {24, "Text4", 2, K::Text, 30, "Text4", 16, 64},
    {25, "Text5", 2, K::Text, 30, "Text5", 184, 64},
    {26, "Text6", 2, K::Text, 30, "Text6", 352, 64},
    {27, "Text7", 2, K::Text, 30, "Text7", 16, 104},
    {28, "List1", 2, K::DropDown, 30, "List1", 16, 160},
    {29, "List2", 2, K::DropDown, 30, "List2", 184, 160},
    {30, "List3", 2, K::DropDown, 30, "List3", 352, 160},
    {31, "List4", 2, K::DropDown, 30, "List4", 16, 200},
    {32, "List5", 2, K::DropDown, 30, "List5", 184, 200},
    {33, "Number1", 2, K::Text, 30, "Number1", 16, 248},
    {34, "Number2", 2, K::Text, 30, "Number2", 144, 248},
    {35, "Number3", 2, K::Text, 30, "Number3", 272, 248},
    {36, "Number4", 2, K::Text, 30, "Number4", 400, 248},
    {37, "Money1", 2, K::Money, 0, "Money1", 16, 296},
    {38, "Money2", 2, K::Money, 0, "Money2", 144, 296},
    {39, "Money3", 2, K::Money, 0, "Money3", 272, 296},
    {40, "Date1", 2, K::Text, 30, "Date1", 16, 344},
    {41, "Date2", 2, K::Text, 30, "Date2", 184, 344},
    {42, "Date3", 2, K::Text, 30, "Date3", 352, 344},
    {43, "Check1", 2, K::CheckBox, 0, "Checkbox1", 16, 384},
    {44, "Check2", 2, K::CheckBox, 0, "Checkbox2", 184, 384},
    {45, "Check3", 2, K::CheckBox, 0, "Checkbox3", 352, 384},
}};

const QHash<QString, int> &numbersByColumn()
{
    static const QHash<QString, int> map = [] {
        QHash<QString, int> m;
        for (const FieldInfo &f : Fields)
            m.insert(QString::fromLatin1(f.column).toLower(), f.number);
        return m;
    }();
    return map;
}

} // namespace

bool isField(int number)
{
    return number >= 0 && number < FieldCount;
}

const FieldInfo &field(int number)
{
    Q_ASSERT(isField(number));
    return Fields[static_cast<size_t>(number)];
}

QString column(int number)
{
    return QString::fromLatin1(field(number).column);
}

int page(int number)
{
    return field(number).page;
}

EntryKind entryKind(int number)
{
    return field(number).kind;
}

bool isListField(int number)
{
    return isField(number) && field(number).kind == EntryKind::DropDown;
}

QString defaultLabel(int number)
{
    return QString::fromLatin1(field(number).defaultLabel);
}

int defaultLeft(int number)
{
    return field(number).left;
}

int defaultTop(int number)
{
    return field(number).top;
}

int maxLength(int number)
{
    return field(number).maxLength;
}

int numberOfColumn(const QString &columnName)
{
    return numbersByColumn().value(columnName.toLower(), -1);
}

QStringList measureChoices(int number)
{
    if (number == 16)
        return {QStringLiteral("In."), QStringLiteral("Cm."), QStringLiteral("Ft."), QStringLiteral("M.")};
    if (number == 18)
        return {QStringLiteral("Oz."), QStringLiteral("Gr."), QStringLiteral("Lb."), QStringLiteral("Kg.")};
    return {};
}

const QList<int> &listFields()
{
    static const QList<int> list = [] {
        QList<int> l;
        for (const FieldInfo &f : Fields)
            if (f.kind == EntryKind::DropDown)
                l.append(f.number);
        return l;
    }();
    return list;
}

const QStringList &itemColumns()
{
    static const QStringList columns = [] {
        QStringList c{QStringLiteral("ID"), QStringLiteral("Name"), QStringLiteral("Collection")};
        for (int n = 1; n < FieldCount; ++n)
            c.append(column(n));
        for (int i = 1; i <= 6; ++i)
            c.append(QStringLiteral("Image%1").arg(i));
        c.append(QStringLiteral("Notes"));
        return c;
    }();
    return columns;
}

bool isMoneyColumn(const QString &columnName)
{
    const int n = numberOfColumn(columnName);
    return n >= 0 && entryKind(n) == EntryKind::Money;
}

bool isLogicalColumn(const QString &columnName)
{
    const int n = numberOfColumn(columnName);
    return n >= 0 && entryKind(n) == EntryKind::CheckBox;
}

} // namespace FieldCatalogue
