// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lots/FrmLager.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;

namespace lots {

// The storage-place window over an FrmLager model: the lots as a table,
// the chosen lot's boxes and buttons, its photos as thumbnails with date
// and position. Closing the window hides it; the model stays.
class FrmLagerDialog : public QDialog {
    Q_OBJECT
public:
    explicit FrmLagerDialog(FrmLager& model, QWidget* parent = nullptr);

    // Shows the window on the list's lots.
    void open(const QString& list);

    QTableWidget* table() const { return m_table; }
    QLineEdit* ortEdit() const { return m_ort; }
    QLineEdit* gpsEdit() const { return m_gps; }
    QLineEdit* zusatzEdit() const { return m_zusatz; }
    QLabel* positionLabel() const { return m_position; }
    QListWidget* photoList() const { return m_photos; }
    QPushButton* saveButton() const { return m_save; }
    QPushButton* mapButton() const { return m_map; }
    QPushButton* photoButton() const { return m_addPhoto; }
    QPushButton* takePositionButton() const { return m_takePosition; }

private:
    void render();
    int currentPhoto() const;

    FrmLager& m_model;
    QTableWidget* m_table;
    QLineEdit* m_ort;
    QLineEdit* m_gps;
    QLineEdit* m_zusatz;
    QLabel* m_position;
    QListWidget* m_photos;
    QPushButton* m_save;
    QPushButton* m_new;
    QPushButton* m_delete;
    QPushButton* m_map;
    QPushButton* m_addPhoto;
    QPushButton* m_takePosition;
    QPushButton* m_removePhoto;
    // The photos the list shows: their thumbnails are read again only when
    // these change, not on every key typed in a box.
    QList<FrmLager::Photo> m_shownPhotos;
    bool m_rendering = false;
};

} // namespace lots
