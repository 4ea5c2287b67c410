// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "app/Options.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

#include <QJsonObject>
#include <QRegularExpression>

namespace cli {
namespace {

const QString Usage = QStringLiteral("options [NAME [WERT]]");

// The options by their setting names, in the order of the options window.
const QList<const store::SettingKey*>& optionKeys()
{
    static const QList<const store::SettingKey*> keys{
        &store::keys::Sortierung,    &store::keys::Region,        &store::keys::RegionIndex,
        &store::keys::Konvertierung, &store::keys::KonvAuto,      &store::keys::AutoLos,
        &store::keys::Guete,         &store::keys::Sorte,         &store::keys::Nutzungsart,
        &store::keys::Einschlagtyp,  &store::keys::UebernStaerke, &store::keys::Sortimentsliste};
    return keys;
}

QString keyName(const store::SettingKey& key)
{
    return QString::fromUtf8(key.key);
}

const store::SettingKey& findKey(const QString& name)
{
    for (const store::SettingKey* key : optionKeys())
        if (keyName(*key).compare(name, Qt::CaseInsensitive) == 0)
            return *key;
    QStringList names;
    for (const store::SettingKey* key : optionKeys())
        names << keyName(*key);
    throw CommandError{
        QStringLiteral("Unbekannte Option „%1“. Bekannt: %2").arg(name, names.join(QStringLiteral(", "))), 2};
}

int wholeNumber(const QString& text, int low, int high, const QString& name)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        throw CommandError{
            QStringLiteral("%1: „%2“ ungültig, erlaubt %3 bis %4.").arg(name, text).arg(low).arg(high), 2};
    return value;
}

// What a value means, for people reading the listing.
QString meaning(const app::Options& options, const store::SettingKey& key, const QString& value)
{
    if (&key == &store::keys::Sortierung)
        return app::Options::sortEntries().value(value.toInt(), QStringLiteral("?"));
    if (&key == &store::keys::Konvertierung)
        return app::Options::formatCaptions().value(value.toInt() - 1, QStringLiteral("keines"));
    if (&key == &store::keys::RegionIndex)
        return options.regionSelected() >= 0 ? options.cmbRegion().at(options.regionSelected())
                                             : QStringLiteral("nicht in den Stammdaten");
    if (&key == &store::keys::AutoLos)
        return value.size() < 3
                   ? QStringLiteral("AutoLos inaktiv")
                   : QStringLiteral("Regelsatz %1, Lose bis %2").arg(value.left(1), value.mid(1));
    if (&key == &store::keys::Region)
        return QStringLiteral("Position in der Regionsliste");
    return value == QLatin1String("1") ? QStringLiteral("ein") : QStringLiteral("aus");
}

void apply(app::Options& options, const store::SettingKey& key, const QString& value)
{
    const QString name = keyName(key);
    if (&key == &store::keys::Sortierung) {
        options.cmbSorte_Click(wholeNumber(value, 0, int(app::Options::sortEntries().size()) - 1, name));
    } else if (&key == &store::keys::Region) {
        options.cmbRegion_Click(wholeNumber(value, 0, int(options.cmbRegion().size()) - 1, name));
    } else if (&key == &store::keys::RegionIndex) {
        const qsizetype position = options.regionNumbers().indexOf(wholeNumber(value, 0, 255, name));
        if (position < 0)
            throw CommandError{QStringLiteral("Region %1 ist nicht in den Stammdaten.").arg(value), 2};
        options.cmbRegion_Click(int(position));
    } else if (&key == &store::keys::Konvertierung) {
        options.optKonvertierung_Click(wholeNumber(value, 1, 7, name));
    } else if (&key == &store::keys::AutoLos) {
        static const QRegularExpression digits(QStringLiteral("^[0-9]{0,3}$"));
        if (!digits.match(value.trimmed()).hasMatch())
            throw CommandError{
                QStringLiteral("AutoLos: „%1“ ungültig, erlaubt sind bis zu drei Ziffern.").arg(value), 2};
        options.setTxtLos(value.trimmed());
    } else {
        if (value != QLatin1String("0") && value != QLatin1String("1"))
            throw CommandError{
                QStringLiteral("%1: „%2“ ungültig, erlaubt 1 (ein) oder 0 (aus).").arg(name, value), 2};
        for (int c = 0; c < app::Options::CheckCount; ++c)
            if (&app::Options::checkSetting(app::Options::Check(c)) == &key)
                options.setChecked(app::Options::Check(c), value == QLatin1String("1"));
    }
    // A failed write was already reported; a later one may have found
    // nothing left to write, which is no success.
    if (!options.storeAll() || !options.everythingStored())
        throw CommandError{QStringLiteral("%1 wurde nicht gespeichert.").arg(name)};
}

} // namespace

int runOptions(CliContext& context, const QStringList& args)
{
    const Options arguments(args, {});
    const QStringList& positional = arguments.positional();
    if (positional.size() > 2)
        throw CommandError{QStringLiteral("Aufruf: stemmo %1").arg(Usage), 2};

    store::MasterData master(context.masterDb());
    app::Options options(context.settings(), master, context.ui());
    options.Form_Load();

    if (positional.size() == 2)
        apply(options, findKey(positional.at(0)), positional.at(1));

    QList<const store::SettingKey*> shown = optionKeys();
    if (!positional.isEmpty())
        shown = {&findKey(positional.at(0))};
    QJsonObject json;
    for (const store::SettingKey* key : shown) {
        const QString value = context.settings().get(*key);
        if (context.json())
            json.insert(keyName(*key), value);
        else if (positional.size() == 1)
            context.out() << value << Qt::endl;
        else
            context.out() << qSetFieldWidth(16) << Qt::left << keyName(*key) << qSetFieldWidth(0) << value
                          << "  (" << meaning(options, *key, value) << ")" << Qt::endl;
    }
    if (context.json())
        context.printJson(json);
    return 0;
}

} // namespace cli
