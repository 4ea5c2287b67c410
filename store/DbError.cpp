#include "DbError.h"

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

QString DbError::describe(int engineCode)
{
    switch (engineCode) {
    case NoCurrentRecord:
        return QStringLiteral("Kein aktueller Datensatz.");
    case RolledBack:
        return QStringLiteral("Die Aktion wurde wegen eines Fehlers abgebrochen und nicht gespeichert.");
    default:
        break;
    }
    switch (engineCode & 0xff) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Die Datenbank wird gerade von einem anderen Programm benutzt.");
    case SQLITE_FULL:
        return QStringLiteral("Der Datenträger ist voll.");
    case SQLITE_IOERR:
        return QStringLiteral("Fehler beim Lesen oder Schreiben des Datenträgers.");
    case SQLITE_READONLY:
        return QStringLiteral("Die Datenbank ist schreibgeschützt.");
    case SQLITE_CORRUPT:
        return QStringLiteral("Die Datenbank ist beschädigt.");
    case SQLITE_NOTADB:
        return QStringLiteral("Die Datei ist keine Datenbank.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Die Datenbank kann nicht geöffnet werden.");
    case SQLITE_PERM:
        return QStringLiteral("Keine Berechtigung für die Datenbank.");
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
