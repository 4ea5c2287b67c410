// SPDX-License-Identifier: GPL-3.0-or-later
#include "EldatReader.h"

#include "HolzartLookup.h"
#include "ListBuilder.h"
#include "UseCodeLookup.h"

#include "export/EldatCodes.h"
#include "export/EldatVocabulary.h"
#include "rules/BarkTable.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <cmath>

namespace importer {
namespace {

using exporter::EldatVocabulary;
using List = EldatVocabulary::List;

// Ends the reading: the file is refused with this text.
struct Refusal {
    QString text;
};

[[noreturn]] void refuse(const QString& where, const QString& what)
{
    throw Refusal{QStringLiteral("„%1“ %2").arg(where, what)};
}

// The nesting of the JSON text, counted before parsing: a document of this
// kind is a few levels deep, and a file of a million brackets must not
// reach the parser.
int depthOf(const QByteArray& bytes)
{
    int depth = 0;
    int deepest = 0;
    bool inString = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            deepest = std::max(deepest, ++depth);
        } else if (c == '}' || c == ']') {
            --depth;
        }
    }
    return deepest;
}

QString member(const QString& path, const QString& key)
{
    return path.isEmpty() ? key : path + QLatin1Char('.') + key;
}

QString item(const QString& path, qsizetype index)
{
    return QStringLiteral("%1[%2]").arg(path).arg(index);
}

QJsonObject object(const QJsonValue& value, const QString& path)
{
    if (!value.isObject())
        refuse(path, QStringLiteral("ist kein Objekt"));
    return value.toObject();
}

std::optional<QJsonObject> optionalObject(const QJsonObject& in, const QString& key, const QString& path)
{
    if (!in.contains(key))
        return std::nullopt;
    return object(in.value(key), member(path, key));
}

QJsonArray array(const QJsonObject& in, const QString& key, const QString& path, bool required)
{
    if (!in.contains(key)) {
        if (required)
            refuse(member(path, key), QStringLiteral("fehlt"));
        return {};
    }
    const QJsonValue value = in.value(key);
    if (!value.isArray())
        refuse(member(path, key), QStringLiteral("ist keine Liste"));
    return value.toArray();
}

std::optional<double> number(const QJsonObject& in, const QString& key, const QString& path, double min,
                             double max, bool required = false)
{
    if (!in.contains(key)) {
        if (required)
            refuse(member(path, key), QStringLiteral("fehlt"));
        return std::nullopt;
    }
    const QJsonValue value = in.value(key);
    if (!value.isDouble())
        refuse(member(path, key), QStringLiteral("ist keine Zahl"));
    const double n = value.toDouble();
    if (!std::isfinite(n) || n < min || n > max)
        refuse(member(path, key),
               QStringLiteral("liegt mit %1 außerhalb von %2 bis %3").arg(n).arg(min).arg(max));
    return n;
}

std::optional<QString> text(const QJsonObject& in, const QString& key, const QString& path, int maxLength,
                            bool required = false)
{
    if (!in.contains(key)) {
        if (required)
            refuse(member(path, key), QStringLiteral("fehlt"));
        return std::nullopt;
    }
    const QJsonValue value = in.value(key);
    if (!value.isString())
        refuse(member(path, key), QStringLiteral("ist kein Text"));
    const QString s = value.toString();
    if (s.size() > maxLength)
        refuse(member(path, key), QStringLiteral("ist länger als %1 Zeichen").arg(maxLength));
    return s;
}

QString code(const QJsonObject& in, const QString& key, const QString& path, List list)
{
    const QString value = *text(in, key, path, 20, true);
    if (!EldatVocabulary::contains(list, value))
        refuse(member(path, key),
               QStringLiteral("hat den unbekannten Code „%1“ (%2)").arg(value, EldatVocabulary::name(list)));
    return value;
}

int wholeNumber(double value)
{
    return int(std::lround(value));
}

// Reads one document; state of one read.
class Parser {
public:
    Parser(const exporter::EldatCodes& codes, const QSet<QString>& regionNames, ImportedList& list,
           ListBuilder& builder)
        : m_codes(codes), m_regionNames(regionNames), m_list(list), m_builder(builder)
    {
    }

    void document(const QJsonObject& root)
    {
        known(root, {"document"}, QString());
        const QJsonObject doc = object(root.value(QStringLiteral("document")), QStringLiteral("document"));
        known(doc, {"meta", "eldat"}, QStringLiteral("document"));
        const QJsonObject meta = object(doc.value(QStringLiteral("meta")), QStringLiteral("document.meta"));
        const QJsonObject version =
            object(meta.value(QStringLiteral("version")), QStringLiteral("document.meta.version"));
        const QString release =
            *text(version, QStringLiteral("code"), QStringLiteral("document.meta.version"), 20, true);
        if (!release.startsWith(QLatin1String("1.0.")))
            refuse(QStringLiteral("document.meta.version.code"),
                   QStringLiteral("nennt die Fassung %1; gelesen wird Fassung 1.0").arg(release));
        const QJsonObject eldat =
            object(doc.value(QStringLiteral("eldat")), QStringLiteral("document.eldat"));
        if (!eldat.contains(QStringLiteral("measurement_journal")))
            throw Refusal{
                QStringLiteral("Das ELDATsmart-Dokument enthält kein Messprotokoll (measurement_journal); "
                               "nur Messprotokolle werden als Liste eingelesen.")};
        for (const QString& other : eldat.keys()) {
            if (other != QLatin1String("measurement_journal"))
                lose(QStringLiteral("Teil „%1“ des Dokuments").arg(other));
        }
        journal(object(eldat.value(QStringLiteral("measurement_journal")),
                       QStringLiteral("measurement_journal")));
    }

    const QStringList& losses() const { return m_losses; }

private:
    // What the list cannot hold, each once.
    void lose(const QString& what)
    {
        if (!m_losses.contains(what))
            m_losses << what;
    }

    // Notes every member the list has no place for.
    void known(const QJsonObject& in, std::initializer_list<const char*> keys, const QString& path)
    {
        for (auto it = in.constBegin(); it != in.constEnd(); ++it) {
            bool found = false;
            for (const char* key : keys)
                found = found || it.key() == QLatin1String(key);
            if (!found)
                lose(QStringLiteral("Angabe „%1“").arg(member(genericPath(path), it.key())));
        }
    }

    // "measurement_data[3].measurer" → "measurement_data.measurer", so a
    // loss is named once for all records.
    static QString genericPath(QString path)
    {
        static const QRegularExpression index(QStringLiteral("\\[\\d+\\]"));
        return path.remove(index);
    }

    void journal(const QJsonObject& j)
    {
        const QString path = QStringLiteral("measurement_journal");
        known(j, {"other_address", "measurement_data", "status"}, path);
        if (!array(j, QStringLiteral("other_address"), path, false).isEmpty())
            lose(QStringLiteral("Weitere Anschriften des Dokuments (other_address)"));
        if (const auto status = optionalObject(j, QStringLiteral("status"), path)) {
            const QString at = member(path, QStringLiteral("status"));
            known(*status, {"creation_datetime", "statusid", "additionalinformation"}, at);
            if (const auto info = text(*status, QStringLiteral("additionalinformation"), at, 255))
                m_list.header.Zusatztext = *info;
        }
        const QJsonArray data = array(j, QStringLiteral("measurement_data"), path, true);
        if (data.isEmpty())
            refuse(member(path, QStringLiteral("measurement_data")), QStringLiteral("ist leer"));
        for (qsizetype i = 0; i < data.size(); ++i)
            measurement(object(data.at(i), item(member(path, QStringLiteral("measurement_data")), i)),
                        item(QStringLiteral("measurement_data"), i), int(i));
    }

    void measurement(const QJsonObject& m, const QString& path, int index)
    {
        known(m,
              {"measurer", "wood_id", "measurement_method", "screening_valid_to", "calibration_id",
               "calibrated_until", "measuring_medium", "measurement"},
              path);
        int lot = index + 1;
        QString place;
        const QJsonArray ids = array(m, QStringLiteral("wood_id"), path, false);
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const QString at = item(member(path, QStringLiteral("wood_id")), i);
            const QJsonObject id = object(ids.at(i), at);
            const QString type = code(id, QStringLiteral("wood_id_type"), at, List::WoodIdType);
            const QString no = *text(id, QStringLiteral("wood_id_no"), at, 30, true);
            if (type == QLatin1String("los")) {
                bool ok = false;
                lot = no.trimmed().toInt(&ok);
                if (!ok || lot < 0 || lot > 85)
                    refuse(member(at, QStringLiteral("wood_id_no")),
                           QStringLiteral("ist mit „%1“ keine Losnummer von 0 bis 85").arg(no));
            } else if (type == QLatin1String("pol")) {
                place = no.trimmed();
            } else {
                lose(QStringLiteral("Holznummer der Art „%1“ einer Messung").arg(type));
            }
        }
        QString position;
        if (const auto measurer = optionalObject(m, QStringLiteral("measurer"), path))
            position = party(*measurer, member(path, QStringLiteral("measurer")));

        const QJsonObject content =
            object(m.value(QStringLiteral("measurement")), member(path, QStringLiteral("measurement")));
        const QString at = member(path, QStringLiteral("measurement"));
        known(content, {"single_log", "multi_log", "photo_optical"}, at);
        m_lot = lot;
        m_position = position;
        const QJsonArray singles = array(content, QStringLiteral("single_log"), at, false);
        for (qsizetype i = 0; i < singles.size(); ++i)
            singleLogs(object(singles.at(i), item(member(at, QStringLiteral("single_log")), i)),
                       item(member(at, QStringLiteral("single_log")), i));
        const QJsonArray multis = array(content, QStringLiteral("multi_log"), at, false);
        for (qsizetype i = 0; i < multis.size(); ++i)
            multiLogs(object(multis.at(i), item(member(at, QStringLiteral("multi_log")), i)),
                      item(member(at, QStringLiteral("multi_log")), i));
        const QJsonArray photos = array(content, QStringLiteral("photo_optical"), at, false);
        for (qsizetype i = 0; i < photos.size(); ++i)
            piles(object(photos.at(i), item(member(at, QStringLiteral("photo_optical")), i)),
                  item(member(at, QStringLiteral("photo_optical")), i));

        if (!place.isEmpty() || !m_position.isEmpty()) {
            store::LagerRow lager;
            lager.Liste = m_list.header.Liste;
            lager.Los = lot;
            lager.GPS = m_position.left(38);
            lager.Lagerort = place.left(50);
            m_list.storage.push_back(lager);
        }
    }

    // The measuring party: the list header, from the first measurement that
    // names one; its coordinate is the lot's position.
    QString party(const QJsonObject& measurer, const QString& path)
    {
        known(measurer, {"business"}, path);
        const auto business = optionalObject(measurer, QStringLiteral("business"), path);
        if (!business)
            return QString();
        const QString at = member(path, QStringLiteral("business"));
        known(*business, {"business_data"}, at);
        const QString dataAt = member(at, QStringLiteral("business_data"));
        const QJsonObject data = object(business->value(QStringLiteral("business_data")), dataAt);
        known(data, {"name", "street", "postcode", "city", "state", "forestry", "coordinate"}, dataAt);
        const QString name = text(data, QStringLiteral("name"), dataAt, 100).value_or(QString());
        const QString street = text(data, QStringLiteral("street"), dataAt, 100).value_or(QString());
        const QString postcode = text(data, QStringLiteral("postcode"), dataAt, 10).value_or(QString());
        const QString city = text(data, QStringLiteral("city"), dataAt, 100).value_or(QString());
        QString office;
        QString district;
        if (const auto forestry = optionalObject(data, QStringLiteral("forestry"), dataAt)) {
            const QString fAt = member(dataAt, QStringLiteral("forestry"));
            known(*forestry, {"office_name", "district_name"}, fAt);
            office = text(*forestry, QStringLiteral("office_name"), fAt, 100).value_or(QString());
            district = text(*forestry, QStringLiteral("district_name"), fAt, 100).value_or(QString());
        }
        store::ListenRow& header = m_list.header;
        if (!m_headerRead) {
            m_headerRead = true;
            header.Name = name.left(50);
            header.Strasse = street.left(50);
            header.Ort = (postcode + QLatin1Char(' ') + city).trimmed().left(50);
            header.Forstamt = office.left(50);
            header.Revier = district.left(50);
        }
        const auto coordinate = optionalObject(data, QStringLiteral("coordinate"), dataAt);
        if (!coordinate)
            return QString();
        const QString cAt = member(dataAt, QStringLiteral("coordinate"));
        const double longitude = *number(*coordinate, QStringLiteral("longitude"), cAt, -180, 180, true);
        const double latitude = *number(*coordinate, QStringLiteral("latitude"), cAt, -90, 90, true);
        const QString crs = *text(*coordinate, QStringLiteral("crs"), cAt, 5, true);
        if (crs != QLatin1String("4326")) {
            lose(QStringLiteral("Positionen in einem anderen Bezugssystem als WGS 84 (EPSG %1)").arg(crs));
            return QString();
        }
        return QStringLiteral("%1, %2").arg(QString::number(latitude, 'f', 6),
                                            QString::number(longitude, 'f', 6));
    }

    void noteBlock(const QJsonObject& block, const QString& path)
    {
        if (block.contains(QStringLiteral("other_file")))
            lose(QStringLiteral("Fotos und Dateien (other_file)"));
        if (block.contains(QStringLiteral("invoice_header")))
            lose(QStringLiteral("Rechnungsangaben (invoice_header)"));
        Q_UNUSED(path);
    }

    // The date of the list: the day of its first measurement.
    void measuringData(const QJsonObject& block, const QString& path)
    {
        const QString at = member(path, QStringLiteral("measuring_data"));
        const QJsonObject data = object(block.value(QStringLiteral("measuring_data")), at);
        const QString time = *text(data, QStringLiteral("measuring_time"), at, 40, true);
        const QDate date = QDate::fromString(time.left(10), Qt::ISODate);
        if (!date.isValid())
            refuse(member(at, QStringLiteral("measuring_time")),
                   QStringLiteral("ist mit „%1“ kein Zeitpunkt").arg(time));
        if (!m_list.header.Datum.isValid())
            m_list.header.Datum = date;
    }

    void singleLogs(const QJsonObject& block, const QString& path)
    {
        known(block,
              {"measuring_data", "measuring_technique", "single_log_data", "other_file", "invoice_header"},
              path);
        noteBlock(block, path);
        measuringData(block, path);
        const QJsonArray logs = array(block, QStringLiteral("single_log_data"), path, true);
        for (qsizetype i = 0; i < logs.size(); ++i) {
            const QString at = item(member(path, QStringLiteral("single_log_data")), i);
            const QJsonObject log = object(logs.at(i), at);
            known(log,
                  {"part_no", "wood_id", "wood_definition", "real_length", "diameter", "grade_diameter_one",
                   "forest_mean_diameter", "top_diameter", "single_log_thickness_class", "single_log_text"},
                  at);
            store::HolzRow& row = addRecord();
            row.Einzelstamm = true;
            row.Nummer = stemNumber(log, at);
            if (const auto part = number(log, QStringLiteral("part_no"), at, 0, 10)) {
                row.Klammerstamm = *part == 1;
                row.Folgestamm = *part >= 2;
            }
            const Amounts amounts = definition(log, at, row);
            row.Kubatur = amounts.volume(at);
            row.Stueck = amounts.pieces.value_or(1);
            row.Laenge = number(log, QStringLiteral("real_length"), at, 0, 99.99).value_or(0);
            row.Durchm = wholeNumber(*number(log, QStringLiteral("forest_mean_diameter"), at, 0, 200, true));
            if (const auto top = number(log, QStringLiteral("top_diameter"), at, 0, 200); top && *top != 0)
                lose(QStringLiteral("Zopfdurchmesser der Stämme"));
            number(log, QStringLiteral("grade_diameter_one"), at, 0, 200);
            row.Rinde = QStringLiteral(" ");
            if (const auto diameter = optionalObject(log, QStringLiteral("diameter"), at)) {
                const QString dAt = member(at, QStringLiteral("diameter"));
                known(*diameter, {"diameter_value", "dia_measurement", "bark_thickness"}, dAt);
                if (const auto value = number(*diameter, QStringLiteral("diameter_value"), dAt, 0, 200))
                    row.Durchm = wholeNumber(*value);
                if (diameter->contains(QStringLiteral("dia_measurement")))
                    row.Rinde = barkMode(
                        code(*diameter, QStringLiteral("dia_measurement"), dAt, List::DiaMeasurement));
                // Bark deductions keep their decimals.
                row.RindenAbzug =
                    std::round(number(*diameter, QStringLiteral("bark_thickness"), dAt, 0, 10).value_or(0) *
                               100) /
                    100;
            }
            row.Staerke =
                staerke(code(log, QStringLiteral("single_log_thickness_class"), at, List::Thickness));
            if (const auto remark = text(log, QStringLiteral("single_log_text"), at, 255))
                row.Zusatztext = *remark;
        }
    }

    void multiLogs(const QJsonObject& block, const QString& path)
    {
        known(block, {"measuring_data", "measuring_technique", "aggregation_content", "invoice_header"},
              path);
        noteBlock(block, path);
        measuringData(block, path);
        const QJsonArray contents = array(block, QStringLiteral("aggregation_content"), path, true);
        for (qsizetype c = 0; c < contents.size(); ++c) {
            const QString cAt = item(member(path, QStringLiteral("aggregation_content")), c);
            const QJsonObject content = object(contents.at(c), cAt);
            known(content, {"wood_id", "aggregation_data", "other_file"}, cAt);
            noteBlock(content, cAt);
            const int nummer = stemNumber(content, cAt);
            const QJsonArray data = array(content, QStringLiteral("aggregation_data"), cAt, true);
            for (qsizetype i = 0; i < data.size(); ++i) {
                const QString at = item(member(cAt, QStringLiteral("aggregation_data")), i);
                const QJsonObject aggregate = object(data.at(i), at);
                known(aggregate,
                      {"aggregation_type", "wood_definition", "mean_length", "mean_centre_diameter",
                       "thickness_class"},
                      at);
                code(aggregate, QStringLiteral("aggregation_type"), at, List::AggregationType);
                store::HolzRow& row = addRecord();
                row.Einzelstamm = false;
                row.Nummer = nummer;
                const Amounts amounts = definition(aggregate, at, row);
                row.Laenge = number(aggregate, QStringLiteral("mean_length"), at, 0, 20).value_or(0);
                row.Durchm = wholeNumber(
                    number(aggregate, QStringLiteral("mean_centre_diameter"), at, 0, 200).value_or(0));
                if (aggregate.contains(QStringLiteral("thickness_class")))
                    row.Staerke =
                        staerke(code(aggregate, QStringLiteral("thickness_class"), at, List::Thickness));
                row.Rinde = QStringLiteral("o");
                if (amounts.isStack) {
                    stack(row, amounts, at);
                    lose(QStringLiteral("Maße der Schichtholzstapel (nicht im Dokument)"));
                } else {
                    row.Kubatur = amounts.volume(at);
                    row.Stueck = amounts.pieces.value_or(1);
                }
            }
        }
    }

    void piles(const QJsonObject& block, const QString& path)
    {
        known(block, {"measuring_data", "photo_measuring_technique", "pile_pic", "invoice_header"}, path);
        noteBlock(block, path);
        measuringData(block, path);
        const QJsonArray pics = array(block, QStringLiteral("pile_pic"), path, true);
        for (qsizetype i = 0; i < pics.size(); ++i) {
            const QString at = item(member(path, QStringLiteral("pile_pic")), i);
            const QJsonObject pile = object(pics.at(i), at);
            known(pile, {"wood_id", "square_measure", "pile_pic_data", "coordinate", "other_file"}, at);
            noteBlock(pile, at);
            const QString dAt = member(at, QStringLiteral("pile_pic_data"));
            const QJsonObject data = object(pile.value(QStringLiteral("pile_pic_data")), dAt);
            known(data, {"aggregation_type", "wood_definition", "mean_length", "thickness_class"}, dAt);
            code(data, QStringLiteral("aggregation_type"), dAt, List::AggregationType);
            const QString sAt = member(at, QStringLiteral("square_measure"));
            const QJsonObject square = object(pile.value(QStringLiteral("square_measure")), sAt);
            known(square, {"conversion_factor", "pile_front"}, sAt);
            const double factor = *number(square, QStringLiteral("conversion_factor"), sAt, 0.01, 10, true);
            const double front = *number(square, QStringLiteral("pile_front"), sAt, 0, 10000, true);

            store::HolzRow& row = addRecord();
            row.Einzelstamm = false;
            row.Nummer = stemNumber(pile, at);
            Amounts amounts = definition(data, dAt, row);
            amounts.isStack = true;
            amounts.factor = factor;
            row.Rinde = QStringLiteral("o");
            stack(row, amounts, dAt);
            // The front area as the stack's length at a height of one metre
            // keeps its stacked volume.
            row.Laenge = front;
            row.Hoehe = front > 0 ? 1 : 0;
            row.Durchm = wholeNumber(number(data, QStringLiteral("mean_length"), dAt, 0, 20).value_or(0));
            if (data.contains(QStringLiteral("thickness_class")))
                row.Staerke = staerke(code(data, QStringLiteral("thickness_class"), dAt, List::Thickness));
            lose(QStringLiteral("Länge und Höhe der Schichtholzstapel (nur die Stirnfläche im Dokument)"));
            if (m_position.isEmpty() && pile.contains(QStringLiteral("coordinate"))) {
                const QString cAt = member(at, QStringLiteral("coordinate"));
                const QJsonObject c = object(pile.value(QStringLiteral("coordinate")), cAt);
                const double longitude = *number(c, QStringLiteral("longitude"), cAt, -180, 180, true);
                const double latitude = *number(c, QStringLiteral("latitude"), cAt, -90, 90, true);
                if (*text(c, QStringLiteral("crs"), cAt, 5, true) == QLatin1String("4326"))
                    m_position = QStringLiteral("%1, %2").arg(QString::number(latitude, 'f', 6),
                                                              QString::number(longitude, 'f', 6));
            }
        }
    }

    struct Amounts {
        std::optional<double> solid; // fm
        std::optional<double> raum;  // Rm
        std::optional<double> pieces;
        bool isStack = false;
        std::optional<double> factor;
        double volume(const QString& path) const
        {
            if (solid)
                return *solid;
            if (raum)
                return *raum;
            refuse(path, QStringLiteral("hat keine Menge in Festmetern"));
        }
    };

    Amounts definition(const QJsonObject& in, const QString& path, store::HolzRow& row)
    {
        const QString at = member(path, QStringLiteral("wood_definition"));
        const QJsonObject def = object(in.value(QStringLiteral("wood_definition")), at);
        known(def, {"quality", "grade", "use", "species", "amount"}, at);
        const QString species = code(def, QStringLiteral("species"), at, List::Species);
        const QString grade = code(def, QStringLiteral("grade"), at, List::Grade);
        const QString use = code(def, QStringLiteral("use"), at, List::Use);
        const QJsonArray qualities = array(def, QStringLiteral("quality"), at, true);
        if (qualities.isEmpty())
            refuse(member(at, QStringLiteral("quality")), QStringLiteral("ist leer"));
        const QString qAt = item(member(at, QStringLiteral("quality")), 0);
        const QString quality =
            code(object(qualities.at(0), qAt), QStringLiteral("qual_type"), qAt, List::Quality);
        if (qualities.size() > 1)
            lose(QStringLiteral("Weitere Qualitäten einer Holzdefinition"));

        if (species == QLatin1String("xy")) {
            row.Holzart = QString();
        } else if (const auto name = m_codes.holzartOf(species)) {
            row.Holzart = *name;
        } else {
            row.Holzart = species;
        }
        if (!row.Holzart.isEmpty() && !m_regionNames.contains(row.Holzart) &&
            !m_list.missingSpecies.contains(row.Holzart))
            m_list.missingSpecies << row.Holzart;

        if (quality == QLatin1String("o") && !m_codes.gueteOf(quality)) {
            row.Guete = QString();
        } else if (const auto guete = m_codes.gueteOf(quality)) {
            // Letters are padded as the entry screen pads them; "-" stays.
            row.Guete = guete->size() == 1 && guete->front().isLetter()
                            ? ListBuilder::twoCharacterCode(*guete)
                            : *guete;
        } else {
            m_unmapped << QStringLiteral("Qualität „%1“").arg(quality);
        }
        if (const auto sorte = m_codes.sorteOf(grade, use))
            row.Sorte = ListBuilder::twoCharacterCode(*sorte);
        else
            m_unmapped << QStringLiteral("Sorte „%1“ (Verwendung „%2“)").arg(grade, use);

        Amounts amounts;
        const QJsonArray list = array(def, QStringLiteral("amount"), at, true);
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QString aAt = item(member(at, QStringLiteral("amount")), i);
            const QJsonObject a = object(list.at(i), aAt);
            const QString unit = code(a, QStringLiteral("amount_unit"), aAt, List::Unit);
            const double value = *number(a, QStringLiteral("amount_value"), aAt, 0, 999999, true);
            if (unit == QLatin1String("fmo") || unit == QLatin1String("cbm"))
                amounts.solid = value;
            else if (unit == QLatin1String("rmm"))
                amounts.raum = value;
            else if (unit == QLatin1String("stk"))
                amounts.pieces = value;
            else
                lose(QStringLiteral("Mengen in der Einheit „%1“").arg(unit));
        }
        amounts.isStack = amounts.raum.has_value();
        return amounts;
    }

    // Stacked wood: the solid volume is the stacked volume times the factor.
    void stack(store::HolzRow& row, const Amounts& amounts, const QString& path)
    {
        const double stacked = amounts.raum ? *amounts.raum : amounts.volume(path);
        double factor = amounts.factor.value_or(0);
        if (factor <= 0)
            factor = amounts.solid && stacked > 0 ? *amounts.solid / stacked : 1;
        factor = std::round(factor * 100) / 100;
        row.Stamm = QString::number(factor, 'g', 6).replace(QLatin1Char('.'), QLatin1Char(','));
        row.Kubatur = amounts.solid ? *amounts.solid : std::round(stacked * factor * 100) / 100;
        row.Stueck = 1;
        if (!row.isStackedWood())
            lose(QStringLiteral("Schichtholz unter einer Sorte, die keine Schichtholzsorte ist"));
    }

    int stemNumber(const QJsonObject& in, const QString& path)
    {
        const QJsonArray ids = array(in, QStringLiteral("wood_id"), path, false);
        int nummer = 0;
        for (qsizetype i = 0; i < ids.size(); ++i) {
            const QString at = item(member(path, QStringLiteral("wood_id")), i);
            const QJsonObject id = object(ids.at(i), at);
            const QString type = code(id, QStringLiteral("wood_id_type"), at, List::WoodIdType);
            const QString no = *text(id, QStringLiteral("wood_id_no"), at, 30, true);
            if (type != QLatin1String("sta")) {
                lose(QStringLiteral("Holznummer der Art „%1“").arg(type));
                continue;
            }
            bool ok = false;
            nummer = no.trimmed().toInt(&ok);
            if (!ok || nummer < 0 || nummer > 999999)
                refuse(member(at, QStringLiteral("wood_id_no")),
                       QStringLiteral("ist mit „%1“ keine Stammnummer von 0 bis 999999").arg(no));
        }
        return nummer;
    }

    store::HolzRow& addRecord()
    {
        if (qint64(m_list.records.size()) >= EldatReader::MaxRecords)
            throw Refusal{QStringLiteral("Das Dokument hat mehr als %1 Stämme und Sortimente.")
                              .arg(EldatReader::MaxRecords)};
        return m_builder.addRecord(m_lot);
    }

    static QString barkMode(const QString& measurement)
    {
        if (measurement == QLatin1String("aura") || measurement == QLatin1String("ratv") ||
            measurement == QLatin1String("ratn"))
            return QStringLiteral("a");
        if (measurement == QLatin1String("ohra") || measurement == QLatin1String("ohri"))
            return QStringLiteral("o");
        return QStringLiteral(" ");
    }

    static QString staerke(const QString& thickness)
    {
        if (thickness == QLatin1String("o"))
            return QStringLiteral("-");
        QString s = thickness;
        if (s.startsWith(QLatin1String("ch_")))
            s = s.mid(3);
        else if (s.startsWith(QLatin1Char('d')))
            s = s.mid(1);
        if (s == QLatin1String("6") || s == QLatin1String("7") || s == QLatin1String("8") ||
            s.startsWith(QLatin1String("6")))
            return QStringLiteral("6+");
        if (s == QLatin1String("1") || s == QLatin1String("2") || s == QLatin1String("3"))
            return s + QLatin1Char('a'); // a whole class read as its first half
        if (s.startsWith(QLatin1Char('4')))
            return QStringLiteral("4");
        if (s.startsWith(QLatin1Char('5')))
            return QStringLiteral("5");
        return s;
    }

public:
    QStringList m_unmapped;

private:
    const exporter::EldatCodes& m_codes;
    const QSet<QString>& m_regionNames;
    ImportedList& m_list;
    ListBuilder& m_builder;
    QStringList m_losses; // each once, in the order met
    bool m_headerRead = false;
    int m_lot = 1;
    QString m_position;
};

} // namespace

EldatReader::EldatReader(const exporter::EldatCodes& codes, const QList<store::HolzartRow>& regionSpecies)
    : m_codes(codes), m_region(regionSpecies)
{
    for (const store::HolzartRow& species : regionSpecies)
        m_regionNames.insert(species.Holzart);
}

bool EldatReader::looksLike(const QByteArray& bytes)
{
    qsizetype i = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (i < bytes.size() && (bytes[i] == ' ' || bytes[i] == '\t' || bytes[i] == '\r' || bytes[i] == '\n'))
        ++i;
    return i < bytes.size() && bytes[i] == '{';
}

QString EldatReader::listName(const QString& path)
{
    return ListBuilder::listName(QFileInfo(path).completeBaseName());
}

EldatReader::Result EldatReader::read(const QByteArray& bytes, const QString& listName) const
{
    Result result;
    if (bytes.size() > MaxBytes) {
        result.refusal = QStringLiteral("Die Datei ist größer als %1 MB.").arg(MaxBytes / (1024 * 1024));
        return result;
    }
    if (listName.isEmpty()) {
        result.refusal = QStringLiteral("Aus dem Dateinamen ergibt sich kein Listenname.");
        return result;
    }
    if (depthOf(bytes) > MaxDepth) {
        result.refusal = QStringLiteral("Das Dokument ist tiefer als %1 Ebenen verschachtelt.").arg(MaxDepth);
        return result;
    }
    QJsonParseError error;
    const QJsonDocument json =
        QJsonDocument::fromJson(bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes, &error);
    if (json.isNull()) {
        result.refusal = QStringLiteral("Die Datei ist kein JSON-Dokument (%1 bei Zeichen %2).")
                             .arg(error.errorString())
                             .arg(error.offset);
        return result;
    }
    if (!json.isObject()) {
        result.refusal = QStringLiteral("Die Datei ist kein ELDATsmart-Dokument.");
        return result;
    }

    ImportedList list;
    list.format = SourceFormat::Eldat;
    list.header.Liste = listName;
    HolzartLookup species(m_region);
    const UseCodeLookup useCodes({}, {});
    const rules::BarkTable bark;
    ListBuilder builder(list, species, useCodes, bark);
    Parser parser(m_codes, m_regionNames, list, builder);
    try {
        parser.document(json.object());
    } catch (const Refusal& refusal) {
        result.refusal = refusal.text;
        return result;
    }
    if (!parser.m_unmapped.isEmpty()) {
        parser.m_unmapped.removeDuplicates();
        result.refusal =
            QStringLiteral("Diese ELDATsmart-Codes stehen nicht in der Codetabelle eldat-codes.dat: %1. "
                           "Bitte dort eintragen.")
                .arg(parser.m_unmapped.join(QStringLiteral(", ")));
        return result;
    }
    if (list.records.empty()) {
        result.refusal = QStringLiteral("Das Messprotokoll enthält keine Stämme, Sortimente oder Stapel.");
        return result;
    }
    result.losses = parser.losses();
    result.list = std::move(list);
    return result;
}

} // namespace importer
