#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <utility>

class TDataModule1;

// The remembered values of a collection's twelve list fields, kept in the list table.
namespace ListValues {

// Every remembered value of the collection, by list field number, in the table's order.
// Rows of other field numbers are passed over. Throws StoreError; the list table is reset.
QHash<int, QStringList> load(TDataModule1 &dm, const QString &collection);

// Whether the list already holds the text: the whole text, letter case ignored, blanks counting.
bool contains(const QStringList &values, const QString &text);

// The collection's labels of the twelve list fields, in the order of FieldCatalogue::listFields(),
// hidden fields included. A list field without its field setup row is given its default label,
// so that each position always names the same field. Throws StoreError; the statement is reset.
QStringList listFieldLabels(TDataModule1 &dm, const QString &collection);

// "Collection = 'name' and DataFieldNumber = n": the list table's rows of one list field.
QString fieldFilter(const QString &collection, int dataFieldNumber);

// Appends one row for the value. Throws StoreError; the list table is closed either way.
void LearnListValue(TDataModule1 &dm, const QString &collection, int dataFieldNumber, const QString &value);

// The same rows as LearnListValue for many values at once, (data field number, value) in order,
// with the list table opened once: the import learns its new values this way. The values are
// not compared with the lists. Throws StoreError; the rows appended before the failing one stay,
// and *stored (when given) tells how many they are. The list table is closed either way.
void LearnListValues(TDataModule1 &dm, const QString &collection, const QList<std::pair<int, QString>> &values,
                     int *stored = nullptr);

} // namespace ListValues
