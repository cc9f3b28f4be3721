#pragma once

#include <QString>

// Filter texts that select one collection's rows of a table.
namespace CollectionFilter {

// The name between single quotes, any single quote inside doubled, as the filter grammar reads it.
// Names created by the program hold no single quote; older data might.
QString quoted(const QString &name);

// "Collection = 'name'"
QString of(const QString &name);

} // namespace CollectionFilter
