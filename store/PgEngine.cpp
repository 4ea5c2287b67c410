// SPDX-License-Identifier: GPL-3.0-or-later
#include "PgEngine.h"

#include "DatabaseLocation.h"
#include "DbError.h"
#include "PgDialect.h"
#include "PgSchema.h"
#include "PgStatement.h"
#include "Schema.h"
#include "Transaction.h"

#include <algorithm>
#include <libpq-fe.h>

namespace store {
namespace {

// As long as the file engine waits for the other program's write lock.
constexpr int BusyTimeoutMs = 10000;
// Advisory lock keys: one per kind for its writers, one for creating the schema.
constexpr qint64 SchemaLockKey = 0x53745363; // "StSc"

QString quoted(const QString& text)
{
    return QStringLiteral("„") + text + QStringLiteral("“");
}

QString serverMessage(const char* message)
{
    return QString::fromUtf8(message).trimmed();
}

QByteArray kindKey(DatabaseKind kind)
{
    return kind == DatabaseKind::Holz ? "holz" : "stammdaten";
}

// The error of a connection that could not be made, in German, with the
// server's own words as detail.
DbError connectError(pg_conn* conn, const QString& server)
{
    const QString detail = conn ? serverMessage(PQerrorMessage(conn)) : QString();
    if (detail.contains(QLatin1String("authentication")) || detail.contains(QLatin1String("password")))
        return DbError(DbError::Auth,
                       QStringLiteral("Der Datenbankserver %1 hat die Anmeldung abgelehnt. Bitte Benutzer und "
                                      "Passwort (Passwortdatei des Servers) prüfen.")
                           .arg(quoted(server)),
                       detail);
    if (detail.contains(QLatin1String("database")) && detail.contains(QLatin1String("does not exist")))
        return DbError(DbError::CantOpen,
                       QStringLiteral("Die Datenbank %1 gibt es auf dem Server nicht. Bitte den Namen der "
                                      "Datenbank prüfen oder sie vom Administrator anlegen lassen.")
                           .arg(quoted(server)),
                       detail);
    return DbError(DbError::CantOpen,
                   QStringLiteral("Der Datenbankserver %1 ist nicht erreichbar. Bitte prüfen, ob der Server "
                                  "läuft und die Verbindungsangaben stimmen.")
                       .arg(quoted(server)),
                   detail);
}

// The file engine's result code for a server error state.
int codeOf(const QByteArray& state)
{
    if (state == "55P03" || state == "40P01" || state == "40001")
        return DbError::Busy;
    if (state.startsWith("23"))
        return DbError::Constraint;
    if (state == "53100")
        return DbError::Full;
    if (state == "25006" || state == "42501")
        return DbError::ReadOnly;
    if (state.startsWith("28"))
        return DbError::Auth;
    if (state.startsWith("08") || state.startsWith("57P"))
        return DbError::CantOpen;
    return DbError::IoError;
}

} // namespace

PgEngine::PgEngine(pg_conn* conn, QString display, DatabaseKind kind, bool readOnly)
    : m_conn(conn), m_display(std::move(display)), m_kind(kind), m_readOnly(readOnly)
{
}

PgEngine::~PgEngine()
{
    for (auto& list : m_cache)
        for (PgStatement* statement : list)
            delete statement;
    PQfinish(m_conn);
}

QString PgEngine::quotedServer() const
{
    return quoted(m_display);
}

std::unique_ptr<PgEngine> PgEngine::open(const QString& location, DatabaseKind kind, OpenMode mode)
{
    const QString display = DatabaseLocation(location).forDisplay();
    if (kind == DatabaseKind::Work)
        throw DbError(DbError::CantOpen,
                      QStringLiteral("Die %1 liegt immer als Datei auf diesem PC und nicht auf dem "
                                     "Datenbankserver %2.")
                          .arg(schema::kindName(kind), quoted(display)));
    // Defaults before the location, so that what the location names wins: a
    // laptop out of the office's network gives up after seconds instead of
    // waiting for the network's own timeout, texts travel as UTF-8, and the
    // server's administrator sees who is connected.
    const QByteArray text = location.toUtf8();
    const char* const keywords[] = {"connect_timeout", "client_encoding", "application_name", "dbname", nullptr};
    const char* const values[] = {"10", "UTF8", "Stemmo", text.constData(), nullptr};
    pg_conn* conn = PQconnectdbParams(keywords, values, 1);
    if (!conn || PQstatus(conn) != CONNECTION_OK) {
        const DbError error = connectError(conn, display);
        PQfinish(conn);
        throw error;
    }
    std::unique_ptr<PgEngine> engine(new PgEngine(conn, display, kind, mode == OpenMode::ReadOnly));
    engine->configure();
    const int version = engine->schemaVersion();
    const int current = schema::currentVersion(kind);
    if (version > current)
        throw schema::newerSchemaError(kind, quoted(display), version);
    if (version == 0 && mode != OpenMode::ReadWrite)
        throw DbError(DbError::CantOpen,
                      QStringLiteral("Die %1 auf dem Datenbankserver %2 ist noch nicht angelegt. Sie wird "
                                     "beim ersten Öffnen zum Schreiben angelegt.")
                          .arg(schema::kindName(kind), quoted(display)));
    return engine;
}

void PgEngine::configure()
{
    // A writer waits for another workstation's transaction as long as the
    // file engine waits for the file's lock, unless the location sets its
    // own wait (options=-clock_timeout=…).
    PGresult* current = PQexec(m_conn, "SHOW lock_timeout");
    const bool ownWait = PQresultStatus(current) == PGRES_TUPLES_OK && qstrcmp(PQgetvalue(current, 0, 0), "0") != 0;
    PQclear(current);
    QByteArray setup = "SET client_min_messages = warning; SET synchronous_commit = on;";
    if (!ownWait)
        setup += " SET lock_timeout = " + QByteArray::number(BusyTimeoutMs) + ";";
    if (m_readOnly)
        setup += " SET default_transaction_read_only = on;";
    exec(setup.constData());
}

int PgEngine::schemaVersion() const
{
    const QByteArray kind = kindKey(m_kind);
    const char* values[] = {kind.constData()};
    // Without the version table the database holds no schema of ours.
    PGresult* result = PQexec(m_conn, "SELECT to_regclass('stemmo_schema') IS NOT NULL");
    const bool present = PQresultStatus(result) == PGRES_TUPLES_OK && PQntuples(result) == 1 &&
                         *PQgetvalue(result, 0, 0) == 't';
    PQclear(result);
    if (!present)
        return 0;
    result = PQexecParams(m_conn, "SELECT version FROM stemmo_schema WHERE kind = $1", 1, nullptr, values, nullptr,
                          nullptr, 0);
    int version = 0;
    if (PQresultStatus(result) == PGRES_TUPLES_OK && PQntuples(result) == 1)
        version = QByteArray(PQgetvalue(result, 0, 0)).toInt();
    PQclear(result);
    return version;
}

void PgEngine::upgrade(Database& db)
{
    const int target = schema::currentVersion(m_kind);
    if (schemaVersion() == target)
        return;
    Transaction transaction(db);
    // One creator at a time, also across the kinds: they share the functions.
    exec(("SELECT pg_advisory_xact_lock(" + QByteArray::number(SchemaLockKey) + ")").constData());
    // Read again under the lock: another workstation may have just done it.
    const int version = schemaVersion();
    if (version == target)
        return;
    const QByteArray kind = kindKey(m_kind);
    if (version == 0) {
        QStringList foreign;
        for (const QString& table : PgSchema::tables(m_kind)) {
            const QByteArray name = table.toUtf8();
            const char* values[] = {name.constData()};
            PGresult* result = check(
                PQexecParams(m_conn, "SELECT to_regclass($1) IS NOT NULL", 1, nullptr, values, nullptr, nullptr, 0));
            if (*PQgetvalue(result, 0, 0) == 't')
                foreign << table;
            PQclear(result);
        }
        if (!foreign.isEmpty())
            throw DbError(DbError::NotOurDatabase,
                          QStringLiteral("Die Datenbank %1 ist keine %2 von Stemmo: Sie enthält schon Tabellen "
                                         "einer anderen Anwendung (%3). Sie wurde nicht verändert.")
                              .arg(quotedServer(), schema::kindName(m_kind), foreign.join(QStringLiteral(", "))));
        exec(PgSchema::sharedSql().constData());
        exec(PgSchema::createSql(m_kind).constData());
        exec(("INSERT INTO stemmo_schema (kind, version) VALUES ('" + kind + "', " + QByteArray::number(target) +
              ")")
                 .constData());
    } else {
        const auto steps = PgSchema::upgradeSteps(m_kind);
        for (int v = version; v < target; ++v)
            exec(steps.at(size_t(v - 1)).constData());
        exec(("UPDATE stemmo_schema SET version = " + QByteArray::number(target) + " WHERE kind = '" + kind + "'")
                 .constData());
    }
    transaction.commit();
}

QHash<QByteArray, PgEngine::Prepared>::const_iterator PgEngine::prepared(const QByteArray& sql)
{
    auto it = m_prepared.constFind(sql);
    if (it == m_prepared.cend()) {
        const PgSql translated = PgDialect::translate(sql);
        const QByteArray name = "s" + QByteArray::number(++m_preparedCount);
        PQclear(check(PQprepare(m_conn, name.constData(), translated.text.constData(), translated.parameters,
                                nullptr)));
        it = m_prepared.insert(sql, Prepared{name, translated.parameters, translated.returnsId, translated.writes, translated.table,
                                             translated.idColumn, translated.columns});
    }
    return it;
}

EngineStatement* PgEngine::prepare(const QByteArray& sql)
{
    auto cached = m_cache.find(sql);
    if (cached != m_cache.end() && !cached->empty()) {
        PgStatement* statement = cached->back();
        cached->pop_back();
        return statement;
    }
    reconnectIfLost();
    const auto it = prepared(sql);
    return new PgStatement(*this, sql, it->name, it->parameters, it->returnsId);
}

void PgEngine::recycle(EngineStatement* statement)
{
    auto* pg = static_cast<PgStatement*>(statement);
    pg->clear();
    auto& list = m_cache[pg->sql()];
    if (list.size() < 4)
        list.push_back(pg);
    else
        delete pg;
}

pg_result* PgEngine::run(PgStatement& statement)
{
    flush();
    reconnectIfLost();
    // A statement kept over a lost connection is prepared again on the new one.
    const auto it = prepared(statement.sql());
    statement.setName(it->name);
    // A failed write (a name taken twice) fails alone, as in a file: the
    // server would otherwise abort the whole transaction with it.
    const bool savepoint = it->writes && m_inTransaction;
    // The savepoint of the write before is released in the same round trip.
    if (savepoint) {
        exec(m_savepoint ? "RELEASE SAVEPOINT stemmo_statement; SAVEPOINT stemmo_statement"
                         : "SAVEPOINT stemmo_statement");
        m_savepoint = true;
    }
    const int count = statement.parameterCount();
    std::vector<const char*> values(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        values[size_t(i)] = statement.nulls()[size_t(i)] ? nullptr : statement.values()[size_t(i)].constData();
    PGresult* result = PQexecPrepared(m_conn, statement.name().constData(), count, values.data(), nullptr, nullptr, 0);
    const ExecStatusType status = PQresultStatus(result);
    if (savepoint && status != PGRES_COMMAND_OK && status != PGRES_TUPLES_OK &&
        PQtransactionStatus(m_conn) == PQTRANS_INERROR)
        PQclear(PQexec(m_conn, "ROLLBACK TO SAVEPOINT stemmo_statement"));
    check(result);
    if (statement.returnsId()) {
        const int rows = PQntuples(result);
        m_changes = rows;
        if (rows > 0)
            m_lastInsertId = QByteArray(PQgetvalue(result, rows - 1, 0)).toLongLong();
    } else if (PQresultStatus(result) == PGRES_COMMAND_OK) {
        m_changes = QByteArray(PQcmdTuples(result)).toInt();
    }
    return result;
}

bool PgEngine::deferInsert(PgStatement& statement)
{
    // A save's few rows go at once; only what repeats many times is queued.
    constexpr int DirectRows = 16;
    if (!m_inTransaction)
        return false;
    const auto it = m_prepared.constFind(statement.sql());
    if (it == m_prepared.cend() || it->table.isEmpty() || ++m_inserted[statement.sql()] <= DirectRows)
        return false;
    if (m_batch.rows > 0 && m_batch.sql != statement.sql())
        flush();
    const qint64 id = nextId(it->table, it->idColumn);
    if (m_batch.rows == 0) {
        m_batch.sql = statement.sql();
        m_batch.head = it->table + " (" + it->columns + ", " + it->idColumn + ")";
        m_batch.width = it->parameters + 1;
    }
    for (int i = 0; i < it->parameters; ++i) {
        m_batch.values.push_back(statement.values()[size_t(i)]);
        m_batch.nulls.push_back(statement.nulls()[size_t(i)]);
    }
    m_batch.values.push_back(QByteArray::number(id));
    m_batch.nulls.push_back(0);
    ++m_batch.rows;
    m_lastInsertId = id;
    m_changes = 1;
    if (m_batch.rows >= 5000)
        flush();
    return true;
}

qint64 PgEngine::nextId(const QByteArray& table, const QByteArray& idColumn)
{
    if (m_idTable != table || m_nextId >= m_ids.size()) {
        const QByteArray sql = "SELECT nextval(pg_get_serial_sequence('" + table.toLower() + "', '" +
                               idColumn.toLower() + "')) FROM generate_series(1, 1000)";
        PGresult* result = check(PQexec(m_conn, sql.constData()));
        m_ids.resize(size_t(PQntuples(result)));
        for (int i = 0; i < PQntuples(result); ++i)
            m_ids[size_t(i)] = QByteArray(PQgetvalue(result, i, 0)).toLongLong();
        PQclear(result);
        std::sort(m_ids.begin(), m_ids.end());
        m_idTable = table;
        m_nextId = 0;
    }
    return m_ids[m_nextId++];
}

void PgEngine::flush()
{
    if (m_batch.rows == 0)
        return;
    Batch batch = std::move(m_batch);
    m_batch = Batch();
    // COPY's text format: tab between values, \N for NULL, and the
    // characters that would break a line escaped.
    QByteArray data;
    data.reserve(qsizetype(batch.values.size()) * 8);
    for (size_t i = 0; i < batch.values.size(); ++i) {
        if (batch.nulls[i]) {
            data += "\\N";
        } else {
            for (const char c : batch.values[i]) {
                switch (c) {
                case '\\':
                    data += "\\\\";
                    break;
                case '\n':
                    data += "\\n";
                    break;
                case '\r':
                    data += "\\r";
                    break;
                case '\t':
                    data += "\\t";
                    break;
                default:
                    data += c;
                }
            }
        }
        data += (i + 1) % size_t(batch.width) == 0 ? '\n' : '\t';
    }
    const QByteArray copy = "COPY " + batch.head + " FROM STDIN";
    PGresult* start = PQexec(m_conn, copy.constData());
    if (PQresultStatus(start) != PGRES_COPY_IN)
        raise(start);
    PQclear(start);
    if (PQputCopyData(m_conn, data.constData(), int(data.size())) != 1 || PQputCopyEnd(m_conn, nullptr) != 1)
        raise(nullptr);
    PGresult* result = PQgetResult(m_conn);
    while (PGresult* more = PQgetResult(m_conn))
        PQclear(more);
    PQclear(check(result));
}

void PgEngine::exec(const char* sql)
{
    flush();
    PQclear(check(PQexec(m_conn, sql)));
}

pg_result* PgEngine::check(pg_result* result)
{
    const ExecStatusType status = PQresultStatus(result);
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK || status == PGRES_EMPTY_QUERY)
        return result;
    raise(result);
}

void PgEngine::raise(pg_result* result)
{
    const QByteArray state = result ? QByteArray(PQresultErrorField(result, PG_DIAG_SQLSTATE)) : QByteArray();
    QString detail = serverMessage(result ? PQresultErrorMessage(result) : PQerrorMessage(m_conn));
    if (detail.isEmpty())
        detail = serverMessage(PQerrorMessage(m_conn));
    PQclear(result);
    int code = codeOf(state);
    QString description;
    if (PQstatus(m_conn) != CONNECTION_OK) {
        code = DbError::CantOpen;
        description = QStringLiteral("Die Verbindung zum Datenbankserver %1 ist abgebrochen. Bitte das "
                                     "Netzwerk und den Server prüfen und die Aktion wiederholen.")
                          .arg(quotedServer());
    } else {
        description = DbError::describe(code);
    }
    DbError error(code, description, detail);
    if (transactionGone())
        error.setTransactionLost(true);
    throw error;
}

void PgEngine::reconnectIfLost()
{
    // A connection lost since the last action is made again; no transaction
    // was open on it, so nothing is lost but the prepared statements.
    if (m_inTransaction || PQstatus(m_conn) == CONNECTION_OK)
        return;
    PQreset(m_conn);
    if (PQstatus(m_conn) != CONNECTION_OK)
        throw connectError(m_conn, m_display);
    for (auto& list : m_cache)
        for (PgStatement* statement : list)
            delete statement;
    m_cache.clear();
    m_prepared.clear();
    configure();
}

void PgEngine::begin()
{
    reconnectIfLost();
    const qint64 key = qint64(schema::applicationId(m_kind));
    const QByteArray sql = "BEGIN; SELECT pg_advisory_xact_lock(" + QByteArray::number(key) + ")";
    m_inTransaction = true;
    m_savepoint = false;
    m_inserted.clear();
    // Ids reserved by an earlier transaction lie below those the rows
    // inserted one by one get from now on; entry order is id order, so a
    // transaction uses only ids it reserved itself.
    m_ids.clear();
    m_nextId = 0;
    PGresult* result = PQexec(m_conn, sql.constData());
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK) {
        m_inTransaction = false;
        const QByteArray state = QByteArray(PQresultErrorField(result, PG_DIAG_SQLSTATE));
        const QString detail = serverMessage(PQresultErrorMessage(result));
        PQclear(result);
        rollback();
        if (PQstatus(m_conn) != CONNECTION_OK)
            throw DbError(DbError::CantOpen,
                          QStringLiteral("Die Verbindung zum Datenbankserver %1 ist abgebrochen.")
                              .arg(quotedServer()),
                          detail);
        const int code = codeOf(state);
        throw DbError(code, DbError::describe(code), detail);
    }
    PQclear(result);
}

void PgEngine::commit()
{
    flush();
    PGresult* result = PQexec(m_conn, "COMMIT");
    const bool committed = PQresultStatus(result) == PGRES_COMMAND_OK &&
                           qstrcmp(PQcmdStatus(result), "COMMIT") == 0;
    if (!committed) {
        if (PQresultStatus(result) == PGRES_COMMAND_OK) {
            // The server answered ROLLBACK: the transaction had failed before.
            PQclear(result);
            m_inTransaction = false;
            throw DbError(DbError::RolledBack, DbError::describe(DbError::RolledBack),
                          QStringLiteral("the server rolled the transaction back"));
        }
        raise(result);
    }
    PQclear(result);
    m_inTransaction = false;
}

void PgEngine::rollback() noexcept
{
    m_batch = Batch();
    if (PQstatus(m_conn) == CONNECTION_OK && PQtransactionStatus(m_conn) != PQTRANS_IDLE)
        PQclear(PQexec(m_conn, "ROLLBACK"));
    m_inTransaction = false;
}

bool PgEngine::transactionGone() const
{
    if (!m_inTransaction)
        return false;
    const PGTransactionStatusType status = PQtransactionStatus(m_conn);
    return status != PQTRANS_INTRANS && status != PQTRANS_ACTIVE;
}

} // namespace store
