// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HolzRow.h"
#include "store/RecordSet.h"

#include <QList>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace store {

class Database;

// The records (`Holz` rows) of the lists. A record belongs to the list
// whose name it carries (compared as the table compares names).
//
// The orders of the records are the setting Sortierung's ("0".."4", any
// other text: by log number); a list whose stored total is 0 is read as
// entered. Entry order breaks every tie.
//
// Writes run in the caller's transaction when there is one; whatever a
// caller reads to compute what it writes it reads inside that transaction.
class RecordRepository {
public:
    explicit RecordRepository(Database& db) : m_db(&db) {}

    // Opens `records` on the records of a list in the order of `sortierung`.
    void openRecords(RecordSet<HolzRow>& records, const QString& list, const QString& sortierung,
                     bool listIsEmpty) const;
    // Streams the records of a list in the order of `sortierung`.
    void forEachRecord(const QString& list, const QString& sortierung, bool listIsEmpty,
                       const std::function<void(const HolzRow&)>& visit) const;

    // Queries that need no cursor; the first four read one index entry,
    // whatever the size of the list.
    qint64 recordCount(const QString& list) const;
    bool hasRecords(const QString& list) const;
    // The highest log number of the list; 0 when it has no records.
    int highestNumber(const QString& list) const;
    // The record number (SatzNr) of the next record of the list: one above
    // the highest stored, so a number is never given twice, not even after
    // records were deleted.
    int nextRecordNumber(const QString& list) const;
    // The first single log of the list that carries this log number (its
    // id), leaving out the record `except`; 0 when there is none.
    qint64 singleLogWithNumber(const QString& list, int nummer, qint64 except = 0) const;

    // Moves records into another list. They take the record numbers after
    // the target's highest one, in the order given, so no number of the
    // target is used twice.
    void moveRecords(const QList<qint64>& ids, const QString& target);
    void deleteRecords(const QList<qint64>& ids);

    // What the totals of a list are summed from, one record at a time.
    struct TotalsFields {
        QString sorte;
        double stueck = 0;
        bool folgestamm = false;
        int los = 0;
        double kubatur = 0;
    };
    void forEachTotalsFields(const QString& list,
                             const std::function<void(const TotalsFields&)>& visit) const;

    // What the assortment compaction compares and merges, read in its order
    // (lot, length, grade, diameter): equal records stand next to each other.
    struct MergeFields {
        qint64 id = 0;
        bool einzelstamm = false;
        double laenge = 0;
        double durchm = 0;
        QString sorte;
        QString guete;
        int los = 0;
        double stueck = 0;
        double kubatur = 0;
        bool folgestamm = false;
        bool sampleMeasured = false;
        int nummer = 0;
    };
    void forEachInMergeOrder(const QString& list, const std::function<void(const MergeFields&)>& visit) const;
    // The record that takes a merged run's pieces and volume.
    struct Merged {
        qint64 id = 0;
        double stueck = 0;
        double kubatur = 0;
    };
    void storeMerged(const std::vector<Merged>& merged);

    // Gives a stack its volume and marks it as measured by samples or not
    // ("1", what a record that is not stacked wood carries otherwise).
    // Returns the list and the volume the record had; nullopt when it is gone.
    struct StackBefore {
        QString list;
        double kubatur = 0;
    };
    std::optional<StackBefore> setStackVolume(qint64 holzId, double kubatur, bool measured);

private:
    Database* m_db;
};

} // namespace store
