// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryFixture.h"

#include "entry/KeyCodes.h"
#include "import/DataFolderSetup.h"
#include "store/DataFolder.h"
#include "store/ListRepository.h"
#include "store/RecordRepository.h"

#include <QTest>

EntryFixture::EntryFixture()
{
    const store::DataFolder data = dataFolder();
    importer::DataFolderSetup::ensure(data);
    holz =
        store::Database::open(data.holzDb(), store::DatabaseKind::Holz, store::OpenMode::ReadWriteExisting);
    master = store::Database::open(data.masterDb(), store::DatabaseKind::MasterData,
                                   store::OpenMode::ReadWriteExisting);
    settings = std::make_unique<store::Settings>(folder.file(QStringLiteral("Stemmo.ini")));
    form = std::make_unique<entry::FrmHolz>(*holz, *master, *settings, ui);
    form->setDezimalpunkt(false);
    form->Form_Load();
}

store::DataFolder EntryFixture::dataFolder() const
{
    return folder.dataFolder();
}

void EntryFixture::newList(const QString& name)
{
    form->cmdNeu_Click();
    header::FrmListendaten& dialog = form->frmListendaten();
    dialog.setText(header::HeaderField::Listenname, name);
    dialog.cmdOK_Click();
}

void EntryFixture::type(const QString& keys)
{
    for (const QChar ch : keys) {
        int code = 0;
        QString text;
        if (ch.isDigit()) {
            code = entry::keys::Digit0 + ch.digitValue();
            text = ch;
        } else if (ch == QLatin1Char(',')) {
            code = entry::keys::OemComma;
            text = ch;
        } else if (ch == QLatin1Char('E')) {
            code = entry::keys::Enter;
        } else if (ch == QLatin1Char('X')) {
            code = entry::keys::Esc;
        } else if (ch == QLatin1Char('<')) {
            code = entry::keys::Back;
        }
        form->keyDown(code, Qt::NoModifier, text);
        form->keyUp(code, Qt::NoModifier);
    }
}

void EntryFixture::letter(char key, Qt::KeyboardModifiers modifiers)
{
    const int code = key >= 'a' && key <= 'z' ? key - 'a' + 'A' : key;
    form->keyDown(code, modifiers, QString(QLatin1Char(key)));
    form->keyUp(code, modifiers);
}

void EntryFixture::chooseSpecies(const QString& species)
{
    form->cmdHolzart_Click();
    form->listChoose(entry::ControlId::lstHolzart, c().lstHolzart.items.indexOf(species));
}

void EntryFixture::field(const QString& feld, const QString& value)
{
    if (feld == QLatin1String("Laenge"))
        form->cmdLaenge_Click();
    else if (feld == QLatin1String("Durchmesser"))
        form->cmdDurchm_Click();
    else if (feld == QLatin1String("Stueck"))
        form->cmdStueck_Click();
    else if (feld == QLatin1String("Faktor"))
        form->cmdFaktor_Click();
    else if (feld == QLatin1String("Nummer"))
        form->cmdNummer_Click();
    else if (feld == QLatin1String("Kubatur"))
        form->cmdKubatur_Click();
    for (const QChar ch : value) {
        if (ch == QLatin1Char(',') || ch == QLatin1Char('.'))
            form->cmdKomma_Click();
        else
            form->keypad(QString(ch));
    }
}

void EntryFixture::log(const QString& buffer, const QString& species, const QString& grade,
                       const QString& sorte)
{
    if (record().txtHolzart != species)
        chooseSpecies(species);
    if (record().txtSorte != sorte)
        form->chooseSorte(sorte);
    if (record().txtGuete != grade)
        form->chooseGrade(grade);
    type(buffer + QLatin1Char('E'));
}

QList<store::HolzRow> EntryFixture::records(const QString& list) const
{
    QList<store::HolzRow> rows;
    store::RecordRepository(*holz).forEachRecord(list, QString(), true,
                                                 [&](const store::HolzRow& row) { rows << row; });
    return rows;
}

store::ListenRow EntryFixture::listRow(const QString& list) const
{
    return store::ListRepository(*holz).find(list).value_or(store::ListenRow());
}

store::HolzRow EntryFixture::recordRow(const QString& list, int los, int nummer, double kubatur,
                                       double stueck, const QString& sorte, bool folgestamm)
{
    store::HolzRow row;
    row.Liste = list;
    row.Los = los;
    row.Nummer = nummer;
    row.Einzelstamm = nummer > 0;
    row.Kubatur = kubatur;
    row.Stueck = stueck;
    row.Sorte = sorte;
    row.Folgestamm = folgestamm;
    row.Holzart = QStringLiteral("Fichte");
    row.Guete = QStringLiteral("B ");
    row.Laenge = 4;
    row.Durchm = 25;
    return row;
}

void EntryFixture::insertRecord(const QString& list, int los, int nummer, double kubatur, double stueck,
                                const QString& sorte, bool folgestamm)
{
    insertRow(recordRow(list, los, nummer, kubatur, stueck, sorte, folgestamm));
}

void EntryFixture::insertRow(const store::HolzRow& row)
{
    store::RecordSet<store::HolzRow>(*holz, store::holzTable()).addNew(row);
}

void EntryFixture::changeRecords(const QString& list, const std::function<void(store::HolzRow&)>& change)
{
    store::RecordSet<store::HolzRow> rows(*holz, store::holzTable());
    store::RecordRepository(*holz).openRecords(rows, list, QString(), true);
    for (int i = 0; i < rows.recordCount(); ++i) {
        rows.move(i);
        store::HolzRow row = rows.current();
        change(row);
        rows.update(row);
    }
}

void EntryFixture::changeListRow(const QString& list, const std::function<void(store::ListenRow&)>& change)
{
    store::RecordSet<store::ListenRow> lists(*holz, store::listenTable());
    store::ListRepository(*holz).openInOrder(lists, store::ListenOrder::Unsorted);
    for (int i = 0; i < lists.recordCount(); ++i) {
        if (lists.at(i).Liste != list)
            continue;
        lists.move(i);
        store::ListenRow row = lists.current();
        change(row);
        lists.update(row);
    }
}
