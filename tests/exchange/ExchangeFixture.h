#pragma once

#include "common/TestDatabase.h"
#include "exchange/EntryCatalogue.h"
#include "exchange/ItemImporter.h"
#include "store/Money.h"

#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>

// Helpers shared by the exchange tests: items read back as the program shows their values, and
// rows handed to the importer.
namespace ExchangeFixture {

// The item table's column names, for reading an item back whole.
inline QStringList itemColumns()
{
    QStringList columns{QStringLiteral("Name"), QStringLiteral("Collection")};
    for (int n = 1; n < FieldCatalogue::FieldCount; ++n)
        columns.append(FieldCatalogue::column(n));
    columns.append(QStringLiteral("Notes"));
    return columns;
}

// The items of a collection in ID order, each column as text: money as its plain amount, yes/no
// as True or False, nothing as the empty text.
inline QList<QVariantMap> items(TDataModule1 &dm, const QString &collection)
{
    QList<QVariantMap> result;
    QSqlQuery q(dm.database());
    q.prepare(QStringLiteral("SELECT * FROM Collection WHERE Collection = ? ORDER BY ID"));
    q.addBindValue(collection);
    q.exec();
    while (q.next()) {
        QVariantMap item;
        for (const QString &column : itemColumns()) {
            const QVariant v = q.value(column);
            if (FieldCatalogue::isMoneyColumn(column))
                item.insert(column, Money::fromUnits(v.toLongLong()).toPlainString());
            else if (FieldCatalogue::isLogicalColumn(column))
                item.insert(column, v.toLongLong() != 0 ? QStringLiteral("True") : QStringLiteral("False"));
            else
                item.insert(column, v.toString());
        }
        result.append(item);
    }
    return result;
}

inline int count(TDataModule1 &dm, const QString &sql)
{
    QSqlQuery q(dm.database());
    q.exec(sql);
    return q.next() ? q.value(0).toInt() : -1;
}

// Import columns for entries named by their labels, as the wizard heads them.
inline QList<ImportColumn> columns(const EntryCatalogue &catalogue, const QStringList &labels)
{
    QList<ImportColumn> result;
    for (const QString &label : labels)
        result.append({u' ' + label, catalogue.find(label)});
    return result;
}

// The rows, numbered from 1, as a row source.
inline ItemImporter::RowSource rowsOf(const QList<QStringList> &rows)
{
    return [rows](const ItemImporter::RowVisitor &visit) {
        for (int i = 0; i < rows.size(); ++i) {
            if (!visit(i + 1, rows.at(i)))
                return;
        }
    };
}

} // namespace ExchangeFixture
