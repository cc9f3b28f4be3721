#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// The command line of curiodex-cli, taken apart: the command, its operands and its options.
class CliArguments
{
public:
    // Reads the arguments after the program name. On a mistake error() says what is wrong.
    explicit CliArguments(const QStringList &arguments);

    bool ok() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }

    bool wantsHelp() const { return m_help; }
    bool wantsVersion() const { return m_version; }
    QString command() const { return m_command; }
    const QStringList &operands() const { return m_operands; }
    bool has(const QString &option) const { return m_options.contains(option); }
    QString value(const QString &option) const { return m_options.value(option); }

    // The option's value as a count (0 or more); false, with error(), when it is none.
    bool count(const QString &option, int *count);

    static QString usage();

private:
    void check();

    QString m_command;
    QStringList m_operands;
    QHash<QString, QString> m_options;
    bool m_help = false;
    bool m_version = false;
    QString m_error;
};
