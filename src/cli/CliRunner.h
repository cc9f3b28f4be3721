#pragma once

#include "cli/CliArguments.h"

#include <QString>
#include <cstdio>
#include <memory>
#include <optional>

class TDataModule1;

// Runs one command of curiodex-cli on the data folder and gives the exit status: 0 when it worked,
// 1 when it failed, 2 for a mistake in the command line. Results go to standard output; failures,
// notes and progress to standard error.
class CliRunner
{
public:
    static constexpr int Failed = 1;
    static constexpr int Misused = 2;

    CliRunner();
    ~CliRunner();

    int run(const QStringList &arguments);

private:
    int collections();
    int create();
    int exportItems();
    int importItems();

    // Opens the database of the data folder; a missing one is created only when allowed.
    bool openData(bool mayCreate);
    // The collection's name as stored, found without regard to letter case.
    std::optional<QString> findCollection(const QString &name);
    // The labels of --fields, which are separated by commas and may be quoted.
    QStringList fieldLabels() const;

    int fail(const QString &text, int status = Failed);
    void note(const QString &text);
    void print(const QString &text);

    std::unique_ptr<CliArguments> m_args;
    std::unique_ptr<TDataModule1> m_dm;
};
