#include "app/CollectionSelector.h"

#include "app/CollectionSelection.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QSignalBlocker>

CollectionSelector::CollectionSelector(int visibleRows, QWidget *parent)
    : QComboBox(parent)
{
    setEditable(false);
    setMaxVisibleItems(visibleRows);
    setInsertPolicy(QComboBox::NoInsert);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(24);
    view()->installEventFilter(this);
    m_clock.start();
    connect(this, &QComboBox::currentIndexChanged, this, &CollectionSelector::selectionChanged);
}

void CollectionSelector::setCollections(const QStringList &names)
{
    QStringList sorted = names;
    CollectionSelection::sort(sorted);
    const QSignalBlocker blocker(this);
    clear();
    addItems(sorted);
    setCurrentIndex(-1);
}

QStringList CollectionSelector::collections() const
{
    QStringList names;
    for (int i = 0; i < count(); ++i)
        names.append(itemText(i));
    return names;
}

void CollectionSelector::addCollection(const QString &name)
{
    const QSignalBlocker blocker(this);
    const QString selected = selectedCollection();
    const bool noneSelected = currentIndex() < 0;
    insertItem(CollectionSelection::insertionIndex(collections(), name), name);
    if (noneSelected)
        setCurrentIndex(-1);
    else
        setCurrentIndex(findText(selected, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

bool CollectionSelector::removeCollection(const QString &name)
{
    const int index = CollectionSelection::indexOf(collections(), name);
    if (index < 0)
        return false;
    const QSignalBlocker blocker(this);
    const bool wasSelected = index == currentIndex();
    const QString selected = selectedCollection();
    removeItem(index);
    selectCollection(wasSelected ? QString() : selected);
    return wasSelected;
}

void CollectionSelector::selectCollection(const QString &name)
{
    selectIndex(name.isEmpty() ? -1 : CollectionSelection::indexOf(collections(), name));
}

void CollectionSelector::selectIndex(int index)
{
    const QSignalBlocker blocker(this);
    setCurrentIndex(index);
}

QString CollectionSelector::selectedCollection() const
{
    return currentIndex() < 0 ? QString() : currentText();
}

bool CollectionSelector::typeAhead(const QKeyEvent *event, int *found)
{
    const QString text = event->text();
    if (text.isEmpty() || !text.at(0).isPrint() || (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;
    // A blank only continues a search; on its own it opens the list as usual.
    if (text.at(0).isSpace() && !m_search.isSearching(m_clock.elapsed()))
        return false;
    *found = m_search.type(text, m_clock.elapsed(), collections());
    return true;
}

void CollectionSelector::keyPressEvent(QKeyEvent *event)
{
    int found = -1;
    if (!typeAhead(event, &found)) {
        QComboBox::keyPressEvent(event);
        return;
    }
    if (found >= 0 && found != currentIndex())
        setCurrentIndex(found);
    event->accept();
}

bool CollectionSelector::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == view() && event->type() == QEvent::KeyPress) {
        int found = -1;
        if (typeAhead(static_cast<QKeyEvent *>(event), &found)) {
            if (found >= 0)
                view()->setCurrentIndex(model()->index(found, modelColumn(), rootModelIndex()));
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
