// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmListendaten.h"

#include "platform/UserInterface.h"
#include "rules/ListName.h"
#include "store/DbError.h"
#include "store/ListRepository.h"
#include "store/LotRegister.h"
#include "store/PhotoFileChanges.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"
#include "store/Transaction.h"

namespace header {
namespace {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

const QString DateFormat = QStringLiteral("dd.MM.yyyy");

constexpr HeaderField AllFields[] = {
    HeaderField::Listenname, HeaderField::Name,       HeaderField::Strasse, HeaderField::Ort,
    HeaderField::Abteilung,  HeaderField::Lagerplatz, HeaderField::Datum,   HeaderField::Bemerkung,
    HeaderField::Revier,     HeaderField::Forstamt,   HeaderField::UAbt,    HeaderField::Bestand,
};

} // namespace

FrmListendaten::FrmListendaten(store::TimberStore& store, platform::UserInterface& ui, QObject* parent)
    : QObject(parent), m_store(store), m_ui(ui)
{
    cmdOK.caption = QStringLiteral("Speichern");
    cmdAbbrechen.caption = QStringLiteral("Abbrechen");
    mnuSpeichern.caption = QStringLiteral("Speichern");
    mnuBezLaendern.caption = QStringLiteral("Bez.Liste ändern");
    mnuListenansicht.caption = QStringLiteral("Listenansicht");
    mnuHilfe.caption = QStringLiteral("Hilfe");
    const QString labels[] = {
        QStringLiteral("Liste"),    QStringLiteral("Name"),       QStringLiteral("Strasse"),
        QStringLiteral("Ort"),      QStringLiteral("Abteilung"),  QStringLiteral("Lagerplatz"),
        QStringLiteral("Datum"),    QStringLiteral("Bemerkung"),  QStringLiteral("Revier"),
        QStringLiteral("Forstamt"), QStringLiteral("Unter-Abt."), QStringLiteral("Bestand"),
    };
    for (HeaderField f : AllFields)
        field(f).caption = labels[int(f)];
}

Control& FrmListendaten::field(HeaderField f)
{
    return const_cast<Control&>(std::as_const(*this).field(f));
}

const Control& FrmListendaten::field(HeaderField f) const
{
    switch (f) {
    case HeaderField::Listenname:
        return txtListenname;
    case HeaderField::Name:
        return txtName;
    case HeaderField::Strasse:
        return txtStrasse;
    case HeaderField::Ort:
        return txtOrt;
    case HeaderField::Abteilung:
        return txtAbteilung;
    case HeaderField::Lagerplatz:
        return txtLagerplatz;
    case HeaderField::Datum:
        return txtdatum;
    case HeaderField::Bemerkung:
        return txtBemerkung;
    case HeaderField::Revier:
        return txtRevier;
    case HeaderField::Forstamt:
        return txtForstamt;
    case HeaderField::UAbt:
        return txtUAbt;
    case HeaderField::Bestand:
        return txtBestand;
    }
    return txtName;
}

QString FrmListendaten::controlName(HeaderField f)
{
    static const char* names[] = {"txtListenname", "txtName",       "txtStrasse", "txtOrt",
                                  "txtAbteilung",  "txtLagerplatz", "txtdatum",   "txtBemerkung",
                                  "txtRevier",     "txtForstamt",   "txtUAbt",    "txtBestand"};
    return QLatin1String(names[int(f)]);
}

QString FrmListendaten::cleanListName(const QString& typed)
{
    return rules::ListName::cleaned(typed);
}

bool FrmListendaten::nameRefused(const QString& name)
{
    const QString problem = rules::ListName::problem(name);
    if (problem.isEmpty())
        return false;
    m_ui.message({problem, QStringLiteral("Information"), Buttons::Ok, Icon::Information});
    return true;
}

QString FrmListendaten::proposedName(const QString& selectedList)
{
    bool ok = false;
    const qlonglong number = selectedList.trimmed().toLongLong(&ok);
    if (!ok || number < 0 || number == std::numeric_limits<qlonglong>::max())
        return QString();
    return QString::number(number + 1);
}

QDate FrmListendaten::parseDate(const QString& text)
{
    const QString trimmed = text.trimmed();
    for (const char* format : {"d.M.yyyy", "d.M.yy"}) {
        QDate date = QDate::fromString(trimmed, QLatin1String(format));
        if (date.isValid()) {
            // Two-digit years are this century's, as people write them on the landing.
            if (trimmed.size() - trimmed.lastIndexOf(QLatin1Char('.')) == 3)
                date = date.addYears(100 * ((QDate::currentDate().year() / 100) - date.year() / 100));
            return date;
        }
    }
    return QDate();
}

void FrmListendaten::Kopfdaten_Leeren()
{
    for (HeaderField f : AllFields)
        field(f).text.clear();
    m_changed = false;
}

void FrmListendaten::Kopfdaten_Anzeigen()
{
    if (!m_store.Listen.hasCurrent())
        return;
    const store::ListenRow row = m_store.Listen.current();
    txtListenname.text = row.Liste;
    txtName.text = row.Name;
    txtStrasse.text = row.Strasse;
    txtOrt.text = row.Ort;
    txtAbteilung.text = row.Abteilung;
    txtLagerplatz.text = row.Lagerplatz;
    txtdatum.text = row.Datum.isValid() ? row.Datum.toString(DateFormat) : QString();
    txtBemerkung.text = row.Zusatztext;
    txtRevier.text = row.Revier;
    txtForstamt.text = row.Forstamt;
    txtUAbt.text = row.UAbt;
    txtBestand.text = row.Bestand;
}

void FrmListendaten::Form_Activate(bool editMode, const QString& selectedList)
{
    m_editMode = editMode;
    Kopfdaten_Leeren();
    visible = true;
    mnuBezLaendern.enabled = editMode;
    if (editMode) {
        const QString name = m_store.Listen.hasCurrent() ? m_store.Listen.current().Liste : QString();
        caption = QStringLiteral("Liste '") + name + QLatin1Char('\'');
        Kopfdaten_Anzeigen();
        txtListenname.enabled = false;
        requestFocus(HeaderField::Name);
    } else {
        const store::Settings& settings = m_store.settings();
        txtForstamt.text = settings.get(store::keys::Forstamt);
        txtRevier.text = settings.get(store::keys::Revier);
        caption = QStringLiteral("Neue Liste");
        txtdatum.text = QDate::currentDate().toString(DateFormat);
        txtListenname.enabled = true;
        txtListenname.text = proposedName(selectedList);
        requestFocus(HeaderField::Listenname);
    }
    m_changed = false;
    notify();
}

void FrmListendaten::setText(HeaderField f, const QString& text)
{
    Control& box = field(f);
    if (box.text == text)
        return;
    box.text = text;
    // The name box of an existing list is read-only: what the view writes
    // there is not a change of the header.
    if (f != HeaderField::Listenname || !m_editMode)
        m_changed = true;
    notify();
}

bool FrmListendaten::Liste_Vorhanden(const QString& name)
{
    if (!store::ListRepository(m_store.database()).exists(name))
        return false;
    m_ui.message(rules::ListName::existsMessage(name));
    return true;
}

bool FrmListendaten::Kopfdaten_Speichern(bool openSaved)
{
    QString name;
    if (m_editMode) {
        if (!m_store.Listen.hasCurrent()) {
            m_ui.message({QStringLiteral("Liste mit Stift auswählen (unter Liste)"),
                          QStringLiteral("Information"), Buttons::Ok, Icon::Information});
            return false;
        }
        // The stored name stays: cleaning it here would part the list from
        // its records, which carry the name as it was stored.
        name = m_store.Listen.current().Liste;
    } else {
        name = cleanListName(txtListenname.text);
        if (name.isEmpty()) {
            m_ui.message({QStringLiteral("Bezeichnung der Liste eingeben !"), QStringLiteral("Information"),
                          Buttons::OkCancel, Icon::Information});
            requestFocus(HeaderField::Listenname);
            notify();
            return false;
        }
        txtListenname.text = name;
        if (nameRefused(name)) {
            requestFocus(HeaderField::Listenname);
            notify();
            return false;
        }
    }

    const QDate datum = parseDate(txtdatum.text);
    if (!txtdatum.text.trimmed().isEmpty() && !datum.isValid()) {
        m_ui.message(
            {QStringLiteral("Das Datum '%1' ist ungültig. Bitte als TT.MM.JJJJ eingeben.").arg(txtdatum.text),
             QStringLiteral("Information"), Buttons::Ok, Icon::Information});
        requestFocus(HeaderField::Datum);
        notify();
        return false;
    }
    if (!m_editMode && Liste_Vorhanden(name)) {
        notify();
        return false;
    }

    try {
        store::ListenRow row;
        if (m_editMode) {
            row = m_store.Listen.current();
        } else {
            row.Kubatur = 0;
            row.NummerHigh = 0;
            row.Stueckzahl = 0;
            row.Los = store::LotRegister::initial();
        }
        row.Liste = name;
        row.Name = txtName.text;
        row.Strasse = txtStrasse.text;
        row.Ort = txtOrt.text;
        row.Abteilung = txtAbteilung.text;
        row.Lagerplatz = txtLagerplatz.text;
        row.Datum = datum;
        row.Zusatztext = txtBemerkung.text;
        row.Revier = txtRevier.text;
        row.Forstamt = txtForstamt.text;
        row.UAbt = txtUAbt.text;
        row.Bestand = txtBestand.text;
        if (m_editMode)
            m_store.Listen.update(row);
        else
            m_store.Listen.addNew(row);
    } catch (const store::DbError& error) {
        // Nothing was stored: the dialog stays open with what was typed.
        m_ui.message({error.userText(), QString(), Buttons::Ok, Icon::Critical});
        notify();
        return false;
    }

    store::Settings& settings = m_store.settings();
    settings.set(store::keys::ListenNr, name);
    settings.set(store::keys::Forstamt, txtForstamt.text);
    settings.set(store::keys::Revier, txtRevier.text);
    hide();
    if (openSaved)
        emit listSaved(name);
    else
        emit listStored(name);
    return true;
}

void FrmListendaten::cmdAbbrechen_Click()
{
    if (m_changed) {
        const QString question =
            m_editMode ? QStringLiteral("Geänderte Daten abspeichern ?")
                       : QStringLiteral("Neue Liste '") + txtListenname.text + QStringLiteral("' anlegen ?");
        const Answer answer =
            m_ui.message({question, QStringLiteral("Abfrage"), Buttons::YesNo, Icon::Question});
        if (answer == Answer::Yes) {
            // Kopfdaten_Speichern hides the dialog and reports the list itself.
            Kopfdaten_Speichern();
            return;
        }
    }
    hide();
    emit dismissed();
}

void FrmListendaten::hide()
{
    Kopfdaten_Leeren();
    visible = false;
    notify();
}

void FrmListendaten::mnuHilfe_Click()
{
    m_ui.openHelp(QStringLiteral("Kopfdaten"));
}

void FrmListendaten::labelClick(HeaderField f)
{
    switch (f) {
    case HeaderField::Listenname:
        if (m_editMode) {
            m_ui.message({QStringLiteral("Listenname kann nicht geändert werden"),
                          QStringLiteral("Information"), Buttons::OkCancel, Icon::Information});
            return;
        }
        setText(f, QString());
        break;
    case HeaderField::Name:
    case HeaderField::Strasse:
    case HeaderField::Ort:
    case HeaderField::Abteilung:
    case HeaderField::Lagerplatz:
    case HeaderField::Bemerkung:
        setText(f, QString());
        break;
    case HeaderField::Datum:
        if (txtdatum.text.isEmpty())
            setText(f, QDate::currentDate().toString(DateFormat));
        break;
    default:
        break;
    }
    requestFocus(f);
    notify();
}

void FrmListendaten::Liste_Umbenennen()
{
    if (!m_editMode || !m_store.Listen.hasCurrent())
        return;
    const QString oldName = m_store.Listen.current().Liste;
    txtListenname.enabled = true;
    notify();

    const std::optional<QString> answer = m_ui.inputBox(QStringLiteral("Neue Bezeichnung der Liste eingeben"),
                                                        QStringLiteral("Ändern der Listenbezeichnung"));
    const QString newName = cleanListName(answer.value_or(QString()));
    txtListenname.text = newName;

    bool renamed = false;
    if (!newName.isEmpty() && !nameRefused(newName) && !Liste_Vorhanden(newName)) {
        const Answer confirm = m_ui.message(
            {QStringLiteral(" von '") + oldName + QStringLiteral("'\rnach '") + newName + QLatin1Char('\''),
             QStringLiteral("Bezeichnung Liste ändern"), Buttons::YesNo, Icon::Question});
        renamed = confirm == Answer::Yes && renameInDatabase(oldName, newName);
    }
    txtListenname.text = renamed ? newName : oldName;
    txtListenname.enabled = false;
    if (renamed) {
        caption = QStringLiteral("Liste '") + newName + QLatin1Char('\'');
        m_store.settings().set(store::keys::ListenNr, newName);
        emit listRenamed(oldName, newName);
    }
    notify();
}

bool FrmListendaten::renameInDatabase(const QString& oldName, const QString& newName)
{
    store::Database& db = m_store.database();
    QStringList photoNotes;
    try {
        // The contents and the header row in one transaction: a list of
        // any size is renamed completely or not at all.
        store::Transaction transaction(db);
        store::PhotoFileChanges photos(store::LotPhotoFiles::of(db));
        photos.moveList(oldName, newName);
        store::ListRepository(db).renameContents(oldName, newName);
        store::ListenRow row = m_store.Listen.current();
        row.Liste = newName;
        m_store.Listen.update(row);
        transaction.commit();
        photoNotes = photos.commit();
    } catch (const store::DbError& error) {
        m_ui.message({error.userText(), QString(), Buttons::Ok, Icon::Critical});
        return false;
    }
    // The list is renamed; photos whose folder could not follow are named.
    if (!photoNotes.isEmpty())
        m_ui.message({photoNotes.join(QLatin1Char('\n')), QStringLiteral("Liste umbenennen"), Buttons::Ok,
                      Icon::Warning});
    // Rows read before still carry the old name.
    m_store.Holz.refresh();
    m_store.Lager.refresh();
    m_store.Mantel.refresh();
    return true;
}

void FrmListendaten::requestFocus(HeaderField f)
{
    emit focusRequested(controlName(f));
}

} // namespace header
