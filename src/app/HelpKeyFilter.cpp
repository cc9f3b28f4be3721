#include "app/HelpKeyFilter.h"

#include "app/HelpContext.h"
#include "app/HelpViewer.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>

int HelpKeyFilter::contextFor(QObject *receiver)
{
    if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
        if (const int context = HelpViewer::actionHelpContext(menu->activeAction()))
            return context;
        return helpContext(QApplication::activeWindow());
    }
    auto *widget = qobject_cast<QWidget *>(receiver);
    if (!widget)
        widget = QApplication::focusWidget();
    if (!widget)
        widget = QApplication::activeWindow();
    return helpContext(widget);
}

bool HelpKeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *key = static_cast<QKeyEvent *>(event);
    if (key->key() != Qt::Key_F1 || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int context = contextFor(watched);
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
    if (context > 0)
        HelpViewer::showContext(context);
    else
        HelpViewer::showContents();
    return true;
}
