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
    m_record.cmdAbzRinde = QStringLiteral("a");

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
    m_calc.Durchmesser = rules::toSingle(m_record.txtDurchmesser).value_or(m_calc.Durchmesser);
    m_calc.Laenge = rules::toSingle(m_record.txtLaenge).value_or(m_calc.Laenge);
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
    const QString code = m_record.sortCode();
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
    rules::Datensatz_Berechnen(m_record, m_calc, m_barkTable, messages);
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
    m_record.optEinzelstamm = einzelstamm;
    c.optEinzelstamm.checked = einzelstamm;
    c.optSortiment.checked = !einzelstamm;
}

void EntryScreen::setStackBarkMode(const QString& mode)
{
    if (m_logBarkMode.isEmpty())
        m_logBarkMode = m_record.cmdAbzRinde;
    m_record.cmdAbzRinde = mode;
}

void EntryScreen::returnLogBarkMode()
{
    if (m_logBarkMode.isEmpty())
        return;
    m_record.cmdAbzRinde = m_logBarkMode;
    m_logBarkMode.clear();
}

void EntryScreen::setStoredLogBarkMode(const QString& mode)
{
    m_logBarkMode.clear();
    m_record.cmdAbzRinde = mode;
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

QString EntryScreen::fieldText(EntryField field) const
{
    switch (field) {
    case EntryField::None:
        return {};
    case EntryField::Laenge:
        return m_record.txtLaenge;
    case EntryField::Durchmesser:
        return m_record.txtDurchmesser;
    case EntryField::Stueck:
        return m_record.txtStueck;
    case EntryField::Faktor:
        return m_record.txtFaktor;
    case EntryField::Rinde:
        return m_record.txtRinde;
    case EntryField::Staerke:
        return m_record.txtStaerke;
    case EntryField::Kubatur:
        return m_record.txtKubatur;
    default:
        // The other fields have no place in the record: their control holds them.
        return c[fieldControl(field)].text;
    }
}

void EntryScreen::enterField(EntryField field, const QString& text)
{
    switch (field) {
    case EntryField::None:
        return;
    case EntryField::Laenge:
        m_record.txtLaenge = text;
        return;
    case EntryField::Durchmesser:
        m_record.txtDurchmesser = text;
        return;
    case EntryField::Stueck:
        m_record.txtStueck = text;
        return;
    case EntryField::Faktor:
        m_record.txtFaktor = text;
        return;
    case EntryField::Rinde:
        m_record.txtRinde = text;
        return;
    case EntryField::Staerke:
        m_record.txtStaerke = text;
        return;
    case EntryField::Kubatur:
        m_record.txtKubatur = text;
        return;
    default:
        c[fieldControl(field)].text = text;
        return;
    }
}

void EntryScreen::chooseCode(Code code, const QString& value)
{
    switch (code) {
    case Code::Holzart:
        m_record.txtHolzart = value;
        break;
    case Code::Sorte:
        m_record.txtSorte = value;
        break;
    case Code::Guete:
        m_record.txtGuete = value;
        break;
    case Code::Staerke:
        m_record.txtStaerke = value;
        break;
    case Code::Los:
        m_record.txtLos = value;
        break;
    case Code::AbzRinde:
        m_record.cmdAbzRinde = value;
        break;
    }
}

void EntryScreen::startStackedWood()
{
    m_record.txtStaerke = QStringLiteral("-");
    if (m_record.sortCode() == QLatin1String("S "))
        m_record.txtGuete = QStringLiteral("-");
    if (m_record.txtFaktor.isEmpty())
        m_record.txtFaktor = QStringLiteral("1");
}

void EntryScreen::followKubaturCaption()
{
    m_record.cmdKubatur = rules::kubaturCaption(m_record);
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
    c.txtLos.text = m_record.txtLos;
    c.txtHolzart.text = m_record.txtHolzart;
    c.txtLaenge.text = m_record.txtLaenge;
    c.txtDurchmesser.text = m_record.txtDurchmesser;
    c.txtGuete.text = m_record.txtGuete;
    c.txtSorte.text = m_record.txtSorte;
    c.txtStaerke.text = m_record.txtStaerke;
    c.txtRinde.text = m_record.txtRinde;
    c.txtStueck.text = m_record.txtStueck;
    c.txtFaktor.text = m_record.txtFaktor;
    c.txtKubatur.text = m_record.txtKubatur;
    c.cmdAbzRinde.caption = m_record.cmdAbzRinde;
    c.cmdKubatur.caption = m_record.cmdKubatur;
}

} // namespace entry
