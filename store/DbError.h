// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <stdexcept>

namespace store {

// A failed database operation. number() is the engine's extended result
// code (or one of the codes below); description() a German sentence for the
// user; detail() the engine's own text for the technically minded.
class DbError : public std::runtime_error {
public:
    // The file engine's primary result codes, which the server engine's
    // errors are mapped onto, so callers and messages know one numbering.
    static constexpr int IoError = 10;
    static constexpr int Busy = 5;
    static constexpr int ReadOnly = 8;
    static constexpr int Full = 13;
    static constexpr int CantOpen = 14;
    static constexpr int Constraint = 19;
    static constexpr int Auth = 23;
    // Codes of our own, outside the engine's range.
    static constexpr int NoCurrentRecord = 3021; // "no current record", as callers test for it
    static constexpr int NotOurDatabase = 9001;
    static constexpr int NewerSchema = 9002;
    static constexpr int RolledBack = 9003;
    static constexpr int Damaged = 9004;

    DbError(int number, QString description, QString detail = QString());

    int number() const { return m_number; }
    const QString& description() const { return m_description; }
    const QString& detail() const { return m_detail; }
    // The engine rolled the whole transaction back (disk full, I/O error):
    // nothing of the current user action was stored.
    bool transactionLost() const { return m_transactionLost; }
    void setTransactionLost(bool lost) { m_transactionLost = lost; }

    // "Fehl.Nr : <n>\nBeschr. : <description>", the program's standard error box text.
    QString userText() const;

    // German description of an engine result code. `systemError` is the
    // operating system's error number behind it (errno), when known: it
    // tells a full disk from a missing write permission behind the engine's
    // general "I/O error" or "cannot open".
    static QString describe(int engineCode, int systemError = 0);

private:
    int m_number;
    QString m_description;
    QString m_detail;
    bool m_transactionLost = false;
};

} // namespace store
