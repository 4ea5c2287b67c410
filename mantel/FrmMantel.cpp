// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmMantel.h"

#include "platform/UserInterface.h"
#include "rules/Numbers.h"
#include "rules/Volume.h"
#include "store/DbError.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

namespace mantel {
namespace {

const QString Title = QStringLiteral("Mantelmessung");

std::optional<int> wholeNumber(const QString& text)
{
    const std::optional<float> value = rules::toSingle(text);
    if (!value)
        return std::nullopt;
    return rules::roundHalfEven(*value);
}

// Pieces × mean sample volume. Never divides by zero: no samples, no volume.
std::optional<float> stackVolume(const std::optional<int>& pieces, const QList<double>& volumes)
{
    if (volumes.isEmpty() || !pieces)
        return std::nullopt;
    double sum = 0;
    for (const double v : volumes)
        sum += v;
    return float(*pieces * (sum / volumes.size()));
}

// The stored volume is the two-decimal number the field shows, not the
// single-precision value widened (3.2, not 3.2000000477).
double twoDecimals(float value)
{
    return QString::number(double(rules::roundTwo(value)), 'f', 2).toDouble();
}

} // namespace

FrmMantel::FrmMantel(store::TimberStore& store, const rules::BarkTable& barkTable,
                     platform::UserInterface& ui, QObject* parent)
    : QObject(parent), m_store(&store), m_barkTable(&barkTable), m_ui(&ui)
{
}

void FrmMantel::open(const StackRecord& record)
{
    m_record = record;
    m_eingabe.clear();
    readSamples();
    emit changed();
}

void FrmMantel::readSamples()
{
    m_samples.clear();
    m_volumes.clear();
    if (m_record.holzId != 0) {
        m_store->Mantel_Lesen(m_record.holzId);
        for (int i = 0; i < m_store->Mantel.recordCount(); ++i) {
            const store::MantelRow row = m_store->Mantel.at(i);
            m_samples << QString::number(row.Durchm);
            m_volumes << row.Kubatur;
        }
    }
    m_selected = int(m_samples.size()) - 1;
}

void FrmMantel::clear()
{
    m_record = StackRecord();
    m_eingabe.clear();
    m_samples.clear();
    m_volumes.clear();
    m_selected = -1;
    emit changed();
}

void FrmMantel::setEingabe(const QString& text)
{
    if (m_eingabe == text)
        return;
    m_eingabe = text;
    emit changed();
}

void FrmMantel::lstMantel_Click(int index)
{
    const int selected = index >= 0 && index < m_samples.size() ? index : -1;
    if (selected == m_selected)
        return;
    m_selected = selected;
    emit changed();
}

bool FrmMantel::refuse(const QString& text)
{
    m_eingabe.clear();
    emit changed();
    m_ui->message({text, Title, platform::Buttons::Ok, platform::Icon::Information});
    return false;
}

std::optional<double> FrmMantel::recordVolume(const QList<double>& volumes, int pieces)
{
    if (!volumes.isEmpty())
        return twoDecimals(*stackVolume(pieces, volumes));
    // No sample left: the record's own measures count again, computed as
    // the entry screen computes an assortment.
    rules::RecordFields fields;
    fields.txtHolzart = m_record.txtHolzart;
    fields.txtSorte = m_record.txtSorte;
    fields.txtStueck = m_record.txtStueck;
    fields.txtRinde = m_record.txtRinde;
    fields.cmdAbzRinde = m_record.cmdAbzRinde;
    fields.txtDurchmesser = m_record.txtDurchmesser;
    fields.txtLaenge = m_record.txtLaenge;
    fields.optEinzelstamm = false;
    rules::RecordState state;
    QList<platform::Message> messages;
    const std::optional<float> volume = rules::Kubatur_Berechnen(
        rules::toSingle(m_record.txtDurchmesser).value_or(0.0f),
        rules::toSingle(m_record.txtLaenge).value_or(0.0f), fields, state, *m_barkTable, messages);
    if (!volume)
        return std::nullopt;
    return twoDecimals(*volume);
}

std::optional<StoredSample> FrmMantel::storeVolume(int pieces, const std::function<void()>& change)
{
    StoredSample result;
    bool recordGone = false;
    try {
        store::Transaction transaction(m_store->database());
        change();
        // The volume comes from the samples as they stand in the database,
        // read under the write lock.
        m_store->Mantel_Lesen(m_record.holzId);
        QList<double> volumes;
        for (int i = 0; i < m_store->Mantel.recordCount(); ++i)
            volumes << m_store->Mantel.at(i).Kubatur;
        result.kubatur = recordVolume(volumes, pieces).value_or(0.0);
        const std::optional<double> before =
            m_store->setStackVolume(m_record.holzId, result.kubatur, !volumes.isEmpty());
        if (before) {
            result.oldKubatur = *before;
            result.rowUpdated = true;
            transaction.commit();
        } else {
            recordGone = true; // the transaction takes the change back
        }
    } catch (const store::DbError& error) {
        m_store->Holz.refresh();
        readSamples();
        m_ui->message({error.userText(), Title, platform::Buttons::Ok, platform::Icon::Critical});
        return std::nullopt;
    }
    if (recordGone) {
        readSamples();
        refuse(QStringLiteral("Der Datensatz ist nicht mehr vorhanden."));
        return std::nullopt;
    }
    result.txtKubatur = rules::formatTwo(result.kubatur, m_dezimalpunkt);
    return result;
}

std::optional<StoredSample> FrmMantel::cmdOK_Click()
{
    const QString input = m_eingabe.trimmed();
    if (input.isEmpty())
        return std::nullopt;
    const std::optional<float> typed = rules::toSingle(input);
    const int diameter = typed ? rules::roundHalfEven(*typed) : 0;
    if (!typed || diameter < 1 || diameter > 99) {
        refuse(QStringLiteral("Durchmesser „%1“ ungültig: 1 bis 99 cm eingeben").arg(input));
        return std::nullopt;
    }
    if (m_record.liste.isEmpty()) {
        refuse(QStringLiteral("Keine Liste geöffnet"));
        return std::nullopt;
    }
    if (m_record.holzId == 0) {
        refuse(QStringLiteral("Den Datensatz zuerst speichern"));
        return std::nullopt;
    }
    const float laenge = rules::toSingle(m_record.txtLaenge).value_or(0.0f);
    if (laenge <= 0) {
        refuse(QStringLiteral("Länge des Stapels fehlt"));
        return std::nullopt;
    }
    const std::optional<int> pieces = wholeNumber(m_record.txtStueck);
    if (!pieces || *pieces < 1) {
        refuse(QStringLiteral("Stückzahl des Stapels fehlt"));
        return std::nullopt;
    }

    double abzug = rules::toSingle(m_record.txtRinde).value_or(0.0f);
    QList<platform::Message> messages;
    const float sampleVolume = rules::Kubatur_Mantelstamm(
        laenge, float(diameter), m_record.txtHolzart, m_record.cmdAbzRinde, abzug, *m_barkTable, messages);
    for (const platform::Message& message : messages)
        m_ui->message(message);

    const std::optional<StoredSample> result = storeVolume(*pieces, [&] {
        m_store->Mantel_Lesen(m_record.holzId);
        store::MantelRow row;
        row.Liste = m_record.liste;
        row.StapelNr = wholeNumber(m_record.txtNummer).value_or(0);
        row.HolzId = m_record.holzId;
        row.Durchm = diameter;
        row.Kubatur = twoDecimals(sampleVolume);
        row.Indx = m_store->Mantel.recordCount();
        m_store->Mantel.addNew(row);
    });
    if (!result)
        return std::nullopt;

    readSamples();
    m_eingabe.clear();
    emit changed();
    emit sampleStored(*result);
    m_ui->playConfirmation();
    return result;
}

std::optional<StoredSample> FrmMantel::cmdEntfernen_Click()
{
    const int index = m_selected;
    if (index < 0 || index >= m_samples.size() || m_record.holzId == 0)
        return std::nullopt;
    const std::optional<int> pieces = wholeNumber(m_record.txtStueck);
    if (!pieces || *pieces < 1) {
        refuse(QStringLiteral("Stückzahl des Stapels fehlt"));
        return std::nullopt;
    }
    const std::optional<StoredSample> result =
        storeVolume(*pieces, [&] { m_store->deleteSample(m_record.holzId, index); });
    if (!result)
        return std::nullopt;

    readSamples();
    m_selected = std::min(index, int(m_samples.size()) - 1);
    emit changed();
    emit sampleStored(*result);
    m_ui->playConfirmation();
    return result;
}

std::optional<float> FrmMantel::MantelKubatur() const
{
    return stackVolume(wholeNumber(m_record.txtStueck), m_volumes);
}

QString FrmMantel::txtKubatur() const
{
    const std::optional<float> volume = MantelKubatur();
    return volume ? rules::formatTwo(rules::roundTwo(*volume), m_dezimalpunkt) : QString();
}

void FrmMantel::mnuHilfe_Click()
{
    m_ui->openHelp(QStringLiteral("Mantel"));
}

} // namespace mantel
