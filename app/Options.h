// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <array>

namespace platform {
class UserInterface;
}
namespace store {
class MasterData;
class Settings;
struct SettingKey;
} // namespace store

namespace app {

// The options window's model, and the program-wide holder of the options:
// the entry screen, the lot rules, export and import read the current
// values here (not the settings file), so a change counts at once, even a
// temporary one that is never stored.
//
// Stored at once: the record order, the region, automatic conversion.
// Stored on leaving the window: everything.
class Options : public QObject {
    Q_OBJECT
public:
    enum Check {
        chkKonvAuto,
        chkGuete,
        chkSorte,
        chkNutzung,
        chkEinschlagtyp,
        chkUebernStaerke,
        chkSortimentsliste,
        CheckCount
    };

    // The record orders of cmbSorte ("Eingabefolge", "Los,StammNr", ...).
    static const QStringList& sortEntries();
    // The export formats in the order of their numbers 1 … 7.
    static const QStringList& formatCaptions();
    static QString formatName(int number); // "optHabsys" …
    static QString checkCaption(Check check);
    static QString checkName(Check check); // "chkKonvAuto" …
    // The setting behind a check box ("KonvAuto", "Guete", ...).
    static const store::SettingKey& checkSetting(Check check);

    Options(store::Settings& settings, store::MasterData& master, platform::UserInterface& ui,
            QObject* parent = nullptr);

    // Fills the lists and sets every control from its setting.
    void Form_Load();
    // Selects the stored record order again (the entry screen may have changed it).
    void Form_Activate();

    // Controls.
    int cmbSorte() const { return m_sortIndex; } // -1: none
    const QStringList& cmbRegion() const { return m_regionNames; }
    // The Landindex of each entry of cmbRegion.
    const QList<int>& regionNumbers() const { return m_regionNumbers; }
    int regionSelected() const { return m_regionIndex; }  // -1: none
    int konvertierung() const { return m_konvertierung; } // 1 … 8; 0: none chosen
    bool isChecked(Check check) const { return m_checks[check]; }
    const QString& txtLos() const { return m_txtLos; }

    // Events.
    void cmbSorte_Click(int index);
    void cmbRegion_Click(int index);
    void optKonvertierung_Click(int number);
    void setChecked(Check check, bool checked);
    // The user typed into txtLos: up to three digits are kept.
    void setTxtLos(const QString& text);
    void Label2_Click(); // "AutoLosMax": one more
    void Label3_Click(); // "0 = AutoLos inaktiv"
    void mnuHilfe_Click();
    // Stores every option and hands back to the entry screen. False when the
    // settings file could not be written (the user was told; the options
    // stay in effect for this run).
    bool mnuZurueck_Click();
    bool storeAll();
    // False once a write since Form_Load failed, even when a later write had
    // nothing left to store: the value the user chose is not in the store.
    bool everythingStored() const { return !m_writeFailed; }

    // What the other screens read.
    int sortierung() const { return m_sortIndex; }
    // The region whose species are offered (Landindex).
    int regionIndex() const;
    bool konvAuto() const { return m_checks[chkKonvAuto]; }
    const QString& autoLosMax() const { return m_txtLos; }

signals:
    void changed();
    // Another region was chosen: the species lists must be read again.
    void regionChanged(int regionIndex);
    void nutzungVisibleChanged(bool visible);
    void einschlagtypVisibleChanged(bool visible);
    // All options were stored; screens holding copies read them again.
    void stored();
    void closeRequested();

private:
    // Stores options of the shared section in one write; unchanged values
    // leave the file alone.
    bool save(const QList<std::pair<store::SettingKey, QString>>& values);
    void reportSaveFailure();

    store::Settings* m_settings;
    store::MasterData* m_master;
    platform::UserInterface* m_ui;
    int m_sortIndex = -1;
    QStringList m_regionNames;
    QList<int> m_regionNumbers;
    int m_regionIndex = -1;
    int m_storedRegionIndex = 8;
    int m_konvertierung = 0;
    std::array<bool, CheckCount> m_checks{};
    QString m_txtLos = QStringLiteral("0");
    QString m_saveError;
    bool m_writeFailed = false;
};

} // namespace app
