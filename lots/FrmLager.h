// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QStringList>

namespace platform {
class LinkOpener;
class UserInterface;
}
namespace store {
class Database;
}

namespace lots {

// The storage-place window of a list: one line per lot with its storage
// place, GPS position and remark, lots of the records without a place
// listed too, so the user sees what is missing. The chosen lot's boxes are
// edited and stored, a lot's place deleted, photos added, removed and shown
// with when and where they were taken; a photo's position becomes the lot's
// with one click, and the position opens in the desktop's map application.
//
// The view renders the lines, boxes and photos as they stand here and
// forwards every click; it re-renders on changed().
class FrmLager : public QObject {
    Q_OBJECT
public:
    struct Line {
        int lot = 0;
        qint64 placeId = 0; // 0: the lot has no storage place yet
        QString ort;
        QString gps;
        QString zusatz;
        int photos = 0;
    };
    struct Photo {
        qint64 id = 0;
        QString file;  // full path
        QString name;  // as stored
        QString taken; // "14.03.2026 09:26", or empty
        QString gps;   // normalised, or empty
        bool present = false; // the file is there
        bool operator==(const Photo&) const = default;
    };

    FrmLager(store::Database& db, platform::UserInterface& ui, platform::LinkOpener& links,
             QObject* parent = nullptr);

    // Reads the list's lots and places; selects the first line.
    void open(const QString& list);
    const QString& list() const { return m_list; }
    QString caption() const;

    const QList<Line>& lines() const { return m_lines; }
    int selected() const { return m_selected; }
    // The line's cells as the table shows them.
    static QStringList cells(const Line& line);
    static QStringList headers();
    void select(int row);

    // The chosen lot's boxes.
    const QString& txtOrt() const { return m_ort; }
    const QString& txtGps() const { return m_gps; }
    const QString& txtZusatz() const { return m_zusatz; }
    void setOrt(const QString& text);
    void setGps(const QString& text);
    void setZusatz(const QString& text);
    // Under the position box: the position as read, or why it is none.
    const QString& lblPosition() const { return m_lblPosition; }
    bool cmdKarteEnabled() const;
    bool cmdLoeschenEnabled() const;
    const QList<Photo>& photos() const { return m_photos; }

    // "Speichern": stores the boxes as the chosen lot's place.
    bool cmdSpeichern_Click();
    // "Neues Los": asks for a lot number and adds its line.
    void cmdNeu_Click();
    // "Löschen": removes the chosen lot's place and photos, after asking.
    bool cmdLoeschen_Click();
    // "Karte": the position in the map application, else on the web map.
    void cmdKarte_Click();
    // "Foto hinzufügen": a photo file for the chosen lot.
    bool cmdFoto_Click();
    bool removePhoto(int index);
    // The photo's position into the position box, stored at once.
    bool takePhotoPosition(int index);
    void mnuZurueck_Click();

signals:
    void changed();
    void closeRequested();

private:
    // What the boxes show after the lines are read again: the chosen lot's
    // stored place, or what the user typed and has not saved yet.
    enum class Boxes { Stored, Typed };
    void reload(int lot, Boxes boxes = Boxes::Stored);
    void showLine(Boxes boxes = Boxes::Stored);
    void checkPosition();

    store::Database& m_db;
    platform::UserInterface& m_ui;
    platform::LinkOpener& m_links;
    QString m_list;
    QList<Line> m_lines;
    int m_selected = -1;
    QString m_ort;
    QString m_gps;
    QString m_zusatz;
    QString m_lblPosition;
    QList<Photo> m_photos;
};

} // namespace lots
