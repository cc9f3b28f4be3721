#pragma once

#include <QPlainTextEdit>

class QMenu;

// A plain-text editor for an item's notes: the small notes box or the whole-page editor of the
// "Notes (Expanded)" page. Both offer the same context menu; the page's editor also switches
// word wrap and takes the Tab key as a tab character.
class NotesEditor : public QPlainTextEdit
{
    Q_OBJECT
public:
    enum Kind { Box, Page };

    explicit NotesEditor(Kind kind, QWidget *parent = nullptr);

    // Sets the text; it then counts as unchanged.
    void setNotes(const QString &text);
    // The text with line breaks as LF and every other character as typed (toPlainText would
    // turn hard spaces into blanks).
    QString notes() const;
    // Whether the text was changed since it was last set.
    bool isChanged() const;
    void markUnchanged();

    bool wordWrap() const { return lineWrapMode() != NoWrap; }
    void setWordWrap(bool on);

    // The context menu, its items enabled as the editor stands now. The caller owns it.
    QMenu *createContextMenu();

protected:
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    Kind m_kind;
};
