// SPDX-License-Identifier: GPL-3.0-or-later
#include "MultiRecordChange.h"

#include "entry/EntryLists.h"
#include "entry/EntryScreen.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "entry/ListTotals.h"
#include "entry/RecordStorage.h"
#include "platform/UserInterface.h"
#include "rules/ListName.h"
#include "rules/Numbers.h"
#include "rules/RecordCheck.h"
#include "store/DbError.h"
#include "store/JetCollation.h"
#include "store/ListRepository.h"
#include "store/LotRegister.h"
#include "store/RecordRepository.h"
#include "store/Transaction.h"

#include <functional>
#include <optional>

namespace entry {
namespace {

using platform::Buttons;
using platform::Icon;


// A save failed and has told the user why.
struct SaveFailed {};

// Only the letters a to z become capitals; umlauts stay as typed.
QString capitals(QString text)
{
    for (QChar& ch : text) {
        if (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
            ch = QChar(ch.unicode() - 'a' + 'A');
    }
    return text;
}

// Switches automatic lot assignment off for as long as it lives, and on
// again however the change ends.
class AutoLosSuspended {
public:
    explicit AutoLosSuspended(EntryScreen& screen) : m_screen(screen) { m_screen.holdLotAssignment(true); }
    ~AutoLosSuspended() { m_screen.holdLotAssignment(false); }
    AutoLosSuspended(const AutoLosSuspended&) = delete;
    AutoLosSuspended& operator=(const AutoLosSuspended&) = delete;

private:
    EntryScreen& m_screen;
};

// The new value as the field stores it; nullopt when the field cannot hold it.
// `codes` are the grades or assortments the screen's list offers.
std::optional<QString> fieldValue(TableChange feld, const QString& answer, bool dezimalpunkt,
                                  const QStringList& codes)
{
    if (feld == TableChange::Guete || feld == TableChange::Sorte) {
        // A code the list offers is stored as the list holds it, so that a
        // change gives the same code as picking it; others (up to three
        // characters) as the quick buttons write them.
        const QString typed = answer.trimmed();
        if (typed.isEmpty() || typed.size() > 3)
            return std::nullopt;
        for (const QString& code : codes) {
            if (code.trimmed() == typed)
                return code;
        }
        return EntryLists::quickCaption(typed);
    }
    if (feld == TableChange::Los) {
        bool ok = false;
        const int lot = answer.trimmed().toInt(&ok);
        if (!ok || lot < 0 || lot > 255)
            return std::nullopt;
        return QString::number(lot);
    }
    if (feld == TableChange::Laenge || feld == TableChange::Durchm) {
        const std::optional<float> value = rules::toSingle(answer);
        if (!value || *value < 0)
            return std::nullopt;
        return rules::formatPlain(*value, dezimalpunkt);
    }
    if (feld == TableChange::Abteilung)
        return answer;
    return std::nullopt;
}

const QString NoVolume = QStringLiteral("Keine Kubatur berrechnet");
const QString SampleStack = QStringLiteral("Kubatur aus Mantelmessung");

// What a record's fields mean: a log's (length, diameter, pieces), a
// stack's (length, width, height, factor) or a piece row's (pieces and a
// typed volume).
enum class RecordKind { Log, StackedWood, PieceRow };

RecordKind kindOf(const QString& sorte)
{
    const QString code = (sorte + QStringLiteral("  ")).left(2);
    if (code == QLatin1String("S ") || code == QLatin1String("IS"))
        return RecordKind::StackedWood;
    if (code == QLatin1String("P "))
        return RecordKind::PieceRow;
    return RecordKind::Log;
}

// "3", "3, 5, 7" or "3, 5, 7, … (12 Datensätze)": the rows' keys in the
// delete question.
QString rowKeys(const QList<int>& rows)
{
    constexpr int Shown = 8;
    QStringList keys;
    for (int i = 0; i < rows.size() && i < Shown; ++i)
        keys << QString::number(rows.at(i) + 1);
    QString text = keys.join(QStringLiteral(", "));
    if (rows.size() > Shown)
        text += QStringLiteral(", … (%1 Datensätze)").arg(rows.size());
    return text;
}

} // namespace

void MultiRecordChange::information(const QString& text)
{
    s.ui.message({text, QStringLiteral("Information"), Buttons::Ok, Icon::Information});
    s.Eingabe_Daten();
}

void MultiRecordChange::Tabelle_Mehrfach_Aendern(TableChange feld)
{
    if (!s.listOpen()) {
        information(QStringLiteral("Nach dem Start von Stemmo muß mindestens einmal die Holdateneingabe "
                                   "gestartet werden, erst dann ist Ändern aktiv"));
        return;
    }
    const QList<int> rows = daten.selectedRows();
    if (rows.isEmpty()) {
        information(QStringLiteral("Kein Datensatz selektiert !"));
        return;
    }
    // Every row is read into the fields on its way: input on screen that
    // is not stored would be lost.
    if (!s.state().gespeichert || s.state().aendern) {
        information(QStringLiteral("Der Datensatz auf dem Bildschirm ist noch nicht gespeichert.\n"
                                   "Erst speichern oder mit Esc verwerfen, dann in der Tabelle ändern."));
        return;
    }

    const bool remove = feld == TableChange::Loeschen;
    const QString title = remove ? QStringLiteral("Bestätigen mit 'JA'") : QStringLiteral("Daten ändern");
    const QString prompt = remove
                               ? QStringLiteral("Datensatz ") + rowKeys(rows) + QStringLiteral(" loeschen ?")
                               : QStringLiteral("Neue ") + tableChangeWord(feld) + QStringLiteral(" eingeben");
    const std::optional<QString> answer = s.ui.inputBox(prompt, title);
    if (!answer || answer->trimmed().isEmpty()) {
        s.Eingabe_Daten();
        return;
    }

    const AutoLosSuspended autoLos(s);
    if (remove)
        deleteRows(*answer, rows);
    else if (feld == TableChange::Liste)
        moveRows(answer->trimmed(), rows);
    else
        changeField(feld, capitals(*answer), rows);
    s.Eingabe_Daten();
}

bool MultiRecordChange::putValue(TableChange feld, const QString& value)
{
    if (feld == TableChange::Guete) {
        s.chooseCode(EntryScreen::Code::Guete, value);
    } else if (feld == TableChange::Sorte) {
        s.chooseCode(EntryScreen::Code::Sorte, value);
    } else if (feld == TableChange::Los) {
        s.chooseCode(EntryScreen::Code::Los, value);
    } else if (feld == TableChange::Laenge) {
        s.enterField(EntryField::Laenge, value);
        s.measureLength(rules::toSingle(value).value_or(0.0f));
    } else if (feld == TableChange::Durchm) {
        s.enterField(EntryField::Durchmesser, value);
        s.measureDiameter(rules::toSingle(value).value_or(0.0f));
    } else if (feld == TableChange::Abteilung) {
        s.enterField(EntryField::Abteilung, value);
    } else {
        return false;
    }
    return true;
}

void MultiRecordChange::changeField(TableChange feld, const QString& answer, const QList<int>& rows)
{
    const QStringList& codes =
        feld == TableChange::Guete ? s.controls().lstGuete.items : s.controls().lstKlasse.items;
    const std::optional<QString> value = fieldValue(feld, answer, s.calc().Dezimalpunkt, codes);
    if (!value) {
        information(QStringLiteral("Diese Eingabe ist nicht zulässig"));
        return;
    }

    store::RecordSet<store::HolzRow>& holz = s.store.Holz;
    const double volume = s.listVolume();
    const qint32 pieces = s.listPieces();
    const int highest = s.store.HoechsteNummer;
    QStringList refused;
    QStringList reasons;
    int stored = 0;
    bool complete = false;
    // Computation messages (a missing bark table) once for the whole
    // change, not once per row.
    QSet<QString> messagesShown;
    storage.setBatchSave(true);
    try {
        store::Transaction transaction(s.store.database());
        for (const int row : rows) {
            holz.move(row);
            if (!holz.hasCurrent())
                continue;
            const store::HolzRow old = holz.current();
            // Stacked wood keeps width and height where a log keeps diameter
            // and pieces: computed from the other kind's fields, a log of
            // 25 cm would become a stack 25 m wide. Such a change is refused.
            if (feld == TableChange::Sorte && kindOf(old.Sorte) != kindOf(*value)) {
                refused << QString::number(row + 1) + QLatin1Char(',');
                if (!reasons.contains(NoVolume))
                    reasons << NoVolume;
                continue;
            }
            // A stack measured by samples keeps the length its samples
            // were computed for.
            if (old.isSampleMeasured() && feld == TableChange::Laenge) {
                refused << QString::number(row + 1) + QLatin1Char(',');
                if (!reasons.contains(SampleStack))
                    reasons << SampleStack;
                continue;
            }
            storage.Daten_Lesen();
            putValue(feld, *value);
            s.setShownMessages(messagesShown);
            // A stack measured by samples has its volume from the samples,
            // not from length and diameter.
            if (!old.isSampleMeasured())
                s.Datensatz_Berechnen();
            messagesShown = s.shownMessages();
            const QStringList lines =
                rules::recordCheckLines(s.record(), s.calc().Durchmesser, s.calc().Laenge);
            if (!lines.isEmpty()) {
                refused << QString::number(row + 1) + QLatin1Char(',');
                for (const QString& line : lines) {
                    if (!reasons.contains(line.trimmed()))
                        reasons << line.trimmed();
                }
                continue;
            }
            s.startChange();
            if (!storage.Daten_Speichern())
                throw SaveFailed();
            ++stored;
        }
        const int lot = value->toInt();
        if (feld == TableChange::Los && stored > 0 && lot >= 1 && lot <= store::LotRegister::MaxLot &&
            s.positionOnOpenList())
            s.store.Los_Eintragen(lot);
        transaction.commit();
        complete = true;
    } catch (const store::DbError& error) {
        s.showError(error);
    } catch (const SaveFailed&) {
    }
    storage.setBatchSave(false);

    if (!complete) {
        // The transaction took every row back; so do the screen's totals.
        s.setListTotals(volume, pieces);
        s.store.HoechsteNummer = highest;
        s.endChange();
        s.store.Listen.refresh();
        s.store.Holz.refresh();
        daten.reset();
        listen.listChanged(s.openListId());
        if (!rows.isEmpty()) {
            holz.move(rows.first());
            storage.Daten_Lesen();
        }
        s.ui.message({QStringLiteral("Die Datensätze wurden nicht geändert."), QStringLiteral("Information"),
                      Buttons::Ok, Icon::Information});
        return;
    }

    if (feld == TableChange::Los && stored > 0)
        s.showLots(s.store.Lose_Anzeigen());
    // The screen ends on a record as it is stored.
    storage.Daten_Lesen();
    if (stored > 0)
        s.ui.playConfirmation();
    if (!refused.isEmpty()) {
        s.ui.message({QStringLiteral("Nicht geändert wurden ") + refused.join(QString()) +
                          QStringLiteral("\r\r") + reasons.join(QLatin1Char('\r')),
                      QStringLiteral("Information"), Buttons::Ok, Icon::Information});
    }
    daten.setSelectedRows(rows);
}

void MultiRecordChange::storeListTotals(const QString& list, const QList<int>& newLots, ListTotals* result)
{
    store::Database& db = s.store.database();
    const ListTotals totals = ListTotals::compute(db, list);
    store::ListRepository lists(db);
    QString reg = lists.lotRegister(list).value_or(store::LotRegister::initial());
    for (const int lot : newLots)
        reg = store::LotRegister::entered(reg, lot);
    lists.storeTotals(list,
                      {ListTotals::storedKubatur(totals.volume, totals.records > 0), qint64(totals.pieces),
                       store::RecordRepository(db).highestNumber(list)},
                      reg, QDate::currentDate());
    if (result)
        *result = totals;
}

void MultiRecordChange::moveRows(const QString& answer, const QList<int>& rows)
{
    store::Database& db = s.store.database();
    const QString target = store::ListRepository(db).find(answer).value_or(store::ListenRow()).Liste;
    if (target.isEmpty()) {
        information(QStringLiteral("Liste '") + answer + QStringLiteral("' nicht vorhanden!"));
        return;
    }
    if (store::jet::equal(target, s.listName())) {
        information(QStringLiteral("Die Datensätze stehen schon in Liste '") + target + QStringLiteral("'."));
        return;
    }

    store::RecordSet<store::HolzRow>& holz = s.store.Holz;
    ListTotals totals;
    try {
        store::Transaction transaction(db);
        QList<int> lots;
        QList<qint64> ids;
        for (const int row : rows) {
            lots << holz.at(row).Los;
            ids << holz.idAt(row);
        }
        store::RecordRepository(db).moveRecords(ids, target);
        storeListTotals(s.listName(), {}, &totals);
        storeListTotals(target, lots);
        transaction.commit();
    } catch (const store::DbError& error) {
        s.showError(error);
        return;
    }
    reopen(rows.first(), totals);
    const int targetRow = listen.findList(target);
    if (targetRow >= 0)
        listen.listChanged(s.store.Listen.idAt(targetRow));
    s.ui.playConfirmation();
}

void MultiRecordChange::deleteRows(const QString& answer, const QList<int>& rows)
{
    if (answer != QLatin1String("JA")) {
        information(QStringLiteral("Nicht geändert wurden Daten wurden nicht gelöscht"));
        return;
    }
    store::Database& db = s.store.database();
    store::RecordSet<store::HolzRow>& holz = s.store.Holz;
    ListTotals totals;
    try {
        store::Transaction transaction(db);
        QList<qint64> ids;
        for (const int row : rows)
            ids << holz.idAt(row);
        store::RecordRepository(db).deleteRecords(ids);
        storeListTotals(s.listName(), {}, &totals);
        transaction.commit();
    } catch (const store::DbError& error) {
        s.showError(error);
        return;
    }
    reopen(rows.first(), totals);
    s.ui.playConfirmation();
}

void MultiRecordChange::reopen(int firstRemovedRow, const ListTotals& totals)
{
    store::RecordSet<store::HolzRow>& holz = s.store.Holz;
    s.store.Listen.refresh();
    holz.close();
    if (s.positionOnOpenList() && !s.store.Holzliste_Oeffnen())
        s.ui.message(rules::ListName::missingMessage());
    s.setListTotals(totals.volume, totals.pieces);
    daten.reset();
    listen.listChanged(s.openListId());
    if (holz.isOpen() && holz.recordCount() > 0) {
        holz.move(std::min(firstRemovedRow, holz.recordCount() - 1));
        storage.Daten_Lesen();
    } else {
        storage.Daten_Lesen(); // prepares a new record
        s.Satz_Position_Anzeigen();
    }
    daten.setSelectedRows({});
}

} // namespace entry
