#pragma once

#include <QString>

// Where the start-up password lives: the value "VersionInfo" of the user's settings
// QSettings("Vendrolith", "CDX"). The settings file exists only once a value has been written,
// and it is readable by its owner alone.
class PasswordStore
{
public:
    // Whether the settings exist at all (a value was written once).
    static bool exists();
    // The stored value; empty text when it is missing.
    static QString value();
    // Whether a password is in force: the settings exist and hold something other than the marker.
    static bool isProtected();
    // Writes the value, creating the settings when needed. Gives false with a text for the user.
    static bool write(const QString &value, QString *error);
    static QString fileName();
};
