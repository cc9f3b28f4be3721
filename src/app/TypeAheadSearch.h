#pragma once

#include <QString>
#include <QStringList>

// Jumping to a list entry by typing its first letters. Letters typed within the pause of the
// last one add to the search; after a longer pause the search starts again.
class TypeAheadSearch
{
public:
    static constexpr qint64 DefaultPauseMs = 500;

    explicit TypeAheadSearch(qint64 pauseMs = DefaultPauseMs);

    // Adds the typed text at the given time (milliseconds on any steady clock) and gives the
    // first entry that begins with the letters typed so far, without regard to case; -1 when
    // none does.
    int type(const QString &text, qint64 atMs, const QStringList &entries);
    QString typed() const { return m_typed; }
    // Whether letters typed at this time would add to the current search.
    bool isSearching(qint64 atMs) const { return !m_typed.isEmpty() && atMs - m_lastMs <= m_pauseMs; }
    void reset();

private:
    qint64 m_pauseMs;
    qint64 m_lastMs = 0;
    QString m_typed;
};
