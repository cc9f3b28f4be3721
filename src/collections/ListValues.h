#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

class TDataModule1;

// The remembered values of a collection's twelve list fields, kept in the list table.
namespace ListValues {

// Every remembered value of the collection, by list field number, in the table's order.
// Rows of other field numbers are passed over. Throws StoreError; the list table is reset.
QHash<int, QStringList> load(TDataModule1 &dm, const QString &collection);

// Whether the list already holds the text: the whole text, letter case ignored, blanks counting.
bool contains(const QStringList &values, const QString &text);

// Appends one row for the value. Throws StoreError; the list table is closed either way.
void LearnListValue(TDataModule1 &dm, const QString &collection, int dataFieldNumber, const QString &value);

} // namespace ListValues
