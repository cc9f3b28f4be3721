#pragma once

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

// Points HOME, the XDG folders and the user's settings at a fresh temporary folder, so that a
// test never reads or writes the real user's settings, data or runtime files. Create it before
// the first QSettings is used.
class IsolatedHome
{
public:
    IsolatedHome()
    {
        QVERIFY(dir.isValid());
        for (const char *sub : {"config", "data", "runtime", "cache"})
            QDir(dir.path()).mkpath(QLatin1String(sub));
        QFile::setPermissions(path("runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        qputenv("HOME", dir.path().toLocal8Bit());
        qputenv("XDG_CONFIG_HOME", path("config").toLocal8Bit());
        qputenv("XDG_DATA_HOME", path("data").toLocal8Bit());
        qputenv("XDG_CACHE_HOME", path("cache").toLocal8Bit());
        qputenv("XDG_RUNTIME_DIR", path("runtime").toLocal8Bit());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("config"));
    }

    QString path(const char *sub) const { return QDir(dir.path()).filePath(QLatin1String(sub)); }

    QTemporaryDir dir;
};
