// SPDX-License-Identifier: GPL-3.0-or-later
#include "PropertyRoundTripTest.h"

#include "ImportTestData.h"

#include "export/ExportDriver.h"
#include "export/ExportFormats.h"
#include "import/ImportDriver.h"
#include "store/RecordRepository.h"
#include "store/ListImportWriter.h"
#include "store/ListRepository.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"
#include "tests/support/ScriptedUserInterface.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTest>

#include <type_traits>

namespace {

using exporter::Carriage;
using exporter::Carry;

const QString Name = QStringLiteral("Zufall");

// Draws the values of one list; every value stays within what every
// format's columns hold, except the bark deduction, which reaches past the
// one column of the handheld formats on purpose.
class ListMaker {
public:
    ListMaker(quint32 seed, QStringList species) : m_random(seed), m_species(std::move(species)) {}

    int between(int low, int high) { return int(m_random.bounded(low, high + 1)); }
    bool chance(int percent) { return between(1, 100) <= percent; }
    template <class T> const T& pick(const QList<T>& items)
    {
        return items.at(between(0, int(items.size()) - 1));
    }

    QString text(int maxLength)
    {
        static const QStringList words{
            QStringLiteral("Stamm"),  QStringLiteral("Nr."),   QStringLiteral("Ähre"),
            QStringLiteral("Fäule"),  QStringLiteral("Öl"),    QStringLiteral("Süd."),
            QStringLiteral("Riss"),   QStringLiteral("Maß"),   QStringLiteral("1,5"),
            QStringLiteral("Übergr"), QStringLiteral("krumm"), QStringLiteral("Weg 3.")};
        QString result;
        while (result.size() < maxLength && !(chance(30) && !result.isEmpty()))
            result += (result.isEmpty() ? QString() : QStringLiteral(" ")) + pick(words);
        // Now and then exactly as long as the shortest field holding it.
        if (chance(20))
            result = (result + QString(maxLength, QLatin1Char('x'))).left(maxLength);
        return result.left(maxLength).trimmed();
    }
    QString code(int length)
    {
        QString result;
        for (int i = 0; i < length; ++i)
            result += QLatin1Char(pick(QList<char>{'a', 'b', '1', '2', '7', 'K', 'R'}));
        return result;
    }

    store::HolzRow record()
    {
        store::HolzRow row;
        row.Liste = Name;
        row.Los = chance(10) ? pick(QList<int>{0, 1, 85}) : between(0, 85);
        row.Holzart = pick(m_species);
        row.Guete = pick(QList<QString>{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                                        QStringLiteral("D"), QStringLiteral("BC")});
        row.Staerke = pick(QList<QString>{QStringLiteral("1a"), QStringLiteral("2b"), QStringLiteral("3"),
                                          QStringLiteral("6"), QStringLiteral("L2")});
        row.Stamm = QStringLiteral("1");
        row.Rinde = pick(QList<QString>{QStringLiteral("a"), QStringLiteral("m"), QStringLiteral("o")});
        // Quarter centimetres, as bark tables give them; now and then too wide
        // for the handheld column.
        row.RindenAbzug = chance(15) ? between(10, 15) : between(0, 39) / 4.0;
        row.Nutzung = pick(QList<QString>{QStringLiteral("23"), QStringLiteral("00")});
        row.Zusatztext = chance(30) ? QStringLiteral("") : text(40);
        row.Abteilung = chance(40) ? QStringLiteral("") : code(between(1, 8));
        if (chance(50)) {
            row.Preisart = pick(QList<QString>{QStringLiteral("€/fm"), QStringLiteral("€/Rm")});
            row.Preisfaktor =
                QStringLiteral("%1,%2").arg(between(1, 99999)).arg(between(0, 99), 2, 10, QLatin1Char('0'));
        } else {
            row.Preisart = QStringLiteral("");
            row.Preisfaktor = QStringLiteral("");
        }
        row.RF = code(between(0, 6));
        row.AArt = between(-1, 99);
        row.Rotte = code(between(0, 4));
        row.AbrNr = code(between(0, 7));
        row.EST1 = between(-1, 99);
        row.EST2 = -1;
        row.EST3 = between(0, 9);
        row.EST4 = code(between(0, 4));
        row.EST5 = code(between(0, 4));
        row.Polter = code(between(0, 4));
        row.Kubatur = between(1, 99999) / 100.0;
        row.Laenge = between(1, 999) / 10.0;
        row.Durchm = between(1, 999);

        switch (between(0, 5)) {
        case 0: // a single log, now and then bracketed
        case 1:
            row.Einzelstamm = true;
            row.Nummer = chance(10) ? pick(QList<int>{1, 99999}) : between(1, 5000);
            row.Stueck = 1;
            row.Klammerstamm = chance(20);
            row.Sorte =
                pick(QList<QString>{QStringLiteral("L "), QStringLiteral("IL"), QStringLiteral("H ")});
            break;
        case 2: // a follow-on log
            row.Einzelstamm = true;
            row.Folgestamm = true;
            row.Nummer = between(1, 5000);
            row.Stueck = 1;
            row.Sorte = QStringLiteral("L ");
            break;
        case 3: // an assortment, one piece or several
            row.Stueck = chance(20) ? 1 : pick(QList<int>{2, 12, 999, between(2, 999)});
            row.Sorte = pick(QList<QString>{QStringLiteral("L "), QStringLiteral("IL")});
            break;
        case 4: // a piece row
            row.Sorte = QStringLiteral("P ");
            row.Stueck = between(1, 999);
            row.Laenge = 0;
            row.Durchm = 0;
            row.Rinde = QStringLiteral("o");
            row.RindenAbzug = 0;
            // Below a cubic metre per hundred pieces, as the handheld column for it holds.
            row.Kubatur = between(1, int(row.Stueck) * 99) / 100.0;
            break;
        default: // stacked wood with its height and width
            row.Sorte = pick(QList<QString>{QStringLiteral("S "), QStringLiteral("IS")});
            row.Stueck = 1;
            row.Staerke = QStringLiteral("");
            row.Laenge = between(1, 99) / 10.0;
            row.Durchm = between(50, 400) / 100.0;
            row.Hoehe = between(50, 300) / 100.0;
            row.Stamm =
                pick(QList<QString>{QStringLiteral("1"), QStringLiteral("0,7"), QStringLiteral("0,55")});
            row.Rinde = QStringLiteral("o");
            row.RindenAbzug = 0;
            row.Kubatur = between(1, 49999) / 100.0;
            break;
        }
        return row;
    }

    store::ListenRow header()
    {
        store::ListenRow list;
        list.Liste = Name;
        list.Name = pick(QList<QString>{QStringLiteral("Jörg Häußler"), QStringLiteral("Forstbetrieb Süd"),
                                        QStringLiteral("Ölmühle Äbersold")});
        list.Strasse = text(30);
        list.Ort = pick(QList<QString>{QStringLiteral("Au"), QStringLiteral("Bad Tölz")});
        // Office numbers: the ABIES header has five and two columns for them.
        list.Forstamt = code(between(1, 5));
        list.Revier = code(between(1, 2));
        list.Lagerplatz = text(50);
        list.Zusatztext = text(40);
        list.Datum = QDate(2000 + between(0, 29), between(1, 12), between(1, 28));
        return list;
    }

private:
    QRandomGenerator m_random;
    QStringList m_species;
};

struct Workspace : importtest::DataFolderFixture {
    Workspace() { settings->set(store::keys::Sortierung, QStringLiteral("0")); }

    void store(store::ListenRow list, std::vector<store::HolzRow>& rows,
               const QList<store::LagerRow>& storage)
    {
        store::ListImportWriter writer(*holz);
        QVERIFY(writer.begin(list.Liste));
        int satz = 0;
        for (auto& row : rows) {
            row.SatzNr = ++satz;
            writer.addRecord(row);
        }
        writer.finish(list, {storage.begin(), storage.end()}, {});
    }

    // A list database without the list: a new one, as removing the list
    // is the lists browser's business.
    void remove()
    {
        // A server database cannot be thrown away like a file: there the list goes the usual way.
        if (folder.onServer()) {
            store::ListRepository lists(*holz);
            if (const auto list = lists.find(Name)) {
                store::Transaction transaction(*holz);
                lists.deleteList(*list);
                transaction.commit();
            }
            return;
        }
        holz.reset();
        const QString path = folder.holzDb();
        for (const QString& file : {path, path + QStringLiteral("-wal"), path + QStringLiteral("-shm")})
            QFile::remove(file);
        holz = store::Database::open(path, store::DatabaseKind::Holz);
    }

    std::vector<store::HolzRow> records()
    {
        std::vector<store::HolzRow> rows;
        store::RecordRepository(*holz).forEachRecord(Name, QStringLiteral("0"), false,
                                          [&](const store::HolzRow& row) { rows.push_back(row); });
        return rows;
    }

    QList<store::LagerRow> storage()
    {
        store::TimberStore timber(*holz, *settings);
        timber.Listen_Oeffnen();
        timber.moveToList(Name);
        timber.Lager_Oeffnen();
        QList<store::LagerRow> rows;
        for (int i = 0; i < timber.Lager.recordCount(); ++i)
            rows << timber.Lager.at(i);
        return rows;
    }
};

// What the handheld formats make of a deduction too wide for their column.
bool barkTooWide(const store::HolzRow& row)
{
    return row.RindenAbzug >= 10;
}

// Compares one record read back with the one written, field by field, as
// far as the format carries it. Returns the first difference.
QString difference(const store::HolzRow& a, const store::HolzRow& b, const exporter::ExportFormat& format)
{
    const Carriage& c = format.carries;
    const bool handheld = format.name == QLatin1String("eg10");
    const bool stack = a.isStackedWood();
    const bool piece = a.Sorte == QLatin1String("P ");
    auto check = [](bool same, const char* field, const QString& want, const QString& got) {
        return same ? QString()
                    : QStringLiteral("%1: written %2, read %3").arg(QString::fromLatin1(field), want, got);
    };
    auto num = [](double v) { return QString::number(v, 'g', 17); };
    // The same value written and read, shown as text when it differs.
    auto field = [&](const char* name, const auto& want, const auto& got) {
        if constexpr (std::is_convertible_v<decltype(want), QString>)
            return check(want == got, name, want, got);
        else
            return check(want == got, name, num(double(want)), num(double(got)));
    };
    QStringList differences{
        field("Los", a.Los, b.Los),
        field("Nummer", a.Nummer, b.Nummer),
        field("Einzelstamm", a.Einzelstamm, b.Einzelstamm),
        field("Klammerstamm", a.Klammerstamm, b.Klammerstamm),
        field("Folgestamm", a.Folgestamm, b.Folgestamm),
        field("Holzart", a.Holzart, b.Holzart),
        field("Sorte", a.Sorte, b.Sorte),
        field("Guete", a.Guete, b.Guete),
        field("Staerke", a.Staerke, b.Staerke),
        field("Laenge", a.Laenge, b.Laenge),
        field("Kubatur", a.Kubatur, b.Kubatur),
        field("Stamm", a.Stamm, b.Stamm),
        field("Rinde", a.Rinde, b.Rinde),
        field("Nutzung", a.Nutzung, b.Nutzung),
        field("Zusatztext", a.Zusatztext.left(c.remark), b.Zusatztext),
    };
    const double bark = handheld && barkTooWide(a) ? 0 : a.RindenAbzug;
    differences << field("RindenAbzug", bark, b.RindenAbzug);
    if (!a.Einzelstamm && !stack && (piece || c.assortmentPieces == Carry::ReadBack))
        differences << field("Stueck", a.Stueck, b.Stueck);
    if (!stack)
        differences << field("Durchm", a.Durchm, b.Durchm);
    if (stack && c.stackSize == Carry::ReadBack)
        differences << check(b.Durchm == a.Durchm && b.Hoehe == a.Hoehe, "Breite/Hoehe",
                             num(a.Durchm) + QLatin1Char('/') + num(a.Hoehe),
                             num(b.Durchm) + QLatin1Char('/') + num(b.Hoehe));
    if (c.prices == Carry::ReadBack)
        differences << check(b.Preisart == a.Preisart && b.Preisfaktor == a.Preisfaktor, "Preis",
                             a.Preisart + a.Preisfaktor, b.Preisart + b.Preisfaktor);
    // The transfer reader takes a record's compartment with the DekaData fields.
    if (c.recordCompartment > 0 && (handheld || c.extraFields == Carry::ReadBack))
        differences << check(b.Abteilung == a.Abteilung.left(c.recordCompartment).trimmed() ||
                                 (a.Abteilung.isEmpty() && b.Abteilung == QLatin1String(" ")),
                             "Abteilung", a.Abteilung, b.Abteilung);
    if (c.extraFields == Carry::ReadBack)
        differences << check(b.RF == a.RF && b.AArt == a.AArt && b.Rotte == a.Rotte && b.AbrNr == a.AbrNr &&
                                 b.EST1 == a.EST1 && b.EST2 == a.EST2 && b.EST3 == a.EST3 &&
                                 b.EST4 == a.EST4 && b.EST5 == a.EST5 && b.Polter == a.Polter,
                             "DekaData-Felder", a.RF + a.Rotte + a.AbrNr + a.Polter,
                             b.RF + b.Rotte + b.AbrNr + b.Polter);
    differences.removeAll(QString());
    return differences.isEmpty() ? QString() : differences.first();
}

// The losses the export must name: deductions too wide for the handheld
// formats' column, remarks longer than their field, assortments' pieces
// where a file has no field for them.
qint64 expectedLosses(const std::vector<store::HolzRow>& rows, const exporter::ExportFormat& format)
{
    const bool oneBarkColumn =
        format.name == QLatin1String("eg10") || format.name == QLatin1String("latschbacher");
    qint64 losses = 0;
    for (const auto& row : rows) {
        if (oneBarkColumn && barkTooWide(row))
            ++losses;
        if (format.carries.remark != Carriage::Whole && row.Zusatztext.size() > format.carries.remark)
            ++losses;
        if (format.carries.assortmentPieces == Carry::None && !row.Einzelstamm && !row.isStackedWood() &&
            row.Sorte != QLatin1String("P ") && row.Stueck > 1)
            ++losses;
    }
    return losses;
}

} // namespace

void TestPropertyRoundTrip::everyFormat()
{
    Workspace w;
    QStringList species;
    for (const auto& row :
         store::MasterData(*w.master).species(w.settings->number(store::keys::RegionIndex, 8)))
        species << row.Holzart;
    QVERIFY(species.size() > 5);
    // A stand-in for the ABIES converter the ABIES export starts.
    const QString programs = w.dir.file(QStringLiteral("programm"));
    const QString converter = w.dir.write(QStringLiteral("programm/abies/Eg20fis"), "#!/bin/sh\nexit 0\n");
    QFile::setPermissions(converter, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    int compared = 0;
    qsizetype nextSpecies = 0;
    for (quint32 seed = 1; seed <= 12; ++seed) {
        ListMaker make(seed, species);
        const store::ListenRow header = make.header();
        std::vector<store::HolzRow> rows;
        const int count = make.between(5, 40);
        for (int i = 0; i < count; ++i)
            rows.push_back(make.record());
        // Every species of the region in turn.
        for (auto& row : rows)
            row.Holzart = species.at(nextSpecies++ % species.size());
        QList<store::LagerRow> storage;
        for (int i = 0; i < make.between(0, 3); ++i) {
            store::LagerRow place;
            place.Liste = Name;
            place.Los = make.between(1, 85);
            place.GPS = QStringLiteral("48.%1,11.%2").arg(make.between(0, 999)).arg(make.between(0, 999));
            place.Lagerort = make.text(50);
            place.Zusatz1 = make.text(50);
            storage << place;
        }

        for (const exporter::ExportFormat& format : exporter::ExportFormats::all()) {
            // The exchange files of the handheld devices and partners; the
            // ELDATsmart document and the office lists name more losses of
            // their own and are tested on their own.
            if (format.number > 7)
                continue;
            const QByteArray where = QStringLiteral("seed %1, %2").arg(seed).arg(format.name).toUtf8();
            w.store(header, rows, storage);
            const std::vector<store::HolzRow> written = w.records();
            const QList<store::LagerRow> writtenStorage = w.storage();
            const QString path =
                w.dir.file(QStringLiteral("aus/%1/%2.%3").arg(seed).arg(Name, format.extension));
            QDir().mkpath(QFileInfo(path).absolutePath());
            testing::ScriptedUserInterface ui;
            ui.tolerateMessages(platform::Answer::Yes);
            {
                store::TimberStore timber(*w.holz, *w.settings);
                timber.Listen_Oeffnen();
                QVERIFY(timber.moveToList(Name));
                exporter::ExportDriver driver(*w.master, *w.settings, ui);
                driver.setProgramFolder(programs);
                const auto result = driver.Konvertieren(timber, path, format.number);
                QVERIFY2(result.outcome == exporter::ExportDriver::Outcome::Written,
                         where + ": " + result.errorText().toUtf8());
                QVERIFY2(result.lossCount == expectedLosses(written, format),
                         where + ": " + result.losses.join(QLatin1Char('|')).toUtf8());
            }
            w.remove();
            if (!format.readable)
                continue;

            ui.clear();
            const auto read = importer::ImportDriver(*w.holz, *w.master, *w.settings, ui).importFile(path);
            QVERIFY2(read.imported(), where + ": " + ui.messageTexts().join(QLatin1Char('|')).toUtf8());
            QVERIFY2(!read.withLosses(), where + ": " + ui.messageTexts().join(QLatin1Char('|')).toUtf8());
            store::TimberStore timber(*w.holz, *w.settings);
            timber.Listen_Oeffnen();
            QVERIFY(timber.moveToList(Name));
            const store::ListenRow back = timber.Listen.current();
            QVERIFY2(back.Name == header.Name && back.Strasse == header.Strasse && back.Ort == header.Ort &&
                         back.Lagerplatz == header.Lagerplatz && back.Zusatztext == header.Zusatztext &&
                         back.Datum == header.Datum,
                     where);
            if (format.carries.offices == Carry::ReadBack)
                QVERIFY2(back.Forstamt == header.Forstamt && back.Revier == header.Revier, where);
            const std::vector<store::HolzRow> again = w.records();
            QVERIFY2(again.size() == written.size(), where);
            for (size_t i = 0; i < again.size(); ++i) {
                const QString diff = difference(written[i], again[i], format);
                QVERIFY2(diff.isEmpty(),
                         where + ", record " + QByteArray::number(qulonglong(i + 1)) + ": " + diff.toUtf8());
                ++compared;
            }
            if (format.carries.storage == Carry::ReadBack) {
                const QList<store::LagerRow> places = w.storage();
                QVERIFY2(places.size() == writtenStorage.size(), where);
                for (qsizetype i = 0; i < places.size(); ++i)
                    QVERIFY2(places[i].Los == writtenStorage[i].Los &&
                                 places[i].GPS == writtenStorage[i].GPS &&
                                 places[i].Lagerort == writtenStorage[i].Lagerort &&
                                 places[i].Zusatz1 == writtenStorage[i].Zusatz1,
                             where);
            }
            w.remove();
        }
    }
    QVERIFY(compared > 500);
    QVERIFY(nextSpecies >= species.size());
}
