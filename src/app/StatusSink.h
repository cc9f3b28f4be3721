#pragma once

#include <QString>

// Where progress texts go: the main window's status bar, or a recorder in tests. Code that
// has no window of its own reports through ShowStatus and ClearStatus.
class StatusSink
{
public:
    virtual ~StatusSink() = default;
    virtual void showStatus(const QString &text) = 0;
    virtual void clearStatus() = 0;
};

// Installs the sink that receives the texts (nullptr for none). The caller keeps ownership.
void setStatusSink(StatusSink *sink);
StatusSink *statusSink();

// Shows the text in the installed sink, then lets pending events run (not user input) so it
// is on screen before a long operation goes on. Does nothing when no sink is installed.
void ShowStatus(const QString &text);
// Empties the status text the same way.
void ClearStatus();
