#pragma once

#include <QElapsedTimer>
#include <QString>
#include <cstdio>

// A progress line on standard error for runs that take a while: nothing for the first second,
// then the latest text at most once a second. On a terminal the line is rewritten in place.
class CliProgress
{
public:
    explicit CliProgress(std::FILE *stream = stderr);
    ~CliProgress();

    // Whether a new text would be shown now; cheap, for callers that build the text only then.
    bool due() const;
    void show(const QString &text);
    // Ends the line, when one has been shown.
    void finish();

private:
    std::FILE *m_stream;
    QElapsedTimer m_timer;
    qint64 m_last = 0;
    bool m_terminal = false;
    bool m_shown = false;
};
