#pragma once

class HelpWindow;
class QAction;
class QWidget;

// Opens help topics in the program's help window. F1 in any window shows the topic of that
// window's help context (see HelpContext.h), or of the highlighted menu item where it has one.
namespace HelpViewer {
// Routes F1 to the help windows; they open beside the main window (or the modal window on
// show, so that they can be used while it is open).
void install(QWidget *mainWindow);
// Closes every help window and removes the routing.
void uninstall();

HelpWindow *showContents();
HelpWindow *showContext(int context);
void closeAll();
// The help window on show, if any.
HelpWindow *currentWindow();

// The help topic of a menu command.
void setActionHelpContext(QAction *action, int context);
int actionHelpContext(const QAction *action);
} // namespace HelpViewer
