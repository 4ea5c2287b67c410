// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/HolzRow.h"
#include "store/LagerRow.h"
#include "store/ListenRow.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "tests/store/TestDatabase.h"

#include <memory>

// A list database, master data of region 8 and a settings file in a fresh
// folder (the databases on the test server when there is one), with the list that every format's golden file was checked on.
class ExportFixture {
public:
    ExportFixture();

    // The golden list "Probe": single logs (bracketed, follow-on, one with
    // three pieces), an assortment, an "H " assortment numbered 1, stacks
    // "S " and "IS" with factors 1 and 0.7, piece rows (one of 1500), two
    // logs of a species the region does not know, umlauts, remarks, prices
    // of every kind and transfer fields. `withBigPieceRow` false leaves out
    // the 1500-piece row, which the timber formats cannot hold.
    static QList<store::HolzRow> goldenRecords(bool withBigPieceRow = true);
    static store::ListenRow goldenHeader();
    // A single log of lot `los` with the usual values of a spruce log.
    static store::HolzRow log(int los, int nummer, const char* holzart, const char* guete,
                              const char* staerke, double laenge, double durchm, const char* rinde, int abzug,
                              double kubatur);
    static QList<store::LagerRow> goldenStorage();

    // Stores a list with its records and storage rows; SatzNr and Liste are
    // filled in, the stored total is the sum of the volumes.
    void addList(store::ListenRow header, QList<store::HolzRow> records,
                 const QList<store::LagerRow>& storage = {});
    // Opens the lists and stands on `name`.
    bool select(const QString& name);
    store::ListenRow listRow(const QString& name);

    TestDatabase dir;
    std::unique_ptr<store::Database> holz;
    std::unique_ptr<store::Database> master;
    store::Settings settings;
    store::TimberStore timber;
};
