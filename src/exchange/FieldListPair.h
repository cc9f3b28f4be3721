#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>

class QEvent;
class QListWidget;

// The two field lists of the import wizard and of the export window: the entries not chosen,
// kept in alphabetical order, and the chosen ones in the user's order. An entry moves into a list
// only when that list does not hold the same text yet (letter case ignored), and leaves its own
// list only when it was added: so an entry standing in both lists (the Name field) can be moved
// up and down but never leaves the chosen list. Moves and reorders without a selection answer
// "You must select an item in the list!" and give the list the focus. Any drag is accepted over
// both lists; a drop of an entry dragged out of the available list moves that list's selected
// entry to the chosen list, any other drop moves the chosen list's selected entry back.
class FieldListPair : public QObject
{
    Q_OBJECT

public:
    FieldListPair(QListWidget *available, QListWidget *chosen, QObject *parent = nullptr);

    // Fills the available list (sorted) and the chosen list (in this order).
    void fill(const QStringList &available, const QStringList &chosen);
    QStringList chosenEntries() const;

    // The selected available entry to the end of the chosen list (">>").
    void choose();
    // The selected chosen entry back to its place in the available list ("<<").
    void giveBack();
    void moveUp();
    void moveDown();

    // A drag over either list: always accepted.
    static bool acceptsDrag(QObject *source);
    // A drop on either list of an entry dragged from `source`.
    void drop(QObject *source);

    // Adds the text at the end of the list, or at its alphabetical place, unless the list holds
    // the same text in any letter case. True when it was added.
    static bool addIfAbsent(QListWidget *list, const QString &text, bool sorted);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool hasSelection(QListWidget *list) const;
    void move(QListWidget *from, QListWidget *to, bool sorted);
    void swapWith(int offset);

    // Guarded: while a window is torn down one list can be gone while the other's viewport still
    // sends events through the filter.
    QPointer<QListWidget> m_available;
    QPointer<QListWidget> m_chosen;
    QPointer<QObject> m_availableViewport;
    QPointer<QObject> m_chosenViewport;
};
