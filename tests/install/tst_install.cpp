// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/Commands.h"
#include "cli/Manual.h"
#include "platform/InstallLayout.h"
#include "tests/support/TestFolder.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

// How an installed program finds its data, and the manual page and bash
// completion written from stemmo's command table.
class TestInstall : public QObject {
    Q_OBJECT

private slots:
    void dataLiesBesideTheProgramFolder();
    void installedFileIsPreferredToTheBuiltInCopy();
    void helperProgramIsInstalledOrBesideTheCaller();
    void usageLinesGiveTheirCompletionWords();
    void roffTextCannotStartARequest();
    void bashCompletesCommandsOptionsAndValues_data();
    void bashCompletesCommandsOptionsAndValues();
};

void TestInstall::dataLiesBesideTheProgramFolder()
{
    QCOMPARE(platform::InstallLayout::dataFolder(QStringLiteral("/opt/stemmo/bin")),
             QStringLiteral("/opt/stemmo/share/stemmo"));
    QCOMPARE(platform::InstallLayout::dataFolder(QStringLiteral("/usr/bin/")), QStringLiteral("/usr/share/stemmo"));
}

void TestInstall::installedFileIsPreferredToTheBuiltInCopy()
{
    testing::TestFolder root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("share/stemmo/startmo.htm"))); // a folder, not a page
    const QString bin = root.file(QStringLiteral("bin"));
    const QString builtIn = root.write(QStringLiteral("builtin.dat"), "eingebaut");

    // Nothing installed: the built-in copy.
    QCOMPARE(platform::InstallLayout::installedFile(QStringLiteral("stammdaten.dat"), bin), QString());
    QCOMPARE(platform::InstallLayout::read(QStringLiteral("stammdaten.dat"), builtIn, bin), QByteArray("eingebaut"));
    QCOMPARE(platform::InstallLayout::installedFile(QStringLiteral("startmo.htm"), bin), QString());

    // An empty installed file is a broken installation, not empty master data.
    root.write(QStringLiteral("share/stemmo/stammdaten.dat"), QByteArray());
    QCOMPARE(platform::InstallLayout::read(QStringLiteral("stammdaten.dat"), builtIn, bin), QByteArray("eingebaut"));

    // The office's own file wins.
    const QString installed = root.write(QStringLiteral("share/stemmo/stammdaten.dat"), "vom Forstamt");
    QCOMPARE(platform::InstallLayout::installedFile(QStringLiteral("stammdaten.dat"), bin),
             QFileInfo(installed).filePath());
    QCOMPARE(platform::InstallLayout::read(QStringLiteral("stammdaten.dat"), builtIn, bin),
             QByteArray("vom Forstamt"));

    // Only names of the data folder itself, never a way out of it.
    root.write(QStringLiteral("share/geheim.txt"), "x");
    QCOMPARE(platform::InstallLayout::installedFile(QStringLiteral("../geheim.txt"), bin), QString());
    QCOMPARE(platform::InstallLayout::installedFile(QString(), bin), QString());

    // Neither copy readable.
    QCOMPARE(platform::InstallLayout::read(QStringLiteral("fehlt.dat"), root.file(QStringLiteral("nichts")), bin),
             QByteArray());
}

void TestInstall::helperProgramIsInstalledOrBesideTheCaller()
{
    testing::TestFolder root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("bin")));
    const QString bin = root.file(QStringLiteral("bin"));
    const auto executable = [&root](const QString& name) {
        const QString path = root.write(name, "#!/bin/sh\n");
        QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
        return QFileInfo(path).filePath();
    };
    const QString name = QStringLiteral("stemmo-pages");
    QCOMPARE(platform::InstallLayout::helperProgram(name, bin), QString());

    // A file that cannot be started is no program.
    root.write(QStringLiteral("bin/stemmo-pages"), "x");
    QCOMPARE(platform::InstallLayout::helperProgram(name, bin), QString());

    // The build tree: beside the caller.
    const QString beside = executable(QStringLiteral("bin/stemmo-pages"));
    QCOMPARE(platform::InstallLayout::helperProgram(name, bin), beside);

    // Installed: under libexec, even with a stray copy beside.
    const QString installed = executable(QStringLiteral("libexec/stemmo/stemmo-pages"));
    QCOMPARE(platform::InstallLayout::helperProgram(name, bin), installed);
    QCOMPARE(platform::InstallLayout::helperProgram(QStringLiteral("../libexec/stemmo/stemmo-pages"), bin), QString());
}

void TestInstall::usageLinesGiveTheirCompletionWords()
{
    const cli::UsageWords exportWords =
        cli::usageWords(QStringLiteral("LISTE [--format habsys|latschbacher|eg10] DATEI"));
    QCOMPARE(exportWords.options, QStringList{QStringLiteral("--format")});
    QCOMPARE(exportWords.arguments.size(), 1);
    QCOMPARE(exportWords.arguments[0].values,
             (QStringList{QStringLiteral("habsys"), QStringLiteral("latschbacher"), QStringLiteral("eg10")}));
    QVERIFY(exportWords.files);           // the file written is an argument of its own
    QVERIFY(exportWords.keywords.isEmpty()); // LISTE is typed, the format names belong to --format

    const cli::UsageWords addWords = cli::usageWords(
        QStringLiteral("LISTE --length L [--sortiment --pieces N] [--folge|--klammer] [--zusatz TEXT]"));
    QCOMPARE(addWords.options, (QStringList{QStringLiteral("--length"), QStringLiteral("--sortiment"),
                                            QStringLiteral("--pieces"), QStringLiteral("--folge"),
                                            QStringLiteral("--klammer"), QStringLiteral("--zusatz")}));
    QStringList withValue;
    for (const cli::OptionArgument& argument : addWords.arguments)
        withValue << argument.option;
    QCOMPARE(withValue, (QStringList{QStringLiteral("--length"), QStringLiteral("--pieces"), QStringLiteral("--zusatz")}));
    QVERIFY(!addWords.files);

    // A file after an option is that option's value, not a file argument.
    const cli::UsageWords reportWords = cli::usageWords(QStringLiteral("LISTE --pdf DATEI [--verdichtet]"));
    QVERIFY(!reportWords.files);
    QCOMPARE(reportWords.arguments.size(), 1);
    QCOMPARE(reportWords.arguments[0].placeholder, QStringLiteral("DATEI"));

    const cli::UsageWords lotsWords =
        cli::usageWords(QStringLiteral("[list | show SCHLÜSSEL | delete SCHLÜSSEL | set SCHLÜSSEL [--holzart T]]"));
    QCOMPARE(lotsWords.keywords,
             (QStringList{QStringLiteral("list"), QStringLiteral("show"), QStringLiteral("delete"), QStringLiteral("set")}));
}

void TestInstall::roffTextCannotStartARequest()
{
    QCOMPARE(cli::roffText(QStringLiteral(".SH x")), QStringLiteral("\\&.SH x"));
    QCOMPARE(cli::roffText(QStringLiteral("'br")), QStringLiteral("\\&'br"));
    QCOMPARE(cli::roffText(QStringLiteral("C:\\Holz --data")), QStringLiteral("C:\\eHolz \\-\\-data"));
    // Every line of the page is a request, or text that starts as text.
    const QString manual = cli::manPage(QStringLiteral("1.0.0"), QStringLiteral("2026-12-06"));
    static const QRegularExpression request(QStringLiteral("^\\.(TH|SH|TP|B|I|BR|nf|fi)( |$)"));
    for (const QString& line : manual.split(QLatin1Char('\n'))) {
        if (line.startsWith(QLatin1Char('.')))
            QVERIFY2(request.match(line).hasMatch(), qPrintable(line));
    }
}

void TestInstall::bashCompletesCommandsOptionsAndValues_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("command") << "stemmo exp" << QStringList{QStringLiteral("export")};
    QTest::newRow("after --data") << "stemmo --data /tmp --js" << QStringList{QStringLiteral("--json")};
    QTest::newRow("command after --data") << "stemmo --data /tmp lo" << QStringList{QStringLiteral("lots")};
    QTest::newRow("format value") << "stemmo export Nord --format ha" << QStringList{QStringLiteral("habsys")};
    QTest::newRow("command option") << "stemmo add Nord --kl" << QStringList{QStringLiteral("--klammer")};
    QTest::newRow("sub-command") << "stemmo lots s" << QStringList{QStringLiteral("set"), QStringLiteral("show")};
    QTest::newRow("value typed") << "stemmo add Nord --length " << QStringList{};
    QTest::newRow("unknown command") << "stemmo gibtsnicht --x" << QStringList{};
}

void TestInstall::bashCompletesCommandsOptionsAndValues()
{
    QFETCH(QString, line);
    QFETCH(QStringList, expected);
    const QString bash = QStandardPaths::findExecutable(QStringLiteral("bash"));
    if (bash.isEmpty())
        QSKIP("bash fehlt");
    testing::TestFolder folder;
    const QString script = folder.write(QStringLiteral("stemmo"), cli::bashCompletion().toUtf8());
    QProcess shell;
    shell.setWorkingDirectory(folder.path()); // file completion sees only the script
    shell.start(bash, {QStringLiteral("-c"),
                       QStringLiteral("source \"$1\"; read -ra COMP_WORDS <<< \"$2\"; "
                                      "COMP_CWORD=${#COMP_WORDS[@]}; [[ \"$2\" == *' ' ]] && COMP_WORDS+=('') "
                                      "|| COMP_CWORD=$((COMP_CWORD-1)); _stemmo; printf '%s\\n' \"${COMPREPLY[@]}\""),
                       QStringLiteral("bash"), script, line});
    QVERIFY(shell.waitForFinished(10000));
    QCOMPARE(shell.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(shell.readAllStandardError()), QString());
    QStringList got = QString::fromUtf8(shell.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    got.sort();
    QCOMPARE(got, expected);
}

QTEST_GUILESS_MAIN(TestInstall)
#include "tst_install.moc"
