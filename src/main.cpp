#include "app/CheckStartupPassword.h"
#include "app/CuriodexApplication.h"
#include "app/MessageBox.h"
#include "app/SingleInstance.h"
#include "app/TMainMenuForm.h"
#include "app/TSplashForm.h"
#include "store/TDataModule1.h"

#include <QTimer>
#include <cstdio>
#include <memory>

namespace {

// Set only by the tests that start the program: it then reports its progress on standard
// output, and the running copy can be asked to end through the single-instance socket.
bool TestHooks()
{
    return qEnvironmentVariableIsSet("CURIODEX_TEST_HOOKS");
}

void Report(const char *line)
{
    if (!TestHooks())
        return;
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char *argv[])
{
    CuriodexApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Vendrolith"));
    QCoreApplication::setApplicationName(QStringLiteral("Curiodex"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CURIODEX_VERSION));

    // A second start hands over to the running copy before it makes a window or opens the database.
    SingleInstance instance(QStringLiteral("CuriodexVaultry"));
    if (!instance.start()) {
        Report("handed over");
        return 0;
    }
    if (TestHooks())
        QObject::connect(&instance, &SingleInstance::quitRequested, &app, &QCoreApplication::quit);

    auto splash = std::make_unique<TSplashForm>();
    splash->showNow();
    auto window = std::make_unique<TMainMenuForm>();
    auto dataModule = std::make_unique<TDataModule1>(TDataModule1::defaultDataDirectory());
    // Windows go before the data module whose tables they may still hold.
    auto finish = [&](int result) {
        window.reset();
        dataModule.reset();
        splash.reset();
        return result;
    };

    QString error;
    if (!dataModule->open(&error)) {
        splash.reset();
        ShowMessage(MessageKind::Error, error);
        return finish(1);
    }
    for (const QString &failure : dataModule->DataModule1Create())
        ShowMessage(MessageKind::Error, failure);

    if (!CheckStartupPassword())
        return finish(1);
    splash.reset();

    QObject::connect(&instance, &SingleInstance::activationRequested, window.get(),
                     &TMainMenuForm::showForAnotherStart);
    if (TestHooks()) {
        QObject::connect(window.get(), &TMainMenuForm::shownForAnotherStart, window.get(), [&window] {
            Report(window->isVisible() && window->isMaximized() ? "shown maximized" : "shown");
        });
        QTimer::singleShot(0, window.get(), [] { Report("ready"); });
    }
    window->showMaximized();
    return finish(app.exec());
}
