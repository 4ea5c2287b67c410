// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListBuilder.h"

#include "HolzartLookup.h"
#include "UseCodeLookup.h"

#include "rules/Numbers.h"
#include "store/LotRegister.h"

namespace importer {

ListBuilder::ListBuilder(ImportedList& list, HolzartLookup& species, const UseCodeLookup& useCodes,
                         const rules::BarkTable& bark)
    : m_list(&list), m_species(&species), m_useCodes(&useCodes), m_bark(&bark)
{
    // Like every new list, an imported one starts with lot 1 registered.
    if (m_list->header.Los.isEmpty())
        m_list->header.Los = store::LotRegister::initial();
}

QString ListBuilder::species(QStringView code)
{
    return m_species->Holzart_Suchen(code, *m_list);
}

QString ListBuilder::nutzung(QStringView useCode) const
{
    return m_useCodes->Nutzung_Suchen(useCode);
}

QString ListBuilder::headerValue(QStringView value)
{
    const QString text = FieldReader::trimEnd(value);
    return text.isEmpty() ? QString() : text;
}

void ListBuilder::setDate(FieldReader& line, QStringView value)
{
    if (value.trimmed().isEmpty())
        return;
    if (const auto date = FieldReader::parseDate(value)) {
        m_list->header.Datum = *date;
        return;
    }
    line.fail(ValueError::TypeMismatch,
              QStringLiteral("Typen unverträglich: Zeile %1, Datum „%2“ ist kein gültiges Datum.")
                  .arg(line.lineNumber())
                  .arg(value.trimmed().left(40)));
}

void ListBuilder::addStorage(FieldReader& line)
{
    store::LagerRow row;
    row.Liste = m_list->header.Liste;
    row.LL = line.mid(1, 2).toString();
    row.Los = line.whole(3, 3, QStringLiteral("Los"), 0, 255);
    row.GPS = line.text(6, 38);
    row.Lagerort = line.text(44, 50);
    row.Zusatz1 = line.text(94, 50);
    m_list->storage.push_back(std::move(row));
}

void ListBuilder::finishRecord()
{
    if (!m_open)
        return;
    m_open = false;
    ImportedList& list = *m_list;
    list.totals.add(list.records.back());
    if (m_sink) {
        const qint64 id = m_sink(list.records.back());
        // The record's samples refer to it by its stored Id from now on.
        for (size_t i = m_firstSample; i < list.samples.size(); ++i)
            list.samples[i].HolzId = id;
        list.records.clear();
    }
}

void ListBuilder::finish()
{
    finishRecord();
}

store::HolzRow& ListBuilder::addRecord(int lot)
{
    finishRecord();
    ImportedList& list = *m_list;
    store::HolzRow& row = list.records.emplace_back();
    m_open = true;
    m_firstSample = list.samples.size();
    row.SatzNr = int(++m_count);
    row.Liste = list.header.Liste;
    row.Los = lot;
    if (lot != m_previousLot) {
        list.header.Los = store::LotRegister::entered(list.header.Los, lot);
        m_previousLot = lot;
    }
    row.Stamm = QStringLiteral("1");
    row.Preisfaktor = QStringLiteral("");
    row.Preisart = QStringLiteral("");
    row.Zusatztext = QStringLiteral("");
    row.Abteilung = QStringLiteral("");
    row.RF = QStringLiteral("");
    row.Rotte = QStringLiteral("");
    row.AbrNr = QStringLiteral("");
    row.EST4 = QStringLiteral("");
    row.EST5 = QStringLiteral("");
    row.AArt = -1;
    row.EST1 = -1;
    row.EST2 = -1;
    row.EST3 = -1;
    return row;
}

QString ListBuilder::factorText(FieldReader& line, QStringView field)
{
    const QStringView text = field.trimmed();
    if (text.isEmpty())
        return QStringLiteral("1");
    if (const auto value = FieldReader::parseDecimal(text))
        return rules::formatPlain(float(*value), false);
    line.decimalOf(text, QStringLiteral("Faktor")); // reports it
    return text.toString();
}

QString ListBuilder::twoCharacterCode(QStringView field)
{
    QString code = field.trimmed().toString();
    if (code.size() == 1)
        code += QLatin1Char(' ');
    return code;
}

QString ListBuilder::listName(QStringView value)
{
    QString name;
    name.reserve(value.size());
    for (QChar c : value)
        if (!c.isSpace())
            name += c;
    return name;
}

} // namespace importer
