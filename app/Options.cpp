// SPDX-License-Identifier: GPL-3.0-or-later
#include "Options.h"

#include "platform/UserInterface.h"
#include "store/MasterData.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"

namespace app {
namespace {

constexpr int FormatCount = 8;

QString onOff(bool checked)
{
    return checked ? QStringLiteral("1") : QStringLiteral("0");
}

QString digitsOnly(const QString& text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9') && digits.size() < 3)
            digits += c;
    return digits;
}

} // namespace

const QStringList& Options::sortEntries()
{
    static const QStringList entries{QStringLiteral("Eingabefolge"), QStringLiteral("Los,StammNr"),
                                     QStringLiteral("Los,Länge,Güte,Durchm"),
                                     QStringLiteral("Los,Holzart,Lnge,Güte"),
                                     QStringLiteral("Los,Sorte,Stärke,Länge")};
    return entries;
}

const QStringList& Options::formatCaptions()
{
    static const QStringList captions{QStringLiteral("HabSys"),    QStringLiteral("Latschbacher"),
                                      QStringLiteral("ProForst"),  QStringLiteral("Abies"),
                                      QStringLiteral("Deka Data"), QStringLiteral("EG10"),
                                      QStringLiteral("timberNet"), QStringLiteral("ELDATsmart")};
    return captions;
}

QString Options::formatName(int number)
{
    static const std::array<const char*, FormatCount> names{
        "optHabsys",   "optLatschbacher", "optProForst",  "optAbies",
        "optDekadata", "optEG10",         "optTimbernet", "optEldat"};
    return number >= 1 && number <= FormatCount ? QString::fromUtf8(names[size_t(number - 1)]) : QString();
}

QString Options::checkCaption(Check check)
{
    static const std::array<QString, CheckCount> captions{
        QStringLiteral("Automatisch"),
        QStringLiteral("Übernehme \"Güte \" auf Schaltflächen"),
        QStringLiteral("Übernehme \"Sorte\" auf Schaltflächen"),
        QStringLiteral("Nutzungsart immer sichtbar"),
        QStringLiteral("Einschlagtyp immer sichtbar"),
        QStringLiteral("Übernahme der Stärke auf neuen Datensatz"),
        QStringLiteral("Listeneingabe im Sortiment ( automatische Erhöhung des Durchmessers )")};
    return captions[check];
}

QString Options::checkName(Check check)
{
    static const std::array<const char*, CheckCount> names{
        "chkKonvAuto",     "chkGuete",         "chkSorte",          "chkNutzung",
        "chkEinschlagtyp", "chkUebernStaerke", "chkSortimentsliste"};
    return QString::fromUtf8(names[check]);
}

const store::SettingKey& Options::checkSetting(Check check)
{
    static const std::array<const store::SettingKey*, CheckCount> keys{
        &store::keys::KonvAuto,       &store::keys::Guete,        &store::keys::Sorte,
        &store::keys::Nutzungsart,    &store::keys::Einschlagtyp, &store::keys::UebernStaerke,
        &store::keys::Sortimentsliste};
    return *keys[check];
}

Options::Options(store::Settings& settings, store::MasterData& master, platform::UserInterface& ui,
                 QObject* parent)
    : QObject(parent), m_settings(&settings), m_master(&master), m_ui(&ui)
{
}

void Options::Form_Load()
{
    m_writeFailed = false;
    m_regionNames.clear();
    m_regionNumbers.clear();
    for (const store::LaenderRow& row : m_master->laender()) {
        m_regionNames << row.Land;
        m_regionNumbers << row.Landindex;
    }
    for (int c = 0; c < CheckCount; ++c)
        m_checks[c] = m_settings->isChecked(checkSetting(Check(c)));
    m_txtLos = digitsOnly(m_settings->get(store::keys::AutoLos));
    if (m_txtLos.isEmpty())
        m_txtLos = QStringLiteral("0");

    // The region in use is RegionIndex; the stored list position only
    // helps when that region is not in the list. A position alone would
    // switch the region silently once a master-data import adds a region
    // in front of it.
    m_storedRegionIndex = m_settings->number(store::keys::RegionIndex, 8);
    m_regionIndex = int(m_regionNumbers.indexOf(m_storedRegionIndex));
    if (m_regionIndex < 0) {
        const int position = m_settings->number(store::keys::Region, 1);
        if (position >= 0 && position < m_regionNumbers.size())
            cmbRegion_Click(position);
    }

    const int format = m_settings->number(store::keys::Konvertierung, 1);
    m_konvertierung = format >= 1 && format <= FormatCount ? format : 0;
    Form_Activate();
}

void Options::Form_Activate()
{
    const int order = m_settings->number(store::keys::Sortierung, 1);
    m_sortIndex = order >= 0 && order < sortEntries().size() ? order : -1;
    emit changed();
}

int Options::regionIndex() const
{
    return m_regionIndex >= 0 ? m_regionNumbers[m_regionIndex] : m_storedRegionIndex;
}

bool Options::save(const QList<std::pair<store::SettingKey, QString>>& values)
{
    QList<QPair<QString, QString>> named;
    for (const auto& [key, value] : values)
        named.append({QString::fromUtf8(key.key), value});
    if (m_settings->SaveSettings(QString::fromUtf8(store::keys::App),
                                 QString::fromUtf8(store::keys::Properties), named))
        return true;
    m_writeFailed = true;
    if (m_saveError.isEmpty())
        m_saveError = m_settings->lastError();
    return false;
}

void Options::reportSaveFailure()
{
    if (m_saveError.isEmpty())
        return;
    m_ui->message({QStringLiteral("Die Einstellungen wurden nicht gespeichert.\n") + m_saveError,
                   QStringLiteral("Optionen"), platform::Buttons::Ok, platform::Icon::Critical});
    m_saveError.clear();
}

void Options::cmbSorte_Click(int index)
{
    if (index < 0 || index >= sortEntries().size())
        return;
    m_sortIndex = index;
    emit changed();
    save({{store::keys::Sortierung, QString::number(index)}});
    reportSaveFailure();
}

void Options::cmbRegion_Click(int index)
{
    if (index < 0 || index >= m_regionNumbers.size())
        return;
    const bool otherRegion = regionIndex() != m_regionNumbers[index];
    m_regionIndex = index;
    m_storedRegionIndex = m_regionNumbers[index];
    emit changed();
    save({{store::keys::Region, QString::number(index)},
          {store::keys::RegionIndex, QString::number(m_regionNumbers[index])}});
    reportSaveFailure();
    if (otherRegion)
        emit regionChanged(m_regionNumbers[index]);
}

void Options::optKonvertierung_Click(int number)
{
    if (number < 1 || number > FormatCount || number == m_konvertierung)
        return;
    m_konvertierung = number;
    emit changed();
}

void Options::setChecked(Check check, bool checked)
{
    if (m_checks[check] == checked)
        return;
    m_checks[check] = checked;
    emit changed();
    switch (check) {
    case chkKonvAuto:
        save({{store::keys::KonvAuto, onOff(checked)}});
        reportSaveFailure();
        break;
    case chkNutzung:
        emit nutzungVisibleChanged(checked);
        break;
    case chkEinschlagtyp:
        emit einschlagtypVisibleChanged(checked);
        break;
    default:
        break;
    }
}

void Options::setTxtLos(const QString& text)
{
    const QString digits = digitsOnly(text);
    if (digits == m_txtLos)
        return;
    m_txtLos = digits;
    emit changed();
}

void Options::Label2_Click()
{
    setTxtLos(QString::number(std::min(m_txtLos.toInt() + 1, 999)));
}

void Options::Label3_Click()
{
    setTxtLos(QStringLiteral("0"));
}

void Options::mnuHilfe_Click()
{
    m_ui->openHelp(QStringLiteral("Auswahl"));
}

bool Options::storeAll()
{
    if (m_txtLos.isEmpty()) {
        m_txtLos = QStringLiteral("0");
        emit changed();
    }
    QList<std::pair<store::SettingKey, QString>> values;
    for (const Check check :
         {chkGuete, chkSorte, chkEinschlagtyp, chkNutzung, chkUebernStaerke, chkSortimentsliste})
        values.append({checkSetting(check), onOff(m_checks[check])});
    if (m_regionIndex >= 0)
        values.append({store::keys::Region, QString::number(m_regionIndex)});
    values.append({store::keys::AutoLos, m_txtLos});
    if (m_konvertierung != 0)
        values.append({store::keys::Konvertierung, QString::number(m_konvertierung)});
    values.append({store::keys::KonvAuto, onOff(m_checks[chkKonvAuto])});
    save(values);
    const bool ok = m_saveError.isEmpty();
    reportSaveFailure();
    emit stored();
    return ok;
}

bool Options::mnuZurueck_Click()
{
    const bool ok = storeAll();
    emit closeRequested();
    return ok;
}

} // namespace app
