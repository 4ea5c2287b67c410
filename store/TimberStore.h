// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/HolzRow.h"
#include "store/LagerRow.h"
#include "store/ListQueries.h"
#include "store/ListenRow.h"
#include "store/MantelRow.h"
#include "store/RecordSet.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace store {

class Settings;

// The list database as the recording program works with it: the shared
// record sets of the lists, of the open list's records, of its storage
// rows and stack samples, and the operations on them.
//
// `Listen` stands on the current list; the screens move it. `Holz` holds
// the records of the list opened by Holzliste_Oeffnen().
class TimberStore {
public:
    TimberStore(Database& db, Settings& settings);

    Database& database() const { return *m_db; }
    Settings& settings() const { return *m_settings; }

    RecordSet<ListenRow> Listen;
    RecordSet<HolzRow> Holz;
    RecordSet<LagerRow> Lager;
    RecordSet<MantelRow> Mantel;

    // Highest log number of the open list; 0 when it has no records.
    int HoechsteNummer = 0;
    // Set once Holzliste_Oeffnen opened the records.
    bool listOpen = false;

    // Opens the list of lists in the given order (remembered for later calls
    // without an order).
    void Listen_Oeffnen(ListenOrder order);
    void Listen_Oeffnen() { Listen_Oeffnen(m_listenOrder); }
    ListenOrder listenOrder() const { return m_listenOrder; }
    // Moves `Listen` to the list with this name (without regard to case);
    // false when there is none.
    bool moveToList(const QString& name);

    // Opens the records of the current list in the order of the setting
    // Sortierung and determines HoechsteNummer. False, with the records
    // closed, when the current list has no name (the windows say so:
    // rules::ListName::missingMessage()).
    bool Holzliste_Oeffnen();

    // Enters a lot (1..85) in the current list's lot register.
    void Los_Eintragen(int lot);
    // The lots of the current list, in slot order.
    QStringList Lose_Anzeigen() const;

    // Opens the storage rows of the current list, by lot.
    void Lager_Oeffnen();
    // Opens the samples of one stored record in their order; returns their diameters.
    QList<int> Mantel_Lesen(qint64 holzId);
    // The samples' changes, each inside the caller's transaction:
    // drops the sample at position `indx` of the record and closes the gap
    // in the positions behind it;
    void deleteSample(qint64 holzId, int indx);
    // gives the record the volume of its samples (or, with `measured`
    // false, its own volume again), marks it as a stack measured by samples
    // or not, and stamps its list as changed since the last export. Returns
    // the record's volume before; nullopt when the record is gone.
    std::optional<double> setStackVolume(qint64 holzId, double kubatur, bool measured);

private:
    Database* m_db;
    Settings* m_settings;
    ListenOrder m_listenOrder = ListenOrder::ListeDesc;
};

} // namespace store
