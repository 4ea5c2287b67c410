// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/FrmHolz.h"
#include "header/FrmListendaten.h"
#include "store/Database.h"
#include "store/HolzRow.h"
#include "store/ListenRow.h"
#include "store/Settings.h"
#include "tests/support/ScriptedUserInterface.h"
#include "store/DataFolder.h"
#include "tests/store/TestDatabase.h"

#include <functional>
#include <memory>

// Test texts are UTF-8 literals.
inline QString u(const char* text)
{
    return QString::fromUtf8(text);
}

// A data folder with the shipped master data and the entry screen loaded
// on it, decimal comma, no list yet. The lists and master data are the
// folder's files, or a schema of their own on the server named by
// STEMMO_TEST_DATABASE.
struct EntryFixture {
    TestDatabase folder;
    std::unique_ptr<store::Database> holz;
    std::unique_ptr<store::Database> master;
    std::unique_ptr<store::Settings> settings;
    testing::ScriptedUserInterface ui;
    std::unique_ptr<entry::FrmHolz> form;

    EntryFixture();
    // The data folder as the programs see it, with the server when there is one.
    store::DataFolder dataFolder() const;
    const entry::EntryControls& c() const { return form->controls(); }
    const rules::RecordFields& record() const { return form->record(); }

    // Creates a list through the header dialog; the screen opens it.
    void newList(const QString& name);
    // Types keys as the keyboard sends them: digits, ',', 'E' Enter, 'X' Esc.
    void type(const QString& keys);
    // A letter key with modifiers ("Shift+S" chooses an assortment).
    void letter(char key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void chooseSpecies(const QString& species);
    // Field entry: selects the field by its button and types the value on the keypad.
    void field(const QString& feld, const QString& value);
    // A complete log of the open list: species, grade, assortment, buffer, Enter.
    void log(const QString& buffer, const QString& species = QStringLiteral("Fichte"),
             const QString& grade = QStringLiteral("B "), const QString& sorte = QStringLiteral("L "));

    // Database views: the records in entry order, the list row.
    QList<store::HolzRow> records(const QString& list) const;
    store::ListenRow listRow(const QString& list) const;
    // A record of spruce, grade B, 4 m, 25 cm: a single log when it has a number.
    static store::HolzRow recordRow(const QString& list, int los, int nummer, double kubatur,
                                    double stueck = 1, const QString& sorte = QStringLiteral("L "),
                                    bool folgestamm = false);
    void insertRecord(const QString& list, int los, int nummer, double kubatur, double stueck = 1,
                      const QString& sorte = QStringLiteral("L "), bool folgestamm = false);
    // Writes past the screen, as another program would: a record as it
    // stands, a change to every record of a list, a change to a list row.
    void insertRow(const store::HolzRow& row);
    void changeRecords(const QString& list, const std::function<void(store::HolzRow&)>& change);
    void changeListRow(const QString& list, const std::function<void(store::ListenRow&)>& change);
};
