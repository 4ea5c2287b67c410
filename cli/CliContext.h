// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/ConsoleUserInterface.h"
#include "store/DataFolder.h"

#include <QJsonValue>
#include <QStringList>
#include <QTextStream>
#include <memory>

namespace store {
class Database;
class Settings;
} // namespace store

namespace cli {

// A failed command: the message goes to stderr, the exit code is non-zero.
struct CommandError {
    QString message;
    int exitCode = 1;
};

// What every command gets: the data folder, output streams, the databases
// (opened on first use) and a console version of the UI port.
class CliContext {
public:
    CliContext(store::DataFolder folder, bool json);
    ~CliContext();

    const store::DataFolder& folder() const { return m_folder; }
    bool json() const { return m_json; }
    QTextStream& out() { return m_out; }
    QTextStream& err() { return m_err; }

    // Creates the data folder and databases when missing, then opens them.
    store::Database& holzDb();
    store::Database& masterDb();
    store::Settings& settings();
    ConsoleUserInterface& ui() { return m_ui; }

    // Prints a JSON document (for --json) followed by a newline.
    void printJson(const QJsonValue& value);

private:
    void ensureFolder();

    store::DataFolder m_folder;
    bool m_json;
    QTextStream m_out;
    QTextStream m_err;
    bool m_folderReady = false;
    std::unique_ptr<store::Database> m_holz;
    std::unique_ptr<store::Database> m_master;
    std::unique_ptr<store::Settings> m_settings;
    ConsoleUserInterface m_ui;
};

// Options of a command: "--name value" pairs, "--flag" switches and
// positional arguments, in any order.
class Options {
public:
    // valueOptions: names that take a value; flags: names that do not.
    Options(const QStringList& args, const QStringList& valueOptions, const QStringList& flags = {});

    const QStringList& positional() const { return m_positional; }
    bool has(const QString& name) const { return m_values.contains(name) || m_flags.contains(name); }
    QString value(const QString& name, const QString& fallback = QString()) const;
    // A number given with a decimal point or comma; throws CommandError.
    double number(const QString& name) const;
    // A whole number of digits only from `low` to `high`; throws CommandError
    // for anything else (a sign, a fraction, twenty digits).
    qint64 wholeNumber(const QString& name, qint64 low, qint64 high) const;
    // Throws CommandError unless exactly `count` positional arguments were given.
    void expectPositional(int count, const QString& usage) const;

private:
    QStringList m_positional;
    QHash<QString, QString> m_values;
    QStringList m_flags;
};

} // namespace cli
