#include "app/CollectionSelection.h"

#include "store/TDataModule1.h"

#include <algorithm>

QStringList CollectionSelection::loadNames(TDataModule1 &dm)
{
    Table &table = *dm.CollTypesTable;
    QStringList names;
    try {
        table.open();
        for (table.first(); !table.eof(); table.next())
            names.append(table.fieldText(QStringLiteral("CollectionName")));
        table.reset();
    } catch (...) {
        table.reset();
        throw;
    }
    sort(names);
    return names;
}

bool CollectionSelection::lessThan(const QString &a, const QString &b)
{
    const int byLetters = a.compare(b, Qt::CaseInsensitive);
    return byLetters != 0 ? byLetters < 0 : a < b;
}

void CollectionSelection::sort(QStringList &names)
{
    std::sort(names.begin(), names.end(), lessThan);
}

int CollectionSelection::insertionIndex(const QStringList &sortedNames, const QString &name)
{
    return int(std::upper_bound(sortedNames.cbegin(), sortedNames.cend(), name, lessThan) - sortedNames.cbegin());
}

int CollectionSelection::indexOf(const QStringList &names, const QString &name)
{
    return int(names.indexOf(name));
}

int CollectionSelection::defaultIndex(const QStringList &sortedNames, const QString &defaultCollection)
{
    if (!defaultCollection.isEmpty())
        return indexOf(sortedNames, defaultCollection);
    return sortedNames.isEmpty() ? -1 : 0;
}
