#pragma once

#include "app/SelectorSink.h"

#include <QStringList>

// Records what the windows add to and remove from the main window's selector while it lives.
class RecordingSelectorSink : public SelectorSink
{
public:
    RecordingSelectorSink()
        : m_previous(selectorSink())
    {
        setSelectorSink(this);
    }
    ~RecordingSelectorSink() override { setSelectorSink(m_previous); }
    RecordingSelectorSink(const RecordingSelectorSink &) = delete;
    RecordingSelectorSink &operator=(const RecordingSelectorSink &) = delete;

    void addCollection(const QString &name) override { added.append(name); }
    void removeCollection(const QString &name) override { removed.append(name); }

    QStringList added;
    QStringList removed;

private:
    SelectorSink *m_previous;
};
