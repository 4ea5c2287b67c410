// SPDX-License-Identifier: GPL-3.0-or-later
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "tests/support/TestFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#endif

using store::Settings;
namespace keys = store::keys;

namespace {

QString u(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

const QString App = u(keys::App);
const QString Properties = u(keys::Properties);

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList filesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

// Runs this test binary again as another program working on the same file.
int runChild(const QStringList& arguments, QByteArray* output = nullptr)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), QStringList{QStringLiteral("--child")} + arguments);
    if (!child.waitForFinished(30000)) {
        child.kill();
        child.waitForFinished();
        return -1;
    }
    if (output)
        *output = child.readAll();
    return child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -2;
}

// writer <file> <prefix> <count>: saves <prefix>0 … as fast as it can.
int childWriter(const QStringList& args)
{
    Settings settings(args.at(1));
    const int count = args.at(3).toInt();
    for (int i = 0; i < count; ++i) {
        const QString name = args.at(2) + QString::number(i);
        if (!settings.SaveSetting(App, Properties, name, QStringLiteral("Wert ") + name)) {
            QTextStream(stdout) << settings.lastError() << '\n';
            return 2;
        }
    }
    return 0;
}

// limited <file> <max file size> <value length>: saves one long value while
// the system refuses to let any file grow beyond the limit, the way a full
// disk cuts a write short. Exit 0 when the save reported the failure.
int childLimitedWriter(const QStringList& args)
{
#ifdef Q_OS_UNIX
    std::signal(SIGXFSZ, SIG_IGN);
    const rlim_t limit = args.at(2).toULongLong();
    const rlimit fileSize{limit, limit};
    if (setrlimit(RLIMIT_FSIZE, &fileSize) != 0)
        return 4;
    Settings settings(args.at(1));
    if (settings.SaveSetting(App, Properties, QStringLiteral("Gross"), QString(args.at(3).toInt(), u'x')))
        return 1;
    QTextStream(stdout) << settings.lastError() << '\n';
    return settings.lastError().isEmpty() ? 3 : 0;
#else
    Q_UNUSED(args);
    return 5;
#endif
}

} // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void freshStoreGivesDefaults();
    void namesIgnoreCaseAndKeepTheirFirstSpelling();
    void valuesRoundTripToAnotherProgram_data();
    void valuesRoundTripToAnotherProgram();
    void deletingALotRemovesItsWholeGroup();
    void severalValuesAreStoredInOneWrite();
    void changesOfTheOtherProgramAreSeen();
    void failedWriteKeepsTheOldFile_data();
    void failedWriteKeepsTheOldFile();
    void damagedFileReadsAsDefaults_data();
    void damagedFileReadsAsDefaults();
    void readableLinesOfADamagedFileSurvive();
    void unreadableFileIsNeverOverwritten_data();
    void unreadableFileIsNeverOverwritten();
    void concurrentWritersLoseNothing();
    void defaultPathAndFirstWrite();
};

void TestSettings::severalValuesAreStoredInOneWrite()
{
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    Settings mine(path);
    Settings theirs(path);
    const QString app = keys::lotApplication(keys::lotKey(1, 4));
    QVERIFY(mine.SaveSettings(app, u("Los"),
                              {{u("Holzart"), u("Fi,")}, {u("LaengeVon"), u("4")}, {u("Sorte"), u("L ,")}}));
    const QDateTime written = QFileInfo(path).lastModified();
    QCOMPARE(theirs.GetSetting(app, u("Los"), u("laengevon")), u("4"));
    QCOMPARE(theirs.GetSetting(app, u("Los"), u("Sorte")), u("L ,"));
    // Storing the same values again writes nothing.
    QVERIFY(mine.SaveSettings(app, u("Los"), {{u("Holzart"), u("Fi,")}}));
    QCOMPARE(QFileInfo(path).lastModified(), written);
    QVERIFY(!mine.SaveSettings(app, u("Los"), {{u("Holzart"), u("Bu,")}, {QString(), u("x")}}));
    QCOMPARE(theirs.GetSetting(app, u("Los"), u("Holzart")), u("Fi,"));
}

void TestSettings::freshStoreGivesDefaults()
{
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    Settings settings(path);
    QCOMPARE(settings.number(keys::RegionIndex, -1), 8);
    QVERIFY(settings.isChecked(keys::KonvAuto));
    for (const char* name : keys::LotValueNames)
        QCOMPARE(settings.GetSetting(keys::lotApplication(keys::lotKey(1, 1)), u(keys::LotSection), u(name)),
                 QString());
    QVERIFY(!settings.sectionExists(App, u("101")));
    QVERIFY(!QFile::exists(path)); // reading creates nothing
}

void TestSettings::namesIgnoreCaseAndKeepTheirFirstSpelling()
{
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    Settings settings(path);
    QVERIFY(settings.SaveSetting(App, Properties, u("RegionIndex"), u("12")));
    QVERIFY(settings.SaveSetting(keys::lotApplication(u("101")), u("Los"), u("LaengeVon"), u("4")));
    QVERIFY(settings.SaveSetting(u("Stemprint"), u("Einstellungen"), u("DatenbankDir"), u("/daten")));

    Settings other(path);
    QCOMPARE(other.GetSetting(App, Properties, u("Regionindex")), u("12"));
    QCOMPARE(other.GetSetting(u("SOFTWARE\\stemmo"), u("properties"), u("REGIONINDEX")), u("12"));
    QCOMPARE(other.GetSetting(u("Software\\Stemmo\\101"), u("los"), u("Laengevon")), u("4"));
    QCOMPARE(other.GetSetting(u("stemprint"), u("einstellungen"), u("Datenbankdir")), u("/daten"));
    QVERIFY(other.sectionExists(u("software\\STEMMO"), u("101")));

    // A write under another spelling changes the one setting and keeps its name.
    QVERIFY(other.SaveSetting(u("software\\stemmo"), u("PROPERTIES"), u("Regionindex"), u("9")));
    QVERIFY(other.SaveSetting(u("SOFTWARE\\STEMMO\\102"), u("LOS"), u("Holzart"), u("Fichte")));
    QCOMPARE(settings.number(keys::RegionIndex, -1), 9);
    const QString text = QString::fromUtf8(bytesOf(path));
    QVERIFY2(text.contains(u("[Software\\Stemmo\\Properties]\nRegionIndex=9\n")), qPrintable(text));
    QVERIFY2(text.contains(u("[Software\\Stemmo\\102\\LOS]\nHolzart=Fichte\n")), qPrintable(text));
    QCOMPARE(text.count(u("egionindex"), Qt::CaseInsensitive), 1);
    QCOMPARE(text.count(u("Properties]"), Qt::CaseInsensitive), 1);
}

void TestSettings::valuesRoundTripToAnotherProgram_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("value");
    const QString p = Properties;
    QTest::newRow("code with trailing blank") << p << u("Sorte1") << u("L ");
    QTest::newRow("blanks at both ends") << p << u("x") << u("  beide  ");
    QTest::newRow("empty") << p << u("x") << QString();
    QTest::newRow("equals, semicolons, brackets") << p << u("x") << u("a=b;c; [Software\\Stemmo]");
    QTest::newRow("quotes") << p << u("x") << u("\"Nord\" und \"");
    QTest::newRow("escape look-alikes") << p << u("x") << u("\\\\server\\n\\u0041\\\"\\");
    QTest::newRow("line breaks and controls") << p << u("x") << u("eins\nzwei\r\ndrei\r\tvier\x01\x7f");
    QTest::newRow("umlauts, euro, emoji") << p << u("Ueberschrift") << u("Überschrift für Größe – 12 € 🌲");
    QTest::newRow("lone surrogate") << p << u("x") << QString(QChar(0xD800));
    QTest::newRow("comment look-alike") << p << u("x") << u("; kein Kommentar");
    QTest::newRow("name with equals") << p << u("a=b") << u("1");
    QTest::newRow("name with blanks at ends") << p << u(" Los 1 ") << u("2");
    QTest::newRow("name like a group") << p << u("[k]") << u("4");
    QTest::newRow("group name with brackets") << u("Los [alt]") << u("x") << u("6");
}

void TestSettings::valuesRoundTripToAnotherProgram()
{
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, value);
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    Settings writer(path);
    QVERIFY(writer.SaveSetting(App, section, key, value));
    QVERIFY(writer.SaveSetting(App, section, u("Danach"), u("ok")));

    Settings reader(path);
    QCOMPARE(reader.GetSetting(App, section, key, u("<fehlt>")), value);
    QCOMPARE(reader.GetSetting(App, section, u("Danach")), u("ok"));
    QCOMPARE(writer.GetSetting(App, section, key, u("<fehlt>")), value);

    // A rewrite by the other program keeps the value exactly.
    QVERIFY(reader.SaveSetting(App, section, u("Danach"), u("ok2")));
    QCOMPARE(Settings(path).GetSetting(App, section, key, u("<fehlt>")), value);
    QVERIFY(!QFile::exists(path + u(".defekt")));
}

void TestSettings::deletingALotRemovesItsWholeGroup()
{
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    Settings settings(path);
    const QString lot = keys::lotApplication(keys::lotKey(1, 1));
    const QString section = u(keys::LotSection);
    for (const char* name : keys::LotValueNames)
        QVERIFY(settings.SaveSetting(lot, section, u(name), u("W") + u(name)));
    QVERIFY(settings.SaveSetting(keys::lotApplication(u("102")), section, u("Holzart"), u("Buche")));
    QVERIFY(settings.SaveSetting(keys::lotApplication(u("10")), section, u("Holzart"), u("Eiche")));
    QVERIFY(settings.set(keys::AutoLos, u("110")));

    QVERIFY(settings.sectionExists(App, u("101")));
    QVERIFY(settings.sectionExists(lot, section));
    QVERIFY(settings.DeleteSetting(u("software\\stemmo"), u("101")));

    Settings other(path);
    for (const Settings* s : {&settings, &other}) {
        for (const char* name : keys::LotValueNames)
            QCOMPARE(s->GetSetting(lot, section, u(name)), QString());
        QVERIFY(!s->sectionExists(App, u("101")));
        QVERIFY(!s->sectionExists(lot, section));
        // Neighbours whose names merely start alike stay.
        QCOMPARE(s->GetSetting(keys::lotApplication(u("102")), section, u("Holzart")), u("Buche"));
        QCOMPARE(s->GetSetting(keys::lotApplication(u("10")), section, u("Holzart")), u("Eiche"));
        QCOMPARE(s->get(keys::AutoLos), u("110"));
    }

    QVERIFY(!settings.DeleteSetting(App, u("101")));
    QVERIFY(!settings.lastError().isEmpty());
    QVERIFY(!settings.DeleteSetting(App, u("999")));
    QVERIFY(settings.DeleteSetting(App, u("10")));
    QVERIFY(settings.sectionExists(App, u("102")));
}

void TestSettings::changesOfTheOtherProgramAreSeen()
{
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    Settings mine(path);
    Settings theirs(path);
    QCOMPARE(mine.get(keys::Sortierung), u("1"));

    // Changes of equal size within the same instant: time and size alone can't tell.
    QVERIFY(theirs.set(keys::Sortierung, u("3")));
    QCOMPARE(mine.get(keys::Sortierung), u("3"));
    QVERIFY(theirs.set(keys::Sortierung, u("4")));
    QCOMPARE(mine.number(keys::Sortierung, -1), 4);

    // Once the file has aged, a change is seen through its new time.
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    file.close();
    QCOMPARE(mine.get(keys::Sortierung), u("4"));
    QVERIFY(theirs.set(keys::Sortierung, u("2")));
    QCOMPARE(mine.get(keys::Sortierung), u("2"));

    // A write starts from the file, not from what this object read before.
    QVERIFY(theirs.set(keys::Region, u("5")));
    QVERIFY(mine.set(keys::Revier, u("7")));
    Settings fresh(path);
    QCOMPARE(fresh.get(keys::Region), u("5"));
    QCOMPARE(fresh.get(keys::Revier), u("7"));

    QVERIFY(theirs.DeleteSetting(App, Properties));
    QCOMPARE(mine.get(keys::Region), u("1"));
    QVERIFY(mine.set(keys::Region, u("6")));
    QVERIFY(QFile::remove(path));
    QCOMPARE(mine.get(keys::Region), u("1"));
}

void TestSettings::failedWriteKeepsTheOldFile_data()
{
    QTest::addColumn<int>("valueLength");
    // Qt buffers small writes, so the disk's refusal shows only at the flush;
    // large ones go straight through and come back short.
    QTest::newRow("refused at flush") << 8000;
    QTest::newRow("short write") << 300000;
}

void TestSettings::failedWriteKeepsTheOldFile()
{
#ifndef Q_OS_UNIX
    QSKIP("needs a file size limit to make the disk refuse writes");
#endif
    QFETCH(int, valueLength);
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    {
        Settings settings(path);
        QVERIFY(settings.set(keys::RegionIndex, u("12")));
        QVERIFY(settings.set(keys::Ueberschrift, u("Holzliste Nord ")));
    }
    const QByteArray before = bytesOf(path);

    QByteArray output;
    QCOMPARE(runChild({u("limited"), path, u("2048"), QString::number(valueLength)}, &output), 0);
    QVERIFY2(output.contains("nicht"), output.constData());
    QCOMPARE(bytesOf(path), before);
    QCOMPARE(filesIn(folder.path()), QStringList{u("Stemmo.ini")}); // no temporary or lock file left
    Settings after(path);
    QCOMPARE(after.number(keys::RegionIndex, -1), 12);
    QCOMPARE(after.get(keys::Ueberschrift), u("Holzliste Nord "));
}

void TestSettings::damagedFileReadsAsDefaults_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QByteArray random(4096, '\0');
    QRandomGenerator generator(4711);
    for (char& c : random)
        c = char(generator.bounded(256));
    const QString utf16Text = u("[Software\\Stemmo\\Properties]\r\nRegionIndex=5\r\n");
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    const QByteArray group("[Software\\Stemmo\\Properties]\n");

    QTest::newRow("random bytes") << random;
    QTest::newRow("zeros after a crash") << QByteArray(4096, '\0');
    QTest::newRow("UTF-16 text") << utf16;
    QTest::newRow("long line without break") << QByteArray(1 << 20, 'x');
    QTest::newRow("value before any group") << QByteArray("RegionIndex=5\n");
    QTest::newRow("quote not closed") << group + "RegionIndex=\"5\n";
    QTest::newRow("broken escape") << group + "RegionIndex=\"\\u12\"\n";
    QTest::newRow("not UTF-8") << group + "RegionIndex=5\xFF\n";
    QTest::newRow("cut inside a character") << group + "RegionIndex=5\xC3";
    QTest::newRow("NUL inside a line") << group + QByteArray("RegionIndex=5\0\n", 15);
}

void TestSettings::damagedFileReadsAsDefaults()
{
    QFETCH(QByteArray, bytes);
    testing::TestFolder folder;
    const QString path = folder.write(QStringLiteral("Stemmo.ini"), bytes);
    Settings settings(path);
    QCOMPARE(settings.number(keys::RegionIndex, -1), 8);
    QCOMPARE(settings.get(keys::Ueberschrift), u("Überschrift für Word Ausdruck"));
    QVERIFY(!settings.sectionExists(App, u("101")));

    // A save works, and the damaged original is kept beside the new file.
    QVERIFY2(settings.set(keys::Sortierung, u("3")), qPrintable(settings.lastError()));
    QCOMPARE(bytesOf(path + u(".defekt")), bytes);
    QCOMPARE(Settings(path).get(keys::Sortierung), u("3"));
}

void TestSettings::readableLinesOfADamagedFileSurvive()
{
    testing::TestFolder folder;
    const QByteArray bytes("\xEF\xBB\xBF; von Hand bearbeitet\r\n"
                           "[Software\\Stemmo\\Properties]\r\n"
                           "  RegionIndex = 5  \r\n"
                           "\xFF\xFE kaputt\r\n"
                           "\r\n"
                           "Region=2\rRevier=Nord 3\r"
                           "[Stemprint\\Einstellungen]\n"
                           "Ueberschrift=\"Holz \\\"Nord\\\" \"\n");
    const QString path = folder.write(QStringLiteral("Stemmo.ini"), bytes);
    Settings settings(path);
    QCOMPARE(settings.number(keys::RegionIndex, -1), 5);
    QCOMPARE(settings.get(keys::Region), u("2"));
    QCOMPARE(settings.get(keys::Revier), u("Nord 3"));
    QCOMPARE(settings.get(keys::Ueberschrift), u("Holz \"Nord\" "));

    QVERIFY(settings.set(keys::Sortierung, u("3")));
    QCOMPARE(bytesOf(path + u(".defekt")), bytes);
    Settings after(path);
    QCOMPARE(after.number(keys::RegionIndex, -1), 5);
    QCOMPARE(after.get(keys::Revier), u("Nord 3"));
    QCOMPARE(after.get(keys::Ueberschrift), u("Holz \"Nord\" "));
    QCOMPARE(after.get(keys::Sortierung), u("3"));
}

void TestSettings::unreadableFileIsNeverOverwritten_data()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("far too large") << u("large");
    QTest::newRow("no read permission") << u("permission");
#ifdef Q_OS_UNIX
    QTest::newRow("named pipe") << u("pipe");
#endif
}

void TestSettings::unreadableFileIsNeverOverwritten()
{
    QFETCH(QString, kind);
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    QByteArray content;
    if (kind == u("large")) {
        content = "[Software\\Stemmo\\Properties]\nRegionIndex=5\n" + QByteArray(9 << 20, ';');
        folder.write(QStringLiteral("Stemmo.ini"), content);
    } else if (kind == u("permission")) {
        content = "[Software\\Stemmo\\Properties]\nRegionIndex=5\n";
        folder.write(QStringLiteral("Stemmo.ini"), content);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
        QFile probe(path);
        if (probe.open(QIODevice::ReadOnly)) {
            QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
            QSKIP("file permissions do not stop this user (root)");
        }
    } else {
#ifdef Q_OS_UNIX
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
#endif
    }

    Settings settings(path);
    QCOMPARE(settings.number(keys::RegionIndex, -1), 8);
    QVERIFY(!settings.set(keys::RegionIndex, u("6")));
    QVERIFY2(settings.lastError().contains(u("nicht überschrieben")), qPrintable(settings.lastError()));
    QVERIFY(!settings.DeleteSetting(App, Properties));

    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    const QFileInfo info(path);
    QCOMPARE(info.isFile(), kind != u("pipe"));
    if (info.isFile())
        QVERIFY(bytesOf(path) == content);
    QVERIFY(!QFile::exists(path + u(".defekt")));
}

void TestSettings::concurrentWritersLoseNothing()
{
    testing::TestFolder folder;
    const QString path = folder.file(QStringLiteral("Stemmo.ini"));
    const int perWriter = 80;
    QProcess first;
    QProcess second;
    const QString program = QCoreApplication::applicationFilePath();
    first.start(program, {u("--child"), u("writer"), path, u("A"), QString::number(perWriter)});
    second.start(program, {u("--child"), u("writer"), path, u("B"), QString::number(perWriter)});
    QVERIFY(first.waitForFinished(30000));
    QVERIFY(second.waitForFinished(30000));
    QVERIFY2(first.exitCode() == 0, first.readAll().constData());
    QVERIFY2(second.exitCode() == 0, second.readAll().constData());

    Settings settings(path);
    for (const QString& prefix : {u("A"), u("B")}) {
        for (int i = 0; i < perWriter; ++i) {
            const QString name = prefix + QString::number(i);
            QCOMPARE(settings.GetSetting(App, Properties, name), u("Wert ") + name);
        }
    }
    QCOMPARE(filesIn(folder.path()), QStringList{u("Stemmo.ini")});
}

void TestSettings::defaultPathAndFirstWrite()
{
    testing::TestFolder folder;
    const QByteArray saved = qgetenv("STEMMO_SETTINGS");
    qunsetenv("STEMMO_SETTINGS");
    QCOMPARE(Settings::defaultPath(),
             QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                 u("/Stemmo/Stemmo.ini"));
    const QString chosen = folder.file(QStringLiteral("neu/tiefer/Stemmo.ini"));
    qputenv("STEMMO_SETTINGS", QFile::encodeName(chosen));
    QCOMPARE(Settings::defaultPath(), chosen);
    if (saved.isNull())
        qunsetenv("STEMMO_SETTINGS");
    else
        qputenv("STEMMO_SETTINGS", saved);

    Settings settings(chosen);
    QVERIFY2(settings.set(keys::ListenNr, u("Liste 1")), qPrintable(settings.lastError()));
    QCOMPARE(Settings(chosen).get(keys::ListenNr), u("Liste 1"));
    QCOMPARE(filesIn(QFileInfo(chosen).absolutePath()), QStringList{u("Stemmo.ini")});
}

// As QTEST_GUILESS_MAIN, plus the child roles that some cases start this
// binary in ("--child <role> …") to act as a second program.
int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == u("--child")) {
        const QStringList childArgs = args.mid(1);
        if (childArgs.value(0) == u("writer") && childArgs.size() == 4)
            return childWriter(childArgs);
        if (childArgs.value(0) == u("limited") && childArgs.size() == 4)
            return childLimitedWriter(childArgs);
        return 64;
    }
    TestSettings test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
