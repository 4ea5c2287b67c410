#pragma once

#include <QObject>
#include <QStringList>
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
    QString txtNummer;   // the stack's number: its samples are stored under it
    QString txtStueck;   // logs in the stack
    QString cmdAbzRinde; // bark mode
    qint64 holzId = 0;   // the stored Holz row; 0 while the record is new
};

// What storing a sample did to the record.
struct StoredSample {
    QString txtKubatur;      // the record's new volume as the field shows it
    double kubatur = 0;      // the same as a number (two decimals)
    double oldKubatur = 0;   // the stored row's volume before, for running totals
    bool rowUpdated = false; // false for a record that is not stored yet
};

// The sample-diameter window: one diameter at a time; each sample's volume
// comes from the record's length, bark and species, and the record's
// volume becomes its pieces times the mean sample volume.
class FrmMantel : public QObject {
    Q_OBJECT
public:
    // barkTable: the current region's table, owned by the caller for the
    // window's lifetime.
    FrmMantel(store::TimberStore& store, const rules::BarkTable& barkTable, platform::UserInterface& ui,
              QObject* parent = nullptr);

    void setDezimalpunkt(bool dezimalpunkt) { m_dezimalpunkt = dezimalpunkt; }

    // Shows the samples already stored for the record.
    void open(const StackRecord& record);
    // Empties the list and the fields (another record is shown).
    void clear();
    const StackRecord& record() const { return m_record; }

    const QString& txtEingabe() const { return m_eingabe; }
    void setEingabe(const QString& text);
    const QStringList& lstMantel() const { return m_samples; }
    int selectedSample() const { return m_samples.size() - 1; }
    QString txtAnzahl() const { return QString::number(m_samples.size()); }

    // Stores the diameter typed into txtEingabe as one sample and the
    // record's new volume, in one transaction. An empty box does nothing;
    // a diameter outside 1 … 99 cm, or a record without length or pieces,
    // is refused with a message and stores nothing.
    std::optional<StoredSample> cmdOK_Click();

    // Pieces × mean sample volume; nullopt while the stack has no sample or
    // its piece count cannot be read.
    std::optional<float> MantelKubatur() const;
    // MantelKubatur to two decimals as txtKubatur shows it; empty without samples.
    QString txtKubatur() const;

    void mnuHilfe_Click();

signals:
    void changed();
    void sampleStored(const mantel::StoredSample& sample);

private:
    bool refuse(const QString& text);
    void openSamples();

    store::TimberStore* m_store;
    const rules::BarkTable* m_barkTable;
    platform::UserInterface* m_ui;
    bool m_dezimalpunkt = false;
    StackRecord m_record;
    QString m_eingabe;
    QStringList m_samples;
    QList<double> m_volumes; // the samples' volumes, in the order of m_samples
};

} // namespace mantel
