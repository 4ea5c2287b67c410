// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/DataFolderSetup.h"
#include "mantel/FrmMantel.h"
#include "rules/BarkTable.h"
#include "store/RecordRepository.h"
#include "store/Database.h"
#include "store/LotRegister.h"
#include "store/MantelSamples.h"
#include "store/MasterData.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/store/TestDatabase.h"

namespace manteltest {

// One data folder with the shipped master data and a list "Polter" holding
// one stored record, the stack the samples belong to.
struct Fixture {
    TestDatabase folder;
    std::unique_ptr<store::Database> holz;
    std::unique_ptr<store::Database> master;
    std::unique_ptr<store::Settings> settings;
    std::unique_ptr<store::TimberStore> store;
    rules::BarkTable bark;
    testing::ScriptedUserInterface ui;
    qint64 holzId = 0;
    store::HolzRow stackRow;

    Fixture()
    {
        const store::DataFolder data = folder.dataFolder();
        importer::DataFolderSetup::ensure(data);
        holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
        master = store::Database::open(data.masterDb(), store::DatabaseKind::MasterData);
        settings = std::make_unique<store::Settings>(folder.file(QStringLiteral("Stemmo.ini")));
        store = std::make_unique<store::TimberStore>(*holz, *settings);
        bark = store::MasterData(*master).barkTable(8);

        store::ListenRow list;
        list.Liste = QStringLiteral("Polter");
        list.Los = store::LotRegister::initial();
        list.Konvertiert = QDate(2026, 11, 30);
        store->Listen_Oeffnen();
        store->Listen.addNew(list);
        store::HolzRow row;
        row.Liste = list.Liste;
        row.Nummer = 5;
        row.Einzelstamm = false;
        row.Holzart = QStringLiteral("Fichte");
        row.Sorte = QStringLiteral("L ");
        row.Laenge = 4;
        row.Durchm = 22;
        row.Stueck = 10;
        row.Stamm = QStringLiteral("1");
        row.Kubatur = 1.5;
        holzId = store->Holz.addNew(row);
        stackRow = row;
    }

    // A second assortment of the list; assortments all have the number 0.
    qint64 addAssortment()
    {
        store::HolzRow row = stackRow;
        row.Nummer = 0;
        return store->Holz.addNew(row);
    }

    mantel::StackRecord stack(const QString& bark = QStringLiteral("r"), qint64 id = -1) const
    {
        mantel::StackRecord r;
        r.liste = QStringLiteral("Polter");
        r.txtLaenge = QStringLiteral("4");
        r.txtRinde = QStringLiteral("0");
        r.txtHolzart = QStringLiteral("Fichte");
        r.txtNummer = QStringLiteral("5");
        r.txtStueck = QStringLiteral("10");
        r.cmdAbzRinde = bark;
        r.txtDurchmesser = QStringLiteral("22");
        r.txtSorte = QStringLiteral("L ");
        r.holzId = id < 0 ? holzId : id;
        return r;
    }

    // The stack's record as stored.
    std::optional<store::HolzRow> stored() const
    {
        std::optional<store::HolzRow> found;
        store::RecordRepository(*holz).forEachRecord(QStringLiteral("Polter"), QStringLiteral("0"), false,
                                          [&](const store::HolzRow& row) {
                                              if (row.Id == holzId)
                                                  found = row;
                                          });
        return found;
    }
    QString storedStamm() const { return stored() ? stored()->Stamm : QString(); }
    double storedKubatur() const { return stored() ? stored()->Kubatur : -1; }

    // (record, diameter, position) of the samples of these records, in their order.
    QList<QList<qint64>> samples(const QList<qint64>& records) const
    {
        QList<QList<qint64>> rows;
        for (const qint64 id : records)
            for (const store::MantelRow& sample : store::MantelSamples(*holz).ofRecord(id))
                rows << QList<qint64>{sample.HolzId, sample.Durchm, sample.Indx};
        return rows;
    }

    // The samples stored for the stack, or for no stored record.
    int sampleRows() const { return int(samples({holzId, 0}).size()); }
};

} // namespace manteltest
