#include "exchange/LabelMatcher.h"

#include <QSet>

LabelMatcher::LabelMatcher(const EntryCatalogue &catalogue)
    : m_catalogue(catalogue)
{
}

std::optional<QList<int>> LabelMatcher::positions(const QStringList &labels, QString *unknown) const
{
    QList<int> result;
    QSet<int> used;
    for (const QString &label : labels) {
        const QString wanted = label.trimmed();
        int chosen = -1;
        for (int position = 0; position < m_catalogue.size(); ++position) {
            if (m_catalogue.entry(position).trimmed().compare(wanted, Qt::CaseInsensitive) != 0)
                continue;
            if (chosen < 0)
                chosen = position;
            if (!used.contains(position)) {
                chosen = position;
                break;
            }
        }
        if (chosen < 0) {
            if (unknown)
                *unknown = label;
            return std::nullopt;
        }
        used.insert(chosen);
        result.append(chosen);
    }
    return result;
}
