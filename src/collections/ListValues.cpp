#include "collections/ListValues.h"

#include "app/TextHelpers.h"
#include "store/FieldCatalogue.h"
#include "store/TDataModule1.h"

namespace ListValues {

QHash<int, QStringList> load(TDataModule1 &dm, const QString &collection)
{
    QHash<int, QStringList> values;
    Table &lists = *dm.ListsTable;
    lists.setIndexName(QStringLiteral("Collection"));
    lists.setFilter(QStringLiteral("Collection = ") + QuoteSingle(collection));
    lists.setFiltered(true);
    try {
        lists.open();
        for (lists.first(); !lists.eof(); lists.next()) {
            const int n = int(lists.fieldInt(QStringLiteral("DataFieldNumber")));
            if (FieldCatalogue::isListField(n))
                values[n].append(lists.fieldText(QStringLiteral("Values")));
        }
    } catch (...) {
        lists.reset();
        throw;
    }
    lists.reset();
    return values;
}

bool contains(const QStringList &values, const QString &text)
{
    for (const QString &v : values)
        if (v.compare(text, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

void LearnListValue(TDataModule1 &dm, const QString &collection, int dataFieldNumber, const QString &value)
{
    Table &lists = *dm.ListsTable;
    try {
        lists.open();
        lists.insert();
        lists.setFieldText(QStringLiteral("Collection"), collection);
        lists.setFieldInt(QStringLiteral("DataFieldNumber"), dataFieldNumber);
        lists.setFieldText(QStringLiteral("Values"), value);
        lists.post();
    } catch (...) {
        lists.cancel();
        lists.close();
        throw;
    }
    lists.close();
}

} // namespace ListValues
