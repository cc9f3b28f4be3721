#pragma once

#include <QString>

// The field designer's box of each data field number: its size, the fixed caption above it
// that names the underlying field, and whether its label can be edited.
namespace FieldBoxCatalogue {

constexpr int Height = 22;
constexpr int MaxTypedLength = 20; // characters a user can type into a box

// 121 for the money and number fields, 49 for the two measure units, 161 for the rest.
int width(int number);
// Empty for the measure units (16 and 18), which have no caption.
QString caption(int number);
bool hasCaption(int number);
// The Name field, the only required one.
bool isBold(int number);
// The measure units: they can be moved and hidden but their labels are fixed.
bool isReadOnly(int number);
// The label stored for a read-only box, whatever it shows ("DMeasure", "WMeasure"); empty otherwise.
QString fixedLabel(int number);

} // namespace FieldBoxCatalogue
