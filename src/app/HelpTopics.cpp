#include "app/HelpTopics.h"

#include "app/ProgramValues.h"

#include <QFileInfo>

namespace {
QUrl ResourceUrl(const QString &fileName)
{
    QString folder = HelpFilePath;
    if (folder.startsWith(u':'))
        folder.remove(0, 1);
    QUrl url;
    url.setScheme(QStringLiteral("qrc"));
    url.setPath(folder + u'/' + fileName);
    return url;
}
} // namespace

QList<int> HelpTopics::contexts()
{
    return {1000, 2001, 2002, 3001, 3002, 4001, 5001, 5002, 5003, 5004, 5005, 5006, 5007, 5008, 5009, 6001, 6002, 6003};
}

bool HelpTopics::hasTopic(int context)
{
    return contexts().contains(context);
}

QUrl HelpTopics::contentsUrl()
{
    return ResourceUrl(QStringLiteral("contents.html"));
}

QUrl HelpTopics::topicUrl(int context)
{
    if (!hasTopic(context))
        return contentsUrl();
    return ResourceUrl(QStringLiteral("%1.html").arg(context));
}

int HelpTopics::contextOf(const QUrl &url)
{
    bool ok = false;
    const int context = QFileInfo(url.path()).completeBaseName().toInt(&ok);
    return ok && hasTopic(context) ? context : 0;
}
