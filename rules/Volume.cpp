// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/Volume.h"

#include "rules/Bark.h"
#include "rules/Numbers.h"

#include <algorithm>
#include <array>
#include <utility>

namespace rules {

namespace {

// Mid-diameter formula, fm: n logs of length l (m) and diameter d (cm).
double logVolume(double pieces, double laenge, double durchmesserCm)
{
    const double metres = durchmesserCm / 100.0;
    return pieces * laenge * (Pi * metres * metres / 4.0);
}

float roundedVolume(double volume)
{
    return roundTwo(static_cast<float>(volume));
}

// Converts a typed field in place the way the system reads it, so that the
// field shows what the computation used.
void normaliseDecimal(QString& text, bool dezimalpunkt)
{
    if (dezimalpunkt)
        text.replace(QLatin1Char(','), QLatin1Char('.'));
}

QString diameterClass(double underBark)
{
    static const std::array<std::pair<int, const char*>, 9> classes = {{
        {60, "6+"},
        {50, "5"},
        {40, "4"},
        {35, "3b"},
        {30, "3a"},
        {25, "2b"},
        {20, "2a"},
        {15, "1b"},
        {10, "1a"},
    }};
    for (const auto& [from, name] : classes) {
        if (underBark >= from)
            return QLatin1String(name);
    }
    return QStringLiteral("0");
}

} // namespace

QString kubaturCaption(const RecordFields& record)
{
    return record.isStackedWood() && record.txtFaktor == QLatin1String("1") ? QStringLiteral("Raumm³")
                                                                            : QStringLiteral("Kubatur");
}

std::optional<float> Kubatur_Berechnen(float durchmesser, float laenge, RecordFields& record,
                                       RecordState& state, const BarkTable& barkTable,
                                       QList<platform::Message>& messages)
{
    const float underBark = std::max(
        Rinde_Abziehen(durchmesser, record.txtHolzart, record, barkTable, messages, state.Dezimalpunkt),
        0.0f);

    if (record.txtFaktor.isEmpty())
        record.txtFaktor = QStringLiteral("1");

    if (record.isStackedWood()) {
        record.cmdKubatur = kubaturCaption(record);
        const auto height = toSingle(record.txtStueck);
        const auto factor = toSingle(record.txtFaktor);
        if (!height || !factor)
            return std::nullopt;
        return roundedVolume(static_cast<double>(underBark) * laenge * *height * *factor);
    }

    int pieces = 1;
    if (!record.optEinzelstamm) {
        if (record.txtStueck.isEmpty()) {
            record.txtStueck = QStringLiteral("1");
        } else {
            const auto typed = toSingle(record.txtStueck);
            if (!typed)
                return std::nullopt;
            pieces = roundHalfEven(*typed);
        }
    }
    state.StueckWert = pieces;
    return roundedVolume(logVolume(pieces, laenge, underBark));
}

void Staerke_Bestimmen(RecordFields& record)
{
    if (record.txtDurchmesser.isEmpty() || record.txtSorte.isEmpty())
        return;
    const QString code = record.sortCode();
    for (const char* withoutClass : {"H ", "P ", "S ", "SW", "IS"}) {
        if (code == QLatin1String(withoutClass))
            return;
    }
    if (code == QLatin1String("LF") && record.txtDurchmesser == QLatin1String("0"))
        return;

    const auto diameter = toSingle(record.txtDurchmesser);
    if (!diameter)
        return;
    const auto deduction = toSingle(record.txtRinde);
    // The diameter is measured in whole centimetres; the deduction keeps its
    // decimals, so 30 cm less 0.5 cm is 29.5 cm and still in the class below
    // 30. The difference may go below zero when the deduction exceeds the
    // diameter, which is simply the lowest class.
    const double underBark =
        static_cast<double>(roundHalfEven(*diameter)) - (deduction ? static_cast<double>(*deduction) : 0.0);
    record.txtStaerke = diameterClass(underBark);
}

bool Klasse_Zulaessig(const QString& klasse, float laenge)
{
    static const std::array<std::pair<const char*, float>, 6> minimumLength = {{
        {"1", 8.0f},
        {"2", 10.0f},
        {"3", 14.0f},
        {"4", 16.0f},
        {"5", 18.0f},
        {"6", 18.0f},
    }};
    const QString compact = QString(klasse).remove(QLatin1Char(' '));
    for (const auto& [name, minimum] : minimumLength) {
        if (compact == QLatin1String(name))
            return laenge >= minimum;
    }
    return false;
}

float Kubatur_Mantelstamm(float laenge, float durchmesser, const QString& holzart, const QString& modus,
                          double& abzug, const BarkTable& barkTable, QList<platform::Message>& messages)
{
    const float underBark =
        std::max(Rindenabzug_Berechnen(durchmesser, holzart, modus, abzug, barkTable, messages), 0.0f);
    return roundedVolume(logVolume(1.0, laenge, underBark));
}

bool Datensatz_Berechnen(RecordFields& record, RecordState& state, const BarkTable& barkTable,
                         QList<platform::Message>& messages)
{
    bool lengthGiven = true;
    if (state.Feldmodus) {
        // A field that cannot be read counts as 0 rather than leaving the
        // previous record's value to produce a volume.
        if (!record.txtDurchmesser.isEmpty()) {
            normaliseDecimal(record.txtDurchmesser, state.Dezimalpunkt);
            state.Durchmesser = toSingle(record.txtDurchmesser).value_or(0.0f);
        }
        if (!record.txtLaenge.isEmpty()) {
            normaliseDecimal(record.txtLaenge, state.Dezimalpunkt);
            state.Laenge = toSingle(record.txtLaenge).value_or(0.0f);
        } else {
            lengthGiven = false;
        }
        if (record.isStackedWood())
            normaliseDecimal(record.txtStueck, state.Dezimalpunkt);
    } else {
        record.txtDurchmesser = formatPlain(state.Durchmesser, state.Dezimalpunkt);
        record.txtLaenge = formatPlain(state.Laenge, state.Dezimalpunkt);
    }

    bool computed = false;
    if (lengthGiven && state.Durchmesser != 0 && state.Laenge != 0) {
        const auto volume =
            Kubatur_Berechnen(state.Durchmesser, state.Laenge, record, state, barkTable, messages);
        if (volume) {
            state.KubaturWert = *volume;
            record.txtKubatur = formatTwoGrouped(*volume, state.Dezimalpunkt);
            computed = true;
        }
    }
    Staerke_Bestimmen(record);
    return computed;
}

} // namespace rules
