// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssortmentGenerator.h"

#include "entry/ListTotals.h"
#include "platform/UserInterface.h"
#include "rules/Codes.h"
#include "rules/Numbers.h"
#include "store/DbError.h"
#include "store/ListRepository.h"
#include "store/RecordRepository.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

#include <vector>

namespace entry {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

constexpr qint64 ProgressStep = 1024;

// What a run is compared by, as the values were compared when the lists
// were first kept: lengths and diameters in single precision, the lot as
// a byte, codes as they stand (blanks and case included).
struct RunKey {
    float laenge = 0;
    float durchm = 0;
    int los = 0;
    QString sorte;
    QString guete;

    bool operator==(const RunKey& other) const
    {
        return laenge == other.laenge && durchm == other.durchm && los == other.los &&
               rules::sameCode(sorte, other.sorte) && rules::sameCode(guete, other.guete);
    }
};

struct Run {
    qint64 id = 0; // the first record, which takes the run's pieces
    RunKey key;
    qint64 firstPieces = 0;
    double firstKubatur = 0;
    bool firstFolgestamm = false;
    qint64 pieces = 0; // the run's pieces; wide, a run may hold far more than 32 767
    qint64 length = 0;
    double volumeBefore = 0;
    qint64 countedBefore = 0; // what the run's records add to the list's piece count
    QList<qint64> others;
};

// What the pass found: the records that take their run's pieces and
// volume, the records merged into them, and the list's totals after that.
struct MergePlan {
    std::vector<store::RecordRepository::Merged> merged;
    QList<qint64> removed;
    double volume = 0;
    qint64 counted = 0;
    qint64 runsWithoutPieces = 0;
};

// Finds the runs among the records of a list read in the merge order, one
// record at a time.
class RunFinder {
public:
    void add(const store::RecordRepository::MergeFields& record)
    {
        const RunKey key{float(record.laenge), float(record.durchm), record.los, record.sorte, record.guete};
        const qint64 pieces = rules::roundHalfEven(record.stueck);
        const qint64 pieceCount = ListTotals::pieceCount(key.sorte, double(pieces), record.folgestamm);
        m_plan.volume += record.kubatur;
        m_plan.counted += pieceCount;

        // A stack measured by samples keeps its own pieces and volume (and
        // its samples): it neither joins nor starts a run. A single log with
        // its stem number keeps number and mark: it ends a run and stays as
        // it is. One without a number that fits the run belongs to it as well.
        const bool numberedLog = record.einzelstamm && record.nummer != 0;
        if (record.sampleMeasured) {
            closeRun();
        } else if (m_inRun && key == m_run.key && !numberedLog) {
            m_run.pieces += pieces;
            ++m_run.length;
            m_run.volumeBefore += record.kubatur;
            m_run.countedBefore += pieceCount;
            m_run.others.push_back(record.id);
        } else {
            closeRun();
            if (!record.einzelstamm)
                startRun(record.id, key, pieces, record.kubatur, record.folgestamm, pieceCount);
        }
    }

    MergePlan finish()
    {
        closeRun();
        return std::move(m_plan);
    }

private:
    void startRun(qint64 id, const RunKey& key, qint64 pieces, double kubatur, bool folgestamm,
                  qint64 pieceCount)
    {
        m_run.id = id;
        m_run.key = key;
        m_run.firstPieces = pieces;
        m_run.firstKubatur = kubatur;
        m_run.firstFolgestamm = folgestamm;
        m_run.pieces = pieces;
        m_run.length = 1;
        m_run.volumeBefore = kubatur;
        m_run.countedBefore = pieceCount;
        m_run.others.clear();
        m_inRun = true;
    }

    // A run of two or more records becomes its first record, which takes
    // the run's pieces at its own volume per piece.
    void closeRun()
    {
        if (!m_inRun)
            return;
        m_inRun = false;
        if (m_run.length < 2)
            return;
        if (m_run.firstPieces == 0) {
            ++m_plan.runsWithoutPieces;
            return;
        }
        const double kubatur =
            ListTotals::twoDecimals(double(m_run.pieces) * (m_run.firstKubatur / double(m_run.firstPieces)));
        m_plan.merged.push_back({m_run.id, double(m_run.pieces), kubatur});
        m_plan.removed += m_run.others;
        m_plan.volume += kubatur - m_run.volumeBefore;
        m_plan.counted +=
            ListTotals::pieceCount(m_run.key.sorte, double(m_run.pieces), m_run.firstFolgestamm) -
            m_run.countedBefore;
    }

    MergePlan m_plan;
    Run m_run;
    bool m_inRun = false;
};

// One pass in the merge order; what to write is collected and written
// after the pass is done with the table.
MergePlan findRuns(const store::RecordRepository& records, const QString& list, qint64 total,
                   const AssortmentGenerator::Progress& progress)
{
    RunFinder finder;
    qint64 position = 0;
    records.forEachInMergeOrder(list, [&](const store::RecordRepository::MergeFields& record) {
        finder.add(record);
        ++position;
        if (progress && position % ProgressStep == 0)
            progress(position, total);
    });
    return finder.finish();
}

// Writes the merged runs, and the list's stored totals follow its records;
// a list changed since its export says so.
void storeMerges(store::Database& db, const QString& list, const MergePlan& plan, bool hasRecords)
{
    store::RecordRepository records(db);
    records.storeMerged(plan.merged);
    records.deleteRecords(plan.removed);
    store::ListRepository(db).storeTotals(
        list, {ListTotals::storedKubatur(plan.volume, hasRecords), plan.counted, records.highestNumber(list)},
        QDate::currentDate());
}

} // namespace

AssortmentGenerator::Result AssortmentGenerator::compact(store::Database& db, const QString& list,
                                                         const Progress& progress)
{
    Result result;
    store::Transaction transaction(db);
    const store::RecordRepository records(db);
    result.recordsBefore = records.recordCount(list);
    const MergePlan plan = findRuns(records, list, result.recordsBefore, progress);
    result.runsMerged = qint64(plan.merged.size());
    result.runsWithoutPieces = plan.runsWithoutPieces;
    if (!plan.merged.empty()) {
        result.recordsRemoved = qint64(plan.removed.size());
        storeMerges(db, list, plan, result.recordsBefore > result.recordsRemoved);
    }
    transaction.commit();
    result.recordsAfter = result.recordsBefore - result.recordsRemoved;
    if (progress)
        progress(result.recordsBefore, result.recordsBefore);
    return result;
}

std::optional<AssortmentGenerator::Result> AssortmentGenerator::Sortiment_Erzeugen()
{
    if (!m_store.Listen.hasCurrent())
        return std::nullopt;
    m_store.Listen.refresh(); // the totals as stored now
    const store::ListenRow list = m_store.Listen.current();
    const Answer answer = m_ui.message(
        {QStringLiteral("Sortiment für Liste '") + list.Liste + QStringLiteral("' automatisch erzeugen ?"),
         QStringLiteral("Sortiment"), Buttons::YesNo, Icon::Question});
    if (answer != Answer::Yes)
        return std::nullopt;
    m_store.Holz.close();
    if (list.Kubatur == 0) {
        m_ui.message({QStringLiteral("Liste enhält keine Daten"), QStringLiteral("Information"), Buttons::Ok,
                      Icon::Information});
        return std::nullopt;
    }

    m_ui.progressShow(QStringLiteral("Liste '") + list.Liste + QStringLiteral("' sortieren"),
                      QStringLiteral("Sortimente erstellen"));
    m_ui.setBusy(true);
    try {
        const Result result = compact(m_store.database(), list.Liste, [this](qint64 position, qint64 total) {
            m_ui.progressUpdate(QString(), position, total);
        });
        Sortiment_Abschluss(true);
        return result;
    } catch (const store::DbError& error) {
        Sortiment_Abschluss(false);
        m_ui.message({error.userText(), QStringLiteral("Sortiment"), Buttons::Ok, Icon::Critical});
        return std::nullopt;
    }
}

void AssortmentGenerator::Sortiment_Abschluss(bool success)
{
    m_ui.setBusy(false);
    m_ui.progressHide();
    m_store.Holz.close();
    m_store.Listen.refresh();
    if (success)
        m_ui.playConfirmation();
}

} // namespace entry
