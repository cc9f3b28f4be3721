#include "app/SelectorSink.h"

namespace {
SelectorSink *current = nullptr;
}

void setSelectorSink(SelectorSink *sink)
{
    current = sink;
}

SelectorSink *selectorSink()
{
    return current;
}

void AddCollectionToSelector(const QString &name)
{
    if (current)
        current->addCollection(name);
}

void RemoveCollectionFromSelector(const QString &name)
{
    if (current)
        current->removeCollection(name);
}
