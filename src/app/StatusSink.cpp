#include "app/StatusSink.h"

#include <QCoreApplication>

namespace {

StatusSink *installedSink = nullptr;

void LetTextShow()
{
    if (QCoreApplication::instance())
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void setStatusSink(StatusSink *sink)
{
    installedSink = sink;
}

StatusSink *statusSink()
{
    return installedSink;
}

void ShowStatus(const QString &text)
{
    if (!installedSink)
        return;
    installedSink->showStatus(text);
    LetTextShow();
}

void ClearStatus()
{
    if (!installedSink)
        return;
    installedSink->clearStatus();
    LetTextShow();
}
