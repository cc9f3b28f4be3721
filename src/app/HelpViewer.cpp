#include "app/HelpViewer.h"

#include "app/HelpKeyFilter.h"
#include "app/HelpWindow.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QScreen>

namespace {
constexpr const char *ActionContextProperty = "curiodexHelpContext";

QPointer<QWidget> mainWindow;
QPointer<HelpKeyFilter> keyFilter;
QList<QPointer<HelpWindow>> windows;

// The window the help window belongs to: the modal window on show (a help window beside it
// would otherwise be blocked), else the main window.
QWidget *Owner()
{
    if (QWidget *modal = QApplication::activeModalWidget())
        return modal;
    return mainWindow;
}

HelpWindow *WindowFor(QWidget *owner)
{
    windows.removeAll(nullptr);
    for (const QPointer<HelpWindow> &w : std::as_const(windows))
        if (w->parentWidget() == owner)
            return w;
    auto *window = new HelpWindow(owner);
    windows.append(window);
    // Over the middle of its owner (or of the screen) when it first opens.
    QRect area = owner && owner->isVisible() ? owner->window()->frameGeometry() : QRect();
    if (area.isEmpty() && QGuiApplication::primaryScreen())
        area = QGuiApplication::primaryScreen()->availableGeometry();
    QRect frame(QPoint(), window->size());
    frame.moveCenter(area.center());
    window->move(frame.topLeft());
    return window;
}

HelpWindow *Present(HelpWindow *window)
{
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}
} // namespace

namespace HelpViewer {

void install(QWidget *main)
{
    mainWindow = main;
    if (!keyFilter) {
        keyFilter = new HelpKeyFilter(qApp);
        qApp->installEventFilter(keyFilter);
    }
}

void uninstall()
{
    closeAll();
    delete keyFilter;
    mainWindow = nullptr;
}

HelpWindow *showContents()
{
    HelpWindow *window = WindowFor(Owner());
    window->showContents();
    return Present(window);
}

HelpWindow *showContext(int context)
{
    HelpWindow *window = WindowFor(Owner());
    window->showTopic(context);
    return Present(window);
}

void closeAll()
{
    const QList<QPointer<HelpWindow>> open = windows;
    windows.clear();
    for (const QPointer<HelpWindow> &w : open)
        delete w.data();
}

HelpWindow *currentWindow()
{
    windows.removeAll(nullptr);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if ((*it)->isVisible())
            return *it;
    return nullptr;
}

void setActionHelpContext(QAction *action, int context)
{
    action->setProperty(ActionContextProperty, context);
}

int actionHelpContext(const QAction *action)
{
    return action ? action->property(ActionContextProperty).toInt() : 0;
}

} // namespace HelpViewer
