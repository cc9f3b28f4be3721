#include "app/TypeAheadSearch.h"

TypeAheadSearch::TypeAheadSearch(qint64 pauseMs)
    : m_pauseMs(pauseMs)
{
}

int TypeAheadSearch::type(const QString &text, qint64 atMs, const QStringList &entries)
{
    if (!isSearching(atMs))
        m_typed.clear();
    m_lastMs = atMs;
    m_typed += text;
    for (int i = 0; i < entries.size(); ++i)
        if (entries.at(i).startsWith(m_typed, Qt::CaseInsensitive))
            return i;
    return -1;
}

void TypeAheadSearch::reset()
{
    m_typed.clear();
    m_lastMs = 0;
}
