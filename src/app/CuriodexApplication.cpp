#include "app/CuriodexApplication.h"

#include "app/MessageBox.h"
#include "store/StoreError.h"

#include <exception>

namespace {
bool reporting = false;
}

CuriodexApplication::CuriodexApplication(int &argc, char **argv)
    : QApplication(argc, argv)
{
}

bool CuriodexApplication::notify(QObject *receiver, QEvent *event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const StoreError &e) {
        reportFailure(e.text());
    } catch (const std::exception &e) {
        reportFailure(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        reportFailure(QString());
    }
    return false;
}

void CuriodexApplication::reportFailure(const QString &text)
{
    const QString message = text.trimmed().isEmpty() ? QStringLiteral("An unexpected error occurred.") : text;
    if (reporting) {
        qWarning("%s", qPrintable(message));
        return;
    }
    reporting = true;
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
    try {
        ShowMessage(MessageKind::Error, message);
    } catch (...) {
        qWarning("%s", qPrintable(message));
    }
    reporting = false;
}
