// SPDX-License-Identifier: GPL-3.0-or-later
#include "MantelFixture.h"

#include "mantel/FrmMantel.h"
#include "store/LotRegister.h"
#include "store/MantelSamples.h"
#include "store/RecordRepository.h"
#include "store/Transaction.h"
#include "tests/store/StoreFaults.h"

#include <QSignalSpy>
#include <QtTest>

using mantel::FrmMantel;
using mantel::StackRecord;
using manteltest::Fixture;

namespace {

std::optional<mantel::StoredSample> enter(FrmMantel& form, const char* diameter)
{
    form.setEingabe(QString::fromUtf8(diameter));
    return form.cmdOK_Click();
}

} // namespace

class TestMantel : public QObject {
    Q_OBJECT

private slots:
    void threeSamplesGiveTheMeanTimesThePieces();
    void sampleVolumesFollowTheBarkOfTheRecord();
    void diametersOutsideTheByteAreRefused_data();
    void diametersOutsideTheByteAreRefused();
    void samplesAreNumberedAndReadBack();
    void aStackWithoutSamplesHasNoVolume();
    void incompleteOrUnstoredRecordsTakeNoSample();
    void removingSamplesTheVolumeFollows();
    void samplesGoWithTheirRecord();
    void aFailedWriteStoresNeitherSampleNorVolume();
};

void TestMantel::threeSamplesGiveTheMeanTimesThePieces()
{
    Fixture f;
    FrmMantel form(*f.store, f.bark, f.ui);
    QSignalSpy stored(&form, &FrmMantel::sampleStored);
    form.open(f.stack());
    QCOMPARE(form.txtAnzahl(), QStringLiteral("0"));

    // 4 m × 3.1415 × d² / 4: 0.28, 0.32 and 0.36 fm; mean 0.32; ten pieces.
    QVERIFY(enter(form, "30"));
    QVERIFY(enter(form, "32"));
    const auto last = enter(form, "34");
    QVERIFY(last);
    QCOMPARE(last->txtKubatur, QStringLiteral("3,20"));
    QCOMPARE(last->kubatur, 3.2);
    // What the second sample had made of it: (0.28 + 0.32) / 2 × 10.
    QCOMPARE(last->oldKubatur, 3.0);
    QVERIFY(last->rowUpdated);
    QCOMPARE(f.storedKubatur(), 3.2);
    QCOMPARE(form.txtKubatur(), QStringLiteral("3,20"));
    QCOMPARE(form.txtAnzahl(), QStringLiteral("3"));
    QCOMPARE(form.lstMantel(),
             (QStringList{QStringLiteral("30"), QStringLiteral("32"), QStringLiteral("34")}));
    QCOMPARE(form.selectedSample(), 2);
    QCOMPARE(form.txtEingabe(), QString());
    QCOMPARE(f.ui.confirmations(), 3);
    QCOMPARE(stored.size(), 3);
    // The first sample replaced the typed volume of 1.50.
    QCOMPARE(stored.first().first().value<mantel::StoredSample>().oldKubatur, 1.5);

    // The list changed after its export: it has to be exported again.
    f.store->Listen_Oeffnen();
    QVERIFY(f.store->moveToList(QStringLiteral("Polter")));
    QVERIFY(!f.store->Listen.current().Konvertiert.isValid());
    QCOMPARE(f.store->Listen.current().Bearbeitet, QDate::currentDate());
    QVERIFY(f.ui.done());
}

void TestMantel::sampleVolumesFollowTheBarkOfTheRecord()
{
    Fixture f;
    FrmMantel form(*f.store, f.bark, f.ui);
    form.setDezimalpunkt(true);
    form.open(f.stack(QStringLiteral("a")));
    // Spruce of 30 cm loses 2 cm of bark: 4 × 3.1415 × 0.28² / 4 = 0.2463 → 0.25.
    const auto sample = enter(form, "30");
    QVERIFY(sample);
    QCOMPARE(sample->txtKubatur, QStringLiteral("2.50"));
    const QList<store::MantelRow> samples = store::MantelSamples(*f.holz).ofRecord(f.holzId);
    QCOMPARE(samples.size(), 1);
    QCOMPARE(float(samples.first().Kubatur), 0.25f);
}

void TestMantel::diametersOutsideTheByteAreRefused_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("stored");
    QTest::addColumn<double>("kubatur");
    // 99 cm: 3.08 fm per log; 1 cm rounds to 0.00.
    QTest::newRow("99") << "99" << true << 30.8;
    QTest::newRow("1") << "1" << true << 0.0;
    QTest::newRow("100") << "100" << false << 1.5;
    QTest::newRow("0") << "0" << false << 1.5;
    QTest::newRow("negative") << "-5" << false << 1.5;
    QTest::newRow("letters") << "3x" << false << 1.5;
}

void TestMantel::diametersOutsideTheByteAreRefused()
{
    QFETCH(QString, typed);
    QFETCH(bool, stored);
    QFETCH(double, kubatur);
    Fixture f;
    FrmMantel form(*f.store, f.bark, f.ui);
    form.open(f.stack());
    if (!stored)
        f.ui.expectMessage(QStringLiteral("1 bis 99 cm"));
    form.setEingabe(typed);
    QCOMPARE(form.cmdOK_Click().has_value(), stored);
    QCOMPARE(form.txtEingabe(), QString());
    QCOMPARE(f.sampleRows(), stored ? 1 : 0);
    QCOMPARE(f.storedKubatur(), kubatur);
    QCOMPARE(f.ui.confirmations(), stored ? 1 : 0);
    QVERIFY(f.ui.done());
}

void TestMantel::samplesAreNumberedAndReadBack()
{
    Fixture f;
    const qint64 second = f.addAssortment();
    {
        FrmMantel form(*f.store, f.bark, f.ui);
        form.open(f.stack());
        QVERIFY(enter(form, "30"));
        QVERIFY(enter(form, "40"));
        // Another stack of the list, with the same number 0 as every
        // assortment, keeps its own samples.
        StackRecord other = f.stack(QStringLiteral("r"), second);
        other.txtNummer = QStringLiteral("0");
        form.open(other);
        QCOMPARE(form.lstMantel().size(), 0);
        const auto own = enter(form, "50");
        QVERIFY(own);
        // 10 × 0.79 fm: the first stack's samples are not averaged in.
        QCOMPARE(own->kubatur, 7.9);
    }
    QCOMPARE(f.samples({f.holzId, second}),
             (QList<QList<qint64>>{{f.holzId, 30, 0}, {f.holzId, 40, 1}, {second, 50, 0}}));
    QList<int> stapelNr;
    for (const qint64 id : {f.holzId, second})
        for (const store::MantelRow& sample : store::MantelSamples(*f.holz).ofRecord(id))
            stapelNr << sample.StapelNr;
    QCOMPARE(stapelNr, (QList<int>{5, 5, 0}));

    FrmMantel again(*f.store, f.bark, f.ui);
    again.open(f.stack());
    QCOMPARE(again.lstMantel(), (QStringList{QStringLiteral("30"), QStringLiteral("40")}));
    QCOMPARE(again.txtAnzahl(), QStringLiteral("2"));
    // (0.28 + 0.50) / 2 × 10
    QCOMPARE(again.txtKubatur(), QStringLiteral("3,90"));
    again.clear();
    QVERIFY(again.lstMantel().isEmpty());
    QVERIFY(f.ui.done());
}

void TestMantel::aStackWithoutSamplesHasNoVolume()
{
    Fixture f;
    FrmMantel form(*f.store, f.bark, f.ui);
    form.open(f.stack());
    QCOMPARE(form.MantelKubatur(), std::nullopt);
    QCOMPARE(form.txtKubatur(), QString());
    // An empty box stores nothing and says nothing.
    QCOMPARE(form.cmdOK_Click(), std::nullopt);
    QCOMPARE(f.sampleRows(), 0);
    form.mnuHilfe_Click();
    QCOMPARE(f.ui.helpAnchors(), QStringList{QStringLiteral("Mantel")});
    QVERIFY(f.ui.done());
}

void TestMantel::incompleteOrUnstoredRecordsTakeNoSample()
{
    Fixture f;
    FrmMantel form(*f.store, f.bark, f.ui);
    StackRecord noLength = f.stack();
    noLength.txtLaenge = QStringLiteral("0");
    form.open(noLength);
    f.ui.expectMessage(QStringLiteral("Länge des Stapels fehlt"));
    QVERIFY(!enter(form, "30"));
    StackRecord noPieces = f.stack();
    noPieces.txtStueck = QString();
    form.open(noPieces);
    f.ui.expectMessage(QStringLiteral("Stückzahl des Stapels fehlt"));
    QVERIFY(!enter(form, "30"));
    form.open(StackRecord());
    f.ui.expectMessage(QStringLiteral("Keine Liste"));
    QVERIFY(!enter(form, "30"));
    form.open(f.stack(QStringLiteral("r"), 0)); // a record not stored yet
    f.ui.expectMessage(QStringLiteral("zuerst speichern"));
    QVERIFY(!enter(form, "30"));
    QCOMPARE(f.sampleRows(), 0);
    QCOMPARE(f.storedKubatur(), 1.5);
    QVERIFY(f.ui.done());
}

void TestMantel::removingSamplesTheVolumeFollows()
{
    Fixture f;
    FrmMantel form(*f.store, f.bark, f.ui);
    QSignalSpy changedVolume(&form, &FrmMantel::sampleStored);
    form.open(f.stack());
    // Opening and closing without a sample changes nothing.
    QCOMPARE(form.cmdEntfernen_Click(), std::nullopt);
    QCOMPARE(f.storedKubatur(), 1.5);
    QCOMPARE(f.storedStamm(), QStringLiteral("1"));

    QVERIFY(enter(form, "30"));
    QVERIFY(enter(form, "32"));
    QVERIFY(enter(form, "34"));
    QCOMPARE(f.storedKubatur(), 3.2);
    QCOMPARE(f.storedStamm(), QStringLiteral("Mantl"));

    // The mistyped 30 goes: (0.32 + 0.36) / 2 × 10.
    form.lstMantel_Click(0);
    const auto removed = form.cmdEntfernen_Click();
    QVERIFY(removed);
    QCOMPARE(removed->kubatur, 3.4);
    QCOMPARE(removed->oldKubatur, 3.2);
    QCOMPARE(f.storedKubatur(), 3.4);
    QCOMPARE(form.lstMantel(), (QStringList{QStringLiteral("32"), QStringLiteral("34")}));
    QCOMPARE(form.txtAnzahl(), QStringLiteral("2"));
    QCOMPARE(f.samples({f.holzId}), (QList<QList<qint64>>{{f.holzId, 32, 0}, {f.holzId, 34, 1}}));

    // A new sample takes the next free position.
    QVERIFY(enter(form, "36"));
    QCOMPARE(f.samples({f.holzId}).last(), (QList<qint64>{f.holzId, 36, 2}));

    // Without samples the record has the volume of its own measures again:
    // 10 × 4 m × 3.1415 × 0.22² / 4 = 1.52.
    while (!form.lstMantel().isEmpty()) {
        form.lstMantel_Click(0);
        QVERIFY(form.cmdEntfernen_Click());
    }
    QCOMPARE(f.storedKubatur(), 1.52);
    QCOMPARE(f.storedStamm(), QStringLiteral("1"));
    QCOMPARE(f.sampleRows(), 0);
    QCOMPARE(changedVolume.size(), 8);
    QCOMPARE(changedVolume.last().first().value<mantel::StoredSample>().txtKubatur, QStringLiteral("1,52"));
    QVERIFY(f.ui.done());
}

void TestMantel::samplesGoWithTheirRecord()
{
    Fixture f;
    const qint64 second = f.addAssortment();
    FrmMantel form(*f.store, f.bark, f.ui);
    form.open(f.stack());
    QVERIFY(enter(form, "30"));
    form.open(f.stack(QStringLiteral("r"), second));
    QVERIFY(enter(form, "40"));

    store::ListenRow other;
    other.Liste = QStringLiteral("Nord");
    other.Los = store::LotRegister::initial();
    f.store->Listen.addNew(other);
    // Moved to another list (as the table's "Liste" change moves records):
    // its samples go along, the other stack's stay.
    {
        store::Transaction move(*f.holz);
        store::RecordRepository(*f.holz).moveRecords({second}, QStringLiteral("Nord"));
        move.commit();
    }
    const auto listOf = [&](qint64 record) {
        const QList<store::MantelRow> samples = store::MantelSamples(*f.holz).ofRecord(record);
        return samples.size() == 1 ? samples.first().Liste : QString();
    };
    QCOMPARE(listOf(f.holzId), QStringLiteral("Polter"));
    QCOMPARE(listOf(second), QStringLiteral("Nord"));
    form.open(f.stack(QStringLiteral("r"), second));
    QCOMPARE(form.lstMantel(), QStringList{QStringLiteral("40")});

    // Deleted: its samples go, the others stay.
    store::TimberStore nord(*f.holz, *f.settings);
    nord.Listen_Oeffnen();
    QVERIFY(nord.moveToList(QStringLiteral("Nord")));
    QVERIFY(nord.Holzliste_Oeffnen());
    QCOMPARE(nord.Holz.currentId(), second);
    nord.Holz.deleteCurrent();
    QCOMPARE(f.samples({f.holzId, second}), (QList<QList<qint64>>{{f.holzId, 30, 0}}));
    // The window still open on the deleted record stores nothing.
    f.ui.expectMessage(QStringLiteral("nicht mehr vorhanden"));
    QVERIFY(!enter(form, "44"));
    QCOMPARE(f.samples({f.holzId, second}), (QList<QList<qint64>>{{f.holzId, 30, 0}}));
    // A record stored later under a reused row id starts without samples.
    const qint64 reused = f.addAssortment();
    form.open(f.stack(QStringLiteral("r"), reused));
    QVERIFY(form.lstMantel().isEmpty());
    QVERIFY(f.ui.done());
}

void TestMantel::aFailedWriteStoresNeitherSampleNorVolume()
{
    Fixture f;
    testing::StoreFaults::refuseRecordChanges(*f.holz);
    FrmMantel form(*f.store, f.bark, f.ui);
    form.open(f.stack());
    f.ui.expectMessage(QStringLiteral("Fehl.Nr"));
    QVERIFY(!enter(form, "30"));
    QCOMPARE(f.sampleRows(), 0);
    QCOMPARE(f.storedKubatur(), 1.5);
    QVERIFY(form.lstMantel().isEmpty());
    QCOMPARE(f.ui.confirmations(), 0);
    // The shared record set forgot the row as well.
    QCOMPARE(f.store->Mantel.recordCount(), 0);

    testing::StoreFaults::allowRecordChanges(*f.holz);
    QVERIFY(enter(form, "30"));
    QCOMPARE(form.lstMantel().size(), 1);
    QCOMPARE(f.storedKubatur(), 2.8);
    QVERIFY(f.ui.done());
}

QTEST_GUILESS_MAIN(TestMantel)
#include "tst_mantel.moc"
