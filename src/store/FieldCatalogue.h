#pragma once

#include <QString>
#include <QStringList>

// The 46 user-visible fields of an item, numbered 0 to 45 (the data field number),
// with their column, item-form page, entry kind and default label and position.
namespace FieldCatalogue {

constexpr int FieldCount = 46;
constexpr int FirstPageTwoField = 21; // numbers below this sit on page 1 ("Description")

enum class EntryKind {
    Text,     // one-line text with a length limit
    DropDown, // editable drop-down that remembers values (a list field)
    Money,    // currency amount
    Measure,  // fixed choice of four units
    CheckBox  // logical value
};

struct FieldInfo
{
    int number;
    const char *column;
    int page;
    EntryKind kind;
    int maxLength; // characters a user may type; 0 for money and check boxes
    const char *defaultLabel;
    int left;
    int top;
};

bool isField(int number);
// Every lookup below asserts isField(number).
const FieldInfo &field(int number);
QString column(int number);
int page(int number);
EntryKind entryKind(int number);
bool isListField(int number);
QString defaultLabel(int number);
int defaultLeft(int number);
int defaultTop(int number);
int maxLength(int number);

// The data field number stored in a column, or -1 ("none") for ID, Collection,
// Image1 to Image6, Notes and any unknown name. Column names compare without case.
int numberOfColumn(const QString &columnName);

// The four fixed choices of a measure field (16 and 18); empty for other fields.
QStringList measureChoices(int number);

// The twelve list fields, in ascending order.
const QList<int> &listFields();

// All columns of the item table in table order: ID, Name, Collection, the other 45 fields,
// Image1 to Image6, Notes.
const QStringList &itemColumns();
bool isMoneyColumn(const QString &columnName);
bool isLogicalColumn(const QString &columnName);

} // namespace FieldCatalogue
