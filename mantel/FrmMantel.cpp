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
    openSamples();
    m_samples.clear();
    m_volumes.clear();
    for (int i = 0; i < m_store->Mantel.recordCount(); ++i) {
        const store::MantelRow row = m_store->Mantel.at(i);
        m_samples << QString::number(row.Durchm);
        m_volumes << row.Kubatur;
    }
    emit changed();
}

void FrmMantel::openSamples()
{
    m_store->Mantel.open("SELECT Id FROM Mantel WHERE Liste = ? AND StapelNr = ? ORDER BY Indx, Id",
                         {m_record.liste, wholeNumber(m_record.txtNummer).value_or(0)});
}

void FrmMantel::clear()
{
    m_record = StackRecord();
    m_eingabe.clear();
    m_samples.clear();
    m_volumes.clear();
    emit changed();
}

void FrmMantel::setEingabe(const QString& text)
{
    if (m_eingabe == text)
        return;
    m_eingabe = text;
    emit changed();
}

bool FrmMantel::refuse(const QString& text)
{
    m_eingabe.clear();
    emit changed();
    m_ui->message({text, Title, platform::Buttons::Ok, platform::Icon::Information});
    return false;
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

    int abzug = wholeNumber(m_record.txtRinde).value_or(0);
    QList<platform::Message> messages;
    const float sampleVolume = rules::Kubatur_Mantelstamm(
        laenge, float(diameter), m_record.txtHolzart, m_record.cmdAbzRinde, abzug, *m_barkTable, messages);
    for (const platform::Message& message : messages)
        m_ui->message(message);

    QList<double> volumes = m_volumes;
    volumes << twoDecimals(sampleVolume);
    StoredSample result;
    result.kubatur = twoDecimals(*stackVolume(pieces, volumes));
    result.txtKubatur = rules::formatTwo(result.kubatur, m_dezimalpunkt);

    try {
        store::Database& db = m_store->database();
        store::Transaction transaction(db);
        openSamples();
        store::MantelRow row;
        row.Liste = m_record.liste;
        row.StapelNr = wholeNumber(m_record.txtNummer).value_or(0);
        row.Durchm = diameter;
        row.Kubatur = volumes.last();
        row.Indx = int(m_samples.size());
        m_store->Mantel.addNew(row);
        if (m_record.holzId != 0) {
            store::Statement old = db.prepare("SELECT Kubatur FROM Holz WHERE Id = ?");
            old.bind(1, m_record.holzId);
            if (old.step()) {
                result.oldKubatur = old.real(0);
                store::Statement update = db.prepare("UPDATE Holz SET Kubatur = ? WHERE Id = ?");
                update.bindAll(result.kubatur, m_record.holzId);
                update.run();
                // The list changed since its last export.
                store::Statement stamp =
                    db.prepare("UPDATE Listen SET Konvertiert = NULL, Bearbeitet = ? WHERE Liste = ?");
                stamp.bindAll(QDate::currentDate(), m_record.liste);
                stamp.run();
                result.rowUpdated = true;
            }
        }
        transaction.commit();
    } catch (const store::DbError& error) {
        m_ui->message({error.userText(), Title, platform::Buttons::Ok, platform::Icon::Critical});
        return std::nullopt;
    }
    if (result.rowUpdated) {
        m_store->Holz.refresh();
        m_store->Listen.refresh();
    }

    m_samples << QString::number(diameter);
    m_volumes = volumes;
    m_eingabe.clear();
    emit changed();
    emit sampleStored(result);
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
