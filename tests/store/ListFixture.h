// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/Database.h"
#include "store/HolzRow.h"
#include "store/ListenRow.h"
#include "store/MasterRows.h"
#include "store/WorkRow.h"

#include <memory>

// Lists, records and species for the tests that read them back (the
// working copy, the reports), written straight into fresh databases.
namespace fixture {

struct Log {
    int los = 1;
    int nummer = 0; // 0: an assortment
    QString holzart = QStringLiteral("Fichte");
    QString sorte = QStringLiteral("L ");
    QString staerke = QStringLiteral("2b");
    QString guete = QStringLiteral("B ");
    double laenge = 4;
    double durchm = 30;
    double stueck = 1;
    double kubatur = 0.5;
    bool folgestamm = false;
    bool klammerstamm = false;
};

std::unique_ptr<store::Database> holzDb(const QString& path);
// Each returns the Id of what it stored; the logs are numbered in the order given.
qint64 addList(store::Database& db, const store::ListenRow& list);
qint64 addList(store::Database& db, const QString& name);
QList<qint64> addLogs(store::Database& db, const QString& list, const QList<Log>& logs);

std::unique_ptr<store::Database> masterDb(const QString& path);
// A species of `region`: name, short code, display order.
void addSpecies(store::Database& db, int region, const QString& name, const QString& code, int order);

store::HolzartRow species(const QString& name, const QString& code, int order = 0);
store::WorkRow workRow(const Log& log, const QString& list = QStringLiteral("Probe"));

} // namespace fixture
