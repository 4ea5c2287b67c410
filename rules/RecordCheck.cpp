// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/RecordCheck.h"

#include "rules/Numbers.h"
#include "rules/Volume.h"

namespace rules {

namespace {

// Empty, "0" and anything unreadable all mean the value was not entered.
bool missingValue(const QString& text)
{
    const auto value = toSingle(text);
    return !value || *value == 0;
}

} // namespace

QStringList recordCheckLines(const RecordFields& record, float durchmesser, float laenge)
{
    QStringList lines;
    const QString code = record.sortCode();
    const bool pieceOrFirewood = code == QLatin1String("P ") || code == QLatin1String("LF");

    if (!pieceOrFirewood) {
        if (durchmesser > 199)
            lines << QStringLiteral("Durchmesser > 199 cm ");
        if (laenge > 35)
            lines << QStringLiteral("Länge > 35 m ");
    }

    if (!record.isStackedWood()) {
        const bool lengthOrDiameterMissing =
            missingValue(record.txtLaenge) || missingValue(record.txtDurchmesser);
        const bool typedVolume = pieceOrFirewood && !missingValue(record.txtKubatur);
        if (lengthOrDiameterMissing) {
            if (!typedVolume)
                lines << QStringLiteral("Länge o.Durchmesser fehlen");
        } else if (durchmesser < 1) {
            lines << QStringLiteral("Durchmesser kleiner 1 cm ");
        }
        if (missingValue(record.txtStueck))
            lines << QStringLiteral("Stückzahl eingeben ");
    } else {
        if (record.txtLaenge.isEmpty())
            lines << QStringLiteral("Länge eingeben ");
        if (record.txtDurchmesser.isEmpty())
            lines << QStringLiteral("Stapelbreite eingeben ");
        if (record.txtStueck.isEmpty())
            lines << QStringLiteral("Stapelhöhe eingeben ");
    }

    if (missingValue(record.txtKubatur))
        lines << QStringLiteral("Keine Kubatur berrechnet");
    if (record.txtGuete.isEmpty())
        lines << QStringLiteral("Güte eingeben ");

    if (record.txtLos.isEmpty()) {
        lines << QStringLiteral("Los eingeben ");
    } else {
        const auto lot = toSingle(record.txtLos);
        if (!lot || *lot < 0 || *lot > 85)
            lines << QStringLiteral("Los unzulässig ");
    }

    if (record.txtHolzart.isEmpty())
        lines << QStringLiteral("Holzart eingeben ");
    if (record.txtStaerke.isEmpty())
        lines << QStringLiteral("Staerke eingeben ");

    if (record.txtSorte.isEmpty()) {
        lines << QStringLiteral("Klasse eingeben ");
    } else if (code == QLatin1String("H ")) {
        if (!record.txtStaerke.isEmpty() && !Klasse_Zulaessig(record.txtStaerke, laenge))
            lines << QStringLiteral("Falsche Klasse eingegeben ");
    } else if (record.isStackedWood() && record.txtFaktor.isEmpty()) {
        lines << QStringLiteral("Faktor eingeben ");
    }
    return lines;
}

std::optional<platform::Message> Daten_Kontrolle(const RecordFields& record, float durchmesser, float laenge)
{
    const QStringList lines = recordCheckLines(record, durchmesser, laenge);
    if (lines.isEmpty())
        return std::nullopt;
    QString text;
    for (const QString& line : lines)
        text += line + QLatin1Char('\r');
    return platform::Message{text, QStringLiteral("Datensatz unvollständig"), platform::Buttons::Ok,
                             platform::Icon::Warning};
}

} // namespace rules
