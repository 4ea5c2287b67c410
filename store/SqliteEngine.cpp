// SPDX-License-Identifier: GPL-3.0-or-later
#include "SqliteEngine.h"

#include "DbError.h"
#include "JetCollation.h"
#include "Schema.h"
#include "SqliteStatement.h"
#include "Statement.h"
#include "Transaction.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <sqlite3.h>

namespace store {
namespace {

constexpr int BusyTimeoutMs = 10000;

QString quoted(const QString& path)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(path) + QStringLiteral("“");
}

// The error of a failed open or probe, with the cause in German and the file named.
DbError openError(sqlite3* db, int rc, const QString& path)
{
    const int systemError = db ? sqlite3_system_errno(db) : 0;
    const QString detail = db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString();
    return DbError(rc, DbError::describe(rc, systemError) + QStringLiteral(" (Datei ") + quoted(path) +
                           QLatin1Char(')'),
                   detail);
}

// True when the file holds no byte of a database: a 0-byte file without a
// write-ahead log that could still hold its pages. Copies that failed and
// disks that filled up leave exactly this.
bool emptyFile(const QFileInfo& info)
{
    if (info.size() > 0)
        return false;
    const QFileInfo wal(info.filePath() + QStringLiteral("-wal"));
    return !wal.exists() || wal.size() == 0;
}

struct Probe {
    quint32 applicationId = 0;
    int version = 0;
    int objects = 0;
};

// Reads identity and version without writing a byte to the file.
Probe probe(const QString& path, DatabaseKind kind)
{
    sqlite3* db = nullptr;
    const QByteArray file = path.toUtf8();
    int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    // The probe waits for the other program like every later statement does:
    // a program that is just closing holds the file for a moment.
    if (db)
        sqlite3_busy_timeout(db, BusyTimeoutMs);
    auto notOurs = [&](const QString& why) {
        return DbError(DbError::NotOurDatabase,
                       QStringLiteral("Die Datei %1 ist keine %2 von Stemmo (%3). Sie wurde nicht verändert.")
                           .arg(quoted(path), schema::kindName(kind), why));
    };
    if (rc != SQLITE_OK) {
        const DbError error = openError(db, rc, path);
        sqlite3_close(db);
        throw error;
    }
    Probe result;
    auto readInt = [&](const char* sql, qint64& out) {
        sqlite3_stmt* stmt = nullptr;
        int prc = sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr);
        if (prc == SQLITE_OK) {
            prc = sqlite3_step(stmt);
            if (prc == SQLITE_ROW) {
                out = sqlite3_column_int64(stmt, 0);
                prc = SQLITE_OK;
            }
        }
        sqlite3_finalize(stmt);
        return prc;
    };
    qint64 appId = 0, version = 0, objects = 0;
    rc = readInt("PRAGMA application_id", appId);
    if (rc == SQLITE_OK)
        rc = readInt("PRAGMA user_version", version);
    if (rc == SQLITE_OK)
        rc = readInt("SELECT count(*) FROM sqlite_master", objects);
    if (rc == SQLITE_NOTADB) {
        sqlite3_close(db);
        throw notOurs(QStringLiteral("keine Datenbank"));
    }
    if (rc != SQLITE_OK) {
        const DbError error = openError(db, rc, path);
        sqlite3_close(db);
        throw error;
    }
    sqlite3_close(db);
    result.applicationId = quint32(appId);
    result.version = int(version);
    result.objects = int(objects);
    if (result.applicationId != schema::applicationId(kind) &&
        !(result.applicationId == 0 && result.objects == 0))
        throw notOurs(QStringLiteral("fremdes Dateiformat"));
    if (result.version > schema::currentVersion(kind))
        throw schema::newerSchemaError(kind, quoted(path), result.version);
    return result;
}

} // namespace

SqliteEngine::SqliteEngine(sqlite3* db, QString path, DatabaseKind kind, bool readOnly)
    : m_db(db), m_path(std::move(path)), m_kind(kind), m_readOnly(readOnly)
{
}

SqliteEngine::~SqliteEngine()
{
    for (auto& list : m_cache)
        for (SqliteStatement* stmt : list)
            delete stmt;
    if (m_inTransaction)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close_v2(m_db);
}

std::unique_ptr<SqliteEngine> SqliteEngine::open(const QString& path, DatabaseKind kind, OpenMode mode,
                                                 QString& absolutePath)
{
    const QFileInfo info(path);
    if (info.exists() && info.isDir())
        throw DbError(SQLITE_CANTOPEN,
                      QStringLiteral("%1 ist ein Ordner und keine Datenbank.").arg(quoted(path)));
    const bool exists = info.exists();
    if (!exists && mode != OpenMode::ReadWrite)
        throw DbError(
            SQLITE_CANTOPEN,
            QStringLiteral("Die %1 %2 ist nicht vorhanden.").arg(schema::kindName(kind), quoted(path)));
    // An empty list database is what a failed copy leaves behind; creating a
    // new one over it would hide that the lists are gone.
    if (exists && kind == DatabaseKind::Holz && emptyFile(info))
        throw DbError(DbError::Damaged,
                      QStringLiteral("Die %1 %2 ist leer (0 Byte) und damit beschädigt, vermutlich durch "
                                     "eine abgebrochene Kopie. Sie wurde nicht verändert. Bitte eine "
                                     "Sicherungskopie der Datei zurückkopieren.")
                          .arg(schema::kindName(kind), quoted(path)));
    if (exists && info.size() > 0)
        probe(path, kind);
    if (!exists && !QDir().mkpath(info.absolutePath()))
        throw DbError(
            SQLITE_CANTOPEN,
            QStringLiteral("Der Ordner %1 kann nicht angelegt werden.").arg(quoted(info.absolutePath())));

    const bool readOnly = mode == OpenMode::ReadOnly;
    int flags = SQLITE_OPEN_EXRESCODE | (readOnly ? SQLITE_OPEN_READONLY : SQLITE_OPEN_READWRITE);
    if (mode == OpenMode::ReadWrite)
        flags |= SQLITE_OPEN_CREATE;
    sqlite3* handle = nullptr;
    const QByteArray file = path.toUtf8();
    const int rc = sqlite3_open_v2(file.constData(), &handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        const DbError error = openError(handle, rc, path);
        sqlite3_close(handle);
        throw error;
    }
    absolutePath = info.absoluteFilePath();
    std::unique_ptr<SqliteEngine> engine(new SqliteEngine(handle, absolutePath, kind, readOnly));
    engine->configure();
    return engine;
}

void SqliteEngine::configure()
{
    sqlite3_busy_timeout(m_db, BusyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);
    jet::registerCollation(m_db);
    if (m_readOnly) {
        exec("PRAGMA query_only=ON");
        return;
    }
    sqlite3_stmt* mode = nullptr;
    QString journal;
    if (sqlite3_prepare_v2(m_db, "PRAGMA journal_mode=WAL", -1, &mode, nullptr) == SQLITE_OK &&
        sqlite3_step(mode) == SQLITE_ROW)
        journal = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(mode, 0)));
    sqlite3_finalize(mode);
    if (journal.compare(QLatin1String("wal"), Qt::CaseInsensitive) != 0)
        throw DbError(SQLITE_CANTOPEN,
                      QStringLiteral("Die Datenbank %1 kann nicht zum Schreiben geöffnet werden "
                                     "(schreibgeschützter Ordner oder Netzlaufwerk?).")
                          .arg(quoted(m_path)));
    exec("PRAGMA synchronous=FULL; PRAGMA foreign_keys=ON; PRAGMA trusted_schema=OFF;");
}

void SqliteEngine::upgrade(Database& db)
{
    const int target = schema::currentVersion(m_kind);
    if (schemaVersion() != target)
        upgradeSchema(db, target);
    addLookupIndexes(db);
}

void SqliteEngine::addLookupIndexes(Database& db)
{
    const auto indexes = schema::lookupIndexes(m_kind);
    auto present = [&](const char* name) {
        Statement st = db.prepare("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?");
        st.bind(1, QString::fromLatin1(name));
        return st.step();
    };
    if (std::all_of(indexes.begin(), indexes.end(), [&](const schema::Index& index) { return present(index.name); }))
        return;
    Transaction transaction(db);
    for (const schema::Index& index : indexes)
        exec(index.createSql);
    transaction.commit();
}

void SqliteEngine::upgradeSchema(Database& db, int target)
{
    Transaction transaction(db);
    // Read again inside the write lock: the other program may have just done it.
    const int version = schemaVersion();
    if (version == target)
        return;
    if (version == 0) {
        Statement count = db.prepare("SELECT count(*) FROM sqlite_master");
        count.step();
        const bool empty = count.int64(0) == 0;
        count.reset();
        if (!empty)
            throw DbError(DbError::NotOurDatabase,
                          QStringLiteral("Die Datei %1 ist keine %2 von Stemmo. Sie wurde nicht verändert.")
                              .arg(quoted(m_path), schema::kindName(m_kind)));
        exec(schema::createSql(m_kind));
    } else {
        const auto steps = schema::upgradeSteps(m_kind);
        for (int v = version; v < target; ++v)
            exec(steps.at(size_t(v - 1)));
    }
    const QByteArray pragmas = "PRAGMA application_id=" + QByteArray::number(schema::applicationId(m_kind)) +
                               "; PRAGMA user_version=" + QByteArray::number(target) + ";";
    exec(pragmas.constData());
    transaction.commit();
}

int SqliteEngine::schemaVersion() const
{
    sqlite3_stmt* stmt = nullptr;
    int version = 0;
    if (sqlite3_prepare_v2(m_db, "PRAGMA user_version", -1, &stmt, nullptr) == SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        version = sqlite3_column_int(stmt, 0);
    sqlite3_finalize(stmt);
    return version;
}

EngineStatement* SqliteEngine::prepare(const QByteArray& sql)
{
    auto it = m_cache.find(sql);
    if (it != m_cache.end() && !it->empty()) {
        SqliteStatement* stmt = it->back();
        it->pop_back();
        return stmt;
    }
    sqlite3_stmt* stmt = nullptr;
    const int rc =
        sqlite3_prepare_v3(m_db, sql.constData(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &stmt, nullptr);
    if (rc != SQLITE_OK)
        raise(rc);
    return new SqliteStatement(*this, stmt);
}

void SqliteEngine::recycle(EngineStatement* statement)
{
    auto* stmt = static_cast<SqliteStatement*>(statement);
    sqlite3_reset(stmt->handle());
    sqlite3_clear_bindings(stmt->handle());
    const QByteArray sql(sqlite3_sql(stmt->handle()));
    auto& list = m_cache[sql];
    if (list.size() < 4)
        list.push_back(stmt);
    else
        delete stmt;
}

void SqliteEngine::exec(const char* sql)
{
    char* error = nullptr;
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, &error);
    sqlite3_free(error);
    if (rc != SQLITE_OK)
        raise(rc);
}

qint64 SqliteEngine::lastInsertRowId() const
{
    return sqlite3_last_insert_rowid(m_db);
}

int SqliteEngine::changes() const
{
    return sqlite3_changes(m_db);
}

void SqliteEngine::begin()
{
    exec("BEGIN IMMEDIATE");
    m_inTransaction = true;
}

void SqliteEngine::commit()
{
    const int rc = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK)
        throw DbError(rc, DbError::describe(rc, sqlite3_system_errno(m_db)), QString::fromUtf8(sqlite3_errmsg(m_db)));
    m_inTransaction = false;
}

void SqliteEngine::rollback() noexcept
{
    if (!sqlite3_get_autocommit(m_db))
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
    m_inTransaction = false;
}

bool SqliteEngine::transactionGone() const
{
    return m_inTransaction && sqlite3_get_autocommit(m_db);
}

void SqliteEngine::raise(int rc) const
{
    DbError error(rc, DbError::describe(rc, sqlite3_system_errno(m_db)), QString::fromUtf8(sqlite3_errmsg(m_db)));
    // After SQLITE_FULL or an I/O error the engine may have rolled back the
    // whole transaction; what follows would run outside of it.
    if (transactionGone())
        error.setTransactionLost(true);
    throw error;
}

} // namespace store
