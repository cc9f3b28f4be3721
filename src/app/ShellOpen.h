#pragma once

#include <QList>
#include <QUrl>

// Opens a web page, an HTML file or a picture with the desktop's own program.
// Gives false with the system's reason when nothing could open it.
bool OpenWithShell(const QUrl &url, QString *error = nullptr);

namespace ShellSeam {
// While recording, nothing is opened: the addresses are remembered and `succeed` is returned.
void record(bool succeed = true);
const QList<QUrl> &opened();
void reset();
} // namespace ShellSeam
