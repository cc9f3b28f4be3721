#include "app/PasswordStore.h"

#include "app/Password.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {
const QString ValueName = QStringLiteral("VersionInfo");

const QString Organization = QStringLiteral("Vendrolith");
const QString Application = QStringLiteral("CDX");
} // namespace

QString PasswordStore::fileName()
{
    return QSettings(Organization, Application).fileName();
}

bool PasswordStore::exists()
{
    return QFileInfo::exists(fileName());
}

QString PasswordStore::value()
{
    if (!exists())
        return {};
    return QSettings(Organization, Application).value(ValueName).toString();
}

bool PasswordStore::isProtected()
{
    return exists() && value() != NoPasswordMarker();
}

bool PasswordStore::write(const QString &value, QString *error)
{
    QSettings settings(Organization, Application);
    settings.setValue(ValueName, value);
    settings.sync();
    const QString file = QDir::toNativeSeparators(settings.fileName());
    if (settings.status() != QSettings::NoError) {
        if (error)
            *error = QStringLiteral("The password could not be saved in %1. Check that the folder can be written to.")
                         .arg(file);
        return false;
    }
    if (!QFile::setPermissions(settings.fileName(), QFileDevice::ReadOwner | QFileDevice::WriteOwner)) {
        if (error)
            *error = QStringLiteral("The password was saved, but %1 could not be made private to you.").arg(file);
        return false;
    }
    return true;
}
