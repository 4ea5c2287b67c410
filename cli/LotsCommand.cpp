// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "lots/AutoLos.h"
#include "lots/LotRules.h"
#include "rules/Numbers.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

#include <QJsonArray>
#include <QJsonObject>

namespace cli {
namespace {

const QString Usage = QStringLiteral(
    "lots [list | show SCHLÜSSEL | set SCHLÜSSEL [--holzart ...] [--guete ...] [--sorte ...] [--staerke ...] "
    "[--laenge-von N] [--laenge-bis N] [--durchm-von N] [--durchm-bis N] [--kubatur-von N] [--kubatur-bis N] "
    "| "
    "delete SCHLÜSSEL | match [--max AUTOLOSMAX] --holzart H --sorte S --guete G --staerke K --laenge L "
    "--durchm D --kubatur V]");

// The command-line option of each rule value, in the order of the fields.
const QStringList& valueOptions()
{
    static const QStringList names{QStringLiteral("holzart"),     QStringLiteral("guete"),
                                   QStringLiteral("sorte"),       QStringLiteral("staerke"),
                                   QStringLiteral("laenge-von"),  QStringLiteral("laenge-bis"),
                                   QStringLiteral("durchm-von"),  QStringLiteral("durchm-bis"),
                                   QStringLiteral("kubatur-von"), QStringLiteral("kubatur-bis")};
    return names;
}

lots::LotKey parseKey(const QString& text)
{
    const std::optional<lots::LotKey> key = lots::LotKey::parse(text);
    if (!key)
        throw CommandError{
            QStringLiteral("Schlüssel „%1“ ungültig: Regelsatz 1–9 und Los 01–85, z. B. 105 oder 212.")
                .arg(text),
            2};
    return *key;
}

QJsonObject ruleJson(const lots::LotKey& key, bool exists, const lots::LotRule& rule)
{
    QJsonObject object{{QStringLiteral("key"), key.text()},
                       {QStringLiteral("ruleSet"), key.ruleSet},
                       {QStringLiteral("lot"), key.lot},
                       {QStringLiteral("exists"), exists}};
    for (int f = 0; f < lots::LotRule::FieldCount; ++f)
        object.insert(lots::LotRule::valueName(lots::LotRule::Field(f)), rule.values[f]);
    return object;
}

void printRule(QTextStream& out, const lots::LotKey& key, bool exists, const lots::LotRule& rule)
{
    out << "Los " << key.text() << " (Regelsatz " << key.ruleSet << ", Los " << key.lot
        << "): " << (exists ? "Los vorhanden" : "Los nicht vorhanden") << Qt::endl;
    if (!exists)
        return;
    for (int f = 0; f < lots::LotRule::FieldCount; ++f) {
        const auto field = lots::LotRule::Field(f);
        out << "  " << qSetFieldWidth(12) << Qt::left << lots::LotRule::caption(field) << qSetFieldWidth(0)
            << (rule[field].isEmpty() ? QStringLiteral("(alle)") : rule[field]) << Qt::endl;
    }
}

int listRules(CliContext& context, lots::LotRules& rules)
{
    const QList<lots::LotKey> keys = rules.storedKeys();
    if (context.json()) {
        QJsonArray array;
        for (const lots::LotKey& key : keys)
            array.append(ruleJson(key, true, rules.read(key)));
        context.printJson(array);
        return 0;
    }
    if (keys.isEmpty())
        context.out() << "Keine Losregeln gespeichert." << Qt::endl;
    for (const lots::LotKey& key : keys)
        printRule(context.out(), key, true, rules.read(key));
    return 0;
}

int matchRecord(CliContext& context, const QStringList& args, lots::LotRules& rules)
{
    const Options options(args, {QStringLiteral("max"), QStringLiteral("holzart"), QStringLiteral("sorte"),
                                 QStringLiteral("guete"), QStringLiteral("staerke"), QStringLiteral("laenge"),
                                 QStringLiteral("durchm"), QStringLiteral("kubatur")});
    options.expectPositional(0, Usage);
    for (const char* name : {"laenge", "durchm", "kubatur"}) {
        const QString option = QString::fromLatin1(name);
        if (options.has(option) && !rules::toSingle(options.value(option)))
            throw CommandError{
                QStringLiteral("--%1: „%2“ ist keine Zahl.").arg(option, options.value(option)), 2};
    }
    rules::RecordFields record;
    record.txtHolzart = options.value(QStringLiteral("holzart"));
    // Codes of one letter carry a blank, as on the entry screen ("L ").
    record.txtSorte = options.value(QStringLiteral("sorte")).leftJustified(2, QLatin1Char(' '));
    record.txtGuete = options.value(QStringLiteral("guete")).leftJustified(2, QLatin1Char(' '));
    record.txtStaerke = options.value(QStringLiteral("staerke"));
    record.txtLaenge = options.value(QStringLiteral("laenge"));
    record.txtDurchmesser = options.value(QStringLiteral("durchm"));
    record.txtKubatur = options.value(QStringLiteral("kubatur"));
    const QString autoLosMax =
        options.value(QStringLiteral("max"), context.settings().get(store::keys::AutoLos));
    const std::optional<int> lot = lots::AutoLos_Zuordnen(record, autoLosMax, rules);
    if (context.json()) {
        context.printJson(QJsonObject{{QStringLiteral("autoLosMax"), autoLosMax},
                                      {QStringLiteral("active"), lot.has_value()},
                                      {QStringLiteral("lot"), lot.value_or(-1)}});
        return 0;
    }
    if (!lot)
        context.out() << "AutoLos ist aus (AutoLosMax „" << autoLosMax << "“): das getippte Los bleibt."
                      << Qt::endl;
    else if (*lot == 0)
        context.out() << "Keine Regel passt: Los 0." << Qt::endl;
    else
        context.out() << "Los " << *lot << Qt::endl;
    return 0;
}

} // namespace

int runLots(CliContext& context, const QStringList& args)
{
    lots::LotRules rules(context.settings());
    const QString action = args.value(0, QStringLiteral("list"));
    const QStringList rest = args.mid(1);

    if (action == QLatin1String("list")) {
        Options(rest, {}).expectPositional(0, Usage);
        return listRules(context, rules);
    }
    if (action == QLatin1String("match"))
        return matchRecord(context, rest, rules);

    if (action == QLatin1String("show") || action == QLatin1String("delete")) {
        const Options options(rest, {});
        options.expectPositional(1, Usage);
        const lots::LotKey key = parseKey(options.positional().at(0));
        if (action == QLatin1String("show")) {
            const bool exists = rules.exists(key);
            const lots::LotRule rule = rules.read(key);
            if (context.json())
                context.printJson(ruleJson(key, exists, rule));
            else
                printRule(context.out(), key, exists, rule);
            return 0;
        }
        if (!rules.remove(key)) {
            if (rules.lastError().isEmpty())
                throw CommandError{QStringLiteral("Los %1: Los nicht vorhanden").arg(key.text())};
            throw CommandError{
                QStringLiteral("Los %1 nicht gelöscht: %2").arg(key.text(), rules.lastError())};
        }
        context.out() << "Los " << key.text() << " gelöscht." << Qt::endl;
        return 0;
    }

    if (action == QLatin1String("set")) {
        const Options options(rest, valueOptions());
        options.expectPositional(1, Usage);
        const lots::LotKey key = parseKey(options.positional().at(0));
        lots::LotRule rule;
        for (int f = 0; f < lots::LotRule::FieldCount; ++f)
            rule.values[f] = options.value(valueOptions().at(f));
        rule = lots::LotRules::normalised(rule);
        const QStringList problems = lots::LotRules::problems(rule);
        if (!problems.isEmpty())
            throw CommandError{QStringLiteral("Los %1 nicht gespeichert:\n").arg(key.text()) +
                                   problems.join(QLatin1Char('\n')),
                               2};
        if (!rules.write(key, rule))
            throw CommandError{
                QStringLiteral("Los %1 nicht gespeichert: %2").arg(key.text(), rules.lastError())};
        if (context.json())
            context.printJson(ruleJson(key, true, rule));
        else
            printRule(context.out(), key, true, rule);
        return 0;
    }
    throw CommandError{QStringLiteral("Aufruf: stemmo %1").arg(Usage), 2};
}

} // namespace cli
