#include "items/NotesSearch.h"

#include "store/Table.h"

#include <QTextCursor>
#include <QTextDocument>

NotesSearch::NotesSearch(Table &items)
    : m_items(items)
{
}

NotesSearch::Hit NotesSearch::find(const QString &notes, const QString &text, Options options)
{
    if (text.isEmpty() || notes.isEmpty())
        return {};
    QTextDocument document;
    document.setPlainText(notes);
    QTextDocument::FindFlags flags;
    if (options.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    if (options.wholeWord)
        flags |= QTextDocument::FindWholeWords;
    const QTextCursor hit = document.find(text, 0, flags);
    if (hit.isNull())
        return {};
    return {true, hit.selectionStart(), hit.selectionEnd() - hit.selectionStart()};
}

NotesSearch::Hit NotesSearch::findNext(const QString &text, Options options)
{
    while (m_items.isOpen() && !m_items.eof()) {
        if (m_hit) {
            m_hit = false;
            m_items.next();
            // Past the last row: the row just reported is not searched a second time.
            if (m_items.eof())
                break;
        }
        const Hit hit = find(m_items.fieldText(QStringLiteral("Notes")), text, options);
        if (hit.found) {
            m_hit = true;
            return hit;
        }
        m_items.next();
    }
    m_hit = false;
    return {};
}
