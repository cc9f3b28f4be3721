#include "store/SysConfig.h"

#include <QDir>
#include <QStandardPaths>

SysConfigRecord SysConfigRec;

QString defaultPicturesDirectory()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    return QDir::toNativeSeparators(folder) + QDir::separator();
}
