#pragma once

#include <QString>

class Table;

// The item form's search of the items' notes (opened from the find dialog's full-text search).
// Each findNext() goes forward through the table from the current row: the row of the last hit
// is left first, then each row's notes are searched from their first character. Past the last
// row it reports the end, and keeps reporting it until the table is moved back from the end.
class NotesSearch
{
public:
    struct Options
    {
        bool matchCase = false;
        bool wholeWord = false;
    };

    struct Hit
    {
        bool found = false;
        int position = -1; // in the characters of a plain-text editor holding the notes
        int length = 0;
    };

    explicit NotesSearch(Table &items);

    // Clears the search-hit flag, as when the find dialog is first opened.
    void restart() { m_hit = false; }
    bool hitFlag() const { return m_hit; }

    // One find-next step. On a hit the hit's row is current; at the end the last row stays
    // current. Throws StoreError.
    Hit findNext(const QString &text, Options options);

    // Where the text first occurs in the notes, counted as a plain-text editor counts (a line
    // break is one character, whatever its form).
    static Hit find(const QString &notes, const QString &text, Options options);

private:
    Table &m_items;
    bool m_hit = false;
};
