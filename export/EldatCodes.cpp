// SPDX-License-Identifier: GPL-3.0-or-later
#include "EldatCodes.h"

#include "EldatVocabulary.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <stdexcept>

namespace exporter {
namespace {

using List = EldatVocabulary::List;

// Windows-1252 beyond Latin-1 matters only for a few punctuation marks; the
// umlauts of species names are the same in both.
QString decodeSingleByte(const QByteArray& bytes)
{
    QStringDecoder cp1252("windows-1252");
    if (cp1252.isValid())
        return cp1252(bytes);
    return QString::fromLatin1(bytes);
}

// Own codes are compared as the entry screen pads them: "L" and "L " are one.
QString ownKey(const QString& code)
{
    return code.trimmed();
}

} // namespace

std::optional<EldatCodes> EldatCodes::parse(const QByteArray& bytes, QString* error)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (utf8.hasError())
        text = decodeSingleByte(bytes);
    else if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);

    EldatCodes codes;
    QString section;
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\r|\n")));
    auto refuse = [error](int line, const QString& why) -> std::optional<EldatCodes> {
        if (error)
            *error = QStringLiteral("eldat-codes.dat, Zeile %1: %2").arg(line).arg(why);
        return std::nullopt;
    };
    for (int i = 0; i < lines.size(); ++i) {
        const int lineNo = i + 1;
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2).trimmed().toLower();
            continue;
        }
        const QStringList parts = line.split(QLatin1Char(';'));
        const QString own = parts.value(0).trimmed();
        const QString value = parts.value(1).trimmed();
        // True when the code is refused (the error is set then).
        auto check = [&](List list, const QString& code) -> bool {
            if (EldatVocabulary::contains(list, code))
                return false;
            refuse(lineNo, QStringLiteral("„%1“ ist kein ELDATsmart-Code der Liste %2")
                               .arg(code, EldatVocabulary::name(list)));
            return true;
        };
        if (section == QLatin1String("holzarten") || section == QLatin1String("gueten") ||
            section == QLatin1String("sorten")) {
            if (own.isEmpty() || parts.size() < 2)
                return refuse(lineNo, QStringLiteral("erwartet wird „Code;ELDATsmart-Code“"));
            if (section == QLatin1String("holzarten")) {
                if (check(List::Species, value))
                    return std::nullopt;
                codes.m_species.append({own, value, {}});
            } else if (section == QLatin1String("gueten")) {
                if (check(List::Quality, value))
                    return std::nullopt;
                codes.m_qualities.append({ownKey(own), value, {}});
            } else {
                const QString use = parts.value(2).trimmed();
                if (parts.size() < 3)
                    return refuse(lineNo,
                                  QStringLiteral("erwartet wird „Sorte;ELDATsmart-Sorte;Verwendungssorte“"));
                if (check(List::Grade, value))
                    return std::nullopt;
                if (check(List::Use, use))
                    return std::nullopt;
                codes.m_assortments.append({ownKey(own), value, use});
            }
        } else if (section == QLatin1String("vermessung")) {
            Measuring& m = codes.m_measuring;
            const QString key = own.toLower();
            if (key == QLatin1String("staat")) {
                if (check(List::State, value))
                    return std::nullopt;
                m.state = value;
            } else if (key == QLatin1String("verfahren")) {
                if (check(List::Method, value))
                    return std::nullopt;
                m.method = value;
            } else if (key == QLatin1String("messmittel")) {
                if (check(List::Method, value))
                    return std::nullopt;
                m.medium = value;
            } else if (key == QLatin1String("messtechnik")) {
                if (check(List::Technique, value))
                    return std::nullopt;
                m.technique = value;
            } else if (key == QLatin1String("kalibrierung")) {
                if (value.size() > 30)
                    return refuse(lineNo,
                                  QStringLiteral("die Kennung der Kalibrierung hat mehr als 30 Zeichen"));
                m.calibrationId = value;
            } else if (key == QLatin1String("kalibriertbis")) {
                if (value.isEmpty()) {
                    m.calibratedUntil.clear();
                } else {
                    const QDate date = QDate::fromString(value, QStringLiteral("dd.MM.yyyy"));
                    if (!date.isValid())
                        return refuse(lineNo, QStringLiteral("„%1“ ist kein Datum (TT.MM.JJJJ)").arg(value));
                    m.calibratedUntil = date.toString(Qt::ISODate);
                }
            } else {
                return refuse(lineNo, QStringLiteral("unbekannter Eintrag „%1“").arg(own));
            }
        } else {
            return refuse(lineNo, section.isEmpty()
                                      ? QStringLiteral("Zeile vor dem ersten Abschnitt")
                                      : QStringLiteral("unbekannter Abschnitt [%1]").arg(section));
        }
    }
    return codes;
}

QByteArray EldatCodes::shipped()
{
    QFile file(QStringLiteral(":/stemmo/eldat-codes.dat"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

EldatCodes EldatCodes::forFolder(const QString& folder)
{
    const QString path = QDir(folder).filePath(QLatin1String(FileName));
    QByteArray bytes;
    QFile file(path);
    if (file.exists()) {
        if (!file.open(QIODevice::ReadOnly))
            throw std::runtime_error(QStringLiteral("%1 kann nicht gelesen werden: %2")
                                         .arg(path, file.errorString())
                                         .toStdString());
        bytes = file.read(1024 * 1024);
    } else {
        bytes = shipped();
    }
    QString error;
    auto codes = parse(bytes, &error);
    if (!codes)
        throw std::runtime_error(error.toStdString());
    return std::move(*codes);
}

std::optional<QString> EldatCodes::find(const QList<Pair>& pairs, const QString& own)
{
    for (const Pair& pair : pairs) {
        if (pair.own == own)
            return pair.eldat;
    }
    return std::nullopt;
}

std::optional<QString> EldatCodes::species(const QString& holzart) const
{
    return find(m_species, holzart.trimmed());
}

std::optional<QString> EldatCodes::quality(const QString& guete) const
{
    return find(m_qualities, ownKey(guete));
}

std::optional<EldatCodes::Assortment> EldatCodes::assortment(const QString& sorte) const
{
    const QString key = ownKey(sorte);
    for (const Pair& pair : m_assortments) {
        if (pair.own == key)
            return Assortment{pair.eldat, pair.use};
    }
    return std::nullopt;
}

std::optional<QString> EldatCodes::holzartOf(const QString& species) const
{
    for (const Pair& pair : m_species) {
        if (pair.eldat == species)
            return pair.own;
    }
    return std::nullopt;
}

std::optional<QString> EldatCodes::gueteOf(const QString& quality) const
{
    for (const Pair& pair : m_qualities) {
        if (pair.eldat == quality)
            return pair.own;
    }
    return std::nullopt;
}

std::optional<QString> EldatCodes::sorteOf(const QString& grade, const QString& use) const
{
    for (const Pair& pair : m_assortments) {
        if (pair.eldat == grade && pair.use == use)
            return pair.own;
    }
    for (const Pair& pair : m_assortments) {
        if (pair.eldat == grade)
            return pair.own;
    }
    return std::nullopt;
}

} // namespace exporter
