// SPDX-License-Identifier: GPL-3.0-or-later
// Pages, the window and the command line of the report program.
#include "tests/store/ListFixture.h"

#include "report/Form1.h"
#include "report/Form1Window.h"
#include "report/ReportError.h"
#include "report/ReportLayout.h"
#include "report/ReportPreview.h"
#include "report/ReportTexts.h"
#include "store/Settings.h"
#include "tests/support/ExifJpeg.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/support/StemmoCommand.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/TestFolder.h"

#include <QBuffer>
#include <QDir>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QStandardPaths>
#include <QTableView>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace report;
using fixture::Log;

namespace {

ReportDocument document(int records)
{
    ReportDocument doc;
    doc.list.Liste = QStringLiteral("Säge & Söhne");
    doc.list.Name = QStringLiteral("Forstbetrieb Huber");
    doc.list.Ort = QStringLiteral("Zwiesel");
    doc.headerText = ReportTexts::headerText(doc.list);
    for (int i = 0; i < records; ++i)
        doc.rows << fixture::workRow(Log{.los = 1 + i / 100, .nummer = i + 1, .kubatur = 0.5});
    doc.summary = AssortmentSummary::build(doc.list.Liste, {}, doc.rows);
    doc.lotTotals = true;
    doc.printed = QDate(2026, 12, 6);
    return doc;
}

// The text of the PDF's pages, one string per page; empty without pdftotext.
QStringList pdfPages(const QByteArray& pdf)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return {};
    QProcess process;
    process.start(tool, {QStringLiteral("-layout"), QStringLiteral("-"), QStringLiteral("-")});
    process.write(pdf);
    process.closeWriteChannel();
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput()).split(QChar(12), Qt::SkipEmptyParts);
}

#ifdef Q_OS_UNIX
// No file of this process may grow beyond `bytes` while it lives: the way a
// full disk cuts a write short.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        m_signal = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_old);
        const rlimit limit{bytes, m_old.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_signal);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_signal)(int) = SIG_DFL;
};
#endif

} // namespace

class TestReportOutput : public QObject {
    Q_OBJECT
private slots:
    void pdfOfThreeHundredRecords()
    {
        const ReportLayout layout(document(300));
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        const int pages = layout.writePdf(buffer);
        QVERIFY(buffer.data().startsWith("%PDF"));
        QVERIFY(pages >= 6);
        const QStringList text = pdfPages(buffer.data());
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QCOMPARE(text.size(), pages);
        for (int i = 0; i < pages; ++i) {
            const QString& page = text.at(i);
            QVERIFY2(page.contains(QStringLiteral("Holzliste Säge & Söhne")), qPrintable(page));
            QVERIFY(page.contains(QStringLiteral("Seite %1 von %2").arg(i + 1).arg(pages)));
        }
        // Column heads repeat on every page that continues the records.
        QVERIFY(text.at(2).contains(QStringLiteral("Nummer")) &&
                text.at(2).contains(QStringLiteral("Kubatur")));
        QVERIFY(text.last().contains(QStringLiteral("Summe: 300 Datensätze")));
        QVERIFY(text.last().contains(QStringLiteral("150,00 fm")));
        QVERIFY(text.first().contains(QStringLiteral("Sortenzusammenstellung")));
        int numbers = 0;
        for (const QString& page : text)
            numbers +=
                int(page.count(QRegularExpression(QStringLiteral("\\bFichte\\s+\\d+\\s+\\d+\\s+1\\s"))));
        QCOMPARE(numbers, 300); // every record printed once
    }

    // The lots' places after the totals; on request six photos to a page,
    // each lot on pages of its own, a missing file named in its place.
    void pdfListsPlacesAndPhotoPages()
    {
        testing::TestFolder folder;
        ReportDocument doc = document(3);
        doc.lotTotals = false;
        doc.places.places = {{1, QStringLiteral("Forstweg Nordhang"), QStringLiteral("48.123450, 11.567890"),
                              QStringLiteral("LKW-befahrbar")},
                             {2, QStringLiteral("Scheune"), QString(), QString()}};
        const QString photo = folder.write(QStringLiteral("p.jpg"), testing::ExifJpeg{}.bytes(320, 240));
        for (int i = 0; i < 7; ++i)
            doc.places.photos.append({1, photo, QStringLiteral("Aufnahme %1").arg(i + 1)});
        doc.places.photos.append({2, folder.file(QStringLiteral("weg.jpg")), QStringLiteral("verschwunden")});

        QBuffer plain;
        plain.open(QIODevice::WriteOnly);
        QCOMPARE(ReportLayout(doc).writePdf(plain), 1);
        doc.photoPages = true;
        QBuffer withPhotos;
        withPhotos.open(QIODevice::WriteOnly);
        QCOMPARE(ReportLayout(doc).writePdf(withPhotos), 4);
        const QStringList text = pdfPages(withPhotos.data());
        if (text.isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(text[0].contains(QStringLiteral("Lagerorte der Lose")));
        QVERIFY(text[0].contains(QRegularExpression(QStringLiteral("1\\s+Forstweg Nordhang\\s+48.123450, 11.567890\\s+LKW"))));
        QVERIFY(text[1].contains(QStringLiteral("Fotos von Los 1")) && text[1].contains(QStringLiteral("Aufnahme 6")));
        QVERIFY(text[2].contains(QStringLiteral("Aufnahme 7")) && !text[2].contains(QStringLiteral("Aufnahme 6")));
        QVERIFY(text[3].contains(QStringLiteral("Fotos von Los 2")) && text[3].contains(QStringLiteral("Foto fehlt")));
    }

    // A disk that fills up while the new file is written leaves the old
    // file byte for byte and no half-written file beside it.
    void pdfFileIsReplacedOnlyWhenComplete()
    {
#ifndef Q_OS_UNIX
        QSKIP("needs a file size limit to make the disk refuse writes");
#else
        testing::TestFolder folder;
        const QByteArray old = "%PDF alt, vollständig";
        const QString path = folder.write(QStringLiteral("alt.pdf"), old);
        const ReportLayout layout(document(3));
        {
            const FileSizeLimit full(512);
            QVERIFY_THROWS_EXCEPTION(ReportError, layout.writePdf(path));
        }
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), old);
        file.close();
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("alt.pdf")});

        QCOMPARE(layout.writePdf(path), 1);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("%PDF-"));
#endif
    }

    void previewShowsThePages()
    {
        ReportPreview preview(document(120));
        QPrintPreviewDialog& dialog = preview.dialog(QStringLiteral("Säge & Söhne"), nullptr);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Säge & Söhne"));
        auto* pages = dialog.findChild<QPrintPreviewWidget*>();
        QVERIFY(pages);
        QTRY_VERIFY(pages->pageCount() >= 3);
        QVERIFY(dialog.findChild<QAction*>(QStringLiteral("savePdf")));
        dialog.close();
    }

    void windowShowsListsAndTakesOverOnSelection()
    {
        TestDatabase folder;
        const QString data = folder.path();
        {
            auto db = fixture::holzDb(folder.holz());
            store::ListenRow list;
            list.Liste = QStringLiteral("Hiebsmaßnahme Süd");
            list.Name = QStringLiteral("Forstbetrieb Huber");
            list.Ort = QStringLiteral("Zwiesel");
            list.Kubatur = 1;
            fixture::addList(*db, list);
            QList<Log> logs;
            for (int i = 0; i < 40; ++i)
                logs << Log{.los = 1 + i / 20,
                            .nummer = i + 1,
                            .holzart = i % 3 ? QStringLiteral("Fichte") : QStringLiteral("Kiefer"),
                            .laenge = 4.0 + (i % 5),
                            .durchm = 25.0 + i,
                            .kubatur = 0.3 + i * 0.02};
            fixture::addLogs(*db, list.Liste, logs);
            fixture::addList(*db, QStringLiteral("Durchforstung 2026"));
            auto master = fixture::masterDb(folder.master());
            fixture::addSpecies(*master, 8, QStringLiteral("Fichte"), QStringLiteral("FI"), 0);
            fixture::addSpecies(*master, 8, QStringLiteral("Kiefer"), QStringLiteral("KI"), 1);
        }
        store::Settings settings(folder.file(QStringLiteral("Stemmo.ini")));
        testing::ScriptedUserInterface ui;
        Form1 model(settings, ui, folder.dataFolder(data), folder.file(QStringLiteral("docs")), {});
        Form1Window window(model);
        model.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        model.Form_Activate();
        QCOMPARE(window.windowTitle(), model.caption());
        QCOMPARE(window.gridView()->model()->rowCount(), 2);

        // Selecting the row in the grid takes the list over.
        window.gridView()->selectRow(model.grid().rowOf(QStringLiteral("Hiebsmaßnahme Süd")));
        QCOMPARE(model.takenOverList(), QStringLiteral("Hiebsmaßnahme Süd"));
        QCOMPARE(window.recordView()->model()->rowCount(), 40);
        QVERIFY(ui.done());

        const QString shots = qEnvironmentVariable("STEMMO_SCREENSHOTS");
        if (!shots.isEmpty())
            QVERIFY(window.grab().save(QDir(shots).filePath(QStringLiteral("stemprint-window.png"))));
    }

    void commandLine()
    {
        TestDatabase folder;
        testing::StemmoCommand stemmo(QStringLiteral(STEMMO_EXECUTABLE), folder.file(QStringLiteral("data")));
        if (folder.onServer())
            stemmo.setDatabase(folder.holz());
        QCOMPARE(stemmo.run("generate Probe 120").exitCode, 0);

        const auto summary = stemmo.run("summary probe");
        QCOMPARE(summary.exitCode, 0);
        QVERIFY(summary.out.startsWith(QStringLiteral("Sortenzusammenstellung zu Holzliste Probe\n")));
        QVERIFY(!summary.out.contains(QChar(13)));

        const QString pdf = folder.file(QStringLiteral("probe.pdf"));
        const auto report = stemmo.run({QStringLiteral("report"), QStringLiteral("Probe"),
                                        QStringLiteral("--pdf"), pdf, QStringLiteral("--verdichtet")});
        QCOMPARE(report.exitCode, 0);
        QVERIFY(report.out.contains(QStringLiteral("120 Datensätze")));
        QVERIFY(QFileInfo(pdf).size() > 1000);

        const QString out = folder.file(QStringLiteral("docs"));
        const auto word = stemmo.run({QStringLiteral("word"), QStringLiteral("Probe"),
                                      QStringLiteral("--losweise"), QStringLiteral("--out"), out});
        QCOMPARE(word.exitCode, 0);
        const QStringList paths = word.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QVERIFY(paths.size() >= 2);
        for (int i = 0; i < paths.size(); ++i)
            QVERIFY2(QFile::exists(paths.at(i)) && paths.at(i).contains(QStringLiteral("ProbeLos")),
                     qPrintable(paths.at(i)));

        const auto missing = stemmo.run("word Keine");
        QCOMPARE(missing.exitCode, 1);
        QVERIFY(missing.err.contains(QStringLiteral("nicht vorhanden")));
        QCOMPARE(stemmo.run("report Probe").exitCode, 2);
    }
};

QTEST_MAIN(TestReportOutput)
#include "tst_report_output.moc"
