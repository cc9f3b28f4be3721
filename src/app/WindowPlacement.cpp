#include "app/WindowPlacement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

class FirstShowCentering : public QObject
{
public:
    explicit FirstShowCentering(QWidget *window)
        : QObject(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched == parent()) {
            CenterOnScreen(static_cast<QWidget *>(watched));
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

void CenterOnScreen(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame = window->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void CenterOnFirstShow(QWidget *window)
{
    new FirstShowCentering(window);
}
