#include "items/NotesEditor.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>

NotesEditor::NotesEditor(Kind kind, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_kind(kind)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(kind == Page ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    setTabChangesFocus(kind == Box);
    setWordWrap(true);
}

void NotesEditor::setNotes(const QString &text)
{
    setPlainText(text);
    markUnchanged();
}

QString NotesEditor::notes() const
{
    QString text = document()->toRawText();
    for (QChar &c : text)
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    return text;
}

bool NotesEditor::isChanged() const
{
    return document()->isModified();
}

void NotesEditor::markUnchanged()
{
    document()->setModified(false);
}

void NotesEditor::setWordWrap(bool on)
{
    setLineWrapMode(on ? WidgetWidth : NoWrap);
}

QMenu *NotesEditor::createContextMenu()
{
    auto *menu = new QMenu(this);
    const bool selected = textCursor().hasSelection();
    menu->addAction(QStringLiteral("&Undo"), this, &QPlainTextEdit::undo)->setEnabled(document()->isUndoAvailable());
    menu->addSeparator();
    menu->addAction(QStringLiteral("Cu&t"), this, &QPlainTextEdit::cut)->setEnabled(selected);
    menu->addAction(QStringLiteral("&Copy"), this, &QPlainTextEdit::copy)->setEnabled(selected);
    menu->addAction(QStringLiteral("&Paste"), this, &QPlainTextEdit::paste);
    menu->addAction(QStringLiteral("&Delete"), this, [this] { textCursor().removeSelectedText(); })
        ->setEnabled(selected);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Select &All"), this, &QPlainTextEdit::selectAll)->setEnabled(!selected);
    if (m_kind == Page) {
        menu->addSeparator();
        QAction *wrap = menu->addAction(QStringLiteral("&Word Wrap"), this, [this] { setWordWrap(!wordWrap()); });
        wrap->setCheckable(true);
        wrap->setChecked(wordWrap());
    }
    return menu;
}

void NotesEditor::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
