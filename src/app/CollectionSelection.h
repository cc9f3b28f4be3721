#pragma once

#include <QString>
#include <QStringList>

class TDataModule1;

// The rules behind the collection selectors: which names they list, in which order, and which
// one is chosen at start-up.
class CollectionSelection
{
public:
    // Every collection name of the collection table, sorted. Throws StoreError; the table is
    // left closed either way.
    static QStringList loadNames(TDataModule1 &dm);

    // The selector's order: alphabetical without regard to case (ties in case order).
    static bool lessThan(const QString &a, const QString &b);
    static void sort(QStringList &names);
    // Where a new name goes so that the sorted list stays sorted.
    static int insertionIndex(const QStringList &sortedNames, const QString &name);

    // The entry equal to the name, or -1.
    static int indexOf(const QStringList &names, const QString &name);
    // The start-up choice: the entry equal to the default collection when one is set (-1 when
    // none is equal), otherwise the first entry (-1 for an empty list).
    static int defaultIndex(const QStringList &sortedNames, const QString &defaultCollection);
};
