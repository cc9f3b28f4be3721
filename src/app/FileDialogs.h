#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every file and folder dialog of the program goes through these, so tests can answer them.
// Filters are written as pairs of description and pattern separated by vertical bars:
// "Comma Separated Files (*.csv)|*.csv". An empty result means the user cancelled.
QString ChooseOpenFile(QWidget *parent, const QString &caption, const QString &directory, const QString &filter);
QString ChooseSaveFile(QWidget *parent, const QString &caption, const QString &directory, const QString &filter,
                       const QString &defaultSuffix = QString());
QString ChooseFolder(QWidget *parent, const QString &caption, const QString &directory);
// The open-picture dialog, with a preview of the chosen picture.
QString ChooseOpenPicture(QWidget *parent, const QString &caption, const QString &directory, const QString &filter);

// "Desc|*.a;*.b|Desc2|*.c" as Qt's "Desc (*.a *.b);;Desc2 (*.c)".
QString toQtFilter(const QString &filter);

namespace FileDialogSeam {
// While names are queued no dialog is shown: each call takes the next name ("" = cancel).
void setNextFileName(const QString &name);
void setNextFileNames(const QStringList &names);
// What the dialogs were asked, as "open|save|folder|picture: caption".
const QStringList &asked();
void reset();
} // namespace FileDialogSeam
