// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace store {

class Database;

// Moves an office's data from one place to another: from the data folder's
// files onto a server database, or back. Copies every list with its
// records, stack samples, storage places and their photo rows, and the
// master data, into a target that holds none of them.
//
// The target is written in one transaction per database and checked before
// anything is committed: per list the number of records, their volume and
// pieces, the stored totals, the samples, storage rows and photos, and the
// rows of every master-data table must equal the source's. Any difference
// rolls everything back and is named. The source is only read.
//
// Records, storage rows and samples get new ids on the target; samples and
// photos follow their record and storage row through the new ids.
class DatabaseTransfer {
public:
    // What a list holds, compared between source and target.
    struct ListFigures {
        QString list;
        qint64 records = 0;
        double kubatur = 0; // sum of the records' volume
        double stueck = 0;  // sum of the records' pieces
        double storedKubatur = 0;
        qint64 storedStueckzahl = 0;
        qint64 samples = 0;
        qint64 storageRows = 0;
        qint64 photos = 0;
    };
    struct Outcome {
        bool done = false;
        // Why nothing was written: the target is not empty, or the check
        // found differences (one line each).
        QStringList problems;
        // Rows of the source that belong to no list and were not copied.
        QStringList leftBehind;
        QList<ListFigures> lists;
        qint64 masterRows = 0;
    };

    // sourceMaster and targetMaster may be the same connection as their
    // list database when both live in one server database.
    DatabaseTransfer(Database& sourceHolz, Database& sourceMaster, Database& targetHolz,
                     Database& targetMaster);

    // The target's master data is replaced instead of refused: the data
    // folder's files always hold the shipped master data.
    void setReplaceMasterData(bool replace) { m_replaceMasterData = replace; }
    // Runs after the copy and before the check, inside the target's
    // transactions; lets a test damage the copy.
    void setBeforeCheck(std::function<void()> hook) { m_beforeCheck = std::move(hook); }

    // Throws DbError when a database fails; nothing is committed then.
    Outcome run();

    static ListFigures figures(Database& holz, const QString& list);

private:
    QStringList targetProblems() const;
    void copyList(const QString& list);
    void copyMasterData();

    Database& m_sourceHolz;
    Database& m_sourceMaster;
    Database& m_targetHolz;
    Database& m_targetMaster;
    bool m_replaceMasterData = false;
    std::function<void()> m_beforeCheck;
};

} // namespace store
