// curiodex-cli: the collections of Curiodex from the command line, for scripts, backups and
// large files. See CliArguments::usage() for the commands.

#include "cli/CliRunner.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("curiodex-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(CURIODEX_VERSION));
    QStringList arguments = QCoreApplication::arguments();
    arguments.removeFirst();
    CliRunner runner;
    return runner.run(arguments);
}
