#include "exchange/FieldListPair.h"

#include "app/MessageBox.h"

#include <QDropEvent>
#include <QListWidget>

namespace {

const QString NoSelection = QStringLiteral("You must select an item in the list!");

void setUpForDragging(QListWidget *list)
{
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setDragEnabled(true);
    list->setDragDropMode(QAbstractItemView::DragDrop);
    // A drop never lets the list remove the dragged entry itself: the pair moves entries.
    list->setDefaultDropAction(Qt::CopyAction);
    list->viewport()->setAcceptDrops(true);
}

} // namespace

FieldListPair::FieldListPair(QListWidget *available, QListWidget *chosen, QObject *parent)
    : QObject(parent)
    , m_available(available)
    , m_chosen(chosen)
    , m_availableViewport(available->viewport())
    , m_chosenViewport(chosen->viewport())
{
    for (QListWidget *list : {m_available, m_chosen}) {
        setUpForDragging(list);
        list->viewport()->installEventFilter(this);
    }
}

void FieldListPair::fill(const QStringList &available, const QStringList &chosen)
{
    m_available->clear();
    m_chosen->clear();
    for (const QString &text : available)
        addIfAbsent(m_available, text, true);
    for (const QString &text : chosen)
        addIfAbsent(m_chosen, text, false);
}

QStringList FieldListPair::chosenEntries() const
{
    QStringList entries;
    for (int i = 0; i < m_chosen->count(); ++i)
        entries.append(m_chosen->item(i)->text());
    return entries;
}

bool FieldListPair::addIfAbsent(QListWidget *list, const QString &text, bool sorted)
{
    int place = list->count();
    for (int i = 0; i < list->count(); ++i) {
        const QString other = list->item(i)->text();
        const int order = other.compare(text, Qt::CaseInsensitive);
        if (order == 0)
            return false;
        if (sorted && order > 0 && place == list->count())
            place = i;
    }
    list->insertItem(place, text);
    return true;
}

bool FieldListPair::hasSelection(QListWidget *list) const
{
    if (list->currentItem() && list->currentItem()->isSelected())
        return true;
    ShowMessage(MessageKind::Information, NoSelection);
    list->setFocus();
    return false;
}

void FieldListPair::move(QListWidget *from, QListWidget *to, bool sorted)
{
    if (!hasSelection(from))
        return;
    const int row = from->currentRow();
    if (!addIfAbsent(to, from->item(row)->text(), sorted))
        return;
    delete from->takeItem(row);
    from->setCurrentRow(-1);
}

void FieldListPair::choose()
{
    move(m_available, m_chosen, false);
}

void FieldListPair::giveBack()
{
    move(m_chosen, m_available, true);
}

void FieldListPair::swapWith(int offset)
{
    if (!hasSelection(m_chosen))
        return;
    const int row = m_chosen->currentRow();
    const int other = row + offset;
    if (other < 0 || other >= m_chosen->count())
        return;
    QListWidgetItem *item = m_chosen->takeItem(row);
    m_chosen->insertItem(other, item);
    m_chosen->setCurrentItem(item);
}

void FieldListPair::moveUp()
{
    swapWith(-1);
}

void FieldListPair::moveDown()
{
    swapWith(1);
}

bool FieldListPair::acceptsDrag(QObject *)
{
    return true;
}

void FieldListPair::drop(QObject *source)
{
    if (source == m_available)
        choose();
    else
        giveBack();
}

bool FieldListPair::eventFilter(QObject *watched, QEvent *event)
{
    const bool ours =
        !m_available.isNull() && !m_chosen.isNull() && (watched == m_availableViewport || watched == m_chosenViewport);
    if (!ours)
        return QObject::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto *drag = static_cast<QDropEvent *>(event);
        if (acceptsDrag(drag->source())) {
            drag->setDropAction(Qt::CopyAction);
            drag->accept();
        }
        return true;
    }
    case QEvent::Drop: {
        auto *dropEvent = static_cast<QDropEvent *>(event);
        dropEvent->setDropAction(Qt::CopyAction);
        dropEvent->accept();
        drop(dropEvent->source());
        return true;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}
