#pragma once

#include <QString>

// The user's environment options, held for the whole run; filled by LoadOptions.
struct SysConfigRecord
{
    QString BackgroundPicture;
    bool Centered = false;
    QString PicturesDirectory;
    QString ReportTitle;
    QString DefaultCollection;
    bool AutoClear = false;
    bool HTabs = false;
};

extern SysConfigRecord SysConfigRec;

// The folder offered for pictures when the options name none: the user's pictures folder.
QString defaultPicturesDirectory();
