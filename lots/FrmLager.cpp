// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmLager.h"

#include "lots/StoragePlaceEditor.h"
#include "platform/LinkOpener.h"
#include "platform/UserInterface.h"
#include "rules/GeoPosition.h"
#include "store/DbError.h"
#include "store/StoragePlaceRepository.h"

#include <QDateTime>
#include <QFileInfo>
#include <QStandardPaths>
#include <cmath>

namespace lots {

using platform::Answer;
using platform::Buttons;
using platform::Icon;

namespace {

const QString Title = QStringLiteral("Lagerorte");

// Tells the user why the editor refused, or which files it could not
// handle although it stored; true when it stored.
bool accepted(platform::UserInterface& ui, const StoragePlaceEditor::Outcome& outcome)
{
    if (!outcome.ok) {
        ui.message({outcome.error, Title, Buttons::Ok, Icon::Warning});
        return false;
    }
    if (!outcome.fileNotes.isEmpty())
        ui.message({outcome.fileNotes.join(QLatin1Char('\n')), Title, Buttons::Ok, Icon::Warning});
    return true;
}

} // namespace

FrmLager::FrmLager(store::Database& db, platform::UserInterface& ui, platform::LinkOpener& links, QObject* parent)
    : QObject(parent), m_db(db), m_ui(ui), m_links(links)
{
}

void FrmLager::open(const QString& list)
{
    m_list = list;
    m_selected = -1;
    reload(-1);
}

QString FrmLager::caption() const
{
    return QStringLiteral("Lagerorte der Liste '%1'").arg(m_list);
}

QStringList FrmLager::headers()
{
    return {QStringLiteral("Los"), QStringLiteral("Lagerort"), QStringLiteral("GPS-Position"),
            QStringLiteral("Zusatz"), QStringLiteral("Fotos")};
}

QStringList FrmLager::cells(const Line& line)
{
    if (line.placeId == 0)
        return {QString::number(line.lot), QStringLiteral("– kein Lagerort –"), QString(), QString(), QString()};
    return {QString::number(line.lot), line.ort, line.gps, line.zusatz,
            line.photos > 0 ? QString::number(line.photos) : QString()};
}

void FrmLager::reload(int lot, Boxes boxes)
{
    m_lines.clear();
    try {
        store::StoragePlaceRepository places(m_db);
        QMap<int, Line> byLot;
        for (const int recordLot : places.recordLots(m_list))
            byLot[recordLot].lot = recordLot;
        for (const store::LagerRow& row : places.places(m_list)) {
            const int rowLot = int(std::lround(row.Los));
            Line& line = byLot[rowLot];
            // A lot with two rows (handheld files may write them) shows the first.
            if (line.placeId != 0)
                continue;
            line.lot = rowLot;
            line.placeId = row.Id;
            line.ort = row.Lagerort;
            line.gps = row.GPS.trimmed();
            line.zusatz = row.Zusatz1;
            line.photos = int(places.photos(row.Id).size());
        }
        m_lines = byLot.values();
    } catch (const store::DbError& error) {
        m_ui.message({error.userText(), Title, Buttons::Ok, Icon::Critical});
    }
    m_selected = m_lines.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_lines.size(); ++i)
        if (m_lines[i].lot == lot)
            m_selected = i;
    showLine(boxes);
}

void FrmLager::select(int row)
{
    if (row < -1 || row >= m_lines.size() || row == m_selected)
        return;
    m_selected = row;
    showLine();
}

void FrmLager::showLine(Boxes boxes)
{
    m_photos.clear();
    const Line line = m_selected >= 0 ? m_lines[m_selected] : Line();
    if (boxes == Boxes::Stored) {
        m_ort = line.ort;
        m_gps = line.gps;
        m_zusatz = line.zusatz;
    }
    if (line.placeId != 0) {
        try {
            store::StoragePlaceRepository places(m_db);
            const StoragePlaceEditor editor(m_db);
            const auto row = places.place(line.placeId);
            for (const store::LotPhotoRow& stored : places.photos(line.placeId)) {
                Photo photo;
                photo.id = stored.Id;
                photo.name = stored.Datei;
                photo.file = row ? editor.photoPath(*row, stored) : QString();
                photo.present = QFileInfo::exists(photo.file);
                const QDateTime taken = QDateTime::fromString(stored.Aufnahme, Qt::ISODate);
                photo.taken = taken.isValid() ? taken.toString(QStringLiteral("dd.MM.yyyy HH:mm")) : QString();
                photo.gps = stored.GPS;
                m_photos << photo;
            }
        } catch (const store::DbError& error) {
            m_ui.message({error.userText(), Title, Buttons::Ok, Icon::Critical});
        }
    }
    checkPosition();
    emit changed();
}

void FrmLager::checkPosition()
{
    if (m_gps.trimmed().isEmpty()) {
        m_lblPosition.clear();
        return;
    }
    const rules::GeoPosition::Parsed parsed = rules::GeoPosition::parse(m_gps);
    m_lblPosition = parsed.position ? parsed.position->dms() : parsed.error;
}

void FrmLager::setOrt(const QString& text)
{
    m_ort = text;
}

void FrmLager::setGps(const QString& text)
{
    m_gps = text;
    checkPosition();
    emit changed();
}

void FrmLager::setZusatz(const QString& text)
{
    m_zusatz = text;
}

bool FrmLager::cmdKarteEnabled() const
{
    return rules::GeoPosition::parse(m_gps).position.has_value();
}

bool FrmLager::cmdLoeschenEnabled() const
{
    return m_selected >= 0 && m_lines[m_selected].placeId != 0;
}

bool FrmLager::cmdSpeichern_Click()
{
    if (m_selected < 0)
        return false;
    const int lot = m_lines[m_selected].lot;
    StoragePlaceEditor editor(m_db);
    if (!accepted(m_ui, editor.save(m_list, lot, {m_ort, m_gps, m_zusatz})))
        return false;
    reload(lot);
    return true;
}

void FrmLager::cmdNeu_Click()
{
    const std::optional<QString> typed =
        m_ui.inputBox(QStringLiteral("Nummer des Loses (0–999):"), QStringLiteral("Neues Los"));
    if (!typed)
        return;
    bool ok = false;
    const int lot = typed->trimmed().toInt(&ok);
    if (!ok || lot < 0 || lot > 999) {
        m_ui.message({QStringLiteral("„%1“ ist keine Losnummer (0–999).").arg(typed->trimmed()), Title, Buttons::Ok,
                      Icon::Warning});
        return;
    }
    for (int i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].lot == lot) {
            select(i);
            return;
        }
    }
    Line line;
    line.lot = lot;
    int at = 0;
    while (at < m_lines.size() && m_lines[at].lot < lot)
        ++at;
    m_lines.insert(at, line);
    m_selected = at;
    showLine();
}

bool FrmLager::cmdLoeschen_Click()
{
    if (!cmdLoeschenEnabled())
        return false;
    const Line line = m_lines[m_selected];
    QString question = QStringLiteral("Lagerort von Los %1 löschen?").arg(line.lot);
    if (line.photos > 0)
        question += QStringLiteral("\n\nDie %1 Fotos des Loses werden mit gelöscht.").arg(line.photos);
    if (m_ui.message({question, Title, Buttons::YesNo, Icon::Question}) != Answer::Yes)
        return false;
    StoragePlaceEditor editor(m_db);
    if (!accepted(m_ui, editor.remove(line.placeId)))
        return false;
    reload(line.lot);
    return true;
}

void FrmLager::cmdKarte_Click()
{
    const auto parsed = rules::GeoPosition::parse(m_gps);
    if (!parsed.position) {
        m_ui.message({parsed.error, Title, Buttons::Ok, Icon::Warning});
        return;
    }
    if (m_links.openUrl(parsed.position->geoUri()) || m_links.openUrl(parsed.position->webLink()))
        return;
    m_ui.message({QStringLiteral("Keine Kartenanwendung und kein Browser eingerichtet.\n\nDie Position auf der "
                                 "Karte:\n%1")
                      .arg(parsed.position->webLink()),
                  Title, Buttons::Ok, Icon::Warning});
}

bool FrmLager::cmdFoto_Click()
{
    if (m_selected < 0)
        return false;
    const int lot = m_lines[m_selected].lot;
    const QStringList pictures = QStandardPaths::standardLocations(QStandardPaths::PicturesLocation);
    const std::optional<QString> file =
        m_ui.chooseOpenFile({QStringLiteral("Foto für Los %1").arg(lot), pictures.value(0), QString(),
                             QStringLiteral("Fotos (*.jpg *.jpeg *.png *.heic *.heif);;Alle Dateien (*)"), false});
    if (!file)
        return false;
    StoragePlaceEditor editor(m_db);
    if (!accepted(m_ui, editor.addPhoto(m_list, lot, *file)))
        return false;
    // Unsaved typing in the boxes stays.
    reload(lot, Boxes::Typed);
    return true;
}

bool FrmLager::removePhoto(int index)
{
    if (index < 0 || index >= m_photos.size())
        return false;
    const Photo photo = m_photos[index];
    if (m_ui.message({QStringLiteral("Foto „%1“ löschen?").arg(photo.name), Title, Buttons::YesNo, Icon::Question}) !=
        Answer::Yes)
        return false;
    StoragePlaceEditor editor(m_db);
    if (!accepted(m_ui, editor.removePhoto(photo.id)))
        return false;
    reload(m_lines[m_selected].lot);
    return true;
}

bool FrmLager::takePhotoPosition(int index)
{
    if (index < 0 || index >= m_photos.size())
        return false;
    StoragePlaceEditor editor(m_db);
    const Photo photo = m_photos[index];
    if (!accepted(m_ui, editor.takePosition(photo.id)))
        return false;
    // The position box shows the position now stored; the other boxes keep
    // what the user typed.
    m_gps = photo.gps.trimmed();
    reload(m_lines[m_selected].lot, Boxes::Typed);
    return true;
}

void FrmLager::mnuZurueck_Click()
{
    emit closeRequested();
}

} // namespace lots
