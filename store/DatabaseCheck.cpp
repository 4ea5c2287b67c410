// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseCheck.h"

#include "DatabaseLocation.h"
#include "DbError.h"
#include "Schema.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sqlite3.h>

namespace store {
namespace {

constexpr int BusyTimeoutMs = 10000;
constexpr int MaxFindings = 5;

QString quoted(const QString& path)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(path) + QStringLiteral("“");
}

// Runs the quick check; engine errors on the way (a file that is no
// database, unreadable pages) count as findings.
QStringList quickCheck(const QString& path)
{
    sqlite3* db = nullptr;
    const QByteArray file = path.toUtf8();
    int rc = sqlite3_open_v2(file.constData(), &db, SQLITE_OPEN_READONLY, nullptr);
    QStringList findings;
    if (rc == SQLITE_OK) {
        sqlite3_busy_timeout(db, BusyTimeoutMs);
        sqlite3_stmt* stmt = nullptr;
        const QByteArray sql = "PRAGMA quick_check(" + QByteArray::number(MaxFindings) + ")";
        rc = sqlite3_prepare_v2(db, sql.constData(), -1, &stmt, nullptr);
        while (rc == SQLITE_OK && (rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            const QString line = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
            if (line != QLatin1String("ok"))
                findings << line;
            rc = SQLITE_OK;
        }
        sqlite3_finalize(stmt);
        if (rc == SQLITE_DONE)
            rc = SQLITE_OK;
    }
    if (rc != SQLITE_OK) {
        const int primary = rc & 0xff;
        // Only a damaged file is a finding; a file that is merely busy or
        // unreadable is an error of its own.
        if (primary != SQLITE_CORRUPT && primary != SQLITE_NOTADB) {
            const DbError error(rc, DbError::describe(rc, db ? sqlite3_system_errno(db) : 0) +
                                        QStringLiteral(" (Datei ") + quoted(path) + QLatin1Char(')'),
                                db ? QString::fromUtf8(sqlite3_errmsg(db)) : QString());
            sqlite3_close(db);
            throw error;
        }
        findings << QString::fromUtf8(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    }
    sqlite3_close(db);
    return findings;
}

// Copies the file (and its log, which may hold the newest records) to
// "<file>.defekt"; an earlier copy is kept, it is the older evidence.
QString keepCopy(const QString& path)
{
    const QString copy = path + QStringLiteral(".defekt");
    if (QFileInfo::exists(copy))
        return copy;
    if (!QFile::copy(path, copy))
        return QString();
    const QString wal = path + QStringLiteral("-wal");
    if (QFileInfo::exists(wal))
        QFile::copy(wal, copy + QStringLiteral("-wal"));
    return copy;
}

} // namespace

DatabaseCheck::Result DatabaseCheck::run(const QString& path, DatabaseKind kind)
{
    Result result;
    // A server database has no file here to check; the server guards its own
    // pages. Opening it read-only tells whether it answers.
    if (DatabaseLocation::isServer(path)) {
        const QString shown = DatabaseLocation(path).forDisplay();
        try {
            Database::open(path, kind, OpenMode::ReadOnly);
            result.findings << QStringLiteral("Server-Datenbank erreichbar; die Dateiprüfung entfällt");
        } catch (const DbError& error) {
            result.outcome = Outcome::Unreachable;
            result.findings << error.description();
            result.message = QStringLiteral("Die %1 auf dem Server %2 lässt sich nicht öffnen: %3")
                                 .arg(schema::kindName(kind),
                                      QStringLiteral("„") + shown + QStringLiteral("“"), error.description());
        }
        return result;
    }
    const QFileInfo info(path);
    if (!info.exists()) {
        result.outcome = Outcome::Missing;
        result.message = QStringLiteral("Die %1 %2 ist nicht vorhanden.").arg(schema::kindName(kind), quoted(path));
        return result;
    }
    const QFileInfo wal(path + QStringLiteral("-wal"));
    if (info.size() == 0 && (!wal.exists() || wal.size() == 0))
        result.findings << QStringLiteral("die Datei ist leer (0 Byte)");
    else
        result.findings = quickCheck(path);
    if (result.findings.isEmpty())
        return result;

    result.outcome = Outcome::Damaged;
    result.keptCopy = keepCopy(path);
    const QString name = info.fileName();
    QString text = QStringLiteral("Die %1 %2 ist beschädigt (%3). Es wird nichts mehr in sie geschrieben.\n")
                       .arg(schema::kindName(kind), quoted(path), result.findings.first());
    if (!result.keptCopy.isEmpty())
        text += QStringLiteral("Die beschädigte Datei ist als %1 aufbewahrt.\n").arg(quoted(result.keptCopy));
    text += QStringLiteral("So geht es weiter: das Programm beenden, eine Sicherungskopie von %1 in den Ordner "
                           "%2 zurückkopieren und das Programm wieder starten.")
                .arg(name, quoted(info.absolutePath()));
    result.message = text;
    return result;
}

} // namespace store
