#pragma once

class QWidget;

// The help topic of a window: F1 anywhere in it opens that topic.
void setHelpContext(QWidget *window, int context);
// The context of the widget or of the nearest parent that has one; 0 when none.
int helpContext(const QWidget *widget);
