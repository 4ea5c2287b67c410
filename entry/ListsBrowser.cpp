// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListsBrowser.h"

#include "entry/EntryScreen.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "entry/ListTotals.h"
#include "store/PhotoFileChanges.h"
#include "entry/RecordEntry.h"
#include "entry/RecordStorage.h"
#include "entry/StatisticsModel.h"
#include "platform/UserInterface.h"
#include "rules/ListName.h"
#include "rules/Numbers.h"
#include "store/DbError.h"
#include "store/JetCollation.h"
#include "store/ListRepository.h"
#include "store/RecordRepository.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

#include <algorithm>

namespace entry {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

// First three characters, padded with blanks; a missing value is one blank.
QString threeCharacters(const QString& value)
{
    return (value.isNull() ? QStringLiteral(" ") : value).left(3).leftJustified(3, QLatin1Char(' '));
}

} // namespace

void ListsBrowser::Liste_Daten()
{
    listen.reload();
    if (!s.store.Listen.isOpen() || s.store.Listen.recordCount() == 0) {
        closeOpenList();
        return;
    }
    int row = 0;
    const QString last = s.settings.get(store::keys::ListenNr);
    if (!last.isEmpty()) {
        const int found = listen.findList(last);
        if (found >= 0)
            row = found;
    }
    listen.setSelectedRow(row);
}

bool ListsBrowser::Liste_Ausgewaehlt()
{
    if (listen.selectedRow() >= 0)
        return true;
    s.noListMessage();
    return false;
}

bool ListsBrowser::positionOnSelected()
{
    const int row = listen.selectedRow();
    if (row < 0 || row >= s.store.Listen.recordCount())
        return false;
    s.store.Listen.move(row);
    return s.store.Listen.hasCurrent();
}

void ListsBrowser::columnClick(int column)
{
    store::ListenOrder order = store::ListenOrder::ListeDesc;
    if (column == 0) {
        m_listeDescending = !m_listeDescending;
        order = m_listeDescending ? store::ListenOrder::ListeDesc : store::ListenOrder::ListeAsc;
    } else if (column == 1) {
        m_nameDescending = !m_nameDescending;
        order = m_nameDescending ? store::ListenOrder::NameDesc : store::ListenOrder::NameAsc;
    }
    s.store.Listen_Oeffnen(order);
    Liste_Daten();
}

bool ListsBrowser::typedRecordSettled(int row)
{
    if (!s.listOpen() || listen.listName(row).isEmpty() ||
        store::jet::equal(listen.listName(row), s.listName()))
        return true;
    const bool typed = !s.controls().txtEingabe.text.trimmed().isEmpty() ||
                       rules::toSingle(s.record().txtDurchmesser).value_or(0.0f) != 0 ||
                       s.calc().Durchmesser != 0;
    if (!s.state().aendern && (s.state().gespeichert || !typed))
        return true;
    const Answer answer = s.ui.message({QStringLiteral("Datensatz nicht gespeichert !\nSpeichern ?"),
                                        QStringLiteral("Abfrage"), Buttons::YesNo, Icon::Question});
    if (answer != Answer::Yes) {
        // Dropped: nothing of it is carried into the other list.
        s.setInput(QString());
        return true;
    }
    if (storage.cmdSpeichern_Click())
        return true;
    // The record could not be stored: the open list stays selected with it.
    listen.setSelectedRow(listen.findList(s.listName()));
    return false;
}

void ListsBrowser::ListListen_Click(int row)
{
    if (!typedRecordSettled(row)) {
        s.Eingabe_Daten();
        return;
    }
    listen.setSelectedRow(row);
    if (s.openListId() != 0)
        Liste_Kubatur_Berechnen(true);
    if (!positionOnSelected())
        return;
    cmdBearbeiten_Click();
}

void ListsBrowser::cmdBearbeiten_Click()
{
    if (listen.selectedRow() >= 0)
        s.settings.set(store::keys::ListenNr, listen.selectedName());
    if (!Liste_Ausgewaehlt())
        return;
    s.store.Holz.close();
    Liste_Oeffnen();
}

void ListsBrowser::Liste_Oeffnen()
{
    s.Enable_Move();
    s.chooseUseTypes(0, 0);
    s.setLogMarks(false, false);
    rules::RecordFields next = s.record();
    next.txtStueck = QStringLiteral("1");
    next.txtSorte.clear();
    next.txtGuete.clear();
    next.txtLaenge.clear();
    next.txtDurchmesser.clear();
    s.startRecord(next);
    s.clearMeasurement();
    s.showLots({});
    s.Auswahl_geaendert();

    if (!positionOnSelected())
        return;
    const store::ListenRow list = s.store.Listen.current();
    s.openList(list.Id, list.Liste);
    s.showListCaption(list.Liste);
    s.startListEntry();
    entry.listOpened();
    s.endFieldEntry();

    if (!s.store.Holz.isOpen() && !s.store.Holzliste_Oeffnen())
        s.ui.message(rules::ListName::missingMessage());
    daten.reset();
    s.showLots(s.store.Lose_Anzeigen());

    if (s.store.Holz.isOpen() && s.store.Holz.recordCount() > 0) {
        s.store.Holz.moveLast();
        storage.Daten_Lesen();
    } else {
        entry.Neuer_Datensatz();
        s.Satz_Position_Anzeigen();
        s.enterField(EntryField::Abteilung, threeCharacters(list.Abteilung) + threeCharacters(list.UAbt) +
                                                threeCharacters(list.Bestand));
    }
    s.setListTotals(list.Kubatur, list.Stueckzahl);
    s.Eingabe_Daten();
}

void ListsBrowser::closeOpenList()
{
    s.closeList();
    s.markStored();
    s.store.Holz.close();
    daten.reset();
    s.showNoListCaption();
    s.Disable_Move();
}

void ListsBrowser::Liste_Loeschen()
{
    if (!Liste_Ausgewaehlt() || !positionOnSelected())
        return;
    const store::ListenRow list = s.store.Listen.current();
    const Answer answer = s.ui.message(
        {QStringLiteral("Löschen Liste bestätigen ?\n\nListe Nr. '") + list.Liste + QLatin1Char('\''),
         QStringLiteral("Liste Nr. '") + list.Liste + QStringLiteral("' löschen"), Buttons::OkCancel,
         Icon::Question});
    if (answer != Answer::Ok)
        return;

    store::Database& db = s.store.database();
    QStringList photoNotes;
    try {
        store::Transaction transaction(db);
        store::PhotoFileChanges photos(store::LotPhotoFiles::of(db));
        photos.removeList(list.Liste);
        store::ListRepository(db).deleteList(list);
        transaction.commit();
        photoNotes = photos.commit();
    } catch (const store::DbError& error) {
        // Nothing was deleted.
        s.showError(error);
        return;
    }
    // The list is gone; photo files that could not be removed are named.
    if (!photoNotes.isEmpty())
        s.ui.message({photoNotes.join(QLatin1Char('\n')),
                      QStringLiteral("Liste Nr. '") + list.Liste + QStringLiteral("' löschen"), Buttons::Ok,
                      Icon::Warning});

    closeOpenList();
    s.store.Listen_Oeffnen();
    if (s.store.Listen.recordCount() > 0)
        s.settings.set(store::keys::ListenNr, s.store.Listen.at(0).Liste);
    Liste_Daten();
}

void ListsBrowser::mnuLoescheng_Click()
{
    Liste_Loeschen();
    if (listen.selectedRow() >= 0)
        ListListen_Click(listen.selectedRow());
}

void ListsBrowser::Liste_Kubatur_Berechnen(bool still)
{
    QString name;
    qint64 listId = 0;
    if (s.listOpen()) {
        name = s.listName();
        listId = s.openListId();
    } else if (positionOnSelected()) {
        const store::ListenRow list = s.store.Listen.current();
        name = list.Liste;
        listId = list.Id;
    } else {
        return;
    }
    if (!still) {
        const ListTotals totals = ListTotals::compute(s.store.database(), name);
        // The title alone may be cut by the window manager: the body names the list too.
        s.ui.message({QStringLiteral("Liste '") + name + QStringLiteral("'\r") + totals.message(s.calc().Dezimalpunkt),
                      QStringLiteral("Berechnung Kubatur Liste '") + name + QLatin1Char('\''), Buttons::Ok,
                      Icon::Information});
        if (listId == s.openListId() || s.openListId() == 0)
            s.setListPieces(totals.pieces);
        return;
    }
    const int index = s.store.Listen.indexOfId(listId);
    if (index < 0)
        return;
    s.store.Listen.move(index);
    store::Database& db = s.store.database();
    ListTotals totals;
    {
        // Counted and stored under one write lock: a record another program
        // saves in between is either in both or in neither.
        store::Transaction transaction(db);
        totals = ListTotals::compute(db, name);
        store::ListenRow list = s.store.Listen.currentFresh();
        list.Kubatur = ListTotals::storedKubatur(totals.volume, totals.records > 0);
        list.Stueckzahl = int(totals.pieces);
        const int highest = store::RecordRepository(db).highestNumber(name);
        list.NummerHigh = listId == s.openListId() ? std::max(s.store.HoechsteNummer, highest) : highest;
        s.store.Listen.update(list);
        transaction.commit();
    }
    listen.listChanged(listId);
    if (listId == s.openListId())
        s.setListTotals(totals.volume, totals.pieces);
    else if (s.openListId() == 0)
        s.setListPieces(totals.pieces);
}

void ListsBrowser::mnuKubatur_Click()
{
    if (!s.listOpen() && !Liste_Ausgewaehlt())
        return;
    Liste_Kubatur_Berechnen(false);
    // The last record comes back on screen, unless the user is typing a new
    // one or changing one: that input stays.
    const bool typing = !s.state().gespeichert || s.state().aendern;
    if (s.listOpen() && s.store.Holz.recordCount() > 0 && !typing) {
        s.store.Holz.moveLast();
        storage.Daten_Lesen();
    }
    s.Eingabe_Daten();
}

void ListsBrowser::mnuStatistik_Click()
{
    if (!s.listOpen()) {
        s.noListMessage();
        return;
    }
    statistik.load(s.store.database(), s.listName(), s.controls().lstHolzart.items, s.calc().Dezimalpunkt);
    if (s.hooks().Statistik_Anzeigen)
        s.hooks().Statistik_Anzeigen();
    else
        s.ui.message({statistik.text(), QStringLiteral("Statistik"), Buttons::Ok, Icon::Information});
    s.Eingabe_Daten();
}

void ListsBrowser::headerSaved(const QString& name)
{
    s.store.Listen_Oeffnen();
    Liste_Daten();
    listen.setSelectedRow(listen.findList(name));
    if (listen.selectedRow() >= 0)
        ListListen_Click(listen.selectedRow());
}

void ListsBrowser::headerStored(const QString& name)
{
    s.store.Listen_Oeffnen();
    Liste_Daten();
    const int open = s.openListId() != 0 ? s.store.Listen.indexOfId(s.openListId()) : -1;
    listen.setSelectedRow(open >= 0 ? open : listen.findList(name));
}

void ListsBrowser::listRenamed(const QString& oldName, const QString& newName)
{
    if (store::jet::equal(s.listName(), oldName)) {
        s.renameOpenList(newName);
        s.showListCaption(newName);
    }
    const qint64 current = s.store.Listen.currentId();
    s.store.Listen_Oeffnen();
    Liste_Daten();
    // The header dialog stays on the renamed list.
    const int index = s.store.Listen.indexOfId(current);
    if (index >= 0)
        s.store.Listen.move(index);
}

} // namespace entry
