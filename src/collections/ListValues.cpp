#include "collections/ListValues.h"

#include "collections/CollectionFilter.h"
#include "store/FieldCatalogue.h"
#include "store/TDataModule1.h"

namespace ListValues {

QHash<int, QStringList> load(TDataModule1 &dm, const QString &collection)
{
    QHash<int, QStringList> values;
    Table &lists = *dm.ListsTable;
    lists.setIndexName(QStringLiteral("Collection"));
    lists.setFilter(CollectionFilter::of(collection));
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

QStringList listFieldLabels(TDataModule1 &dm, const QString &collection)
{
    const QList<int> &fields = FieldCatalogue::listFields();
    QHash<int, QString> stored;
    Query &q = *dm.FieldSetupQuery;
    try {
        QStringList lines{QStringLiteral("Select * From FieldSetup"),
                          QStringLiteral("Where Collection = :CollectionName")};
        for (int i = 0; i < fields.size(); ++i)
            lines.append(
                (i == 0 ? QStringLiteral("And (DataFieldNumber = ") : QStringLiteral("Or   DataFieldNumber = ")) +
                QString::number(fields[i]) + (i + 1 == fields.size() ? QStringLiteral(")") : QString()));
        lines.append(QStringLiteral("Order by DataFieldNumber"));
        q.setSql(lines);
        q.prepare();
        q.setParamText(QStringLiteral("CollectionName"), collection);
        q.open();
        for (; !q.eof(); q.next()) {
            const int n = int(q.fieldInt(QStringLiteral("DataFieldNumber")));
            if (!stored.contains(n))
                stored.insert(n, q.fieldText(QStringLiteral("DataFieldLabel")));
        }
    } catch (...) {
        q.reset();
        throw;
    }
    q.reset();
    QStringList labels;
    for (int n : fields)
        labels.append(stored.contains(n) ? stored.value(n) : FieldCatalogue::defaultLabel(n));
    return labels;
}

QString fieldFilter(const QString &collection, int dataFieldNumber)
{
    return CollectionFilter::of(collection) + QStringLiteral(" and DataFieldNumber = ") +
           QString::number(dataFieldNumber);
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

void LearnListValues(TDataModule1 &dm, const QString &collection, const QList<std::pair<int, QString>> &values,
                     int *stored)
{
    if (stored)
        *stored = 0;
    if (values.isEmpty())
        return;
    Table &lists = *dm.ListsTable;
    try {
        lists.open();
        for (const auto &[dataFieldNumber, value] : values) {
            lists.insert();
            lists.setFieldText(QStringLiteral("Collection"), collection);
            lists.setFieldInt(QStringLiteral("DataFieldNumber"), dataFieldNumber);
            lists.setFieldText(QStringLiteral("Values"), value);
            lists.post();
            if (stored)
                ++*stored;
        }
    } catch (...) {
        lists.cancel();
        lists.close();
        throw;
    }
    lists.close();
}

} // namespace ListValues
