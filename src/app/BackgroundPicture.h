#pragma once

#include <QImage>
#include <QString>

// The main window's background picture file, read for showing. Any failure (no file named,
// a missing file, a file that cannot be decoded) gives a null image: the background stays
// blank and nothing is said.
class BackgroundPicture
{
public:
    static QImage load(const QString &path);
};
