// SPDX-License-Identifier: GPL-3.0-or-later
// The UI port on real widgets: the progress window, message boxes, the file
// dialogs' answers and opening the help page; and the recording program
// closed after each long job, with the real port in place.
#include "app/ShippedFiles.h"
#include "app/StemoraProgram.h"
#include "cli/ListGenerator.h"
#include "entry/FrmHolz.h"
#include "entry/FrmHolzWindow.h"
#include "import/DataFolderSetup.h"
#include "platform/QtUserInterface.h"
#include "store/DataFolder.h"
#include "store/Database.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "tests/platform/ModalAnswerer.h"
#include "tests/store/TestDatabase.h"
#include "tests/support/TestFolder.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QtTest>
#include <climits>

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

QDialog* progressWindow(QWidget& parent)
{
    for (QDialog* dialog : parent.findChildren<QDialog*>())
        if (dialog->findChild<QProgressBar*>())
            return dialog;
    return nullptr;
}

QStringList labelTexts(QWidget& window)
{
    QStringList texts;
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    return texts;
}

// Receives what the help page would open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class TestPlatformUi : public QObject {
    Q_OBJECT

private slots:
    void progressWindowShowsTheJob();
    void progressWindowGoesWithItsParent();
    void messageBoxesGiveTheButtonPressed_data();
    void messageBoxesGiveTheButtonPressed();
    void messageBoxShowsTitleTextAndIcon();
    void saveDialogAnswersWithAnAbsolutePath();
    void saveDialogAsksBeforeOverwriting_data();
    void saveDialogAsksBeforeOverwriting();
    void openDialogCancelledGivesNothing();
    void helpOpensThePageAtItsAnchor();
    void programClosesAfterALongJob_data();
    void programClosesAfterALongJob();
};

void TestPlatformUi::progressWindowShowsTheJob()
{
    QWidget parent;
    parent.show();
    platform::QtUserInterface ui{QString(), QString()};
    ui.setParentWidget(&parent);

    ui.progressShow(QStringLiteral("Liste konvertieren"), QStringLiteral("Datensätze konv."));
    QDialog* window = progressWindow(parent);
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QVERIFY(!window->isModal());
    QVERIFY(labelTexts(*window).contains(QStringLiteral("Liste konvertieren")));
    QVERIFY(labelTexts(*window).contains(QStringLiteral("Datensätze konv.")));

    // The last record is always shown, however quickly it follows.
    ui.progressUpdate(QString(), 1, 10);
    ui.progressUpdate(QStringLiteral("Datensätze speichern"), 10, 10);
    QVERIFY(labelTexts(*window).contains(QStringLiteral("10")));
    QVERIFY(labelTexts(*window).contains(QStringLiteral("Datensätze speichern")));
    auto* bar = window->findChild<QProgressBar*>();
    QVERIFY(bar);
    QCOMPARE(bar->value(), bar->maximum());

    // Totals beyond what the bar counts are scaled, never wrapped.
    for (const qint64 total : {6'000'000'000LL, 10'000'000'000'000LL}) {
        QTest::qWait(60); // counters shown no more often than the eye follows
        ui.progressUpdate(QString(), total / 2, total);
        QVERIFY(bar->maximum() > 0);
        QVERIFY(bar->value() > 0 && bar->value() < bar->maximum());
    }

    ui.progressHide();
    QVERIFY(!window->isVisible());
    // A second job reuses the window, starting from an empty counter.
    ui.progressShow(QStringLiteral("Liste einlesen"), QStringLiteral("Datensätze lesen"));
    QCOMPARE(progressWindow(parent), window);
    QVERIFY(!labelTexts(*window).contains(QStringLiteral("10")));
    ui.progressHide();
}

void TestPlatformUi::progressWindowGoesWithItsParent()
{
    auto ui = std::make_unique<platform::QtUserInterface>(QString(), QString());
    auto first = std::make_unique<QWidget>();
    ui->setParentWidget(first.get());
    ui->progressShow(QStringLiteral("Sortiment"), QStringLiteral("Datensätze"));
    ui->progressHide();

    // The main window goes first when the program ends; the port must
    // neither touch nor delete the window that went with it.
    first.reset();
    ui->progressUpdate(QString(), 5, 5);
    ui->progressHide();

    QWidget second;
    ui->setParentWidget(&second);
    ui->progressShow(QStringLiteral("Liste einlesen"), QStringLiteral("Datensätze lesen"));
    QDialog* window = progressWindow(second);
    QVERIFY(window);
    QVERIFY(labelTexts(*window).contains(QStringLiteral("Liste einlesen")));
    ui->progressHide();
    ui.reset();
    QVERIFY(!progressWindow(second));
}

void TestPlatformUi::messageBoxesGiveTheButtonPressed_data()
{
    QTest::addColumn<int>("buttons");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<int>("answer");
    QTest::newRow("OK") << int(Buttons::Ok) << int(QMessageBox::Ok) << int(Answer::Ok);
    QTest::newRow("OK of OK/Cancel") << int(Buttons::OkCancel) << int(QMessageBox::Ok) << int(Answer::Ok);
    QTest::newRow("Cancel") << int(Buttons::OkCancel) << int(QMessageBox::Cancel) << int(Answer::Cancel);
    QTest::newRow("Yes") << int(Buttons::YesNo) << int(QMessageBox::Yes) << int(Answer::Yes);
    QTest::newRow("No") << int(Buttons::YesNo) << int(QMessageBox::No) << int(Answer::No);
    QTest::newRow("No of three") << int(Buttons::YesNoCancel) << int(QMessageBox::No) << int(Answer::No);
    QTest::newRow("Cancel of three") << int(Buttons::YesNoCancel) << int(QMessageBox::Cancel)
                                     << int(Answer::Cancel);
}

void TestPlatformUi::messageBoxesGiveTheButtonPressed()
{
    QFETCH(int, buttons);
    QFETCH(int, pressed);
    QFETCH(int, answer);
    platform::QtUserInterface ui{QString(), QString()};
    testing::ModalAnswerer user;
    user.press(QMessageBox::StandardButton(pressed));
    const Answer given = ui.message(
        {QStringLiteral("Programm beenden ?"), QStringLiteral("Stemora"), Buttons(buttons), Icon::Question});
    QCOMPARE(int(given), answer);
    QVERIFY(user.done());
    QCOMPARE(user.unexpected(), 0);
}

void TestPlatformUi::messageBoxShowsTitleTextAndIcon()
{
    platform::QtUserInterface ui{QString(), QString()};
    testing::ModalAnswerer user;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    user.then([&icon](QWidget& dialog) {
        auto& box = static_cast<QMessageBox&>(dialog);
        icon = box.icon();
        box.button(QMessageBox::Ok)->click();
    });
    ui.message({QStringLiteral("Länge > 35 m \r"), QString(), Buttons::Ok, Icon::Critical});
    QCOMPARE(icon, QMessageBox::Critical);

    // A box without a title of its own carries the program's name.
    user.press(QMessageBox::Ok);
    ui.inform(QStringLiteral("Keine Liste konvertiert"));
    QCOMPARE(user.seen().value(0), QStringLiteral("Stemmo: Keine Liste konvertiert"));
}

void TestPlatformUi::saveDialogAnswersWithAnAbsolutePath()
{
    testing::TestFolder folder;
    platform::QtUserInterface ui{QString(), QString()};
    testing::ModalAnswerer user;
    QStringList proposed;
    QString title;
    user.then([&](QWidget& dialog) {
        auto& files = static_cast<QFileDialog&>(dialog);
        proposed = files.selectedFiles();
        title = files.windowTitle();
        // A bare name is taken in the folder the dialog shows.
        if (auto* name = files.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(QStringLiteral("Probe.tx1"));
        static_cast<QDialog&>(files).accept();
    });
    const std::optional<QString> path =
        ui.chooseSaveFile({QStringLiteral("Liste konvertieren"), folder.path(), QStringLiteral("Probe"),
                           QStringLiteral("Holzlisten (*.tx1)"), true});
    QCOMPARE(title, QStringLiteral("Liste konvertieren"));
    QCOMPARE(proposed, QStringList{folder.file(QStringLiteral("Probe"))});
    QCOMPARE(path.value_or(QString()), folder.file(QStringLiteral("Probe.tx1")));

    // A start folder that does not exist (the setting's default "1") starts at home.
    user.then([&](QWidget& dialog) {
        proposed = static_cast<QFileDialog&>(dialog).selectedFiles();
        static_cast<QFileDialog&>(dialog).reject();
    });
    QVERIFY(!ui.chooseSaveFile({QStringLiteral("Liste konvertieren"), QStringLiteral("1"),
                                QStringLiteral("Probe"), QStringLiteral("Holzlisten (*.dat)"), true}));
    QCOMPARE(proposed, QStringList{QDir::home().filePath(QStringLiteral("Probe"))});
    QCOMPARE(user.unexpected(), 0);
}

void TestPlatformUi::saveDialogAsksBeforeOverwriting_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("chosen");
    QTest::newRow("replace") << true << int(QMessageBox::Yes) << true;
    QTest::newRow("keep") << true << int(QMessageBox::No) << false;
    QTest::newRow("no question") << false << -1 << true;
}

void TestPlatformUi::saveDialogAsksBeforeOverwriting()
{
    QFETCH(bool, confirm);
    QFETCH(int, answer);
    QFETCH(bool, chosen);
    testing::TestFolder folder;
    const QString existing = folder.write(QStringLiteral("Probe.dat"), "alt");
    platform::QtUserInterface ui{QString(), QString()};
    testing::ModalAnswerer user;
    user.chooseFile(existing);
    if (answer >= 0) {
        user.press(QMessageBox::StandardButton(answer));
        // Not replaced: the dialog stays open until the user gives up.
        if (!chosen)
            user.chooseFile(QString());
    }
    const std::optional<QString> path =
        ui.chooseSaveFile({QStringLiteral("Liste konvertieren"), folder.path(), QString(),
                           QStringLiteral("Holzlisten (*.dat)"), confirm});
    QCOMPARE(path.has_value(), chosen);
    if (chosen)
        QCOMPARE(*path, existing);
    QVERIFY(user.done());
    QCOMPARE(user.unexpected(), 0);
}

void TestPlatformUi::openDialogCancelledGivesNothing()
{
    testing::TestFolder folder;
    const QString file = folder.write(QStringLiteral("Handheld.dat"), "0A  Nord\r\n");
    platform::QtUserInterface ui{QString(), QString()};
    testing::ModalAnswerer user;
    user.chooseFile(QString());
    user.chooseFile(file);
    const platform::FileChoice choice{QStringLiteral("Datei einlesen"), folder.path(), QString(),
                                      QStringLiteral("Holzlisten (*.dat)"), true};
    QVERIFY(!ui.chooseOpenFile(choice));
    QCOMPARE(ui.chooseOpenFile(choice), std::optional<QString>(file));
    QCOMPARE(user.unexpected(), 0);
}

void TestPlatformUi::helpOpensThePageAtItsAnchor()
{
    testing::TestFolder folder;
    const QString page = folder.write(QStringLiteral("startmo.htm"), "<html></html>");
    UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("file"), &browser, "open");
    platform::QtUserInterface ui(QString(), page);
    ui.openHelp(QStringLiteral("Schnelleingabe"));
    ui.openHelp(QString());
    QDesktopServices::unsetUrlHandler(QStringLiteral("file"));

    QCOMPARE(browser.urls.size(), 2);
    QCOMPARE(browser.urls.at(0).toLocalFile(), page);
    QCOMPARE(browser.urls.at(0).fragment(), QStringLiteral("Schnelleingabe"));
    QVERIFY(!browser.urls.at(1).hasFragment());
}

void TestPlatformUi::programClosesAfterALongJob_data()
{
    QTest::addColumn<QString>("job");
    QTest::newRow("export") << QStringLiteral("export");
    QTest::newRow("import") << QStringLiteral("import");
    QTest::newRow("Sortiment") << QStringLiteral("Sortiment");
}

// Built and torn down in the order of Stemora's main(): the port first, the
// program with its windows after it, so the windows go first at the end.
void TestPlatformUi::programClosesAfterALongJob()
{
    QFETCH(QString, job);
    TestDatabase folder;
    const store::DataFolder data = folder.dataFolder();
    importer::DataFolderSetup::ensure(data);
    {
        auto db = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
        cli::ListGenerator(QStringList{QStringLiteral("Fichte")}).generate(*db, QStringLiteral("Nord"), 40);
    }
    const app::ShippedFiles::Result shipped = app::ShippedFiles::ensure(data);
    store::Settings settings(folder.file(QStringLiteral("Stemmo.ini")));
    settings.set(store::keys::ListenNr, QStringLiteral("Nord"));
    settings.set(store::keys::Konvertierung, QStringLiteral("6"));
    const QString exported = folder.file(QStringLiteral("Nord.dat"));
    testing::ModalAnswerer user;

    {
        platform::QtUserInterface ui(shipped.soundFile, shipped.helpFile);
        auto program = std::make_unique<app::StemoraProgram>(data, settings, ui);
        ui.setParentWidget(&program->window());
        program->showEntryScreen();
        entry::FrmHolz& screen = program->frmHolz();

        // Whatever the job reports on the way is taken note of with OK.
        user.answerOtherMessages(QMessageBox::Ok);
        QString asked;
        if (job == QLatin1String("export")) {
            user.chooseFile(exported);
            screen.mnuKonvertieren_Click();
            QVERIFY(QFileInfo(exported).size() > 0);
            asked = QStringLiteral("Liste Nord.dat angelegt");
        } else if (job == QLatin1String("import")) {
            user.chooseFile(testing::TestFolder::fixture(QStringLiteral("import/lf-only.dat")));
            screen.mnuEinlesen_Click();
            QVERIFY(screen.selectList(QStringLiteral("NurLF")));
            asked = QStringLiteral("lf-only.dat' einlesen ?");
        } else {
            screen.mnuSortiment_Click();
            asked = QStringLiteral("Sortiment für Liste 'Nord' automatisch erzeugen ?");
        }
        const QString seen = user.seen().join(QLatin1Char('\n'));
        QVERIFY2(seen.contains(asked), qPrintable(seen));
        QVERIFY(user.done());
        QVERIFY(progressWindow(program->window()));
        QVERIFY(!progressWindow(program->window())->isVisible());
        user.answerOtherMessages(QMessageBox::NoButton);
        program->window().close();
        program.reset();
    }
    QCOMPARE(user.unexpected(), 0);
}

QTEST_MAIN(TestPlatformUi)
#include "tst_platform_ui.moc"
