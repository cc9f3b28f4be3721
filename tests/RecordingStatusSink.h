#pragma once

#include "app/StatusSink.h"

#include <QStringList>

// Records the status texts while it lives: installs itself on creation and puts back the
// sink that was installed before when it goes.
class RecordingStatusSink : public StatusSink
{
public:
    RecordingStatusSink()
        : m_previous(statusSink())
    {
        setStatusSink(this);
    }
    ~RecordingStatusSink() override { setStatusSink(m_previous); }
    RecordingStatusSink(const RecordingStatusSink &) = delete;
    RecordingStatusSink &operator=(const RecordingStatusSink &) = delete;

    void showStatus(const QString &text) override
    {
        shown.append(text);
        current = text;
    }
    void clearStatus() override
    {
        ++clears;
        current.clear();
    }

    QStringList shown; // every text shown, in order
    int clears = 0;    // how often the status was cleared
    QString current;   // what the status panel shows now

private:
    StatusSink *m_previous;
};
