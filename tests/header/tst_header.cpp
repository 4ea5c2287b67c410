// SPDX-License-Identifier: GPL-3.0-or-later
#include "header/FrmListendaten.h"
#include "import/DataFolderSetup.h"
#include "store/Database.h"
#include "store/ListRepository.h"
#include "store/LotRegister.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "tests/store/StoreFaults.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/store/TestDatabase.h"

#include <QSignalSpy>
#include <QTest>

using header::FrmListendaten;
using header::HeaderField;
using platform::Answer;

namespace {

// A list database with the dialog on top of it.
struct Dialog {
    TestDatabase folder;
    std::unique_ptr<store::Database> db;
    std::unique_ptr<store::Settings> settings;
    std::unique_ptr<store::TimberStore> store;
    testing::ScriptedUserInterface ui;
    std::unique_ptr<FrmListendaten> form;

    Dialog()
    {
        const store::DataFolder data = folder.dataFolder();
        importer::DataFolderSetup::ensure(data);
        db = store::Database::open(data.holzDb(), store::DatabaseKind::Holz,
                                   store::OpenMode::ReadWriteExisting);
        settings = std::make_unique<store::Settings>(folder.file(QStringLiteral("Stemmo.ini")));
        store = std::make_unique<store::TimberStore>(*db, *settings);
        store->Listen_Oeffnen(store::ListenOrder::ListeAsc);
        form = std::make_unique<FrmListendaten>(*store, ui);
    }

    bool create(const QString& typedName)
    {
        form->Form_Activate(false, QString());
        form->setText(HeaderField::Listenname, typedName);
        return form->Kopfdaten_Speichern();
    }

    void edit(const QString& name)
    {
        store->Listen_Oeffnen();
        QVERIFY(store->moveToList(name));
        form->Form_Activate(true, name);
    }

    store::ListRepository::Contents contents(const QString& list) { return store::ListRepository(*db).contents(list); }

    // Two records, a sample that names no record (found by its list only)
    // and a storage row.
    void addRows(const QString& list)
    {
        store::RecordSet<store::HolzRow> records(*db, store::holzTable());
        for (int nummer : {1, 2}) {
            store::HolzRow row;
            row.Liste = list;
            row.Nummer = nummer;
            row.Kubatur = 0.5;
            records.addNew(row);
        }
        store::RecordSet<store::MantelRow> samples(*db, store::mantelTable());
        samples.addNew({list, 3, 30, 0, 0, 0, 0});
        store::RecordSet<store::LagerRow> places(*db, store::lagerTable());
        places.addNew({list, 1, {}, {}, QStringLiteral("Weg"), {}, 0});
    }
};

} // namespace

class TestHeader : public QObject {
    Q_OBJECT

private slots:
    void cleansTheName_data();
    void cleansTheName();
    void proposesTheNextNumber_data();
    void proposesTheNextNumber();
    void newListStartsEmptyWithLotOne();
    void refusesEmptyDuplicateAndBadDate_data();
    void refusesEmptyDuplicateAndBadDate();
    void nameLengthCountsCharacters_data();
    void nameLengthCountsCharacters();
    void editKeepsTheStoredName();
    void cancelAsksOnlyAfterChanges();
    void renameMovesRecordsSamplesAndStorageRows();
    void renameRefusals_data();
    void renameRefusals();
    void renameIsAllOrNothing();
};

void TestHeader::cleansTheName_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("stored");
    QTest::newRow("points, blanks, commas") << QStringLiteral("12. 3,4") << QStringLiteral("1234");
    QTest::newRow("text kept") << QStringLiteral("Wald Nord") << QStringLiteral("WaldNord");
    QTest::newRow("only separators") << QStringLiteral(" ., ") << QString();
}

void TestHeader::cleansTheName()
{
    QFETCH(QString, typed);
    QFETCH(QString, stored);
    QCOMPARE(FrmListendaten::cleanListName(typed), stored);
    if (stored.isEmpty())
        return;
    Dialog d;
    QSignalSpy saved(d.form.get(), &FrmListendaten::listSaved);
    QVERIFY(d.create(typed));
    QCOMPARE(saved.count(), 1);
    QCOMPARE(saved.first().first().toString(), stored);
    QVERIFY(store::ListRepository(*d.db).exists(stored));
    QCOMPARE(d.settings->get(store::keys::ListenNr), stored);
    QVERIFY(!d.form->visible);
}

void TestHeader::proposesTheNextNumber_data()
{
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("proposal");
    QTest::newRow("17") << QStringLiteral("17") << QStringLiteral("18");
    QTest::newRow("text") << QStringLiteral("Nord") << QString();
    QTest::newRow("none") << QString() << QString();
    QTest::newRow("negative") << QStringLiteral("-3") << QString();
}

void TestHeader::proposesTheNextNumber()
{
    QFETCH(QString, selected);
    QFETCH(QString, proposal);
    Dialog d;
    d.settings->set(store::keys::Forstamt, QStringLiteral("Forstamt 7"));
    d.form->Form_Activate(false, selected);
    QCOMPARE(d.form->txtListenname.text, proposal);
    QVERIFY(d.form->txtListenname.enabled);
    QCOMPARE(d.form->caption, QStringLiteral("Neue Liste"));
    QCOMPARE(d.form->txtForstamt.text, QStringLiteral("Forstamt 7"));
    QCOMPARE(d.form->txtRevier.text, QStringLiteral("1"));
    QCOMPARE(d.form->txtdatum.text, QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy")));
    QVERIFY(!d.form->mnuBezLaendern.enabled);
}

void TestHeader::newListStartsEmptyWithLotOne()
{
    Dialog d;
    d.form->Form_Activate(false, QString());
    d.form->setText(HeaderField::Listenname, QStringLiteral("5"));
    d.form->setText(HeaderField::Name, QStringLiteral("Müller"));
    d.form->setText(HeaderField::Datum, QStringLiteral("3.4.24"));
    d.form->setText(HeaderField::Forstamt, QStringLiteral("Ebersberg"));
    d.form->setText(HeaderField::Revier, QStringLiteral("Nord"));
    QVERIFY(d.form->Kopfdaten_Speichern());
    // The next new list takes office and district of this one.
    d.form->Form_Activate(false, QStringLiteral("5"));
    QCOMPARE(d.form->txtForstamt.text, QStringLiteral("Ebersberg"));
    QCOMPARE(d.form->txtRevier.text, QStringLiteral("Nord"));
    QVERIFY(d.store->moveToList(QStringLiteral("5")));
    const store::ListenRow row = d.store->Listen.current();
    QCOMPARE(row.Name, QStringLiteral("Müller"));
    QCOMPARE(row.Kubatur, 0.0);
    QCOMPARE(row.Stueckzahl, 0);
    QCOMPARE(row.NummerHigh, 0);
    QCOMPARE(row.Los, store::LotRegister::initial());
    QCOMPARE(row.Datum, QDate(2024, 4, 3));
    QVERIFY(d.ui.done());
}

void TestHeader::refusesEmptyDuplicateAndBadDate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("date");
    QTest::addColumn<QString>("message");
    QTest::newRow("empty") << QStringLiteral(" . ") << QString()
                           << QStringLiteral("Bezeichnung der Liste eingeben !");
    QTest::newRow("duplicate") << QStringLiteral("Wald") << QString() << QStringLiteral("'Wald'");
    // Names are compared without case: "wald" would share Wald's records.
    QTest::newRow("duplicate in other case")
        << QStringLiteral("WALD") << QString() << QStringLiteral("'WALD'");
    QTest::newRow("bad date") << QStringLiteral("Neu") << QStringLiteral("31.02.2024")
                              << QStringLiteral("ungültig");
    // Names longer than their column, or with characters that break or
    // reorder what lists and messages show, are refused whole.
    QTest::newRow("51 characters") << QString(51, u'W') << QString() << QStringLiteral("höchstens 50");
    QTest::newRow("line break") << QStringLiteral("Nord\nSüd") << QString()
                                << QStringLiteral("Zeilenumbruch");
    QTest::newRow("line separator") << QStringLiteral("Nord\u2028Süd") << QString()
                                    << QStringLiteral("Zeilenumbruch");
    QTest::newRow("tab") << QStringLiteral("Nord\tSüd") << QString() << QStringLiteral("Steuerzeichen");
    QTest::newRow("escape") << QStringLiteral("Nord\x1b[31m") << QString() << QStringLiteral("Steuerzeichen");
    QTest::newRow("right-to-left override")
        << QStringLiteral("Nord\u202Egpj.exe") << QString() << QStringLiteral("Schreibrichtung");
    QTest::newRow("isolate") << QStringLiteral("\u2067Nord") << QString()
                             << QStringLiteral("Schreibrichtung");
}

void TestHeader::nameLengthCountsCharacters_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("50 letters") << QString(50, u'W') << true;
    QTest::newRow("50 umlauts") << QString(50, u'Ü') << true;
    QString trees;
    for (int i = 0; i < 50; ++i)
        trees += QString::fromUcs4(U"\U0001F332", 1);
    QTest::newRow("50 beyond the basic plane") << trees << true;
    QTest::newRow("51 beyond the basic plane") << trees + trees.left(2) << false;
    QTest::newRow("lone surrogate") << QString(QChar(0xD800)) + QStringLiteral("Nord") << false;
}

void TestHeader::nameLengthCountsCharacters()
{
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    Dialog d;
    if (!accepted)
        d.ui.expectMessage(QStringLiteral("Bezeichnung der Liste"));
    QCOMPARE(d.create(name), accepted);
    QVERIFY(d.ui.done());
    QCOMPARE(store::ListRepository(*d.db).exists(name), accepted);
}

void TestHeader::refusesEmptyDuplicateAndBadDate()
{
    QFETCH(QString, name);
    QFETCH(QString, date);
    QFETCH(QString, message);
    Dialog d;
    QVERIFY(d.create(QStringLiteral("Wald")));
    d.form->Form_Activate(false, QString());
    d.form->setText(HeaderField::Listenname, name);
    d.form->setText(HeaderField::Datum, date);
    d.ui.expectMessage(message, Answer::Ok);
    QSignalSpy saved(d.form.get(), &FrmListendaten::listSaved);
    QVERIFY(!d.form->Kopfdaten_Speichern());
    QVERIFY(d.ui.done());
    QCOMPARE(saved.count(), 0);
    QVERIFY(d.form->visible);
    QCOMPARE(store::ListRepository(*d.db).all(store::ListenOrder::Unsorted).size(), 1);
}

void TestHeader::editKeepsTheStoredName()
{
    Dialog d;
    // An imported list may carry characters the dialog would clean away;
    // its records must stay attached to it.
    store::ListenRow row;
    row.Liste = QStringLiteral("Wald 1.2");
    row.Los = store::LotRegister::initial();
    d.store->Listen.addNew(row);
    d.addRows(row.Liste);
    d.edit(row.Liste);
    QCOMPARE(d.form->caption, QStringLiteral("Liste 'Wald 1.2'"));
    QVERIFY(!d.form->txtListenname.enabled);
    d.form->setText(HeaderField::Ort, QStringLiteral("Grafing"));
    QVERIFY(d.form->Kopfdaten_Speichern());
    QVERIFY(d.store->moveToList(row.Liste));
    QCOMPARE(d.store->Listen.current().Ort, QStringLiteral("Grafing"));
    QCOMPARE(d.contents(row.Liste).records, 2);
}

void TestHeader::cancelAsksOnlyAfterChanges()
{
    Dialog d;
    QVERIFY(d.create(QStringLiteral("Wald")));
    d.edit(QStringLiteral("Wald"));
    QSignalSpy dismissed(d.form.get(), &FrmListendaten::dismissed);
    d.form->cmdAbbrechen_Click(); // nothing typed: no question
    QCOMPARE(dismissed.count(), 1);
    QVERIFY(d.ui.shown().isEmpty());

    d.edit(QStringLiteral("Wald"));
    d.form->setText(HeaderField::Name, QStringLiteral("Huber"));
    d.ui.expectMessage(QStringLiteral("Geänderte Daten abspeichern ?"), Answer::Yes);
    d.form->cmdAbbrechen_Click();
    QVERIFY(d.ui.done());
    QVERIFY(d.store->moveToList(QStringLiteral("Wald")));
    QCOMPARE(d.store->Listen.current().Name, QStringLiteral("Huber"));

    d.form->Form_Activate(false, QString());
    d.form->setText(HeaderField::Listenname, QStringLiteral("Ost"));
    d.ui.expectMessage(QStringLiteral("Neue Liste 'Ost' anlegen ?"), Answer::No);
    d.form->cmdAbbrechen_Click();
    QVERIFY(d.ui.done());
    QVERIFY(!store::ListRepository(*d.db).exists(QStringLiteral("Ost")));
    QCOMPARE(dismissed.count(), 2);
}

void TestHeader::renameMovesRecordsSamplesAndStorageRows()
{
    Dialog d;
    QVERIFY(d.create(QStringLiteral("Alt")));
    QVERIFY(d.create(QStringLiteral("Andere")));
    d.addRows(QStringLiteral("Alt"));
    d.addRows(QStringLiteral("Andere"));
    d.edit(QStringLiteral("Alt"));
    QSignalSpy renamed(d.form.get(), &FrmListendaten::listRenamed);
    d.ui.expectInput(QStringLiteral("Neue Bezeichnung der Liste eingeben"), QStringLiteral("Neu 1"));
    d.ui.expectMessage(QStringLiteral("nach 'Neu1'"), Answer::Yes);
    d.form->Liste_Umbenennen();
    QVERIFY(d.ui.done());
    QCOMPARE(renamed.count(), 1);
    QCOMPARE(d.form->txtListenname.text, QStringLiteral("Neu1"));
    QVERIFY(!d.form->txtListenname.enabled);
    const auto moved = d.contents(QStringLiteral("Neu1"));
    QVERIFY(moved.records > 0 && moved.samples > 0 && moved.storageRows > 0);
    const auto left = d.contents(QStringLiteral("Alt"));
    QCOMPARE(left.records + left.samples + left.storageRows, 0);
    QVERIFY(store::ListRepository(*d.db).exists(QStringLiteral("Neu1")));
    QVERIFY(!store::ListRepository(*d.db).exists(QStringLiteral("Alt")));
    QCOMPARE(d.contents(QStringLiteral("Andere")).records, 2);
    QCOMPARE(d.settings->get(store::keys::ListenNr), QStringLiteral("Neu1"));
}

void TestHeader::renameRefusals_data()
{
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("reply");
    QTest::newRow("other list's name")
        << QStringLiteral("andere") << QStringLiteral("'andere'") << int(Answer::Ok);
    QTest::newRow("empty") << QStringLiteral(" ,") << QString() << 0;
    QTest::newRow("user says no") << QStringLiteral("Neu") << QStringLiteral("nach 'Neu'") << int(Answer::No);
    QTest::newRow("too long") << QString(51, u'N') << QStringLiteral("höchstens 50") << int(Answer::Ok);
}

void TestHeader::renameRefusals()
{
    QFETCH(QString, answer);
    QFETCH(QString, message);
    QFETCH(int, reply);
    Dialog d;
    QVERIFY(d.create(QStringLiteral("Alt")));
    QVERIFY(d.create(QStringLiteral("Andere")));
    d.addRows(QStringLiteral("Alt"));
    d.edit(QStringLiteral("Alt"));
    d.ui.expectInput(QStringLiteral("Neue Bezeichnung"), answer);
    if (!message.isEmpty())
        d.ui.expectMessage(message, Answer(reply));
    d.form->Liste_Umbenennen();
    QVERIFY(d.ui.done());
    QCOMPARE(d.form->txtListenname.text, QStringLiteral("Alt"));
    QVERIFY(!d.form->txtListenname.enabled);
    QCOMPARE(d.contents(QStringLiteral("Alt")).records, 2);
}

void TestHeader::renameIsAllOrNothing()
{
    Dialog d;
    QVERIFY(d.create(QStringLiteral("Alt")));
    d.addRows(QStringLiteral("Alt"));
    // The last table fails: the records renamed before it must come back.
    testing::StoreFaults::refuseStorageChanges(*d.db);
    d.edit(QStringLiteral("Alt"));
    d.ui.expectInput(QStringLiteral("Neue Bezeichnung"), QStringLiteral("Neu"));
    d.ui.expectMessage(QStringLiteral("nach 'Neu'"), Answer::Yes);
    d.ui.expectMessage(QStringLiteral("Fehl.Nr"), Answer::Ok);
    d.form->Liste_Umbenennen();
    QVERIFY(d.ui.done());
    QCOMPARE(d.contents(QStringLiteral("Alt")).records, 2);
    QVERIFY(store::ListRepository(*d.db).exists(QStringLiteral("Alt")));
    QCOMPARE(d.form->txtListenname.text, QStringLiteral("Alt"));
}

QTEST_GUILESS_MAIN(TestHeader)
#include "tst_header.moc"
