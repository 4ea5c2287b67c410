// SPDX-License-Identifier: GPL-3.0-or-later
#include "TimberStore.h"

#include "JetCollation.h"
#include "ListRepository.h"
#include "LotRegister.h"
#include "MantelSamples.h"
#include "RecordRepository.h"
#include "SettingKeys.h"

#include <QDate>
#include <algorithm>

namespace store {

TimberStore::TimberStore(Database& db, Settings& settings)
    : Listen(db, listenTable()), Holz(db, holzTable()), Lager(db, lagerTable()), Mantel(db, mantelTable()),
      m_db(&db), m_settings(&settings)
{
}

void TimberStore::Listen_Oeffnen(ListenOrder order)
{
    m_listenOrder = order;
    ListRepository(*m_db).openInOrder(Listen, order);
}

bool TimberStore::moveToList(const QString& name)
{
    for (int i = 0; i < Listen.recordCount(); ++i) {
        if (jet::equal(Listen.at(i).Liste, name)) {
            Listen.move(i);
            return true;
        }
    }
    return false;
}

bool TimberStore::Holzliste_Oeffnen()
{
    Holz.close();
    const ListenRow list = Listen.hasCurrent() ? Listen.current() : ListenRow();
    if (list.Liste.isEmpty())
        return false;
    const RecordRepository records(*m_db);
    HoechsteNummer = records.highestNumber(list.Liste);
    records.openRecords(Holz, list.Liste, m_settings->get(keys::Sortierung), list.Kubatur == 0);
    listOpen = true;
    return true;
}

void TimberStore::Los_Eintragen(int lot)
{
    ListenRow list = Listen.current();
    const QString reg = LotRegister::entered(list.Los, lot);
    if (reg == list.Los)
        return;
    list.Los = reg;
    Listen.update(list);
}

QStringList TimberStore::Lose_Anzeigen() const
{
    if (!Listen.hasCurrent())
        return {};
    return LotRegister::lots(Listen.current().Los);
}

void TimberStore::Lager_Oeffnen()
{
    const QString list = Listen.hasCurrent() ? Listen.current().Liste : QString();
    Lager.open("SELECT Id FROM Lager WHERE Liste = ? ORDER BY Los, Id", {list});
}

QList<int> TimberStore::Mantel_Lesen(qint64 holzId)
{
    Mantel.open("SELECT Id FROM Mantel WHERE HolzId = ? ORDER BY Indx, Id", {holzId});
    QList<int> diameters;
    for (int i = 0; i < Mantel.recordCount(); ++i)
        diameters << Mantel.at(i).Durchm;
    return diameters;
}

void TimberStore::deleteSample(qint64 holzId, int indx)
{
    MantelSamples(*m_db).remove(holzId, indx);
    Mantel.refresh();
}

std::optional<double> TimberStore::setStackVolume(qint64 holzId, double kubatur, bool measured)
{
    const std::optional<RecordRepository::StackBefore> before =
        RecordRepository(*m_db).setStackVolume(holzId, kubatur, measured);
    if (!before)
        return std::nullopt;
    ListRepository(*m_db).stampChanged(before->list, QDate::currentDate());
    Holz.refresh();
    Listen.refresh();
    return before->kubatur;
}

} // namespace store
