// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssortmentGenerator.h"

#include "entry/ListTotals.h"
#include "platform/UserInterface.h"
#include "rules/Codes.h"
#include "rules/Numbers.h"
#include "store/DbError.h"
#include "store/ListQueries.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

#include <vector>

namespace entry {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// Equal records must stand next to each other: lot, length, grade, diameter.
const QString MergeOrder = QStringLiteral("2");
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
    std::vector<qint64> others;
};

struct Merge {
    qint64 id;
    qint64 pieces;
    double kubatur;
};

} // namespace

AssortmentGenerator::Result AssortmentGenerator::compact(store::Database& db, const QString& list,
                                                         const Progress& progress)
{
    Result result;
    store::Transaction transaction(db);
    {
        store::Statement count = db.prepare("SELECT count(*) FROM Holz WHERE Liste = ?");
        count.bind(1, list);
        result.recordsBefore = count.step() ? count.int64(0) : 0;
    }

    // One pass in the merge order; what to write is collected and written
    // after the reading statement is done with the table.
    std::vector<Merge> merges;
    std::vector<qint64> deletes;
    double volume = 0;
    qint64 counted = 0;
    Run run;
    bool inRun = false;
    const auto closeRun = [&] {
        if (!inRun)
            return;
        inRun = false;
        if (run.length < 2)
            return;
        if (run.firstPieces == 0) {
            ++result.runsWithoutPieces;
            return;
        }
        const double kubatur =
            ListTotals::twoDecimals(double(run.pieces) * (run.firstKubatur / double(run.firstPieces)));
        merges.push_back({run.id, run.pieces, kubatur});
        deletes.insert(deletes.end(), run.others.begin(), run.others.end());
        ++result.runsMerged;
        volume += kubatur - run.volumeBefore;
        counted += ListTotals::pieceCount(run.key.sorte, double(run.pieces), run.firstFolgestamm) -
                   run.countedBefore;
    };

    {
        store::Statement st = db.prepare(
            "SELECT Id, Einzelstamm, Laenge, Durchm, Sorte, Guete, Los, Stueck, Kubatur, Folgestamm, Stamm, "
            "Nummer "
            "FROM Holz WHERE Liste = ?" +
            store::ListQueries::holzOrder(MergeOrder, false));
        st.bind(1, list);
        qint64 position = 0;
        while (st.step()) {
            ++position;
            const RunKey key{float(st.real(2)), float(st.real(3)), st.integer(6), st.text(4), st.text(5)};
            const qint64 pieces = rules::roundHalfEven(st.real(7));
            const double kubatur = st.real(8);
            const bool folgestamm = st.boolean(9);
            const qint64 pieceCount = ListTotals::pieceCount(key.sorte, double(pieces), folgestamm);
            volume += kubatur;
            counted += pieceCount;

            // A stack measured by samples keeps its own pieces and volume
            // (and its samples): it neither joins nor starts a run. A single
            // log with its stem number keeps number and mark: it ends a run
            // and stays as it is. One without a number that fits the run
            // belongs to it as well.
            const bool sampled = st.text(10) == QLatin1String("Mantl");
            const bool numberedLog = st.boolean(1) && st.integer(11) != 0;
            if (sampled) {
                closeRun();
            } else if (inRun && key == run.key && !numberedLog) {
                run.pieces += pieces;
                ++run.length;
                run.volumeBefore += kubatur;
                run.countedBefore += pieceCount;
                run.others.push_back(st.int64(0));
            } else {
                closeRun();
                if (!st.boolean(1)) {
                    run.id = st.int64(0);
                    run.key = key;
                    run.firstPieces = pieces;
                    run.firstKubatur = kubatur;
                    run.firstFolgestamm = folgestamm;
                    run.pieces = pieces;
                    run.length = 1;
                    run.volumeBefore = kubatur;
                    run.countedBefore = pieceCount;
                    run.others.clear();
                    inRun = true;
                }
            }
            if (progress && position % ProgressStep == 0)
                progress(position, result.recordsBefore);
        }
        closeRun();
    }

    if (!merges.empty()) {
        store::Statement update = db.prepare("UPDATE Holz SET Stueck = ?, Kubatur = ? WHERE Id = ?");
        for (const Merge& merge : merges) {
            update.bindAll(double(merge.pieces), merge.kubatur, merge.id);
            update.run();
            update.reset();
        }
        store::Statement remove = db.prepare("DELETE FROM Holz WHERE Id = ?");
        for (const qint64 id : deletes) {
            remove.bind(1, id);
            remove.run();
            remove.reset();
        }
        // The list's stored totals follow its records, and a list changed
        // since its export says so.
        result.recordsRemoved = qint64(deletes.size());
        const bool hasRecords = result.recordsBefore > result.recordsRemoved;
        store::Statement stamp = db.prepare("UPDATE Listen SET Kubatur = ?, Stueckzahl = ?, NummerHigh = ?, "
                                            "Konvertiert = NULL, Bearbeitet = ? WHERE Liste = ?");
        stamp.bindAll(ListTotals::storedKubatur(volume, hasRecords), counted,
                      store::TimberStore::highestNumber(db, list), QDate::currentDate(), list);
        stamp.run();
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
