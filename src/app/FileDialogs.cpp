#include "app/FileDialogs.h"

#include "app/PicturePreviewDialog.h"

#include <QFileDialog>

namespace {
QStringList queued;
QStringList askedList;
bool scripted = false;

bool takeScripted(const QString &what, const QString &caption, QString *name)
{
    if (!scripted)
        return false;
    askedList.append(what + QStringLiteral(": ") + caption);
    *name = queued.isEmpty() ? QString() : queued.takeFirst();
    return true;
}
} // namespace

QString toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(u'|');
    QStringList result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i];
        const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
        // Qt reads the patterns from the last parentheses of the description.
        const int open = description.lastIndexOf(u'(');
        if (open > 0)
            description = description.left(open).trimmed();
        result.append(QStringLiteral("%1 (%2)").arg(description, patterns));
    }
    return result.join(QStringLiteral(";;"));
}

QString ChooseOpenFile(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    QString name;
    if (takeScripted(QStringLiteral("open"), caption, &name))
        return name;
    return QFileDialog::getOpenFileName(parent, caption, directory, toQtFilter(filter));
}

QString ChooseSaveFile(QWidget *parent, const QString &caption, const QString &directory, const QString &filter,
                       const QString &defaultSuffix)
{
    QString name;
    if (takeScripted(QStringLiteral("save"), caption, &name))
        return name;
    QFileDialog dialog(parent, caption, directory, toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(defaultSuffix);
    // The windows ask their own question before replacing a file.
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ChooseOpenPicture(QWidget *parent, const QString &caption, const QString &directory, const QString &filter)
{
    QString name;
    if (takeScripted(QStringLiteral("picture"), caption, &name))
        return name;
    PicturePreviewDialog dialog(parent, caption, directory, filter);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString ChooseFolder(QWidget *parent, const QString &caption, const QString &directory)
{
    QString name;
    if (takeScripted(QStringLiteral("folder"), caption, &name))
        return name;
    return QFileDialog::getExistingDirectory(parent, caption, directory);
}

namespace FileDialogSeam {
void setNextFileName(const QString &name)
{
    scripted = true;
    queued.append(name);
}

void setNextFileNames(const QStringList &names)
{
    scripted = true;
    queued.append(names);
}

const QStringList &asked()
{
    return askedList;
}

void reset()
{
    scripted = false;
    queued.clear();
    askedList.clear();
}
} // namespace FileDialogSeam
