// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "cli/FieldOptions.h"
#include "rules/Bark.h"
#include "rules/BarkTable.h"
#include "rules/Numbers.h"
#include "rules/Volume.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

#include <QJsonObject>

namespace cli {

int runVolume(CliContext& context, const QStringList& args)
{
    const QString usage = QStringLiteral(
        "volume --length L --diameter D [--pieces N] [--species S] [--bark MODUS] [--abzug CM] "
        "[--sorte CODE] [--faktor F] [--hoehe H]");
    const Options options(args,
                          {QStringLiteral("length"), QStringLiteral("diameter"), QStringLiteral("pieces"),
                           QStringLiteral("species"), QStringLiteral("bark"), QStringLiteral("abzug"),
                           QStringLiteral("sorte"), QStringLiteral("faktor"), QStringLiteral("hoehe")});
    options.expectPositional(0, usage);
    if (!options.has(QStringLiteral("length")) || !options.has(QStringLiteral("diameter")))
        throw CommandError{QStringLiteral("Aufruf: stemmo ") + usage, 2};

    rules::RecordFields record;
    record.txtLaenge = options.value(QStringLiteral("length"));
    record.txtDurchmesser = options.value(QStringLiteral("diameter"));
    record.txtHolzart = options.value(QStringLiteral("species"));
    QString sorte = options.value(QStringLiteral("sorte"), QStringLiteral("L "));
    if (sorte.size() == 1)
        sorte += QLatin1Char(' ');
    record.txtSorte = sorte.left(2);
    using rules::ValueField;
    refuseValuesOutOfRange(
        options,
        {{"length", ValueField::Laenge},
         {"diameter", record.isStackedWood() ? ValueField::Breite : ValueField::Durchmesser},
         {"pieces", ValueField::Stueck},
         {"hoehe", ValueField::Hoehe},
         {"faktor", ValueField::Faktor},
         {"abzug", ValueField::Rinde}},
        record.sortCode());
    if (record.isStackedWood()) {
        if (!options.has(QStringLiteral("hoehe")))
            throw CommandError{QStringLiteral("Schichtholz braucht --hoehe (Stapelhöhe in m)."), 2};
        record.txtStueck = options.value(QStringLiteral("hoehe"));
        record.txtFaktor = options.value(QStringLiteral("faktor"), QStringLiteral("1"));
        record.optEinzelstamm = false;
    } else if (options.has(QStringLiteral("pieces"))) {
        record.optEinzelstamm = false;
        record.txtStueck = options.value(QStringLiteral("pieces"));
    } else {
        record.txtStueck = QStringLiteral("1");
    }
    // Without a mode the typed deduction applies (0 when none is given).
    record.cmdAbzRinde = options.value(QStringLiteral("bark"), QStringLiteral(" "));
    if (record.cmdAbzRinde.isEmpty())
        record.cmdAbzRinde = QStringLiteral(" ");
    record.txtRinde = options.value(QStringLiteral("abzug"), QStringLiteral("0"));

    rules::BarkTable barkTable;
    if (!record.txtHolzart.isEmpty()) {
        const int region = context.settings().number(store::keys::RegionIndex, 8);
        barkTable = store::MasterData(context.masterDb()).barkTable(region);
    }
    rules::RecordState state;
    state.Feldmodus = true;
    state.Dezimalpunkt = true;
    QList<platform::Message> messages;
    const bool computed = rules::Datensatz_Berechnen(record, state, barkTable, messages);
    for (const auto& message : messages)
        context.ui().message(message);
    if (!computed)
        throw CommandError{
            QStringLiteral("Keine Kubatur berechnet (Länge und Durchmesser müssen größer 0 sein).")};

    const QString kubatur = rules::formatTwo(state.KubaturWert, true);
    const QString unit = record.isStackedWood() && record.cmdKubatur != QLatin1String("Kubatur")
                             ? QStringLiteral("Rm")
                             : QStringLiteral("fm");
    const double abzug = rules::toSingle(record.txtRinde).value_or(0);
    if (context.json()) {
        context.printJson(
            QJsonObject{{QStringLiteral("Kubatur"), kubatur.toDouble()},
                        {QStringLiteral("Einheit"), unit},
                        {QStringLiteral("Staerke"), record.txtStaerke},
                        {QStringLiteral("RindenAbzug"), rules::formatDeduction(abzug, true).toDouble()}});
        return 0;
    }
    context.out() << "Kubatur " << kubatur << ' ' << unit << Qt::endl;
    if (!record.txtStaerke.isEmpty())
        context.out() << "Staerke " << record.txtStaerke << Qt::endl;
    context.out() << "RindenAbzug " << rules::formatDeduction(abzug, true) << " cm" << Qt::endl;
    return 0;
}

} // namespace cli
