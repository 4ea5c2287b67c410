// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportTexts.h"

#include "store/LotRegister.h"

namespace report::ReportTexts {

int paddingFor(qsizetype length)
{
    // The widths the summary's columns were laid out with.
    if (length <= 2)
        return 15;
    switch (length) {
    case 3:
        return 14;
    case 4:
        return 15;
    case 5:
        return 11;
    case 6:
        return 7;
    case 7:
        return 6;
    default:
        return length <= 11 ? 11 : 0;
    }
}

QString padField(const QString& field)
{
    return field + QString(paddingFor(field.size()), QLatin1Char(' '));
}

QString padLine(const QStringList& fields)
{
    QString line;
    for (const QString& field : fields)
        line += padField(field);
    return line;
}

QString headerText(const store::ListenRow& list)
{
    QString text;
    for (const QString* field : {&list.Liste, &list.Name, &list.Strasse, &list.Ort})
        if (!field->isEmpty())
            text += *field + LF;
    return text + LF;
}

QString germanDate(const QDate& date)
{
    return date.isValid() ? date.toString(QStringLiteral("dd.MM.yyyy")) : QString();
}

QList<HeaderLine> listHeaderBlock(const store::ListenRow& list)
{
    auto field = [](const char* caption, const QString& value) {
        return HeaderField{QString::fromUtf8(caption), value.trimmed()};
    };
    const QList<HeaderLine> candidates{
        {field("Name", list.Name)},
        {field("Straße", list.Strasse)},
        {field("Ort", list.Ort), field("Forstamt", list.Forstamt)},
        {field("Revier", list.Revier), field("Abteilung", list.Abteilung), field("UAbt", list.UAbt),
         field("Bestand", list.Bestand)},
        {field("Lagerplatz", list.Lagerplatz)},
        {field("Datum", germanDate(list.Datum))},
        {field("Stückzahl", QString::number(list.Stueckzahl))},
        {field("Lose", list.Los.isEmpty() ? QString()
                                          : store::LotRegister::lots(list.Los).join(QStringLiteral(", ")))},
        {field("Konvertiert", germanDate(list.Konvertiert))},
        {field("Bearbeitet", germanDate(list.Bearbeitet))},
    };
    QList<HeaderLine> block;
    for (const HeaderLine& candidate : candidates) {
        HeaderLine line;
        for (const HeaderField& f : candidate)
            if (!f.value.isEmpty())
                line << f;
        if (!line.isEmpty())
            block << line;
    }
    return block;
}

} // namespace report::ReportTexts
