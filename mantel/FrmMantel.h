// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>
#include <functional>
#include <optional>

namespace platform {
class UserInterface;
}
namespace rules {
class BarkTable;
}
namespace store {
class TimberStore;
}

namespace mantel {

// The entry screen's record whose stack is measured by sample diameters.
struct StackRecord {
    QString liste; // the list the record belongs to
    QString txtLaenge;
    QString txtRinde;
    QString txtHolzart;
    QString txtNummer;      // the record's number, written with each sample for the exchange files
    QString txtStueck;      // logs in the stack
    QString cmdAbzRinde;    // bark mode
    QString txtDurchmesser; // the record's own mid diameter
    QString txtSorte;
    qint64 holzId = 0; // the stored Holz row the samples belong to; 0: none
};

// What storing or removing a sample did to the record.
struct StoredSample {
    QString txtKubatur;      // the record's new volume as the field shows it
    double kubatur = 0;      // the same as a number (two decimals)
    double oldKubatur = 0;   // the stored row's volume before, for running totals
    bool rowUpdated = false; // always true once stored; kept for the screen's totals
};

// The sample-diameter window of one stored assortment record: one diameter
// at a time; each sample's volume comes from the record's length, bark and
// species, and the record's volume becomes its pieces times the mean sample
// volume. Removing the last sample gives the record the volume of its own
// length, diameter and pieces again. The samples belong to the record's
// row, whatever its number.
class FrmMantel : public QObject {
    Q_OBJECT
public:
    // barkTable: the current region's table, owned by the caller for the
    // window's lifetime.
    FrmMantel(store::TimberStore& store, const rules::BarkTable& barkTable, platform::UserInterface& ui,
              QObject* parent = nullptr);

    void setDezimalpunkt(bool dezimalpunkt) { m_dezimalpunkt = dezimalpunkt; }

    // Shows the samples already stored for the record (none for a record
    // that is not stored).
    void open(const StackRecord& record);
    // Empties the list and the fields (another record is shown).
    void clear();
    const StackRecord& record() const { return m_record; }

    const QString& txtEingabe() const { return m_eingabe; }
    void setEingabe(const QString& text);
    const QStringList& lstMantel() const { return m_samples; }
    // The sample selected in lstMantel; -1 for none. Storing selects the newest.
    int selectedSample() const { return m_selected; }
    void lstMantel_Click(int index);
    QString txtAnzahl() const { return QString::number(m_samples.size()); }

    // Stores the diameter typed into txtEingabe as one sample and the
    // record's new volume, in one transaction. An empty box does nothing;
    // a diameter outside 1 … 99 cm, a record that is not stored, or one
    // without length or pieces, is refused with a message and stores nothing.
    std::optional<StoredSample> cmdOK_Click();
    // Removes the selected sample and gives the record the volume of the
    // samples left, in one transaction; nothing when none is selected.
    std::optional<StoredSample> cmdEntfernen_Click();

    // Pieces × mean sample volume; nullopt while the stack has no sample or
    // its piece count cannot be read.
    std::optional<float> MantelKubatur() const;
    // MantelKubatur to two decimals as txtKubatur shows it; empty without samples.
    QString txtKubatur() const;

    void mnuHilfe_Click();

signals:
    void changed();
    // The record's volume changed by a stored or removed sample.
    void sampleStored(const mantel::StoredSample& sample);

private:
    bool refuse(const QString& text);
    void readSamples();
    // The record's volume for these sample volumes: pieces × mean, or the
    // record's own volume when there are none.
    std::optional<double> recordVolume(const QList<double>& volumes, int pieces);
    // Runs `change` on the samples and gives the record the volume of the
    // samples it leaves, in one transaction; nullopt (with the message
    // shown) when nothing was stored.
    std::optional<StoredSample> storeVolume(int pieces, const std::function<void()>& change);

    store::TimberStore* m_store;
    const rules::BarkTable* m_barkTable;
    platform::UserInterface* m_ui;
    bool m_dezimalpunkt = false;
    StackRecord m_record;
    QString m_eingabe;
    QStringList m_samples;
    QList<double> m_volumes; // the samples' volumes, in the order of m_samples
    int m_selected = -1;
};

} // namespace mantel
