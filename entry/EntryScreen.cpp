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

    m_c.cmdAendern.toolTip = QStringLiteral("Datensatz ändern");
    m_c.cmdErster.toolTip = QStringLiteral("ersten Datensatz anzeigen");
    m_c.cmdZurueck.toolTip = QStringLiteral("vorherigen Datensatz anzeigen");
    m_c.cmdVor.toolTip = QStringLiteral("nächsten Datensatz anzeigen");
    m_c.cmdLetzter.toolTip = QStringLiteral("letzten Datensatz anzeigen");
    m_c.txtgespeichert.text = m_c.txtgespeichert.caption;

    m_c.optEinzelstamm.checked = true;
    m_c.cmdKubatur.enabled = false;
    m_c.cmdKomma.enabled = false;
    hidden({&m_c.chkFolge, &m_c.chkKlammer, &m_c.cmdFaktor, &m_c.txtFaktor, &m_c.cmdX, &m_c.txtgespeichert,
            &m_c.lstHolzart, &m_c.lstGuete, &m_c.lstKlasse, &m_c.lstStaerke, &m_c.lstRinde, &m_c.lstLos,
            &m_c.lstLosNeu, &m_c.txtLosNeu});
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
        m_c.txtEingabe.text.clear();
    const QString code = m_record.sortCode();
    m_c.cmdKomma.enabled =
        code == QLatin1String("P ") || code == QLatin1String("S ") || code == QLatin1String("IS");
    for (Control* field : {&m_c.txtKubatur, &m_c.txtDurchmesser, &m_c.txtLaenge, &m_c.txtNummer,
                           &m_c.txtStueck, &m_c.txtFaktor, &m_c.txtRinde, &m_c.txtStaerke, &m_c.txtZusatz,
                           &m_c.txtPreis, &m_c.txtPreisfaktor, &m_c.txtAbteilung})
        field->highlighted = false;
}

EntryScreen::SelectionControls EntryScreen::selectionControls()
{
    return {m_c.lstHolzart, m_c.lstGuete,  m_c.lstKlasse,    m_c.lstStaerke, m_c.lstRinde,  m_c.lstLos,
            m_c.lstLosNeu,  m_c.txtLosNeu, m_c.cmdGuete1,    m_c.cmdGuete2,  m_c.cmdGuete3, m_c.cmdSorte1,
            m_c.cmdSorte2,  m_c.cmdSorte3, m_c.cmbEinschlag, m_c.cmbNutzung};
}

Control& EntryScreen::SelectionControls::list(ControlId id)
{
    switch (id) {
    case ControlId::lstGuete:
        return lstGuete;
    case ControlId::lstKlasse:
        return lstKlasse;
    case ControlId::lstStaerke:
        return lstStaerke;
    case ControlId::lstRinde:
        return lstRinde;
    case ControlId::lstLos:
        return lstLos;
    case ControlId::lstLosNeu:
        return lstLosNeu;
    default:
        return lstHolzart;
    }
}

void EntryScreen::highlightField(EntryField field, bool on)
{
    if (field != EntryField::None)
        m_c[fieldControl(field)].highlighted = on;
}

void EntryScreen::showStackControls(bool stacked)
{
    m_c.cmdDurchm.caption = stacked ? QStringLiteral("B&reite") : QStringLiteral("Du&rch");
    m_c.cmdStueck.caption = stacked ? QStringLiteral("Höh&e") : QStringLiteral("St&ück");
    m_c.cmdFaktor.visible = stacked;
    m_c.txtFaktor.visible = stacked;
}

void EntryScreen::offerClasses(const std::optional<QStringList>& items)
{
    if (items)
        m_c.lstStaerke.items = *items;
    m_c.lstStaerke.selected = -1;
}

void EntryScreen::showClassList(bool shown)
{
    if (shown)
        Listen_Ausblenden();
    m_c.lstStaerke.visible = shown;
}

void EntryScreen::chooseUseTypes(int einschlag, int nutzung)
{
    const auto choose = [](Control& box, int index) {
        box.selected = index >= 0 && index < box.items.size() ? index : -1;
        box.text = box.selected >= 0 ? box.items.at(box.selected) : QString();
    };
    choose(m_c.cmbEinschlag, einschlag);
    choose(m_c.cmbNutzung, nutzung);
}

void EntryScreen::showListCaption(const QString& listName)
{
    m_c.caption = QStringLiteral("Liste '") + listName + QLatin1Char('\'');
    m_c.TxtListenNR.text = m_c.caption;
}

void EntryScreen::showNoListCaption()
{
    m_c.caption = QStringLiteral("Holz");
    m_c.TxtListenNR.text.clear();
}

void EntryScreen::Listen_Ausblenden()
{
    for (Control* list : {&m_c.lstHolzart, &m_c.lstLos, &m_c.lstLosNeu, &m_c.txtLosNeu, &m_c.lstStaerke,
                          &m_c.lstGuete, &m_c.lstKlasse, &m_c.lstRinde})
        list->visible = false;
}

void EntryScreen::setNavigation(bool enabled)
{
    for (Control* button : {&m_c.cmdVor, &m_c.cmdZurueck, &m_c.cmdErster, &m_c.cmdLetzter})
        button->enabled = enabled;
}

void EntryScreen::Satz_Position_Anzeigen()
{
    if (!store.Holz.hasCurrent())
        return;
    const QString position = QString::number(store.Holz.absolutePosition());
    const QString count = QString::number(store.Holz.recordCount());
    m_c.txtSatzNR.text = QStringLiteral("Nr. ") + position + QStringLiteral(" von ") + count;
    m_c.txtSatzNR.toolTip = QStringLiteral("Datensatz Nummer '") + position +
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
    m_c.lstKlasse.visible = false;
}

void EntryScreen::setKind(bool einzelstamm)
{
    m_record.optEinzelstamm = einzelstamm;
    m_c.optEinzelstamm.checked = einzelstamm;
    m_c.optSortiment.checked = !einzelstamm;
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
        return m_c[fieldControl(field)].text;
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
        m_c[fieldControl(field)].text = text;
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
    m_c.txtLos.text = m_record.txtLos;
    m_c.txtHolzart.text = m_record.txtHolzart;
    m_c.txtLaenge.text = m_record.txtLaenge;
    m_c.txtDurchmesser.text = m_record.txtDurchmesser;
    m_c.txtGuete.text = m_record.txtGuete;
    m_c.txtSorte.text = m_record.txtSorte;
    m_c.txtStaerke.text = m_record.txtStaerke;
    m_c.txtRinde.text = m_record.txtRinde;
    m_c.txtStueck.text = m_record.txtStueck;
    m_c.txtFaktor.text = m_record.txtFaktor;
    m_c.txtKubatur.text = m_record.txtKubatur;
    m_c.cmdAbzRinde.caption = m_record.cmdAbzRinde;
    m_c.cmdKubatur.caption = m_record.cmdKubatur;
}

} // namespace entry
