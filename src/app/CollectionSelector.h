#pragma once

#include "app/TypeAheadSearch.h"

#include <QComboBox>
#include <QElapsedTimer>

// A drop-down list of collection names: sorted, no typing, jumps to an entry as its first
// letters are typed. Only the user's choices emit selectionChanged; the functions below
// change the selection quietly.
class CollectionSelector : public QComboBox
{
    Q_OBJECT

public:
    explicit CollectionSelector(int visibleRows, QWidget *parent = nullptr);

    // Replaces the entries (sorted here); no entry is selected afterwards.
    void setCollections(const QStringList &names);
    QStringList collections() const;
    // Puts the name in its sorted place; the selected entry stays selected, and none stays none.
    void addCollection(const QString &name);
    // Drops the name; gives true when it was the selected entry (none is selected then).
    bool removeCollection(const QString &name);
    // Selects the entry equal to the name, or none when no entry is equal.
    void selectCollection(const QString &name);
    void selectIndex(int index);
    // The selected name; empty when none is selected.
    QString selectedCollection() const;

Q_SIGNALS:
    void selectionChanged();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // False when the key is not one to search by; otherwise *found is the entry the letters
    // typed so far lead to, or -1.
    bool typeAhead(const QKeyEvent *event, int *found);

    TypeAheadSearch m_search;
    QElapsedTimer m_clock;
};
