#pragma once

#include <QString>

// The main window's collection selector, as the other windows reach it.
class SelectorSink
{
public:
    virtual ~SelectorSink() = default;
    virtual void addCollection(const QString &name) = 0;
    virtual void removeCollection(const QString &name) = 0;
};

void setSelectorSink(SelectorSink *sink);
SelectorSink *selectorSink();

// Adds the name to the selector, which keeps its entries sorted.
void AddCollectionToSelector(const QString &name);
// Drops the name from the selector (after a collection is deleted).
void RemoveCollectionFromSelector(const QString &name);
