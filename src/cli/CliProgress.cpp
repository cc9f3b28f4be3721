#include "cli/CliProgress.h"

#include <unistd.h>

namespace {
constexpr qint64 FirstAfter = 1000;
constexpr qint64 Every = 1000;
} // namespace

CliProgress::CliProgress(std::FILE *stream)
    : m_stream(stream)
    , m_terminal(isatty(fileno(stream)) != 0)
{
    m_timer.start();
}

CliProgress::~CliProgress()
{
    finish();
}

bool CliProgress::due() const
{
    const qint64 now = m_timer.elapsed();
    return now >= FirstAfter && now - m_last >= Every;
}

void CliProgress::show(const QString &text)
{
    if (!due())
        return;
    m_last = m_timer.elapsed();
    if (m_terminal)
        std::fprintf(m_stream, "\r%s\033[K", qPrintable(text));
    else
        std::fprintf(m_stream, "%s\n", qPrintable(text));
    std::fflush(m_stream);
    m_shown = true;
}

void CliProgress::finish()
{
    if (m_shown && m_terminal)
        std::fputc('\n', m_stream);
    m_shown = false;
}
