// SPDX-License-Identifier: GPL-3.0-or-later
#include "DbError.h"

#include <cerrno>
#include <sqlite3.h>

namespace store {

DbError::DbError(int number, QString description, QString detail)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(std::move(description)),
      m_detail(std::move(detail))
{
}

QString DbError::userText() const
{
    QString text = QStringLiteral("Fehl.Nr : ") + QString::number(m_number) + QLatin1Char('\n') +
                   QStringLiteral("Beschr. : ") + m_description;
    if (m_transactionLost)
        text += QStringLiteral("\nDie letzte Aktion wurde nicht gespeichert.");
    return text;
}

QString DbError::describe(int engineCode, int systemError)
{
    switch (engineCode) {
    case NoCurrentRecord:
        return QStringLiteral("Kein aktueller Datensatz.");
    case RolledBack:
        return QStringLiteral("Die Aktion wurde wegen eines Fehlers abgebrochen und nicht gespeichert.");
    case Damaged:
        return QStringLiteral("Die Datenbank ist beschädigt.");
    default:
        break;
    }
    const QString diskFull = QStringLiteral("Datenträger voll: Die Datenbank kann nicht geschrieben werden. "
                                            "Bitte Platz schaffen und noch einmal versuchen.");
    const QString noPermission = QStringLiteral("Keine Schreibberechtigung: Die Datenbank oder ihr Ordner ist "
                                                "schreibgeschützt.");
    const QString locked = QStringLiteral("Die Datenbank ist von einem anderen Programm gesperrt. Bitte warten, "
                                          "bis es fertig ist, und noch einmal versuchen.");
    // The engine reports a full disk during a sync or a refused write on a
    // read-only medium as a general I/O or open error; the system's error
    // number names the real cause.
    switch (systemError) {
    case ENOSPC:
#ifdef EDQUOT
    case EDQUOT:
#endif
        return diskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return noPermission;
    default:
        break;
    }
    switch (engineCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return locked;
    case SQLITE_FULL:
        return diskFull;
    case SQLITE_IOERR:
        return QStringLiteral("Fehler beim Lesen oder Schreiben des Datenträgers (Datenträger entfernt, "
                              "Netzwerk unterbrochen oder defekt?).");
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return noPermission;
    case SQLITE_CORRUPT:
        return QStringLiteral("Die Datenbank ist beschädigt.");
    case SQLITE_NOTADB:
        return QStringLiteral("Die Datei ist keine Datenbank.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Die Datenbank kann nicht geöffnet werden: Die Datei oder ihr Ordner fehlt "
                              "oder ist nicht zugänglich.");
    case SQLITE_NOMEM:
        return QStringLiteral("Nicht genug Arbeitsspeicher.");
    case SQLITE_CONSTRAINT:
        return QStringLiteral("Der Eintrag ist schon vorhanden oder unzulässig.");
    case SQLITE_TOOBIG:
        return QStringLiteral("Der Eintrag ist zu groß.");
    default:
        return QStringLiteral("Datenbankfehler.");
    }
}

} // namespace store

static_assert(store::DbError::Busy == SQLITE_BUSY && store::DbError::ReadOnly == SQLITE_READONLY &&
              store::DbError::Full == SQLITE_FULL && store::DbError::CantOpen == SQLITE_CANTOPEN &&
              store::DbError::Constraint == SQLITE_CONSTRAINT && store::DbError::Auth == SQLITE_AUTH &&
              store::DbError::IoError == SQLITE_IOERR);
