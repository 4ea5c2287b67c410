// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "header/Control.h"

#include <QDate>
#include <QObject>
#include <QString>

namespace platform {
class UserInterface;
}
namespace store {
class TimberStore;
}

namespace header {

// The text boxes of the header dialog, in the order the list row stores them.
enum class HeaderField {
    Listenname,
    Name,
    Strasse,
    Ort,
    Abteilung,
    Lagerplatz,
    Datum,
    Bemerkung,
    Revier,
    Forstamt,
    UAbt,
    Bestand,
};

// The list header dialog: creates a list, edits the header of the selected
// list and renames it. It works on the shared `Listen` record set of the
// store; in edit mode the caller positions that set on the list first.
//
// The view shows the dialog while `visible` is true, copies the controls
// after every changed() and reports typing with setText(). Saving emits
// listSaved() (the entry screen then refills its list of lists and opens
// the saved list); closing without saving emits dismissed().
class FrmListendaten : public QObject {
    Q_OBJECT
public:
    FrmListendaten(store::TimberStore& store, platform::UserInterface& ui, QObject* parent = nullptr);

    Control txtListenname, txtName, txtStrasse, txtOrt, txtAbteilung, txtLagerplatz, txtdatum, txtBemerkung,
        txtRevier, txtForstamt, txtUAbt, txtBestand;
    Control cmdOK, cmdAbbrechen, mnuSpeichern, mnuBezLaendern, mnuListenansicht, mnuHilfe;
    QString caption;
    bool visible = false;

    // True while the header of an existing list is edited; false for a new list.
    bool editMode() const { return m_editMode; }
    // Set by every change the user makes to a box.
    bool isChanged() const { return m_changed; }

    Control& field(HeaderField field);
    const Control& field(HeaderField field) const;
    static QString controlName(HeaderField field);

    // Shows the dialog. `selectedList` is the text of the list selected in
    // the entry screen's list of lists: a numeric name is proposed plus one
    // for a new list.
    void Form_Activate(bool editMode, const QString& selectedList);

    // The user typed into a box.
    void setText(HeaderField field, const QString& text);

    // Checks and stores the header; true when it was stored. Stays in the
    // dialog (visible) when it was not.
    // `openSaved`: the entry screen opens the saved list for entry
    // (listSaved()); otherwise it only shows the stored header (listStored()).
    bool Kopfdaten_Speichern(bool openSaved = true);
    void cmdOK_Click() { Kopfdaten_Speichern(); }
    // Saves like cmdOK, but the entry screen stays on the list it has open.
    void mnuSpeichern_Click() { Kopfdaten_Speichern(false); }
    void cmdAbbrechen_Click();
    void mnuListenansicht_Click() { cmdAbbrechen_Click(); }
    void mnuHilfe_Click();
    // "Bez.Liste ändern": renames the list with its records, stack samples
    // and storage rows in one transaction. Edit mode only.
    void Liste_Umbenennen();
    void mnuBezLaendern_Click() { Liste_Umbenennen(); }
    // A click on the label of a box.
    void labelClick(HeaderField field);

    // Whether a list of that name exists (without regard to case); when it
    // does, says so in the message titled "Liste schon vorhanden".
    bool Liste_Vorhanden(const QString& name);

    // The name as lists are stored: without blanks, points and commas
    // (rules::ListName, which also says which names cannot be stored).
    static QString cleanListName(const QString& typed);
    // The name proposed for a new list: the selected list's name plus one
    // when it is a whole number, otherwise nothing.
    static QString proposedName(const QString& selectedList);
    // Reads a date typed as dd.MM.yyyy (also d.M.yy); invalid when it is not one.
    static QDate parseDate(const QString& text);

signals:
    void changed();
    void focusRequested(const QString& controlName);
    // The header of `name` was stored: the entry screen opens that list.
    void listSaved(const QString& name);
    // The header was stored from the menu: the list of lists shows it, the
    // list open for entry stays open.
    void listStored(const QString& name);
    void listRenamed(const QString& oldName, const QString& newName);
    // The dialog closed without storing anything.
    void dismissed();

private:
    void Kopfdaten_Leeren();
    void Kopfdaten_Anzeigen();
    void hide();
    void requestFocus(HeaderField field);
    // Shows why a name cannot be stored; false when it can.
    bool nameRefused(const QString& name);
    bool renameInDatabase(const QString& oldName, const QString& newName);
    void notify() { emit changed(); }

    store::TimberStore& m_store;
    platform::UserInterface& m_ui;
    bool m_editMode = false;
    bool m_changed = false;
};

} // namespace header
