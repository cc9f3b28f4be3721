#include "collections/CollectionFilter.h"

namespace CollectionFilter {

QString quoted(const QString &name)
{
    QString inner = name;
    inner.replace(u'\'', QStringLiteral("''"));
    return u'\'' + inner + u'\'';
}

QString of(const QString &name)
{
    return QStringLiteral("Collection = ") + quoted(name);
}

} // namespace CollectionFilter
