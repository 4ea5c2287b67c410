// SPDX-License-Identifier: GPL-3.0-or-later
#include "Database.h"

#include "DataFolder.h"

#include <QFileInfo>

#include "DatabaseLocation.h"
#include "Engine.h"
#include "PgEngine.h"
#include "SqliteEngine.h"

namespace store {

Database::Database(std::unique_ptr<Engine> engine, QString path, DatabaseKind kind, bool readOnly)
    : m_engine(std::move(engine)), m_path(std::move(path)), m_kind(kind), m_readOnly(readOnly)
{
}

Database::~Database()
{
    if (m_transactionDepth > 0)
        m_engine->rollback();
}

std::unique_ptr<Database> Database::open(const QString& location, DatabaseKind kind, OpenMode mode)
{
    std::unique_ptr<Engine> engine;
    QString path;
    if (DatabaseLocation::isServer(location)) {
        path = DatabaseLocation(location).forDisplay();
        engine = PgEngine::open(location, kind, mode);
    } else {
        engine = SqliteEngine::open(location, kind, mode, path);
    }
    const bool readOnly = mode == OpenMode::ReadOnly;
    std::unique_ptr<Database> db(new Database(std::move(engine), path, kind, readOnly));
    if (!readOnly)
        db->m_engine->upgrade(*db);
    return db;
}

int Database::schemaVersion() const
{
    return m_engine->schemaVersion();
}

bool Database::onServer() const
{
    return m_engine->onServer();
}

QString Database::localFolder() const
{
    if (!m_localFolder.isEmpty())
        return m_localFolder;
    return onServer() ? DataFolder::defaultPath() : QFileInfo(m_path).absolutePath();
}

Statement Database::prepare(const QByteArray& sql)
{
    return Statement(*this, m_engine->prepare(sql));
}

void Database::exec(const char* sql)
{
    m_engine->exec(sql);
}

qint64 Database::lastInsertRowId() const
{
    return m_engine->lastInsertRowId();
}

int Database::changes() const
{
    return m_engine->changes();
}

bool Database::inTransaction() const
{
    return m_transactionDepth > 0;
}

bool Database::transactionVanished() const
{
    return m_transactionDepth > 0 && m_engine->transactionGone();
}

void Database::onRollback(std::function<void()> listener)
{
    if (m_transactionDepth > 0)
        m_rollbackListeners.push_back(std::move(listener));
}

void Database::finishTransaction(bool committed)
{
    auto listeners = std::move(m_rollbackListeners);
    m_rollbackListeners.clear();
    m_rollbackOnly = false;
    if (!committed)
        for (auto& listener : listeners)
            listener();
}

} // namespace store
