#pragma once

#include "store/FieldCatalogue.h"
#include "store/ScopedTransaction.h"
#include "store/TDataModule1.h"

#include <QRandomGenerator>

// Items for the benchmarks, in one transaction: every 50th in the collection "Other", the rest in
// `collection`; names, amounts, yes/no values and texts from a fixed seed.
struct BenchItemOptions
{
    bool someEmptyTexts = false; // a quarter of the text fields left empty
    bool notes = false;          // two lines of notes per item
};

inline void createBenchItems(TDataModule1 &dm, int count, const QString &collection, BenchItemOptions options = {})
{
    QRandomGenerator random(42);
    ScopedTransaction transaction(dm.database());
    Table &t = *dm.CollectionsTable;
    t.open();
    for (int i = 0; i < count; ++i) {
        t.insert();
        t.setFieldText(QStringLiteral("Collection"), i % 50 == 0 ? QStringLiteral("Other") : collection);
        t.setFieldText(QStringLiteral("Name"),
                       QStringLiteral("Item %1").arg(random.bounded(1000000), 7, 10, QChar(u'0')));
        for (int n = 1; n < FieldCatalogue::FieldCount; ++n) {
            const QString column = FieldCatalogue::column(n);
            switch (FieldCatalogue::entryKind(n)) {
            case FieldCatalogue::EntryKind::Money:
                t.setFieldMoney(column, Money::fromUnits(random.bounded(100000000)));
                break;
            case FieldCatalogue::EntryKind::CheckBox:
                t.setFieldBool(column, random.bounded(2) == 1);
                break;
            default:
                if (options.someEmptyTexts && random.bounded(4) == 0)
                    t.setFieldText(column, QString());
                else
                    t.setFieldText(column, QStringLiteral("%1 %2").arg(column).arg(random.bounded(1000)));
            }
        }
        if (options.notes)
            t.setFieldText(QStringLiteral("Notes"), QStringLiteral("Notes of item %1\nsecond line").arg(i));
        t.post();
    }
    t.close();
    transaction.commit();
}
