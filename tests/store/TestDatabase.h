// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/DataFolder.h"
#include "tests/support/TestFolder.h"

#include <QString>

// A fresh place for the databases of one test case: files in a temporary
// folder, or, when STEMMO_TEST_DATABASE names a server database, a schema
// of its own there (dropped afterwards), so that the same test runs every
// repository operation on either engine. Files that always stay on the PC
// (the working copy, photos) go into the folder in both cases.
class TestDatabase : public testing::TestFolder {
public:
    TestDatabase();
    ~TestDatabase();
    TestDatabase(const TestDatabase&) = delete;
    TestDatabase& operator=(const TestDatabase&) = delete;

    // True when the tests run against a server.
    static bool serverRun();

    QString holz() const;
    QString master() const;
    // The data folder the programs get: this case's folder (or `path`) with
    // the case's server database when there is one.
    store::DataFolder dataFolder(const QString& path = QString()) const;
    bool onServer() const { return !m_location.isEmpty(); }

private:
    QString m_schema;
    QString m_location;
};
