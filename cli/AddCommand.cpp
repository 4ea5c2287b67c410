#include "Commands.h"

#include "cli/EntrySession.h"
#include "entry/KeyCodes.h"
#include "entry/ListDatenModel.h"
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

int wholeNumber(const Options& options, const QString& name, int low, int high)
{
    bool ok = false;
    const int value = options.value(name).trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        throw CommandError{
            QStringLiteral("--%1: eine ganze Zahl von %2 bis %3 angeben.").arg(name).arg(low).arg(high), 2};
    return value;
}

void chooseFromList(entry::FrmHolz& form, const QString& listName, const QStringList& items,
                    const QString& wanted, const QString& option)
{
    const int index = items.indexOf(wanted);
    if (index < 0)
        throw CommandError{QStringLiteral("--%1: „%2“ gibt es hier nicht (%3).")
                               .arg(option, wanted.trimmed(), items.join(QStringLiteral(", "))),
                           2};
    form.listChoose(listName, index);
}

} // namespace

int runAdd(CliContext& context, const QStringList& args)
{
    auto name = [](const char* text) { return QString::fromLatin1(text); };
    const Options options(args,
                          {name("length"), name("diameter"), name("species"), name("guete"), name("sorte"),
                           name("staerke"), name("los"), name("nummer"), name("pieces"), name("bark"),
                           name("abzug"), name("faktor"), name("hoehe"), name("zusatz")},
                          {name("sortiment"), name("folge"), name("klammer")});
    options.expectPositional(1, Usage);
    if (!options.has(name("length")) || !options.has(name("diameter")))
        throw CommandError{QStringLiteral("Aufruf: stemmo ") + Usage, 2};
    if (options.has(name("folge")) && options.has(name("klammer")))
        throw CommandError{QStringLiteral("--folge und --klammer schließen sich aus."), 2};
    const bool assortment = options.has(name("sortiment")) || options.has(name("pieces"));
    if (assortment && options.has(name("nummer")))
        throw CommandError{QStringLiteral("Stammnummern sind im Sortiment nicht erlaubt !"), 2};
    const QString sorte = options.has(name("sorte")) ? code(options.value(name("sorte"))) : QString();
    const bool stacked = sorte == QLatin1String("S ") || sorte == QLatin1String("IS");
    if (!stacked && (options.has(name("hoehe")) || options.has(name("faktor"))))
        throw CommandError{
            QStringLiteral("--hoehe und --faktor gibt es nur für Schichtholz (--sorte S oder IS)."), 2};
    if (stacked && !options.has(name("hoehe")))
        throw CommandError{QStringLiteral("Schichtholz braucht --hoehe (Stapelhöhe in m)."), 2};

    const QString list = options.positional().first();
    EntrySession session(context);
    session.open(list);
    entry::FrmHolz& form = session.form();
    const entry::EntryControls& c = form.controls();
    // With a number given, the question for the next higher number is
    // answered No: the number stays as given.
    context.ui().setAffirmative(!options.has(name("nummer")));

    // The new record starts from the one on screen: species, grade,
    // assortment, lot and bark mode carry over as on the screen.
    if (assortment)
        form.optSortiment_Click();
    else
        form.optEinzelstamm_Click();
    if (!sorte.isEmpty())
        form.chooseSorte(sorte);
    if (options.has(name("species"))) {
        const QString wanted = options.value(name("species")).trimmed();
        QString species;
        for (const QString& item : c.lstHolzart.items) {
            if (item.compare(wanted, Qt::CaseInsensitive) == 0)
                species = item;
        }
        if (species.isEmpty())
            throw CommandError{QStringLiteral("--species: „%1“ gibt es in der eingestellten Region nicht "
                                              "(stemmo species).")
                                   .arg(wanted),
                               2};
        form.textEdited(QStringLiteral("txtHolzart"), species);
    }
    if (options.has(name("guete")))
        form.chooseGrade(code(options.value(name("guete"))));
    if (options.has(name("los")))
        form.Los_Pruefen(wholeNumber(options, name("los"), 0, 255));
    if (options.has(name("bark"))) {
        QString mode = options.value(name("bark"));
        if (mode.isEmpty())
            mode = QStringLiteral(" ");
        chooseFromList(form, QStringLiteral("lstRinde"), c.lstRinde.items, mode.left(1), name("bark"));
    }
    if (options.has(name("abzug"))) {
        // What the field takes: one whole centimetre digit, up to two decimals.
        static const QRegularExpression deduction(QStringLiteral("^[0-9]([.,][0-9]{1,2})?$"));
        const QString abzug = options.value(name("abzug")).trimmed();
        if (!deduction.match(abzug).hasMatch())
            throw CommandError{QStringLiteral("--abzug: eine Zahl von 0 bis 9,99 mit höchstens zwei "
                                              "Nachkommastellen angeben."),
                               2};
        if (form.record().cmdAbzRinde != QLatin1String(" "))
            chooseFromList(form, QStringLiteral("lstRinde"), c.lstRinde.items, QStringLiteral(" "),
                           name("bark"));
        form.txtRinde_Click();
        typeNumber(form, name("abzug"), abzug);
    }
    if (options.has(name("nummer"))) {
        form.cmdNummer_Click();
        typeNumber(form, name("nummer"), QString::number(wholeNumber(options, name("nummer"), 0, 999999)));
    }
    if (options.has(name("pieces"))) {
        form.cmdStueck_Click();
        typeNumber(form, name("pieces"), options.value(name("pieces")));
    }
    if (stacked) {
        form.cmdStueck_Click();
        typeNumber(form, name("hoehe"), options.value(name("hoehe")));
        if (options.has(name("faktor"))) {
            form.cmdFaktor_Click();
            typeNumber(form, name("faktor"), options.value(name("faktor")));
        }
    }
    form.cmdLaenge_Click();
    typeNumber(form, name("length"), options.value(name("length")));
    form.cmdDurchm_Click();
    typeNumber(form, name("diameter"), options.value(name("diameter")));
    if (options.has(name("staerke"))) {
        const QString klasse = options.value(name("staerke")).trimmed();
        if (form.record().sortCode() == QLatin1String("H ")) {
            form.cmdStaerke_Click();
            typeNumber(form, name("staerke"), klasse);
        } else {
            if (!c.lstStaerke.visible)
                form.txtStaerke_Click();
            chooseFromList(form, QStringLiteral("lstStaerke"), c.lstStaerke.items, klasse, name("staerke"));
        }
    }
    if (options.has(name("klammer")))
        form.mnuKlammerstamm_Click();
    if (options.has(name("folge"))) {
        form.chkKlammer_Click(false);
        form.chkFolge_Click(true);
    }
    if (options.has(name("zusatz"))) {
        form.txtZusatz_Click();
        form.textEdited(QStringLiteral("txtZusatz"), options.value(name("zusatz")));
    }
    if (form.calc().Feldmodus)
        form.keyDown(entry::keys::Enter); // ends field entry, as Enter does on the screen

    if (!form.cmdSpeichern_Click())
        return 1;

    const entry::ListDatenModel& table = form.listDaten();
    const int row = table.currentRow();
    if (context.json()) {
        QJsonObject object{{QStringLiteral("Liste"), list}};
        for (int column = 0; column < entry::ListDatenModel::ColumnCount; ++column)
            object.insert(entry::ListDatenModel::columnCaption(column), table.text(row, column));
        context.printJson(object);
        return 0;
    }
    const QString size = stacked ? QStringLiteral("%1 m × %2 m × %3 m")
                                       .arg(table.text(row, 4), table.text(row, 5), c.txtStueck.text)
                                 : QStringLiteral("%1 m, %2 cm").arg(table.text(row, 4), table.text(row, 5));
    context.out() << "Gespeichert in Liste " << list << ": Datensatz " << table.text(row, 0) << ", Nr*St "
                  << table.text(row, 2) << ", " << c.txtHolzart.text << ", " << size << ", Stärke "
                  << table.text(row, 8) << ", " << table.text(row, 12)
                  << (stacked && c.cmdKubatur.caption != QLatin1String("Kubatur") ? " Rm" : " fm")
                  << Qt::endl;
    return 0;
}

} // namespace cli
