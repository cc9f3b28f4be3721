#pragma once

#include "common/TestDatabase.h"
#include "store/FieldCatalogue.h"

#include <QSqlQuery>
#include <QStringList>

// Every column of an item row as SQLite stores it (quote() keeps NULL, integer and text apart).
inline QStringList rawItemRow(TestDatabase &db, qint64 id)
{
    QStringList columns;
    for (const QString &column : FieldCatalogue::itemColumns())
        columns.append(QStringLiteral("quote(\"%1\")").arg(column));
    QSqlQuery q(db.dm().database());
    q.prepare(QStringLiteral("SELECT %1 FROM Collection WHERE ID = ?").arg(columns.join(u", ")));
    q.addBindValue(id);
    QStringList values;
    if (q.exec() && q.next())
        for (int i = 0; i < columns.size(); ++i)
            values.append(q.value(i).toString());
    return values;
}

inline int itemRowCount(TestDatabase &db)
{
    QSqlQuery q(db.dm().database());
    q.exec(QStringLiteral("SELECT count(*) FROM Collection"));
    return q.next() ? q.value(0).toInt() : -1;
}

// Makes every insert or update of an item fail as a full disk would.
inline bool refuseItemWrites(TestDatabase &db)
{
    QSqlQuery q(db.dm().database());
    return q.exec(QStringLiteral("CREATE TRIGGER refuse_insert BEFORE INSERT ON Collection "
                                 "BEGIN SELECT RAISE(ABORT, 'disk is full'); END")) &&
           q.exec(QStringLiteral("CREATE TRIGGER refuse_update BEFORE UPDATE ON Collection "
                                 "BEGIN SELECT RAISE(ABORT, 'disk is full'); END"));
}

// An item that uses every kind of column in ways a form could spoil: a text longer than its
// control takes, a unit in lower case and one the picker does not know, four decimals and a
// negative amount, CR LF line breaks, a picture path longer than 192 characters.
inline QVariantMap awkwardItem(const QString &name)
{
    return {{"Name", name},
            {"Series", QStringLiteral("S").repeated(45)},
            {"Manufacturer", "Acme"},
            {"RetailPrice", "12.5"},
            {"PurchasePrice", "1234567.8912"},
            {"CurrentValue", "-5.25"},
            {"PurchaseDate", "sometime in spring"},
            {"DMeasure", "in."},
            {"WMeasure", "pounds"},
            {"LimitedEdition", true},
            {"Text7", "hidden value"},
            {"Money3", "0.0001"},
            {"Check2", true},
            {"Image2", QStringLiteral("/pictures/") + QStringLiteral("deep/").repeated(50) + QStringLiteral("a.jpg")},
            {"Image5", "/nowhere/b.png"},
            {"Notes", "first line\r\nsecond line\u00a0with a hard space\r\n"}};
}
