#include "app/ProgramValues.h"

QString DefaultProductTitle()
{
    return QStringLiteral("Curiodex/Vaultry Edition");
}

QString ProductTitle = DefaultProductTitle();
QString HelpFilePath = QStringLiteral(":/help");
QImage BlankPicture;

QString VersionText()
{
    return QStringLiteral(CURIODEX_VERSION);
}

QUrl UpdatePageAddress()
{
    return QUrl(QStringLiteral("https://www.vendrolith.example/curiodex/update"));
}

QString SupportAddress()
{
    return QStringLiteral("support@vendrolith.example");
}

QUrl EbayHomePage()
{
    return QUrl(QStringLiteral("https://www.ebay.com/"));
}
