#pragma once

#include <QString>

// A hint is "short part|long part": the short part shows as a tool tip, the long part in the
// main window's status bar. A hint that begins with the bar has only a long part; one without
// a bar uses its whole text for both.
QString ShortHint(const QString &hint);
QString LongHint(const QString &hint);
