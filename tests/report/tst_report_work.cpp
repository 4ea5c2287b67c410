// SPDX-License-Identifier: GPL-3.0-or-later
// The documents and the window model of the report program, made from its working copy.
#include "tests/store/ListFixture.h"

#include "report/AssortmentSummary.h"
#include "report/DocxPackage.h"
#include "report/Form1.h"
#include "report/WordDocument.h"
#include "report/WordExport.h"
#include "report/WorkCopy.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/ListRepository.h"
#include "store/RecordRepository.h"
#include "tests/store/StoreFaults.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QXmlStreamReader>

using namespace report;
using fixture::Log;
using platform::Answer;

namespace {

// A list with single logs and assortments entered out of order.
void mixedList(store::Database& db, const QString& name)
{
    fixture::addList(db, name);
    fixture::addLogs(db, name,
                     {Log{.los = 2, .nummer = 3},
                      Log{.los = 1, .nummer = 0, .holzart = QStringLiteral("Kiefer"), .laenge = 5},
                      Log{.los = 1, .nummer = 7},
                      Log{.los = 2, .nummer = 0, .holzart = QStringLiteral("Buche"), .laenge = 3},
                      Log{.los = 1, .nummer = 0, .holzart = QStringLiteral("Buche"), .laenge = 4},
                      Log{.los = 1, .nummer = 2},
                      Log{.los = 2, .nummer = 0, .holzart = QStringLiteral("Ahorn"), .laenge = 6}});
}

QByteArray part(const QByteArray& docx, const QString& name)
{
    for (const auto& [partName, bytes] : DocxPackage::unpack(docx))
        if (partName == name)
            return bytes;
    return {};
}

// Every part must be well-formed XML, or a word processor refuses the file.
bool wellFormed(const QByteArray& docx, QString* problem)
{
    const auto parts = DocxPackage::unpack(docx);
    if (parts.size() < 8) {
        *problem = QStringLiteral("only %1 parts").arg(parts.size());
        return false;
    }
    for (const auto& [name, bytes] : parts) {
        if (name.startsWith(QLatin1String("word/media/")))
            continue;
        QXmlStreamReader xml(bytes);
        while (!xml.atEnd())
            xml.readNext();
        if (xml.hasError()) {
            *problem = name + QStringLiteral(": ") + xml.errorString();
            return false;
        }
    }
    return true;
}

} // namespace

class TestReportWork : public QObject {
    Q_OBJECT
private slots:
    void summaryFromTheListDatabaseEqualsTheWorkingCopy()
    {
        // Random lists with the cases that decide names and order: species in
        // and outside the region, in other case, codes with and without their
        // blank, follow-on pieces, assortments without pieces.
        TestDatabase folder;
        auto holz = fixture::holzDb(folder.holz());
        auto workDb = store::Database::open(folder.file(QStringLiteral("vorl.db")), store::DatabaseKind::Work);
        WorkCopy work(*workDb);
        const QList<store::HolzartRow> region{fixture::species(QStringLiteral("Kiefer"), QStringLiteral("KI"), 0),
                                              fixture::species(QStringLiteral("Fichte"), QStringLiteral("FI"), 1)};
        const QStringList species{QStringLiteral("Fichte"), QStringLiteral("fichte"), QStringLiteral("Kiefer"),
                                  QStringLiteral("Zeder"), QStringLiteral("Eibe")};
        const QStringList sorten{QStringLiteral("L "), QStringLiteral("L"), QStringLiteral("IL"), QStringLiteral("l ")};
        const QStringList gueten{QStringLiteral("B "), QStringLiteral("B"), QStringLiteral("C "), QStringLiteral("BC")};
        const QStringList staerken{QStringLiteral("2b"), QStringLiteral("3a"), QStringLiteral("2B")};
        QRandomGenerator random(20261207);
        for (int list = 0; list < 20; ++list) {
            const QString name = QStringLiteral("Zufall%1").arg(list);
            fixture::addList(*holz, name);
            QList<Log> logs;
            for (int i = 0; i < 60; ++i) {
                Log log;
                log.los = random.bounded(1, 4);
                log.nummer = random.bounded(3) == 0 ? 0 : random.bounded(1, 30);
                log.holzart = species.at(random.bounded(int(species.size())));
                log.sorte = sorten.at(random.bounded(int(sorten.size())));
                log.guete = gueten.at(random.bounded(int(gueten.size())));
                log.staerke = staerken.at(random.bounded(int(staerken.size())));
                log.laenge = random.bounded(3, 6);
                log.durchm = random.bounded(20, 40);
                log.stueck = log.nummer ? 1 : random.bounded(0, 12);
                log.kubatur = random.bounded(1, 300) / 100.0;
                log.folgestamm = random.bounded(5) == 0;
                logs << log;
            }
            fixture::addLogs(*holz, name, logs);
            work.takeOver(*holz, name);
            const auto fromCopy = AssortmentSummary::build(name, region, work.rows());
            const auto fromDatabase = AssortmentSummary::build(name, region, *holz);
            QCOMPARE(fromDatabase.text(true), fromCopy.text(true));
            QCOMPARE(fromDatabase.lineCount(), fromCopy.lineCount());
            QCOMPARE(fromDatabase.species().size(), fromCopy.species().size());
            for (int i = 0; i < fromCopy.species().size(); ++i)
                QCOMPARE(fromDatabase.species().at(i).name, fromCopy.species().at(i).name);
        }
    }

    void documentsPerLot()
    {
        TestDatabase folder;
        auto holz = fixture::holzDb(folder.holz());
        auto workDb =
            store::Database::open(folder.file(QStringLiteral("vorl.db")), store::DatabaseKind::Work);
        fixture::addList(*holz, QStringLiteral("Probe"));
        fixture::addLogs(*holz, QStringLiteral("Probe"),
                         {Log{.los = 3, .nummer = 1}, Log{.los = 1, .nummer = 2}, Log{.los = 2, .nummer = 3},
                          Log{.los = 0, .nummer = 4}});
        WorkCopy work(*workDb);
        work.takeOver(*holz, QStringLiteral("Probe"));
        WordExport::Options options;
        options.folder = folder.file(QStringLiteral("docs"));
        options.heading = QStringLiteral("Verkauf");

        options.losweise = true;
        const QStringList lots = WordExport(*holz, work, {}).write(holzList(*holz), options);
        QStringList names;
        for (const QString& path : lots)
            names << QFileInfo(path).fileName();
        // Lot 0 is a lot too: none of the records may be missing from the documents.
        QCOMPARE(names, (QStringList{QStringLiteral("ProbeLos0.docx"), QStringLiteral("ProbeLos1.docx"),
                                     QStringLiteral("ProbeLos2.docx"), QStringLiteral("ProbeLos3.docx")}));
        QCOMPARE(work.count(), 4); // the whole list again
        QFile second(lots.at(2));
        QVERIFY(second.open(QIODevice::ReadOnly));
        const QByteArray docx = second.readAll();
        QVERIFY(part(docx, QStringLiteral("word/header1.xml")).contains("Los 2"));
        QCOMPARE(part(docx, QStringLiteral("word/document.xml")).count("<w:tr>"),
                 3); // head, record, closing row

        options.losweise = false;
        const QStringList whole = WordExport(*holz, work, {}).write(holzList(*holz), options);
        QCOMPARE(whole, QStringList{QDir(options.folder).filePath(QStringLiteral("Probe.docx"))});

        // A list without records gives no document at all.
        {
            store::RecordRepository records(*holz);
            QList<qint64> ids;
            records.forEachRecord(QStringLiteral("Probe"), QStringLiteral("0"), false,
                                  [&ids](const store::HolzRow& row) { ids << row.Id; });
            records.deleteRecords(ids);
        }
        work.takeOver(*holz, QStringLiteral("Probe"));
        QVERIFY(QFile::remove(whole.first()));
        QVERIFY(WordExport(*holz, work, {}).write(holzList(*holz), options).isEmpty());
        QVERIFY(!QFile::exists(whole.first()));
    }

    void documentContent()
    {
        WordDocument::Content content;
        content.heading = QStringLiteral("Verkauf <Süd> & \"Nord\"");
        content.list.Liste = QStringLiteral("Säge & Co <1>\x01");
        content.list.Name = QStringLiteral("O'Neill");
        content.today = QDate(2026, 12, 6);
        content.codes = HolzartCodes({fixture::species(QStringLiteral("Fichte"), QStringLiteral("FI"))});
        for (int i = 0; i < 120; ++i)
            content.rows << fixture::workRow(
                Log{.nummer = i + 1,
                    .holzart = i == 7 ? QStringLiteral("Douglasie") : QStringLiteral("Fichte"),
                    .kubatur = 0.25,
                    .folgestamm = i == 5,
                    .klammerstamm = i == 5});
        content.summary = AssortmentSummary::build(content.list.Liste, {}, content.rows);
        // Photos on request: a phone-sized PNG goes in as a smaller JPEG, a
        // missing file is named, each lot starts a page.
        testing::TestFolder folder;
        QImage big(2400, 1200, QImage::Format_RGB32);
        big.fill(Qt::darkGreen);
        const QString png = folder.file(QStringLiteral("gross.png"));
        QVERIFY(big.save(png));
        content.places.photos = {{1, png, QStringLiteral("14.03.2026 09:26")},
                                 {2, folder.file(QStringLiteral("weg.jpg")), QStringLiteral("verschwunden")}};
        QVERIFY(!part(WordDocument::build(content), QStringLiteral("word/document.xml")).contains("Fotos von Los"));
        content.photoPages = true;
        const QByteArray docx = WordDocument::build(content);
        QString problem;
        QVERIFY2(wellFormed(docx, &problem), qPrintable(problem));
        const QImage picture = QImage::fromData(part(docx, QStringLiteral("word/media/picture1.jpeg")), "JPEG");
        QCOMPARE(picture.size(), QSize(1600, 800));
        QVERIFY(part(docx, QStringLiteral("word/media/picture2.jpeg")).isEmpty());
        QVERIFY(part(docx, QStringLiteral("word/_rels/document.xml.rels"))
                    .contains("Id=\"rIdPicture1\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/"
                              "relationships/image\" Target=\"media/picture1.jpeg\""));
        QVERIFY(part(docx, QStringLiteral("[Content_Types].xml")).contains("Extension=\"jpeg\" ContentType=\"image/jpeg\""));

        const QByteArray body = part(docx, QStringLiteral("word/document.xml"));
        // 120 records: tables of 50, 50 and 20 records with a head row and an
        // empty closing row each (52 rows for a full page), a new page for each.
        QCOMPARE(body.count("<w:tbl>"), 3);
        QCOMPARE(body.count("<w:tr>"), 126);
        const qsizetype firstTableEnd = body.indexOf("</w:tbl>");
        QCOMPARE(body.left(firstTableEnd).count("<w:tr>"), 52);
        QCOMPARE(body.count("<w:pageBreakBefore/>"), 4);
        QCOMPARE(body.count("r:embed=\"rIdPicture1\""), 1);
        // 15 cm wide at most, the height in proportion (EMU, 360000 to the cm).
        const QRegularExpressionMatch extent =
            QRegularExpression(QStringLiteral("<wp:extent cx=\"(\\d+)\" cy=\"(\\d+)\"/>")).match(QString::fromUtf8(body));
        QVERIFY(qAbs(extent.captured(1).toInt() - 15 * 360000) < 2000);
        QVERIFY(qAbs(extent.captured(1).toInt() - 2 * extent.captured(2).toInt()) < 2000);
        QVERIFY(body.contains(">Fotos von Los 2<") && body.contains("Foto fehlt: ") && body.contains(">verschwunden<"));
        QCOMPARE(body.count("<w:top w:val=\"nil\"/>"), 3);
        QVERIFY(body.contains(">K*F*FI<"));
        QVERIFY(body.contains(">Dou<"));
        QVERIFY(body.contains("Kubatur   : 30,00 fm"));
        QVERIFY(body.contains("Stückzahl : 119"));
        QVERIFY(body.contains("Sortenzusammenstellung zu Holzliste Säge &amp; Co &lt;1&gt;"));
        QVERIFY(!body.contains('\x01'));
        const QByteArray header = part(docx, QStringLiteral("word/header1.xml"));
        QVERIFY(header.contains("Verkauf &lt;Süd&gt; &amp; &quot;Nord&quot;"));
        QVERIFY(header.contains("Datum  06.12.2026"));
        QVERIFY(part(docx, QStringLiteral("word/footer1.xml")).contains(" PAGE "));
        QVERIFY(part(docx, QStringLiteral("word/document.xml")).contains("w:w=\"11906\" w:h=\"16838\""));
    }

    // The window model with a scripted user.
    void startsWithDefaultDatabase()
    {
        Session s;
        QCOMPARE(s.form->databasePath(), s.folder.holz());
        QVERIFY(s.form->caption().startsWith(QStringLiteral("Holzlisten Stemora  -  Version ")));
        // No heading typed yet: the documents are headed by the list's name.
        QCOMPARE(s.form->txtUeberschrift(), QString());
        QVERIFY(s.form->mnuLosweiseChecked());
        s.ui.expectMessage(QStringLiteral("Fehler Datenbank öffnen"));
        s.form->Form_Activate();
        QVERIFY(s.ui.done());
        QVERIFY(!s.form->cmdUebernehmenEnabled());
        QVERIFY(!s.form->cmdDruckenEnabled());
        // Nothing was created where the database was expected.
        QVERIFY(!QFile::exists(s.folder.holz()));
        s.ui.expectMessage(QStringLiteral("Keine Liste ausgewählt"));
        s.form->cmdWord_Click();
        QVERIFY(s.ui.done());
    }

    void choosingTheDatabase()
    {
        Session s;
        const QString other = s.folder.file(QStringLiteral("Wald/Holz.db"));
        QDir().mkpath(QFileInfo(other).absolutePath());
        {
            auto db = fixture::holzDb(other);
            for (const char* name : {"Ahorn", "zirbe", "Buche"})
                fixture::addList(*db, QString::fromLatin1(name));
        }
        s.ui.expectOpenFile(std::nullopt);
        s.ui.expectMessage(QStringLiteral("Keine Datenbank ausgewählt"));
        s.form->mnuDBwelche_Click();
        QVERIFY(s.ui.done());
        QCOMPARE(s.settings->get(store::keys::DatenbankDir), QString());

        s.ui.expectOpenFile(other);
        s.form->mnuDBwelche_Click();
        QVERIFY(s.ui.done());
        QCOMPARE(s.ui.fileChoices().last().title, QStringLiteral("Datenbank öffnen"));
        QCOMPARE(s.settings->get(store::keys::DatenbankDir), s.folder.file(QStringLiteral("Wald")));
        QCOMPARE(s.settings->get(store::keys::Datenbank), QStringLiteral("Holz.db"));
        QVERIFY(s.form->cmdUebernehmenEnabled());
        QStringList names;
        for (const auto& list : s.form->grid().lists())
            names << list.Liste;
        QCOMPARE(names,
                 (QStringList{QStringLiteral("zirbe"), QStringLiteral("Buche"), QStringLiteral("Ahorn")}));
        QCOMPARE(s.form->Text11(), QStringLiteral("zirbe"));
    }

    void startedWithADatabaseFile()
    {
        Session s;
        const QString other = s.folder.file(QStringLiteral("Wald Nord/Holz.db"));
        QDir().mkpath(QFileInfo(other).absolutePath());
        fixture::addList(*fixture::holzDb(other), QStringLiteral("Eiche"));

        // A file that is not there changes nothing.
        s.ui.expectMessage(QStringLiteral("Die Datenbank „%1“ gibt es nicht.").arg(other + QStringLiteral("x")));
        QVERIFY(!s.form->useDatabaseFile(other + QStringLiteral("x")));
        QVERIFY(s.ui.done());
        QCOMPARE(s.settings->get(store::keys::DatenbankDir), QString());
        // Nor does a folder.
        s.ui.expectMessage(QStringLiteral("Die Datenbank „%1“ gibt es nicht.").arg(QFileInfo(other).absolutePath()));
        QVERIFY(!s.form->useDatabaseFile(QFileInfo(other).absolutePath()));
        QVERIFY(s.ui.done());

        QVERIFY(s.form->useDatabaseFile(other));
        s.form->Form_Activate();
        QCOMPARE(s.form->databasePath(), other);
        QCOMPARE(s.form->Text11(), QStringLiteral("Eiche"));
    }

    void failedTakeOverKeepsThePreviousList()
    {
        Session s;
        {
            auto db = fixture::holzDb(s.folder.holz());
            mixedList(*db, QStringLiteral("Probe"));
            fixture::addList(*db, QStringLiteral("Andere"));
        }
        s.form->Form_Activate();
        s.form->DataGrid1_RowColChange(s.form->grid().rowOf(QStringLiteral("Probe")));
        QCOMPARE(s.form->takenOverList(), QStringLiteral("Probe"));
        {
            // The records become unreadable (another program, a damaged file).
            auto db =
                store::Database::open(s.folder.holz(), store::DatabaseKind::Holz);
            testing::StoreFaults::hideRecords(*db);
        }
        s.ui.expectMessage(QStringLiteral("Fehl.Nr"));
        s.form->DataGrid1_RowColChange(s.form->grid().rowOf(QStringLiteral("Andere")));
        QVERIFY(s.ui.done());
        // The outputs still show one list: header and records of "Probe".
        QCOMPARE(s.form->Text11(), QStringLiteral("Andere"));
        QCOMPARE(s.form->takenOverList(), QStringLiteral("Probe"));
        const ReportDocument document = s.form->reportDocument();
        QCOMPARE(document.list.Liste, QStringLiteral("Probe"));
        QCOMPARE(document.rows.size(), 7);
    }

    void menuChecksAndHeadingAreStored()
    {
        Session s;
        s.form->mnuLosweise_Click();
        QVERIFY(!s.form->mnuLosweiseChecked());
        QCOMPARE(s.settings->get(store::keys::Losweise), QStringLiteral("0"));
        s.form->mnuLosweise_Click();
        QCOMPARE(s.settings->get(store::keys::Losweise), QStringLiteral("1"));
        s.form->mnuVerdichtet_Click();
        QCOMPARE(s.settings->get(store::keys::Verdichtet), QStringLiteral("0"));
        s.form->txtUeberschrift_Change(QStringLiteral("Holzverkauf 2026"));
        QCOMPARE(s.settings->GetSetting(QStringLiteral("Stemprint"), QStringLiteral("Einstellungen"),
                                        QStringLiteral("Ueberschrift")),
                 QStringLiteral("Holzverkauf 2026"));
    }

    void takingOverAndWriting()
    {
        Session s;
        {
            auto db = fixture::holzDb(s.folder.holz());
            mixedList(*db, QStringLiteral("Probe"));
            store::ListenRow other;
            other.Liste = QStringLiteral("Andere");
            other.Name = QStringLiteral("Huber");
            fixture::addList(*db, other);
            fixture::addLogs(*db, QStringLiteral("Andere"), {Log{.nummer = 1}, Log{.nummer = 2}});
            auto master = fixture::masterDb(s.folder.master());
            fixture::addSpecies(*master, 8, QStringLiteral("Fichte"), QStringLiteral("FI"), 0);
        }
        s.form->Form_Load();
        s.form->Form_Activate();
        QVERIFY(!s.form->cmdDruckenEnabled());
        const int row = s.form->grid().rowOf(QStringLiteral("Andere"));
        s.form->DataGrid1_RowColChange(row);
        QVERIFY(s.form->cmdDruckenEnabled());
        QCOMPARE(s.form->takenOverList(), QStringLiteral("Andere"));
        QCOMPARE(s.form->Text12(), QStringLiteral("Huber"));
        QCOMPARE(s.form->listDaten().rowCount(), 2);

        QSignalSpy preview(s.form.get(), &Form1::previewRequested);
        s.form->mnureport_Click();
        QCOMPARE(preview.size(), 1);
        QCOMPARE(preview.first().first().toString(), QStringLiteral("Andere"));
        QVERIFY(s.form->printTitle().startsWith(
            QStringLiteral("Andere\nHuber\n\nSortenzusammenstellung zu Holzliste Andere")));
        QCOMPARE(s.form->reportDocument().rows.size(), 2);
        QVERIFY(!s.form->reportDocument().photoPages);
        s.form->chkFotos_Click();
        QVERIFY(s.form->reportDocument().photoPages);

        s.form->DataGrid1_RowColChange(s.form->grid().rowOf(QStringLiteral("Probe")));
        s.form->mnuWord_Click();
        QCOMPARE(s.opened, QStringList{s.documents}); // several lots: the folder
        QVERIFY(QFile::exists(QDir(s.documents).filePath(QStringLiteral("ProbeLos2.docx"))));
        QCOMPARE(s.form->listDaten().rowCount(), 7);
        s.form->mnuLosweise_Click();
        QCOMPARE(s.form->documentHeading(), QStringLiteral("Probe"));
        s.form->cmdWord_Click();
        QCOMPARE(s.opened.last(), QDir(s.documents).filePath(QStringLiteral("Probe.docx")));
        QFile written(s.opened.last());
        QVERIFY(written.open(QIODevice::ReadOnly));
        const QByteArray head = part(written.readAll(), QStringLiteral("word/header1.xml"));
        QVERIFY(!head.contains("Word Ausdruck"));
        QVERIFY(head.contains(">Probe<"));
        // A typed heading wins.
        s.form->txtUeberschrift_Change(QStringLiteral("Holzverkauf"));
        QCOMPARE(s.form->documentHeading(), QStringLiteral("Holzverkauf"));
        QVERIFY(s.ui.done());

        // The list taken over as office files: both CSV tables, a workbook.
        const QString csv = s.folder.file(QStringLiteral("Probe.csv"));
        s.ui.expectSaveFile(csv);
        s.ui.expectMessage(QStringLiteral("Liste Probe.csv angelegt"));
        s.form->mnuCsv_Click();
        QFile records(csv);
        QVERIFY(records.open(QIODevice::ReadOnly));
        QCOMPARE(records.readAll().count("\r\n"), s.form->listDaten().rowCount() + 1);
        QVERIFY(QFile::exists(s.folder.file(QStringLiteral("Probe_Sorten.csv"))));
        const QString xlsx = s.folder.file(QStringLiteral("Probe.xlsx"));
        s.ui.expectSaveFile(xlsx);
        s.ui.expectMessage(QStringLiteral("Liste Probe.xlsx angelegt"));
        s.form->mnuExcel_Click();
        QFile workbook(xlsx);
        QVERIFY(workbook.open(QIODevice::ReadOnly));
        QVERIFY(workbook.read(2) == "PK");
        QVERIFY(s.ui.done());
    }

    // The lists are German documents, also on a machine with a decimal point.
    void germanNumbersWhateverTheLocale()
    {
        const QLocale before;
        QLocale::setDefault(QLocale::c());
        {
            Session s;
            {
                auto db = fixture::holzDb(s.folder.holz());
                fixture::addList(*db, QStringLiteral("Probe"));
                fixture::addLogs(*db, QStringLiteral("Probe"),
                                 {Log{.nummer = 0, .laenge = 4.5, .kubatur = 0.625}});
                auto master = fixture::masterDb(s.folder.master());
                fixture::addSpecies(*master, 8, QStringLiteral("Fichte"), QStringLiteral("FI"), 0);
            }
            s.form->Form_Load();
            s.form->Form_Activate();
            s.form->DataGrid1_RowColChange(s.form->grid().rowOf(QStringLiteral("Probe")));
            const auto& model = s.form->listDaten();
            QCOMPARE(model.data(model.index(0, 1)).toString(), QStringLiteral("0"));
            QCOMPARE(model.data(model.index(0, 4)).toString(), QStringLiteral("4,50"));
            QCOMPARE(model.data(model.index(0, 9)).toString(), QStringLiteral("0,63"));
            QVERIFY(!s.form->reportDocument().dezimalpunkt);
        }
        QLocale::setDefault(before);
    }

private:
    struct Session {
        TestDatabase folder;
        // The data folder holds the files of TestDatabase, or stays empty
        // beside a server.
        QDir data{folder.path()};
        QString documents = folder.file(QStringLiteral("Dokumente/Holzlisten"));
        std::unique_ptr<store::Settings> settings;
        testing::ScriptedUserInterface ui;
        QStringList opened;
        std::unique_ptr<Form1> form;
        Session()
        {
            QDir().mkpath(data.path());
            settings = std::make_unique<store::Settings>(folder.file(QStringLiteral("Stemmo.ini")));
            form = std::make_unique<Form1>(*settings, ui, folder.dataFolder(data.path()), documents,
                                           [this](const QString& path) { opened << path; });
            ui.expectMessage(QStringLiteral("Stammdaten"));
            form->Form_Load();
            ui.clear();
        }
    };

    // The one list of the database.
    static store::ListenRow holzList(store::Database& db)
    {
        return store::ListRepository(db).all(store::ListenOrder::Unsorted).value(0);
    }
};

QTEST_GUILESS_MAIN(TestReportWork)
#include "tst_report_work.moc"
