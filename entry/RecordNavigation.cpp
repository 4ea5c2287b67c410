// SPDX-License-Identifier: GPL-3.0-or-later
#include "RecordNavigation.h"

#include "entry/EntryScreen.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "entry/ListTotals.h"
#include "entry/RecordStorage.h"
#include "platform/UserInterface.h"
#include "store/DbError.h"
#include "store/RecordRepository.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

namespace entry {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

} // namespace

bool RecordNavigation::hasRecords() const
{
    return s.store.Holz.isOpen() && s.store.Holz.recordCount() > 0;
}

// The buttons are disabled while a new record is typed or a record is
// changed; the arrow keys reach these handlers too and must not throw that
// input away, so they ask the buttons first.
void RecordNavigation::cmdZurueck_Click()
{
    if (!s.controls().cmdZurueck.enabled)
        return;
    s.Listen_Ausblenden();
    if (!hasRecords())
        return;
    s.store.Holz.movePrevious();
    if (s.store.Holz.bof()) {
        s.store.Holz.moveFirst();
        s.ui.message(
            {QStringLiteral("Erster Datensatz erreicht"), QString(), Buttons::Ok, Icon::Information});
        s.Eingabe_Daten();
    }
    storage.Daten_Lesen();
}

void RecordNavigation::cmdVor_Click()
{
    if (!s.controls().cmdVor.enabled)
        return;
    s.Listen_Ausblenden();
    if (!hasRecords())
        return;
    s.store.Holz.moveNext();
    if (s.store.Holz.eof()) {
        s.store.Holz.moveLast();
        s.ui.message(
            {QStringLiteral("Letzter Datensatz erreicht"), QString(), Buttons::Ok, Icon::Information});
        s.Eingabe_Daten();
    }
    storage.Daten_Lesen();
}

void RecordNavigation::cmdErster_Click()
{
    if (!s.controls().cmdVor.enabled || !hasRecords())
        return;
    s.store.Holz.moveFirst();
    storage.Daten_Lesen();
    s.enableSteps();
}

void RecordNavigation::cmdLetzter_Click()
{
    if (!s.controls().cmdVor.enabled || !hasRecords())
        return;
    s.store.Holz.moveLast();
    storage.Daten_Lesen();
    s.enableSteps();
}

void RecordNavigation::cmdAendern_Click()
{
    if (s.state().aendern)
        return;
    if (!s.store.Holz.hasCurrent()) {
        s.Eingabe_Daten();
        return;
    }
    // Change mode rewrites the current stored record with the fields. With a
    // new, unsaved record on screen that would overwrite another record.
    if (!s.state().gespeichert) {
        s.ui.message({QStringLiteral("Der Datensatz auf dem Bildschirm ist noch nicht gespeichert.\n"
                                     "Erst speichern oder mit Esc verwerfen, dann ändern."),
                      QStringLiteral("Information"), Buttons::Ok, Icon::Information});
        s.Eingabe_Daten();
        return;
    }
    s.Disable_Move();
    s.showStoredMark(false);
    s.startChange();
    s.labelRecord(QStringLiteral("Ändern Satz - ") + QString::number(s.store.Holz.absolutePosition()));
    s.Eingabe_Daten();
}

void RecordNavigation::mnuLoeschen_Click()
{
    store::RecordSet<store::HolzRow>& holz = s.store.Holz;
    if (!hasRecords() || !holz.hasCurrent()) {
        s.Eingabe_Daten();
        return;
    }
    // The delete removes the current stored record; a new record being typed
    // is not that record.
    if (!s.state().gespeichert && !s.state().aendern) {
        s.ui.message({QStringLiteral("Der Datensatz auf dem Bildschirm ist noch nicht gespeichert.\n"
                                     "Mit Esc verwerfen oder einen gespeicherten Datensatz anzeigen."),
                      QStringLiteral("Information"), Buttons::Ok, Icon::Information});
        s.Eingabe_Daten();
        return;
    }
    const int position = holz.absolutePosition();
    const Answer answer = s.ui.message(
        {QStringLiteral("Satz löschen bestätigen ?\r\rDatensatz NR. ") + QString::number(position),
         QStringLiteral("Datensatz NR. ") + QString::number(position), Buttons::OkCancel, Icon::Question});
    if (answer != Answer::Ok) {
        s.Eingabe_Daten();
        return;
    }

    store::ListenRow list;
    try {
        if (!s.positionOnOpenList()) {
            s.noListMessage();
            return;
        }
        store::Database& db = s.store.database();
        store::Transaction transaction(db);
        // The totals lose what the stored record added, not what the fields
        // happen to show, and move from the totals as stored now, not as
        // they were when the list was opened.
        const store::HolzRow old = holz.currentFresh();
        list = s.store.Listen.currentFresh();
        holz.deleteCurrent();
        ListTotals::moveTotals(list, -old.Kubatur, -ListTotals::pieceCount(old),
                               store::RecordRepository(db).hasRecords(list.Liste));
        s.store.Listen.update(list);
        transaction.commit();
    } catch (const store::DbError& error) {
        s.showError(error);
        s.Eingabe_Daten();
        return;
    }
    s.setListTotals(list.Kubatur, list.Stueckzahl);
    s.endChange();
    if (position >= 2)
        holz.movePrevious();
    else if (holz.recordCount() > 0)
        holz.moveFirst();

    s.Satz_Position_Anzeigen();
    s.ui.playConfirmation();
    daten.reset();
    listen.listChanged(s.openListId());
    storage.Daten_Lesen();
    s.Eingabe_Daten();
}

void RecordNavigation::mnuHoechsteNummer_Click()
{
    const Answer answer =
        s.ui.message({QStringLiteral("Höchste Nummer = ") + QString::number(s.store.HoechsteNummer) +
                          QStringLiteral("\rAbfrage nächste Nummer aktivieren"),
                      QStringLiteral("Abfrage"), Buttons::YesNo, Icon::Question});
    s.offerNextNumber(answer == Answer::Yes);
    s.Eingabe_Daten();
}

} // namespace entry
