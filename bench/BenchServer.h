// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace bench {

// The server a benchmark runs on, when it is asked to: "--database=LOCATION"
// among the arguments, else $STEMMO_DATABASE. The benchmark fills a database
// of its own there, created for the run and dropped at its end, so runs
// neither meet each other's lists nor leave any behind; STEMMO_DATABASE
// names it meanwhile, for the data folders and the stemmo processes the
// benchmark starts. Without a server everything stays on files.
class BenchServer {
public:
    BenchServer(int argc, char** argv);
    ~BenchServer();
    BenchServer(const BenchServer&) = delete;
    BenchServer& operator=(const BenchServer&) = delete;

    bool active() const { return !m_database.isEmpty(); }
    // The location of the run's database, empty on files.
    const QString& database() const { return m_database; }
    // A line for the report: where the benchmark ran.
    QString description() const;

private:
    QString m_server;
    QString m_name;
    QString m_database;
};

} // namespace bench
