#include "cli/CliArguments.h"

#include "store/TDataModule1.h"

#include <QDir>

namespace {

const QStringList valueOptions = {QStringLiteral("--data-dir"), QStringLiteral("--from"), QStringLiteral("--fields"),
                                  QStringLiteral("--skip-first"), QStringLiteral("--skip-last")};

struct CommandShape
{
    const char *name;
    int operands;
    QStringList options;
    const char *synopsis;
};

const QList<CommandShape> &commands()
{
    static const QList<CommandShape> list = {
        {"collections", 0, {}, "collections"},
        {"create", 1, {QStringLiteral("--from")}, "create NAME [--from COLLECTION]"},
        {"export", 2, {QStringLiteral("--fields")}, "export COLLECTION FILE [--fields LABEL,...]"},
        {"import",
         2,
         {QStringLiteral("--fields"), QStringLiteral("--skip-first"), QStringLiteral("--skip-last")},
         "import COLLECTION FILE [--skip-first N] [--skip-last M] [--fields LABEL,...]"},
    };
    return list;
}

} // namespace

CliArguments::CliArguments(const QStringList &arguments)
{
    bool optionsEnd = false;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (optionsEnd || !argument.startsWith(u'-') || argument == u"-") {
            if (m_command.isEmpty())
                m_command = argument;
            else
                m_operands.append(argument);
            continue;
        }
        if (argument == u"--") {
            optionsEnd = true;
        } else if (argument == u"--help" || argument == u"-h") {
            m_help = true;
        } else if (argument == u"--version" || argument == u"-v") {
            m_version = true;
        } else {
            QString name = argument;
            QString value;
            const qsizetype equals = argument.indexOf(u'=');
            const bool inline_ = equals > 0;
            if (inline_) {
                name = argument.left(equals);
                value = argument.mid(equals + 1);
            }
            if (!valueOptions.contains(name)) {
                m_error = QStringLiteral("unknown option %1").arg(name);
                return;
            }
            if (!inline_) {
                if (i + 1 >= arguments.size()) {
                    m_error = QStringLiteral("%1 needs a value").arg(name);
                    return;
                }
                value = arguments.at(++i);
            }
            if (m_options.contains(name)) {
                m_error = QStringLiteral("%1 is given twice").arg(name);
                return;
            }
            m_options.insert(name, value);
        }
    }
    if (!m_help && !m_version)
        check();
}

void CliArguments::check()
{
    if (m_command.isEmpty()) {
        m_error = QStringLiteral("no command given");
        return;
    }
    for (const CommandShape &shape : commands()) {
        if (m_command != QLatin1String(shape.name))
            continue;
        if (m_operands.size() != shape.operands) {
            m_error = QStringLiteral("%1 %2; the command is: %3")
                          .arg(m_command,
                               m_operands.size() < shape.operands ? QStringLiteral("needs more operands")
                                                                  : QStringLiteral("has too many operands"),
                               QLatin1String(shape.synopsis));
            return;
        }
        for (auto it = m_options.cbegin(); it != m_options.cend(); ++it) {
            if (it.key() != u"--data-dir" && !shape.options.contains(it.key())) {
                m_error = QStringLiteral("%1 does not take %2").arg(m_command, it.key());
                return;
            }
        }
        return;
    }
    m_error = QStringLiteral("unknown command %1").arg(m_command);
}

bool CliArguments::count(const QString &option, int *count)
{
    *count = 0;
    if (!has(option))
        return true;
    bool ok = false;
    const QString text = value(option).trimmed();
    const int n = text.toInt(&ok);
    if (!ok || n < 0 || text.startsWith(u'+')) {
        m_error = QStringLiteral("%1 needs a whole number of 0 or more, not \"%2\"").arg(option, value(option));
        return false;
    }
    *count = n;
    return true;
}

QString CliArguments::usage()
{
    return QStringLiteral("Usage: curiodex-cli [--data-dir DIR] COMMAND [ARGUMENTS]\n"
                          "\n"
                          "Works on the collections of Curiodex from the command line.\n"
                          "\n"
                          "Commands:\n"
                          "  collections\n"
                          "      Lists the collections, one name a line.\n"
                          "  create NAME [--from COLLECTION]\n"
                          "      Creates a collection with the default field setup, or with a copy of the\n"
                          "      field setup of COLLECTION.\n"
                          "  export COLLECTION FILE [--fields LABEL,...]\n"
                          "      Writes the items of the collection to FILE (- for standard output) as\n"
                          "      comma-separated text: a heading line of field labels, then one line per\n"
                          "      item. By default every field, in data field number order, then Notes.\n"
                          "  import COLLECTION FILE [--skip-first N] [--skip-last M] [--fields LABEL,...]\n"
                          "      Adds one item per line of FILE (- for standard input) to the collection.\n"
                          "      The first N and the last M lines are left out. Without --fields the next\n"
                          "      line is a heading that names each column's field by its label, as the\n"
                          "      export writes it; with --fields the labels name the columns in order and\n"
                          "      there is no heading. Ignore_Field01 to Ignore_Field10 skip a column.\n"
                          "      Every line is checked before any is written; Row numbers in messages\n"
                          "      count the lines imported, blank lines left out.\n"
                          "\n"
                          "Labels are matched without regard to letter case; in --fields they are\n"
                          "separated by commas, and a label holding a comma is written in double quotes.\n"
                          "\n"
                          "Options:\n"
                          "  --data-dir DIR  the folder that holds Curiodex.db (default: %1)\n"
                          "  -h, --help      shows this text\n"
                          "  -v, --version   shows the version\n"
                          "\n"
                          "The exit status is 0 on success, 1 when the command fails and 2 for a mistake\n"
                          "in the command line.\n")
        .arg(QDir::toNativeSeparators(TDataModule1::defaultDataDirectory()));
}
