// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/EntrySession.h"
#include "cli/FieldOptions.h"
#include "entry/KeyCodes.h"
#include "entry/ListDatenModel.h"
#include "rules/FieldValue.h"
#include "rules/Numbers.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace cli {
namespace {

const QString Usage = QStringLiteral(
    "add LISTE --length L --diameter D [--species S] [--guete G] [--sorte CODE] [--staerke K] [--los N] "
    "[--nummer N] [--sortiment --pieces N] [--bark MODUS] [--abzug CM] [--folge|--klammer] [--faktor F] "
    "[--hoehe H] [--zusatz TEXT]");

// Codes of one letter carry a blank, as the buttons and letter keys give them.
QString code(const QString& text)
{
    const QString trimmed = text.trimmed();
    return trimmed.size() == 1 ? trimmed + QLatin1Char(' ') : trimmed.left(2);
}

// Every numeric option against the limits of its field, before anything is
// typed: the keypad drops the key that leaves a field out of range and keeps
// the rest, so "256" would be stored as 25. (The bark deduction is checked
// where it is typed.)
void refuseValuesOutOfRange(const Options& options, const QString& sorte, bool stacked)
{
    using rules::ValueField;
    try {
        cli::refuseValuesOutOfRange(options,
                                    {{"length", ValueField::Laenge},
                                     {"diameter", stacked ? ValueField::Breite : ValueField::Durchmesser},
                                     {"pieces", ValueField::Stueck},
                                     {"hoehe", ValueField::Hoehe},
                                     {"faktor", ValueField::Faktor},
                                     {"los", ValueField::Los},
                                     {"nummer", ValueField::Nummer}},
                                    sorte);
    } catch (CommandError& error) {
        error.message += QStringLiteral("\nNichts gespeichert.");
        throw;
    }
    if (sorte == QLatin1String("H ") && options.has(QStringLiteral("staerke"))) {
        static const QRegularExpression lengthClass(QStringLiteral("^[1-6]$"));
        if (!lengthClass.match(options.value(QStringLiteral("staerke")).trimmed()).hasMatch())
            throw CommandError{
                QStringLiteral("--staerke %1: Falsche Klasse eingegeben (1 bis 6)\nNichts gespeichert.")
                    .arg(options.value(QStringLiteral("staerke"))),
                1};
    }
}

// The entry of `items` the option names, compared without blanks and case,
// in the list's own spelling; refused with the valid codes otherwise.
QString knownCode(const QStringList& items, const QString& given, const QString& option, const QString& what)
{
    for (const QString& item : items)
        if (item.trimmed().compare(given.trimmed(), Qt::CaseInsensitive) == 0)
            return item;
    QStringList valid;
    for (const QString& item : items)
        valid << item.trimmed();
    throw CommandError{QStringLiteral("--%1: %2 „%3“ gibt es nicht. Gültig: %4")
                           .arg(option, what, given.trimmed(),
                                valid.isEmpty() ? QStringLiteral("(keine in den Stammdaten)")
                                                : valid.join(QStringLiteral(", "))),
                       2};
}

void chooseFromList(entry::FrmHolz& form, entry::ControlId listName, const QStringList& items,
                    const QString& wanted, const QString& option)
{
    const int index = items.indexOf(wanted);
    if (index < 0)
        throw CommandError{QStringLiteral("--%1: „%2“ gibt es hier nicht (%3).")
                               .arg(option, wanted.trimmed(), items.join(QStringLiteral(", "))),
                           2};
    form.listChoose(listName, index);
}

// What the keypad left in a field must be the value given, whole.
void requireTaken(const QString& field, const QString& given, const QString& option)
{
    const auto wanted = rules::toSingle(given);
    const auto taken = rules::toSingle(field);
    if (!wanted || !taken || *wanted != *taken)
        throw CommandError{QStringLiteral("--%1 %2: der Wert wurde nicht übernommen. Nichts gespeichert.")
                               .arg(option, given),
                           1};
}

QString name(const char* text)
{
    return QString::fromLatin1(text);
}

// What the options ask for, checked against each other and against the
// fields' limits before the list is opened.
struct AddRequest {
    QString list;
    QString sorte; // as given; empty when not
    bool stacked = false;
    bool assortment = false;
};

AddRequest checkedRequest(const Options& options)
{
    options.expectPositional(1, Usage);
    if (!options.has(name("length")) || !options.has(name("diameter")))
        throw CommandError{QStringLiteral("Aufruf: stemmo ") + Usage, 2};
    if (options.has(name("folge")) && options.has(name("klammer")))
        throw CommandError{QStringLiteral("--folge und --klammer schließen sich aus."), 2};
    AddRequest request;
    request.assortment = options.has(name("sortiment")) || options.has(name("pieces"));
    if (request.assortment && options.has(name("nummer")))
        throw CommandError{QStringLiteral("Stammnummern sind im Sortiment nicht erlaubt !"), 2};
    request.sorte = options.has(name("sorte")) ? code(options.value(name("sorte"))) : QString();
    request.stacked = request.sorte == QLatin1String("S ") || request.sorte == QLatin1String("IS");
    if (!request.stacked && (options.has(name("hoehe")) || options.has(name("faktor"))))
        throw CommandError{
            QStringLiteral("--hoehe und --faktor gibt es nur für Schichtholz (--sorte S oder IS)."), 2};
    if (request.stacked && !options.has(name("hoehe")))
        throw CommandError{QStringLiteral("Schichtholz braucht --hoehe (Stapelhöhe in m)."), 2};
    refuseValuesOutOfRange(options, request.sorte, request.stacked);
    request.list = options.positional().first();
    return request;
}

// The codes of the record, in the spelling of the lists on screen, checked
// before anything is typed.
struct Codes {
    QString sorte;
    QString guete;
    QString species;
};

Codes knownCodes(const entry::EntryControls& c, const Options& options, const QString& sorte)
{
    Codes codes;
    if (!sorte.isEmpty())
        codes.sorte = code(knownCode(c.lstKlasse.items, sorte, name("sorte"), QStringLiteral("Die Sorte")));
    if (options.has(name("guete")))
        codes.guete = code(knownCode(c.lstGuete.items, options.value(name("guete")), name("guete"),
                                     QStringLiteral("Die Güte")));
    if (options.has(name("species")))
        codes.species = knownCode(c.lstHolzart.items, options.value(name("species")), name("species"),
                                  QStringLiteral("In der eingestellten Region die Holzart"));
    return codes;
}

// The new record starts from the one on screen: species, grade,
// assortment, lot and bark mode carry over as on the screen.
void chooseKind(entry::FrmHolz& form, const Options& options, const Codes& codes, bool assortment)
{
    const entry::EntryControls& c = form.controls();
    if (assortment)
        form.optSortiment_Click();
    else
        form.optEinzelstamm_Click();
    if (!codes.sorte.isEmpty())
        form.chooseSorte(codes.sorte);
    if (!codes.species.isEmpty())
        form.textEdited(entry::ControlId::txtHolzart, codes.species);
    if (!codes.guete.isEmpty())
        form.chooseGrade(codes.guete);
    if (options.has(name("los"))) {
        form.Los_Pruefen(options.value(name("los")).trimmed().toInt());
        requireTaken(form.record().txtLos, options.value(name("los")), name("los"));
    }
    if (options.has(name("bark"))) {
        QString mode = options.value(name("bark"));
        if (mode.isEmpty())
            mode = QStringLiteral(" ");
        chooseFromList(form, entry::ControlId::lstRinde, c.lstRinde.items, mode.left(1), name("bark"));
    }
}

void typeBarkDeduction(entry::FrmHolz& form, const QString& given)
{
    // What the field takes: one whole centimetre digit, up to two decimals.
    static const QRegularExpression deduction(QStringLiteral("^[0-9]([.,][0-9]{1,2})?$"));
    const QString abzug = given.trimmed();
    if (!deduction.match(abzug).hasMatch())
        throw CommandError{QStringLiteral("--abzug: eine Zahl von 0 bis 9,99 mit höchstens zwei "
                                          "Nachkommastellen angeben."),
                           2};
    if (form.record().cmdAbzRinde != QLatin1String(" "))
        chooseFromList(form, entry::ControlId::lstRinde, form.controls().lstRinde.items, QStringLiteral(" "),
                       name("bark"));
    form.txtRinde_Click();
    typeNumber(form, name("abzug"), abzug);
    requireTaken(form.record().txtRinde, abzug, name("abzug"));
}

// Number, pieces or stack height, length, diameter and diameter class, as
// typed on the keypad.
void typeMeasures(entry::FrmHolz& form, const Options& options, bool stacked)
{
    const entry::EntryControls& c = form.controls();
    if (options.has(name("nummer"))) {
        form.cmdNummer_Click();
        typeNumber(form, name("nummer"), QString::number(options.value(name("nummer")).trimmed().toInt()));
        requireTaken(c.txtNummer.text, options.value(name("nummer")), name("nummer"));
    }
    if (options.has(name("pieces"))) {
        form.cmdStueck_Click();
        typeNumber(form, name("pieces"), options.value(name("pieces")));
        requireTaken(form.record().txtStueck, options.value(name("pieces")), name("pieces"));
    }
    if (stacked) {
        form.cmdStueck_Click();
        typeNumber(form, name("hoehe"), options.value(name("hoehe")));
        requireTaken(form.record().txtStueck, options.value(name("hoehe")), name("hoehe"));
        if (options.has(name("faktor"))) {
            form.cmdFaktor_Click();
            typeNumber(form, name("faktor"), options.value(name("faktor")));
            requireTaken(form.record().txtFaktor, options.value(name("faktor")), name("faktor"));
        }
    }
    form.cmdLaenge_Click();
    typeNumber(form, name("length"), options.value(name("length")));
    requireTaken(form.record().txtLaenge, options.value(name("length")), name("length"));
    form.cmdDurchm_Click();
    typeNumber(form, name("diameter"), options.value(name("diameter")));
    requireTaken(form.record().txtDurchmesser, options.value(name("diameter")), name("diameter"));
    if (options.has(name("staerke"))) {
        const QString klasse = options.value(name("staerke")).trimmed();
        if (form.record().sortCode() == QLatin1String("H ")) {
            form.cmdStaerke_Click();
            typeNumber(form, name("staerke"), klasse);
        } else {
            if (!c.lstStaerke.visible)
                form.txtStaerke_Click();
            chooseFromList(form, entry::ControlId::lstStaerke, c.lstStaerke.items, klasse, name("staerke"));
        }
    }
}

// Bracketed or follow-on log, and the remark.
void markLog(entry::FrmHolz& form, const Options& options)
{
    if (options.has(name("klammer")))
        form.mnuKlammerstamm_Click();
    if (options.has(name("folge"))) {
        form.chkKlammer_Click(false);
        form.chkFolge_Click(true);
    }
    if (options.has(name("zusatz"))) {
        form.txtZusatz_Click();
        form.textEdited(entry::ControlId::txtZusatz, options.value(name("zusatz")));
    }
}

// The stored record as its row in the records table shows it.
void printSaved(CliContext& context, entry::FrmHolz& form, const QString& list, bool stacked)
{
    const entry::EntryControls& c = form.controls();
    const entry::ListDatenModel& table = form.listDaten();
    const int row = table.currentRow();
    if (context.json()) {
        QJsonObject object{{QStringLiteral("Liste"), list}};
        for (int column = 0; column < entry::ListDatenModel::ColumnCount; ++column)
            object.insert(entry::ListDatenModel::columnCaption(column), table.text(row, column));
        context.printJson(object);
        return;
    }
    const QString size = stacked ? QStringLiteral("%1 m × %2 m × %3 m")
                                       .arg(table.text(row, 4), table.text(row, 5), c.txtStueck.text)
                                 : QStringLiteral("%1 m, %2 cm").arg(table.text(row, 4), table.text(row, 5));
    context.out() << "Gespeichert in Liste " << list << ": Datensatz " << table.text(row, 0) << ", Nr*St "
                  << table.text(row, 2) << ", " << c.txtHolzart.text << ", " << size << ", Stärke "
                  << table.text(row, 8) << ", " << table.text(row, 12)
                  << (stacked && c.cmdKubatur.caption != QLatin1String("Kubatur") ? " Rm" : " fm")
                  << Qt::endl;
}

} // namespace

int runAdd(CliContext& context, const QStringList& args)
{
    const Options options(args,
                          {name("length"), name("diameter"), name("species"), name("guete"), name("sorte"),
                           name("staerke"), name("los"), name("nummer"), name("pieces"), name("bark"),
                           name("abzug"), name("faktor"), name("hoehe"), name("zusatz")},
                          {name("sortiment"), name("folge"), name("klammer")});
    const AddRequest request = checkedRequest(options);

    EntrySession session(context);
    session.open(request.list);
    entry::FrmHolz& form = session.form();
    const Codes codes = knownCodes(form.controls(), options, request.sorte);
    // With a number given, the question for the next higher number is
    // answered No: the number stays as given.
    context.ui().setAffirmative(!options.has(name("nummer")));

    chooseKind(form, options, codes, request.assortment);
    if (options.has(name("abzug")))
        typeBarkDeduction(form, options.value(name("abzug")));
    typeMeasures(form, options, request.stacked);
    markLog(form, options);
    if (form.calc().Feldmodus)
        form.keyDown(entry::keys::Enter); // ends field entry, as Enter does on the screen

    if (!form.cmdSpeichern_Click())
        return 1;
    printSaved(context, form, request.list, request.stacked);
    return 0;
}

} // namespace cli
