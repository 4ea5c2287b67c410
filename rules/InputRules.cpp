// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/InputRules.h"

#include "rules/Numbers.h"

#include <algorithm>

namespace rules {

namespace {

const QString BackKey = QStringLiteral("b");

bool isDecimalKey(const QString& key)
{
    return key == QLatin1String(",") || key == QLatin1String(".");
}

bool isDigitKey(const QString& key)
{
    return key.size() == 1 && key.front() >= QLatin1Char('0') && key.front() <= QLatin1Char('9');
}

bool endsWithSeparator(const QString& text)
{
    return text.endsWith(QLatin1Char(',')) || text.endsWith(QLatin1Char('.'));
}

void refuse(FieldKeyResult& result, const QString& text, platform::Buttons buttons)
{
    result.text.clear();
    result.refused = true;
    result.message = platform::Message{text, QStringLiteral("Fehleingabe"), buttons, platform::Icon::Warning};
    result.decimalKeyEnabled = true;
}

bool outOfRange(const QString& eingabefeld, const QString& text, const RecordFields& record,
                FieldKeyResult& result)
{
    using platform::Buttons;
    if (eingabefeld == QLatin1String("Laenge") && text.size() > 5) {
        refuse(result, QStringLiteral("Laenge auserhalb zulässigen Bereich"), Buttons::Ok);
    } else if (eingabefeld == QLatin1String("Durchmesser") && record.isStackedWood()) {
        if (text.size() >= 6)
            refuse(result, QStringLiteral("Breite ausserhalb zulässigen Bereich"), Buttons::OkCancel);
    } else if (eingabefeld == QLatin1String("Durchmesser") && !text.isEmpty()) {
        const auto value = toSingle(text);
        if (text.size() > 3 || !value || roundHalfEven(*value) >= 256)
            refuse(result, QStringLiteral("Durchmesser ausserhalb zulässigen Bereich"), Buttons::OkCancel);
    } else if (eingabefeld == QLatin1String("Faktor") && text.size() >= 6) {
        refuse(result, QStringLiteral("Faktor ausserhalb zulässigen Bereich"), Buttons::OkCancel);
    }
    return result.refused;
}

} // namespace

QString Eingabe_Kuerzen(QString& key, const QString& oldText)
{
    if (key != BackKey)
        return oldText;
    key.clear();
    return oldText.chopped(oldText.isEmpty() ? 0 : 1);
}

QString Eingabe_Zeichen(const QString& key, const QString& oldText, bool* decimalKeyUsed)
{
    if (isDecimalKey(key)) {
        if (decimalKeyUsed)
            *decimalKeyUsed = true;
        return oldText.isEmpty() ? QString(QStringLiteral("0") + key) : key;
    }
    return isDigitKey(key) ? key : QString();
}

FieldKeyResult Feld_Eingabe(const QString& eingabefeld, const QString& key, const QString& oldText,
                            const RecordFields& record)
{
    FieldKeyResult result;
    result.text = oldText;

    const auto is = [&eingabefeld](const char* name) { return eingabefeld == QLatin1String(name); };
    if (is("Laenge") || is("Durchmesser") || is("Faktor") || is("Stueck")) {
        QString consumedKey = key;
        bool decimalKeyUsed = false;
        const QString kept = Eingabe_Kuerzen(consumedKey, oldText);
        result.text = kept + Eingabe_Zeichen(consumedKey, oldText, &decimalKeyUsed);
        if (decimalKeyUsed)
            result.decimalKeyEnabled = false;
        else if (key == BackKey && endsWithSeparator(oldText))
            result.decimalKeyEnabled = true;
        outOfRange(eingabefeld, result.text, record, result);
    } else if (is("Rinde")) {
        // One whole digit: a deduction is a few centimetres, and a second
        // key corrects the first instead of making it ten times larger.
        // After the decimal key up to two decimals follow ("0,5", "2,25").
        const qsizetype separator =
            std::max(oldText.indexOf(QLatin1Char(',')), oldText.indexOf(QLatin1Char('.')));
        const bool fractionOpen = separator >= 0 && oldText.size() - separator - 1 < 2;
        if (isDigitKey(key))
            result.text = fractionOpen ? oldText + key : key;
        else if (isDecimalKey(key) && separator < 0)
            result.text = (oldText.isEmpty() ? QStringLiteral("0") : oldText) + key;
        else if (key == BackKey)
            result.text.chop(1);
        if (result.text.isEmpty())
            result.text = QStringLiteral("0");
    } else if (is("Staerke")) {
        const bool lengthClass =
            isDigitKey(key) && key != QLatin1String("0") && key.front() <= QLatin1Char('6');
        // Anything but a length class empties the field.
        result.text = lengthClass ? key : QString();
        result.endsFieldEntry = lengthClass;
        return result;
    } else if (is("Nummer") || is("Kubatur") || is("Preisfaktor") || is("Abteilung")) {
        if (key == BackKey)
            result.text.chop(1);
        else
            result.text += key;
    }

    const QString& diameter = is("Durchmesser") ? result.text : record.txtDurchmesser;
    const QString& length = is("Laenge") ? result.text : record.txtLaenge;
    result.recompute = !diameter.isEmpty() && !length.isEmpty();
    return result;
}

QuickEntryKeyFilter filterQuickEntryKey(const QString& buffer)
{
    const bool accepted =
        !buffer.isEmpty() && (isDigitKey(buffer.right(1)) || buffer.endsWith(QLatin1Char(',')));
    return {accepted ? buffer : buffer.chopped(buffer.isEmpty() ? 0 : 1), accepted};
}

} // namespace rules
