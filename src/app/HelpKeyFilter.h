#pragma once

#include <QObject>

// Watches the application's key presses for F1 and opens the help topic of the window (or the
// highlighted menu item) the key was pressed in.
class HelpKeyFilter : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    // The help context for F1 pressed while the object had the keyboard; 0 for none.
    static int contextFor(QObject *receiver);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
