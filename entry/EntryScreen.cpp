// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryScreen.h"

#include "platform/UserInterface.h"
#include "rules/Numbers.h"
#include "store/DbError.h"

namespace entry {
namespace {

void hidden(std::initializer_list<Control*> controls)
{
    for (Control* control : controls)
        control->visible = false;
}

} // namespace

EntryScreen::EntryScreen(store::Database& holz, store::Settings& settingsStore, platform::UserInterface& userInterface,
                         const EntryHooks& hooks)
    : store(holz, settingsStore), settings(settingsStore), ui(userInterface), m_hooks(hooks)
{
    // The screen design's caption "&a" is no bark mode at all: a record saved
    // before the user picked one would compute without deduction while the
    // button reads "a", and carry "&a" into the exchange files.
    record.cmdAbzRinde = QStringLiteral("a");

    c.cmdAendern.toolTip = QStringLiteral("Datensatz ändern");
    c.cmdErster.toolTip = QStringLiteral("ersten Datensatz anzeigen");
    c.cmdZurueck.toolTip = QStringLiteral("vorherigen Datensatz anzeigen");
    c.cmdVor.toolTip = QStringLiteral("nächsten Datensatz anzeigen");
    c.cmdLetzter.toolTip = QStringLiteral("letzten Datensatz anzeigen");
    c.txtgespeichert.text = c.txtgespeichert.caption;

    c.optEinzelstamm.checked = true;
    c.cmdKubatur.enabled = false;
    c.cmdKomma.enabled = false;
    hidden({&c.chkFolge, &c.chkKlammer, &c.cmdFaktor, &c.txtFaktor, &c.cmdX, &c.txtgespeichert, &c.lstHolzart,
            &c.lstGuete, &c.lstKlasse, &c.lstStaerke, &c.lstRinde, &c.lstLos, &c.lstLosNeu, &c.txtLosNeu});
    setNavigation(false);
}

void EntryScreen::measureFromFields()
{
    m_calc.Durchmesser = rules::toSingle(record.txtDurchmesser).value_or(m_calc.Durchmesser);
    m_calc.Laenge = rules::toSingle(record.txtLaenge).value_or(m_calc.Laenge);
}

void EntryScreen::measureStored(float laenge, float durchmesser, float kubatur)
{
    m_calc.Durchmesser = durchmesser;
    m_calc.Laenge = laenge;
    m_calc.KubaturWert = kubatur;
}

void EntryScreen::Auswahl_geaendert()
{
    if (m_calc.Feldmodus)
        c.txtEingabe.text.clear();
    const QString code = record.sortCode();
    c.cmdKomma.enabled =
        code == QLatin1String("P ") || code == QLatin1String("S ") || code == QLatin1String("IS");
    for (Control* field :
         {&c.txtKubatur, &c.txtDurchmesser, &c.txtLaenge, &c.txtNummer, &c.txtStueck, &c.txtFaktor,
          &c.txtRinde, &c.txtStaerke, &c.txtZusatz, &c.txtPreis, &c.txtPreisfaktor, &c.txtAbteilung})
        field->highlighted = false;
}

void EntryScreen::Listen_Ausblenden()
{
    for (Control* list : {&c.lstHolzart, &c.lstLos, &c.lstLosNeu, &c.txtLosNeu, &c.lstStaerke, &c.lstGuete,
                          &c.lstKlasse, &c.lstRinde})
        list->visible = false;
}

void EntryScreen::setNavigation(bool enabled)
{
    for (Control* button : {&c.cmdVor, &c.cmdZurueck, &c.cmdErster, &c.cmdLetzter})
        button->enabled = enabled;
}

void EntryScreen::Satz_Position_Anzeigen()
{
    if (!store.Holz.hasCurrent())
        return;
    const QString position = QString::number(store.Holz.absolutePosition());
    const QString count = QString::number(store.Holz.recordCount());
    c.txtSatzNR.text = QStringLiteral("Nr. ") + position + QStringLiteral(" von ") + count;
    c.txtSatzNR.toolTip = QStringLiteral("Datensatz Nummer '") + position +
                          QStringLiteral("' von insgesammt '") + count + QStringLiteral("' Datensätzen");
}

void EntryScreen::Datensatz_Berechnen()
{
    QList<platform::Message> messages;
    rules::Datensatz_Berechnen(record, m_calc, m_barkTable, messages);
    for (const platform::Message& message : messages) {
        // Every key release recomputes; a missing bark table is worth one
        // message per record, not one per key.
        if (m_messagesShown.contains(message.text))
            continue;
        m_messagesShown.insert(message.text);
        ui.message(message);
        Eingabe_Daten();
    }
    if (m_recomputed)
        m_recomputed();
    c.lstKlasse.visible = false;
}

void EntryScreen::setKind(bool einzelstamm)
{
    record.optEinzelstamm = einzelstamm;
    c.optEinzelstamm.checked = einzelstamm;
    c.optSortiment.checked = !einzelstamm;
}

void EntryScreen::setStackBarkMode(const QString& mode)
{
    if (m_logBarkMode.isEmpty())
        m_logBarkMode = record.cmdAbzRinde;
    record.cmdAbzRinde = mode;
}

void EntryScreen::returnLogBarkMode()
{
    if (m_logBarkMode.isEmpty())
        return;
    record.cmdAbzRinde = m_logBarkMode;
    m_logBarkMode.clear();
}

void EntryScreen::setStoredLogBarkMode(const QString& mode)
{
    m_logBarkMode.clear();
    record.cmdAbzRinde = mode;
}

bool EntryScreen::positionOnOpenList()
{
    if (m_openListId == 0)
        return false;
    if (store.Listen.currentId() == m_openListId)
        return true;
    const int index = store.Listen.indexOfId(m_openListId);
    if (index < 0)
        return false;
    store.Listen.move(index);
    return true;
}

QString* EntryScreen::fieldText(EntryField field)
{
    switch (field) {
    case EntryField::None:
        return nullptr;
    case EntryField::Laenge:
        return &record.txtLaenge;
    case EntryField::Durchmesser:
        return &record.txtDurchmesser;
    case EntryField::Stueck:
        return &record.txtStueck;
    case EntryField::Faktor:
        return &record.txtFaktor;
    case EntryField::Rinde:
        return &record.txtRinde;
    case EntryField::Staerke:
        return &record.txtStaerke;
    case EntryField::Kubatur:
        return &record.txtKubatur;
    default:
        // The other fields have no place in the record: their control holds them.
        return &c[fieldControl(field)].text;
    }
}

void EntryScreen::showError(const store::DbError& error)
{
    ui.message({error.userText(), QString(), platform::Buttons::Ok, platform::Icon::Critical});
}

void EntryScreen::noListMessage()
{
    ui.message({QStringLiteral("Liste mit Stift auswählen (unter Liste)"), QStringLiteral("Information"),
                platform::Buttons::Ok, platform::Icon::Information});
}

void EntryScreen::syncControls()
{
    c.txtLos.text = record.txtLos;
    c.txtHolzart.text = record.txtHolzart;
    c.txtLaenge.text = record.txtLaenge;
    c.txtDurchmesser.text = record.txtDurchmesser;
    c.txtGuete.text = record.txtGuete;
    c.txtSorte.text = record.txtSorte;
    c.txtStaerke.text = record.txtStaerke;
    c.txtRinde.text = record.txtRinde;
    c.txtStueck.text = record.txtStueck;
    c.txtFaktor.text = record.txtFaktor;
    c.txtKubatur.text = record.txtKubatur;
    c.cmdAbzRinde.caption = record.cmdAbzRinde;
    c.cmdKubatur.caption = record.cmdKubatur;
}

} // namespace entry
