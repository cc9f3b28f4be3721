#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Definitions of the program's tables: columns with their kinds, keys, orders and indexes.
enum class ColumnKind { Text, Memo, Integer, AutoInc, Logical, Money, DateTime, Blob };

struct ColumnDef
{
    QString name;
    ColumnKind kind = ColumnKind::Text;
    int size = 0;        // longest text the program allows; 0 when not limited
    bool noCase = false; // text compared and sorted without regard to the case of a to z
};

struct IndexDef
{
    QString name;
    QStringList columns;
    bool unique = false;
    bool noCase = false; // text columns compared without regard to case
};

struct TableDef
{
    QString name;     // name in the database, also used in statements ("Collection")
    QString fileName; // name the user knows it by ("Collection.DB")
    QList<ColumnDef> columns;
    QString key;              // identity column, or "rowid" for tables without one
    QStringList primaryOrder; // rows in this order when no secondary order is chosen; key order when empty
    QList<IndexDef> indexes;
    QStringList secondaryOrders; // named orders, each by the column of the same name
    bool caseInsensitiveFilter = false;

    int columnIndex(const QString &column) const; // -1 when unknown; ignores case
    const ColumnDef *column(const QString &column) const;
    // CREATE TABLE and CREATE INDEX statements.
    QStringList createStatements() const;
};

namespace Schema {
const TableDef &collection(); // Collection.DB, the items
const TableDef &collectionType();
const TableDef &fieldSetup();
const TableDef &lists();
const TableDef &options();
const TableDef &gridTable();
const TableDef &folderTable();
const TableDef &itemTable();
const TableDef &tableTable();
const TableDef &fieldTable();

// The five tables every database starts with.
QList<const TableDef *> coreTables();
const TableDef *find(const QString &name);
QString quoted(const QString &identifier);
} // namespace Schema
