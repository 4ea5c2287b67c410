// SPDX-License-Identifier: GPL-3.0-or-later
#include "EldatWriter.h"

#include "EldatCodes.h"
#include "ExportError.h"
#include "ExportJob.h"
#include "Fields.h"
#include "rules/GeoPosition.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QMap>
#include <QRegularExpression>
#include <cmath>

namespace exporter {
namespace {

// Values of the list are stored with two decimals; the document gets them
// as the user typed them, not as the nearest binary fraction.
double two(double value)
{
    return fields::fixed(value, 2).toDouble();
}

QString measuringTime(const store::ListenRow& list)
{
    QDate date = list.Datum;
    if (!date.isValid())
        date = list.Bearbeitet.isValid() ? list.Bearbeitet : QDate::currentDate();
    return date.toString(Qt::ISODate) + QStringLiteral("T00:00:00Z");
}

QJsonObject amount(double value, const char* unit)
{
    return QJsonObject{{QStringLiteral("amount_value"), two(value)},
                       {QStringLiteral("amount_unit"), QLatin1String(unit)}};
}

QJsonArray woodId(const char* type, const QString& number)
{
    return QJsonArray{QJsonObject{{QStringLiteral("wood_id_type"), QLatin1String(type)},
                                  {QStringLiteral("wood_id_no"), number}}};
}

// Everything the documents describe a piece of wood with; codes without a
// line in the code table are named as losses and written as "none".
QJsonObject woodDefinition(const ExportJob& job, const store::HolzRow& row, const QJsonArray& amounts)
{
    const EldatCodes& codes = *job.eldatCodes();
    QString species = QStringLiteral("xy");
    if (const auto code = codes.species(row.Holzart))
        species = *code;
    else
        job.noteLoss(QStringLiteral("Holzart „%1“ hat keinen ELDATsmart-Code").arg(row.Holzart));
    QString quality = QStringLiteral("o");
    if (const auto code = codes.quality(row.Guete))
        quality = *code;
    else if (!row.Guete.trimmed().isEmpty())
        job.noteLoss(QStringLiteral("Güte „%1“ hat keinen ELDATsmart-Code").arg(row.Guete.trimmed()));
    QString grade = QStringLiteral("xy");
    QString use = QStringLiteral("xy");
    if (const auto code = codes.assortment(row.Sorte)) {
        grade = code->grade;
        use = code->use;
    } else if (!row.Sorte.trimmed().isEmpty()) {
        job.noteLoss(QStringLiteral("Sorte „%1“ hat keinen ELDATsmart-Code").arg(row.Sorte.trimmed()));
    }
    return QJsonObject{
        {QStringLiteral("quality"),
         QJsonArray{QJsonObject{{QStringLiteral("qual_type"), quality}, {QStringLiteral("qual_rat"), 100}}}},
        {QStringLiteral("grade"), grade},
        {QStringLiteral("use"), use},
        {QStringLiteral("species"), species},
        {QStringLiteral("amount"), amounts},
    };
}

QString thickness(const ExportJob& job, const store::HolzRow& row)
{
    // "-" is the class of wood without one.
    if (row.Staerke.trimmed().isEmpty() || row.Staerke.trimmed() == QLatin1String("-"))
        return QStringLiteral("o");
    if (const auto code = EldatWriter::thicknessClass(row.Staerke, row.Durchm))
        return *code;
    job.noteLoss(QStringLiteral("Stärkeklasse „%1“ hat keine Entsprechung").arg(row.Staerke.trimmed()));
    return QStringLiteral("o");
}

// Values of a record that the documents have no place for.
void noteRecordLosses(const ExportJob& job, const store::HolzRow& row)
{
    if (!row.Abteilung.isEmpty())
        job.noteListLoss(QStringLiteral("Abteilung der Datensätze: das Format hat dafür kein Feld"));
    // Nutzung holds two index digits, "0" for none.
    if (!row.Nutzung.contains(QLatin1Char('.')) && row.Nutzung.count(QLatin1Char('0')) != row.Nutzung.size())
        job.noteListLoss(
            QStringLiteral("Nutzungsart und Einschlagtyp der Datensätze: das Format hat dafür kein Feld"));
    if (!row.Preisfaktor.isEmpty())
        job.noteListLoss(QStringLiteral("Preisfaktor der Datensätze: das Format hat dafür kein Feld"));
}

QJsonObject singleLog(const ExportJob& job, const store::HolzRow& row)
{
    QJsonArray amounts{amount(row.Kubatur, "fmo")};
    if (row.Stueck != 1)
        amounts.append(amount(row.Stueck, "stk"));
    QJsonObject log{
        {QStringLiteral("wood_id"), woodId("sta", QString::number(row.Nummer))},
        {QStringLiteral("wood_definition"), woodDefinition(job, row, amounts)},
        {QStringLiteral("real_length"), two(row.Laenge)},
        {QStringLiteral("grade_diameter_one"), row.Durchm},
        {QStringLiteral("forest_mean_diameter"), row.Durchm},
        // The top diameter is not measured here; the documents demand a
        // number, and 0 is what receivers read as "not measured".
        {QStringLiteral("top_diameter"), 0},
        {QStringLiteral("single_log_thickness_class"), thickness(job, row)},
    };
    QJsonObject diameter{{QStringLiteral("diameter_value"), row.Durchm},
                         {QStringLiteral("dia_measurement"), EldatWriter::diaMeasurement(row.Rinde)}};
    if (row.RindenAbzug > 10)
        job.noteLoss(QStringLiteral("Rindenabzug über 10 cm"));
    else
        diameter.insert(QStringLiteral("bark_thickness"), two(row.RindenAbzug));
    log.insert(QStringLiteral("diameter"), diameter);
    if (row.Klammerstamm)
        log.insert(QStringLiteral("part_no"), 1);
    else if (row.Folgestamm)
        log.insert(QStringLiteral("part_no"), 2);
    if (!row.Zusatztext.isEmpty())
        log.insert(QStringLiteral("single_log_text"), row.Zusatztext.left(255));
    return log;
}

// Assortments and stacks without a position: one aggregate each.
QJsonObject aggregate(const ExportJob& job, const store::HolzRow& row)
{
    QJsonObject data;
    if (row.isStackedWood()) {
        const double f = fields::factor(row);
        QJsonArray amounts{amount(fields::volumeBeforeFactor(row), "rmm")};
        if (f != 1)
            amounts.append(amount(row.Kubatur, "fmo"));
        data.insert(QStringLiteral("aggregation_type"), QStringLiteral("sohaqu"));
        data.insert(QStringLiteral("wood_definition"), woodDefinition(job, row, amounts));
        data.insert(QStringLiteral("thickness_class"), thickness(job, row));
        job.noteListLoss(QStringLiteral(
            "Maße der Schichtholzstapel (Länge, Breite, Höhe): das Format hat dafür kein Feld"));
    } else {
        QJsonArray amounts{amount(row.Kubatur, "fmo"), amount(row.Stueck, "stk")};
        data.insert(QStringLiteral("aggregation_type"), QStringLiteral("sohaqusk"));
        data.insert(QStringLiteral("wood_definition"), woodDefinition(job, row, amounts));
        if (row.Laenge > 20)
            job.noteLoss(QStringLiteral("Mittlere Länge über 20 m"));
        else
            data.insert(QStringLiteral("mean_length"), two(row.Laenge));
        if (row.Durchm > 200)
            job.noteLoss(QStringLiteral("Mittlerer Durchmesser über 200 cm"));
        else if (row.Durchm > 0)
            data.insert(QStringLiteral("mean_centre_diameter"), row.Durchm);
        data.insert(QStringLiteral("thickness_class"), thickness(job, row));
        if (row.RindenAbzug != 0 || row.Rinde == QLatin1String("a"))
            job.noteListLoss(QStringLiteral("Rindenabzug der Sortimente (ihr Volumen ist übertragen)"));
    }
    QJsonObject content{{QStringLiteral("aggregation_data"), QJsonArray{data}}};
    if (row.Nummer != 0)
        content.insert(QStringLiteral("wood_id"), woodId("sta", QString::number(row.Nummer)));
    return content;
}

QJsonObject pile(const ExportJob& job, const store::HolzRow& row, const QJsonObject& position)
{
    const double f = fields::factor(row);
    QJsonArray amounts{amount(fields::volumeBeforeFactor(row), "rmm")};
    if (f != 1)
        amounts.append(amount(row.Kubatur, "fmo"));
    QJsonObject data{{QStringLiteral("aggregation_type"), QStringLiteral("sohaqu")},
                     {QStringLiteral("wood_definition"), woodDefinition(job, row, amounts)}};
    if (row.Durchm > 0 && row.Durchm <= 20)
        data.insert(QStringLiteral("mean_length"),
                    two(row.Durchm)); // the depth of the stack: its billet length
    data.insert(QStringLiteral("thickness_class"), thickness(job, row));
    job.noteListLoss(
        QStringLiteral("Länge und Höhe der Schichtholzstapel (übertragen wird ihre Stirnfläche)"));
    QJsonObject pile{
        {QStringLiteral("square_measure"),
         QJsonObject{{QStringLiteral("conversion_factor"), f},
                     {QStringLiteral("pile_front"), two(row.Laenge * row.Hoehe)}}},
        {QStringLiteral("pile_pic_data"), data},
        {QStringLiteral("coordinate"), position},
    };
    if (row.Nummer != 0)
        pile.insert(QStringLiteral("wood_id"), woodId("sta", QString::number(row.Nummer)));
    return pile;
}

QByteArray compact(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// One lot's parts, serialised as the records come.
struct LotParts {
    QByteArray singles;
    QByteArray aggregates;
    QByteArray piles;
    static void append(QByteArray& to, const QJsonObject& object)
    {
        if (!to.isEmpty())
            to += ",\n";
        to += compact(object);
    }
};

struct Header {
    std::optional<QJsonObject> business; // without coordinate
};

// The list header as the measuring party, when it has a full address (the
// documents demand street, postcode and city).
std::optional<QJsonObject> businessData(const ExportJob& job)
{
    const store::ListenRow& list = job.list();
    static const QRegularExpression place(QStringLiteral("^\\s*([0-9]{4,5})\\s+(\\S.*)$"));
    const QRegularExpressionMatch match = place.match(list.Ort);
    const bool complete =
        !list.Name.trimmed().isEmpty() && !list.Strasse.trimmed().isEmpty() && match.hasMatch();
    if (!complete) {
        if (!list.Name.isEmpty() || !list.Strasse.isEmpty() || !list.Ort.isEmpty() ||
            !list.Forstamt.isEmpty() || !list.Revier.isEmpty())
            job.noteListLoss(QStringLiteral(
                "Name, Straße, Ort, Forstamt und Revier der Liste: die Anschrift ist unvollständig (Ort mit "
                "Postleitzahl)"));
        return std::nullopt;
    }
    QJsonObject data{{QStringLiteral("name"), list.Name.left(100)},
                     {QStringLiteral("street"), list.Strasse.left(100)},
                     {QStringLiteral("postcode"), match.captured(1)},
                     {QStringLiteral("city"), match.captured(2).trimmed().left(100)},
                     {QStringLiteral("state"), job.eldatCodes()->measuring().state}};
    QJsonObject forestry;
    if (!list.Forstamt.isEmpty())
        forestry.insert(QStringLiteral("office_name"), list.Forstamt.left(100));
    if (!list.Revier.isEmpty())
        forestry.insert(QStringLiteral("district_name"), list.Revier.left(100));
    if (!forestry.isEmpty())
        data.insert(QStringLiteral("forestry"), forestry);
    return data;
}

void noteHeaderLosses(const ExportJob& job)
{
    const store::ListenRow& list = job.list();
    if (!list.Abteilung.isEmpty() || !list.UAbt.isEmpty() || !list.Bestand.isEmpty())
        job.noteListLoss(QStringLiteral("Abteilung, Unterabteilung und Bestand der Liste"));
    if (!list.Lagerplatz.isEmpty())
        job.noteListLoss(QStringLiteral("Lagerplatz der Liste (die Lagerorte der Lose werden übertragen)"));
    const auto& m = job.eldatCodes()->measuring();
    if (m.calibrationId.isEmpty() || m.calibratedUntil.isEmpty())
        job.noteListLoss(QStringLiteral(
            "Kalibrierung des Messgeräts: in eldat-codes.dat nicht eingetragen, das Dokument nennt keine "
            "Kennung und als Gültigkeit das Messdatum"));
}

} // namespace

void EldatWriter::write(const ExportJob&, LineSink&) const
{
    throw ExportError(ExportError::NoFormat, QStringLiteral("ELDATsmart-Dokumente sind keine Zeilendatei"));
}

void EldatWriter::writeTo(const ExportJob& job, QIODevice& device, bool) const
{
    const QByteArray bytes = document(job);
    if (device.write(bytes) != bytes.size())
        throw ExportError(ExportError::WriteFailed, QStringLiteral("Fehler beim Schreiben der Datei"),
                          device.errorString());
}

QByteArray EldatWriter::document(const ExportJob& job)
{
    if (!job.eldatCodes())
        throw ExportError(ExportError::NoFormat, QStringLiteral("Keine ELDATsmart-Codetabelle"));
    const EldatCodes::Measuring& measuring = job.eldatCodes()->measuring();
    const QString time = measuringTime(job.list());

    // The positions and places of the lots.
    QMap<int, QJsonObject> positions;
    QMap<int, QString> places;
    for (const store::LagerRow& lager : job.storage()) {
        const int los = int(std::lround(lager.Los));
        if (!lager.GPS.trimmed().isEmpty()) {
            if (const auto position = coordinate(lager.GPS))
                positions.insert(los, *position);
            else
                job.noteListLoss(
                    QStringLiteral("GPS-Position von Los %1 („%2“) ist keine GPS-Position")
                        .arg(los)
                        .arg(lager.GPS.trimmed()));
        }
        if (!lager.Lagerort.trimmed().isEmpty()) {
            if (lager.Lagerort.trimmed().size() > 30)
                job.noteListLoss(QStringLiteral("Lagerort von Los %1 ist länger als 30 Zeichen").arg(los));
            places.insert(los, lager.Lagerort.trimmed().left(30));
        }
        if (!lager.Zusatz1.trimmed().isEmpty())
            job.noteListLoss(QStringLiteral("Zusatz des Lagerorts von Los %1").arg(los));
    }

    // What the list's header cannot give is named before the records.
    const std::optional<QJsonObject> business = businessData(job);
    noteHeaderLosses(job);

    QMap<int, LotParts> lots;
    job.walk([&](const store::HolzRow& row) {
        LotParts& lot = lots[row.Los];
        noteRecordLosses(job, row);
        if (row.isStackedWood()) {
            const auto position = positions.constFind(row.Los);
            if (position != positions.constEnd())
                LotParts::append(lot.piles, pile(job, row, *position));
            else
                LotParts::append(lot.aggregates, aggregate(job, row));
        } else if (row.Einzelstamm) {
            LotParts::append(lot.singles, singleLog(job, row));
        } else {
            LotParts::append(lot.aggregates, aggregate(job, row));
        }
    });

    QByteArray out;
    out.reserve(qsizetype(job.recordCount()) * 420 + 4096);
    out += "{\"document\":{\"meta\":{\"version\":{\"code\":\"";
    out += Version;
    out += "\"}},\n\"eldat\":{\"measurement_journal\":{\n\"other_address\":[],\n";
    if (!job.list().Zusatztext.isEmpty())
        out +=
            "\"status\":" +
            compact(QJsonObject{
                {QStringLiteral("creation_datetime"), QDateTime::currentDateTimeUtc().toString(Qt::ISODate)},
                {QStringLiteral("additionalinformation"), job.list().Zusatztext.left(255)}}) +
            ",\n";
    out += "\"measurement_data\":[\n";
    bool firstLot = true;
    for (auto it = lots.cbegin(); it != lots.cend(); ++it) {
        const int los = it.key();
        QJsonObject measurer;
        if (business) {
            QJsonObject data = *business;
            if (positions.contains(los))
                data.insert(QStringLiteral("coordinate"), positions.value(los));
            measurer.insert(QStringLiteral("business"), QJsonObject{{QStringLiteral("business_data"), data}});
        } else if (positions.contains(los)) {
            job.noteListLoss(
                QStringLiteral("GPS-Position von Los %1: ohne vollständige Anschrift der Liste kein Platz im "
                               "Dokument")
                    .arg(los));
        }
        QJsonArray ids = woodId("los", QString::number(los));
        if (places.contains(los))
            ids.append(QJsonObject{{QStringLiteral("wood_id_type"), QStringLiteral("pol")},
                                   {QStringLiteral("wood_id_no"), places.value(los)}});
        const QJsonObject head{
            {QStringLiteral("measurer"), measurer},
            {QStringLiteral("wood_id"), ids},
            {QStringLiteral("measurement_method"), measuring.method},
            {QStringLiteral("calibration_id"), measuring.calibrationId},
            {QStringLiteral("calibrated_until"),
             measuring.calibratedUntil.isEmpty() ? time
                                                 : measuring.calibratedUntil + QStringLiteral("T00:00:00Z")},
            {QStringLiteral("measuring_medium"), measuring.medium},
        };
        const QByteArray measuringData =
            compact(QJsonObject{{QStringLiteral("measuring_time"), time},
                                {QStringLiteral("measurement_no"), QString::number(los)}});
        const QByteArray technique = "\"" + measuring.technique.toUtf8() + "\"";

        QByteArray headText = compact(head);
        headText.chop(1); // the measurement follows inside the same object
        out += firstLot ? "" : ",\n";
        firstLot = false;
        out += headText;
        out += ",\n\"measurement\":{";
        const LotParts& lot = it.value();
        bool firstPart = true;
        auto part = [&](const char* key, const QByteArray& body, const char* itemsKey) {
            if (body.isEmpty())
                return;
            out += firstPart ? "\n\"" : ",\n\"";
            firstPart = false;
            out += key;
            out += "\":[{\"measuring_data\":" + measuringData;
            if (qstrcmp(key, "photo_optical") == 0)
                out += ",\"photo_measuring_technique\":" + technique;
            else
                out += ",\"measuring_technique\":" + technique;
            out += ",\"";
            out += itemsKey;
            out += "\":[\n";
            out += body;
            out += "]}]";
        };
        part("single_log", lot.singles, "single_log_data");
        part("multi_log", lot.aggregates, "aggregation_content");
        part("photo_optical", lot.piles, "pile_pic");
        out += "}}";
    }
    out += "]}}}}\n";
    return out;
}

std::optional<QJsonObject> EldatWriter::coordinate(const QString& gps)
{
    // The storage-place window's parser, so every form the user may type
    // there reaches the document.
    const rules::GeoPosition::Parsed parsed = rules::GeoPosition::parse(gps);
    if (!parsed.position)
        return std::nullopt;
    return QJsonObject{{QStringLiteral("longitude"), parsed.position->longitude()},
                       {QStringLiteral("latitude"), parsed.position->latitude()},
                       {QStringLiteral("crs"), QStringLiteral("4326")}};
}

std::optional<QString> EldatWriter::thicknessClass(const QString& staerke, double durchm)
{
    const QString s = staerke.trimmed().toLower();
    static const QStringList plain{QStringLiteral("0"),  QStringLiteral("1a"), QStringLiteral("1b"),
                                   QStringLiteral("2a"), QStringLiteral("2b"), QStringLiteral("3a"),
                                   QStringLiteral("3b"), QStringLiteral("4"),  QStringLiteral("5")};
    if (plain.contains(s))
        return QStringLiteral("d") + s;
    if (s == QLatin1String("6+") || s == QLatin1String("6")) {
        if (durchm >= 80)
            return QStringLiteral("d8");
        if (durchm >= 70)
            return QStringLiteral("d7");
        return QStringLiteral("d6");
    }
    return std::nullopt;
}

QString EldatWriter::diaMeasurement(const QString& rinde)
{
    if (rinde == QLatin1String("a"))
        return QStringLiteral("aura");
    if (rinde == QLatin1String("o"))
        return QStringLiteral("ohra");
    return QStringLiteral("mara");
}

} // namespace exporter
