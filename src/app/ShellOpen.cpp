#include "app/ShellOpen.h"

#include <QDesktopServices>
#include <QFileInfo>

namespace {
bool recording = false;
bool recordedResult = true;
QList<QUrl> openedList;
} // namespace

bool OpenWithShell(const QUrl &url, QString *error)
{
    if (url.isLocalFile() && !QFileInfo::exists(url.toLocalFile())) {
        if (error)
            *error = QStringLiteral("The file %1 does not exist.").arg(url.toLocalFile());
        return false;
    }
    if (recording) {
        openedList.append(url);
        if (!recordedResult && error)
            *error = QStringLiteral("No program is set up to open %1.").arg(url.toString());
        return recordedResult;
    }
    if (QDesktopServices::openUrl(url))
        return true;
    if (error)
        *error = QStringLiteral("No program is set up to open %1.").arg(url.toDisplayString());
    return false;
}

namespace ShellSeam {
void record(bool succeed)
{
    recording = true;
    recordedResult = succeed;
}

const QList<QUrl> &opened()
{
    return openedList;
}

void reset()
{
    recording = false;
    recordedResult = true;
    openedList.clear();
}
} // namespace ShellSeam
