// SPDX-License-Identifier: GPL-3.0-or-later
// Two entry screens on one list, as two programs or two workstations on a
// shared folder have it: what one saves, the other's saves build on.
#include "EntryFixture.h"

#include "entry/ListListenModel.h"
#include "store/DataFolder.h"

#include <QTest>

using platform::Answer;

namespace {

const QString List = QStringLiteral("7");

// A second screen on the data folder of `first`, with connections and
// settings of its own.
struct SecondScreen {
    std::unique_ptr<store::Database> holz;
    std::unique_ptr<store::Database> master;
    std::unique_ptr<store::Settings> settings;
    testing::ScriptedUserInterface ui;
    std::unique_ptr<entry::FrmHolz> form;

    explicit SecondScreen(const EntryFixture& first)
    {
        const store::DataFolder data = first.dataFolder();
        holz = store::Database::open(data.holzDb(), store::DatabaseKind::Holz, store::OpenMode::ReadWriteExisting);
        master = store::Database::open(data.masterDb(), store::DatabaseKind::MasterData,
                                       store::OpenMode::ReadWriteExisting);
        settings = std::make_unique<store::Settings>(first.folder.file(QStringLiteral("Zweiter.ini")));
        form = std::make_unique<entry::FrmHolz>(*holz, *master, *settings, ui);
        form->setDezimalpunkt(false);
        form->Form_Load();
    }
    void open(const QString& list)
    {
        QVERIFY(form->selectList(list));
        form->ListListen_Click(form->listListen().selectedRow());
        QVERIFY(form->listOpen());
    }
    // A log typed as the first screen's fixture types it.
    void log(const QString& buffer)
    {
        form->cmdHolzart_Click();
        form->listChoose(entry::ControlId::lstHolzart, form->controls().lstHolzart.items.indexOf(u("Fichte")));
        form->chooseGrade(u("B "));
        form->chooseSorte(u("L "));
        form->cmdLaenge_Click();
        form->keypad(buffer.left(1));
        form->cmdDurchm_Click();
        for (const QChar ch : buffer.mid(1))
            form->keypad(QString(ch));
        QVERIFY(form->cmdSpeichern_Click());
    }
};

void checkTotals(const EntryFixture& f, int records)
{
    const auto rows = f.records(List);
    QCOMPARE(rows.size(), records);
    double volume = 0;
    QSet<int> numbers, satzNr;
    for (const auto& row : rows) {
        volume += row.Kubatur;
        numbers << row.Nummer;
        satzNr << row.SatzNr;
    }
    QCOMPARE(numbers.size(), records);
    QCOMPARE(satzNr.size(), records);
    const store::ListenRow list = f.listRow(List);
    QCOMPARE(list.Kubatur, std::round(volume * 100) / 100);
    QCOMPARE(list.Stueckzahl, records);
}

} // namespace

class TestEntryShared : public QObject {
    Q_OBJECT

private slots:
    void savesBuildOnWhatTheOtherSaved();
    void deleteAndChangeMoveTheStoredTotals();
};

void TestEntryShared::savesBuildOnWhatTheOtherSaved()
{
    EntryFixture a;
    a.newList(List);
    a.log(u("425"));
    SecondScreen b(a);
    b.open(List);

    a.log(u("430"));
    a.log(u("435"));
    // The second screen still knows number 1 as the highest; its next
    // number, 2, is taken meanwhile and becomes the next free one.
    b.log(u("440"));
    QCOMPARE(b.form->controls().txtNummer.text, u("4"));
    a.log(u("445"));
    QCOMPARE(a.c().txtNummer.text, u("5"));
    checkTotals(a, 5);
    QCOMPARE(a.listRow(List).NummerHigh, 5);
    // Each screen shows the totals as stored after its own save.
    QCOMPARE(a.form->listPieces(), 5);
    QCOMPARE(b.form->listPieces(), 4);
    QVERIFY(a.ui.done());
    QVERIFY(b.ui.done());
}

void TestEntryShared::deleteAndChangeMoveTheStoredTotals()
{
    EntryFixture a;
    a.newList(List);
    a.log(u("425"));
    a.log(u("430"));
    SecondScreen b(a);
    b.open(List);
    a.log(u("435"));
    b.log(u("440"));
    checkTotals(a, 4);

    // The second screen deletes its record; the first one's stays counted.
    b.ui.expectMessage(u("Satz löschen bestätigen ?"), Answer::Ok);
    b.form->mnuLoeschen_Click();
    checkTotals(a, 3);

    // The first screen changes its last record's diameter.
    a.form->cmdAendern_Click();
    a.field(u("Durchmesser"), u("50"));
    a.type(u("EE"));
    checkTotals(a, 3);
    QCOMPARE(a.records(List).last().Durchm, 50.0);
    QVERIFY(a.ui.done());
    QVERIFY(b.ui.done());
}

QTEST_GUILESS_MAIN(TestEntryShared)
#include "tst_entry_shared.moc"
