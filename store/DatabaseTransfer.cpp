// SPDX-License-Identifier: GPL-3.0-or-later
#include "DatabaseTransfer.h"

#include "Database.h"
#include "DbError.h"
#include "ListImportWriter.h"
#include "ListQueries.h"
#include "ListRepository.h"
#include "MasterData.h"
#include "RecordRepository.h"
#include "StoragePlaceRepository.h"
#include "Transaction.h"

#include <QHash>
#include <cmath>
#include <memory>

namespace store {
namespace {

// The master-data tables with every column they hold; the rows have no
// key of their own, so they are copied in the order they were stored,
// which is the order the screens fall back to for equal sort keys.
struct MasterTable {
    const char* name;
    const char* columns;
    int columnCount;
};

const MasterTable MasterTables[] = {
    {"Laender", "Landindex, Land", 2},
    {"Holzart", "Holzart, Kuerzel1, Kuerzel2, Kuerzel3, IndexRinde, Reserve, IndexLand, IndexHolzart, NL", 9},
    {"Rindenabzug", "Landindex, RindenIndex, D1, R1, D2, R2, D3, R3, D4, R4, D5, R5", 12},
    {"Gueten", "Guete", 1},
    {"Sorten", "Sorte", 1},
    {"Nutzungsart", "Nutzungsart, Kuerzel, Indx", 3},
    {"Einschlagtyp", "Einschlagtyp, Kuerzel, Indx", 3},
};

qint64 count(Database& db, const QByteArray& sql, const QString& list = QString())
{
    Statement st = db.prepare(sql);
    if (!list.isNull())
        st.bind(1, list);
    return st.step() ? st.int64(0) : 0;
}

qint64 rowsOf(Database& db, const MasterTable& table)
{
    return count(db, QByteArray("SELECT count(*) FROM ") + table.name);
}

bool differs(double a, double b)
{
    return std::abs(a - b) > 1e-6 * std::max(1.0, std::abs(a));
}

QString number(double value)
{
    return QString::number(value, 'f', 3);
}

// The differences of one list, one text each.
QStringList compare(const DatabaseTransfer::ListFigures& source, const DatabaseTransfer::ListFigures& target)
{
    QStringList found;
    const auto whole = [&](const char* what, qint64 a, qint64 b) {
        if (a != b)
            found << QStringLiteral("Liste „%1“: %2 %3 statt %4")
                         .arg(source.list, QString::fromUtf8(what))
                         .arg(b)
                         .arg(a);
    };
    const auto sum = [&](const char* what, double a, double b) {
        if (differs(a, b))
            found << QStringLiteral("Liste „%1“: %2 %3 statt %4")
                         .arg(source.list, QString::fromUtf8(what), number(b), number(a));
    };
    whole("Datensätze", source.records, target.records);
    sum("Kubatur der Datensätze", source.kubatur, target.kubatur);
    sum("Stück der Datensätze", source.stueck, target.stueck);
    sum("gespeicherte Kubatur", source.storedKubatur, target.storedKubatur);
    whole("gespeicherte Stückzahl", source.storedStueckzahl, target.storedStueckzahl);
    whole("Stapelproben", source.samples, target.samples);
    whole("Lagerorte", source.storageRows, target.storageRows);
    whole("Fotos", source.photos, target.photos);
    return found;
}

} // namespace

DatabaseTransfer::DatabaseTransfer(Database& sourceHolz, Database& sourceMaster, Database& targetHolz,
                                   Database& targetMaster)
    : m_sourceHolz(sourceHolz), m_sourceMaster(sourceMaster), m_targetHolz(targetHolz),
      m_targetMaster(targetMaster)
{
}

DatabaseTransfer::ListFigures DatabaseTransfer::figures(Database& holz, const QString& list)
{
    ListFigures figures;
    figures.list = list;
    Statement records = holz.prepare("SELECT count(*), COALESCE(SUM(Kubatur), 0), COALESCE(SUM(Stueck), 0) "
                                     "FROM Holz WHERE Liste = ?");
    records.bind(1, list);
    if (records.step()) {
        figures.records = records.int64(0);
        figures.kubatur = records.real(1);
        figures.stueck = records.real(2);
    }
    records.reset();
    if (const auto header = ListRepository(holz).find(list)) {
        figures.storedKubatur = header->Kubatur;
        figures.storedStueckzahl = header->Stueckzahl;
    }
    figures.samples = count(holz, "SELECT count(*) FROM Mantel WHERE Liste = ?", list);
    figures.storageRows = count(holz, "SELECT count(*) FROM Lager WHERE Liste = ?", list);
    figures.photos = count(
        holz, "SELECT count(*) FROM LagerFoto WHERE LagerId IN (SELECT Id FROM Lager WHERE Liste = ?)", list);
    return figures;
}

QStringList DatabaseTransfer::targetProblems() const
{
    QStringList problems;
    const qint64 lists = count(m_targetHolz, "SELECT count(*) FROM Listen");
    const qint64 records = count(m_targetHolz, "SELECT count(*) FROM Holz");
    if (lists > 0 || records > 0)
        problems << QStringLiteral(
                        "Das Ziel enthält schon %1 Holzlisten mit %2 Datensätzen; übertragen wird nur "
                        "in ein leeres Ziel.")
                        .arg(lists)
                        .arg(records);
    if (!m_replaceMasterData && !MasterData(m_targetMaster).isEmpty())
        problems << QStringLiteral(
            "Das Ziel enthält schon Stammdaten; übertragen wird nur in ein leeres Ziel. "
            "(Wurde ein Programm schon einmal mit dieser Datenbank gestartet?)");
    return problems;
}

void DatabaseTransfer::copyList(const QString& list)
{
    const auto header = ListRepository(m_sourceHolz).find(list);
    if (!header)
        return;
    ListImportWriter writer(m_targetHolz);
    if (!writer.begin(header->Liste))
        throw DbError(
            DbError::NotOurDatabase,
            QStringLiteral("Die Liste „%1“ steht im Ziel schon (zwei Listen, deren Namen sich nur in "
                           "Groß- und Kleinschreibung unterscheiden?).")
                .arg(header->Liste));
    // Samples follow their record by its new id.
    QHash<qint64, qint64> newRecordIds;
    RecordRepository(m_sourceHolz).forEachRecord(list, QString(), true, [&](const HolzRow& row) {
        newRecordIds.insert(row.Id, writer.addRecord(row));
    });
    std::vector<MantelRow> samples;
    {
        const auto& table = mantelTable();
        Statement st =
            m_sourceHolz.prepare("SELECT " + table.selectList() + " FROM Mantel WHERE Liste = ? ORDER BY Id");
        st.bind(1, list);
        while (st.step()) {
            MantelRow sample = table.read(st);
            // A sample whose record is gone keeps pointing nowhere.
            sample.HolzId = newRecordIds.value(sample.HolzId, 0);
            samples.push_back(sample);
        }
    }
    ListenRow copy = *header;
    writer.finish(copy, {}, samples);

    // Storage rows one by one, so their photos can follow them by the new id.
    StoragePlaceRepository from(m_sourceHolz);
    StoragePlaceRepository to(m_targetHolz);
    for (const LagerRow& place : from.places(list)) {
        const qint64 id = to.insert(place);
        for (LotPhotoRow photo : from.photos(place.Id)) {
            photo.LagerId = id;
            to.insertPhoto(photo);
        }
    }
}

void DatabaseTransfer::copyMasterData()
{
    for (const MasterTable& table : MasterTables) {
        if (m_replaceMasterData)
            m_targetMaster.prepare(QByteArray("DELETE FROM ") + table.name).run();
        QByteArray marks;
        for (int i = 0; i < table.columnCount; ++i)
            marks += i == 0 ? "?" : ", ?";
        Statement read = m_sourceMaster.prepare(QByteArray("SELECT ") + table.columns + " FROM " +
                                                table.name + " ORDER BY rowid");
        Statement write = m_targetMaster.prepare(QByteArray("INSERT INTO ") + table.name + " (" +
                                                 table.columns + ") VALUES (" + marks + ")");
        while (read.step()) {
            for (int i = 0; i < table.columnCount; ++i)
                write.bind(i + 1, read.value(i));
            write.run();
        }
    }
}

DatabaseTransfer::Outcome DatabaseTransfer::run()
{
    Outcome outcome;
    const bool oneTarget = &m_targetHolz == &m_targetMaster;
    Transaction holzTransaction(m_targetHolz);
    std::unique_ptr<Transaction> masterTransaction;
    if (!oneTarget)
        masterTransaction = std::make_unique<Transaction>(m_targetMaster);

    // Checked under the write lock, so no workstation can slip a list in.
    outcome.problems = targetProblems();
    if (!outcome.problems.isEmpty())
        return outcome;

    QStringList lists;
    for (const ListenRow& header : ListRepository(m_sourceHolz).all(ListenOrder::Unsorted))
        lists << header.Liste;
    for (const QString& list : lists)
        copyList(list);
    copyMasterData();
    if (m_beforeCheck)
        m_beforeCheck();

    for (const QString& list : lists) {
        const ListFigures source = figures(m_sourceHolz, list);
        const ListFigures target = figures(m_targetHolz, list);
        outcome.problems << compare(source, target);
        outcome.lists << target;
    }
    for (const MasterTable& table : MasterTables) {
        const qint64 source = rowsOf(m_sourceMaster, table);
        const qint64 target = rowsOf(m_targetMaster, table);
        if (source != target)
            outcome.problems << QStringLiteral("Stammdaten %1: %2 Zeilen statt %3")
                                    .arg(QLatin1String(table.name))
                                    .arg(target)
                                    .arg(source);
        outcome.masterRows += target;
    }
    if (!outcome.problems.isEmpty())
        return outcome; // the transactions roll back

    // Rows under a name that no list carries are no list's: they stay behind.
    for (const auto& [table, what] : {std::pair{"Holz", "Datensätze"}, std::pair{"Mantel", "Stapelproben"},
                                      std::pair{"Lager", "Lagerorte"}}) {
        const QByteArray sql = QByteArray("SELECT count(*) FROM ") + table;
        const qint64 behind = count(m_sourceHolz, sql) - count(m_targetHolz, sql);
        if (behind > 0)
            outcome.leftBehind << QStringLiteral("%1 %2 ohne Liste").arg(behind).arg(QString::fromUtf8(what));
    }

    if (masterTransaction)
        masterTransaction->commit();
    holzTransaction.commit();
    outcome.done = true;
    return outcome;
}

} // namespace store
