// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmLagerDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace lots {

namespace {

constexpr int Thumb = 128;

// A thumbnail read at its size (a camera's photo is not decoded whole),
// or a grey tile naming what is missing.
QIcon thumbnail(const FrmLager::Photo& photo)
{
    QImage image;
    if (photo.present) {
        QImageReader reader(photo.file);
        reader.setAutoTransform(true);
        const QSize size = reader.size();
        if (size.isValid())
            reader.setScaledSize(size.scaled(Thumb, Thumb, Qt::KeepAspectRatio));
        image = reader.read();
    }
    QPixmap tile(Thumb, Thumb);
    tile.fill(QColor(0xee, 0xee, 0xee));
    QPainter painter(&tile);
    if (image.isNull()) {
        painter.drawText(tile.rect(), Qt::AlignCenter | Qt::TextWordWrap,
                         photo.present ? QStringLiteral("nicht lesbar") : QStringLiteral("Datei fehlt"));
    } else {
        painter.drawImage((Thumb - image.width()) / 2, (Thumb - image.height()) / 2, image);
    }
    return QIcon(tile);
}

} // namespace

FrmLagerDialog::FrmLagerDialog(FrmLager& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("frmLager"));
    m_table = new QTableWidget(0, int(FrmLager::headers().size()), this);
    m_table->setObjectName(QStringLiteral("lstLose"));
    m_table->setHorizontalHeaderLabels(FrmLager::headers());
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);

    m_ort = new QLineEdit(this);
    m_ort->setObjectName(QStringLiteral("txtOrt"));
    m_ort->setMaxLength(50);
    m_gps = new QLineEdit(this);
    m_gps->setObjectName(QStringLiteral("txtGps"));
    m_gps->setPlaceholderText(QStringLiteral("48.12345, 11.56789 oder 48°07'24.4\"N 11°34'04.4\"E"));
    m_zusatz = new QLineEdit(this);
    m_zusatz->setObjectName(QStringLiteral("txtZusatz"));
    m_zusatz->setMaxLength(50);
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("lblPosition"));
    m_position->setWordWrap(true);

    m_save = new QPushButton(QStringLiteral("&Speichern"), this);
    m_new = new QPushButton(QStringLiteral("&Neues Los …"), this);
    m_delete = new QPushButton(QStringLiteral("&Löschen"), this);
    m_map = new QPushButton(QStringLiteral("&Karte"), this);
    m_addPhoto = new QPushButton(QStringLiteral("&Foto hinzufügen …"), this);
    m_takePosition = new QPushButton(QStringLiteral("&Position des Fotos übernehmen"), this);
    m_removePhoto = new QPushButton(QStringLiteral("Foto l&öschen"), this);
    auto* back = new QPushButton(QStringLiteral("&Zurück"), this);

    m_photos = new QListWidget(this);
    m_photos->setObjectName(QStringLiteral("lstFotos"));
    m_photos->setViewMode(QListView::IconMode);
    m_photos->setIconSize(QSize(Thumb, Thumb));
    m_photos->setGridSize(QSize(Thumb + 56, Thumb + 48));
    m_photos->setMovement(QListView::Static);
    m_photos->setWrapping(false);
    m_photos->setFlow(QListView::LeftToRight);
    m_photos->setMinimumHeight(Thumb + 60);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Lager&ort:"), m_ort);
    form->addRow(QStringLiteral("&GPS-Position:"), m_gps);
    form->addRow(QString(), m_position);
    form->addRow(QStringLiteral("Zu&satz:"), m_zusatz);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {m_save, m_new, m_delete, m_map})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* photoButtons = new QHBoxLayout;
    for (QPushButton* button : {m_addPhoto, m_takePosition, m_removePhoto})
        photoButtons->addWidget(button);
    photoButtons->addStretch();
    photoButtons->addWidget(back);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(new QLabel(QStringLiteral("Fotos des Loses:"), this));
    layout->addWidget(m_photos);
    layout->addLayout(photoButtons);
    resize(760, 640);

    connect(m_table, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!m_rendering)
            m_model.select(row);
    });
    connect(m_ort, &QLineEdit::textEdited, &m_model, &FrmLager::setOrt);
    connect(m_gps, &QLineEdit::textEdited, &m_model, &FrmLager::setGps);
    connect(m_zusatz, &QLineEdit::textEdited, &m_model, &FrmLager::setZusatz);
    connect(m_save, &QPushButton::clicked, &m_model, &FrmLager::cmdSpeichern_Click);
    connect(m_new, &QPushButton::clicked, &m_model, &FrmLager::cmdNeu_Click);
    connect(m_delete, &QPushButton::clicked, &m_model, &FrmLager::cmdLoeschen_Click);
    connect(m_map, &QPushButton::clicked, &m_model, &FrmLager::cmdKarte_Click);
    connect(m_addPhoto, &QPushButton::clicked, &m_model, &FrmLager::cmdFoto_Click);
    connect(m_takePosition, &QPushButton::clicked, this, [this] { m_model.takePhotoPosition(currentPhoto()); });
    connect(m_removePhoto, &QPushButton::clicked, this, [this] { m_model.removePhoto(currentPhoto()); });
    connect(m_photos, &QListWidget::currentRowChanged, this, [this] { render(); });
    connect(back, &QPushButton::clicked, &m_model, &FrmLager::mnuZurueck_Click);
    connect(&m_model, &FrmLager::closeRequested, this, &QDialog::hide);
    connect(&m_model, &FrmLager::changed, this, &FrmLagerDialog::render);
}

void FrmLagerDialog::open(const QString& list)
{
    m_model.open(list);
    show();
    raise();
    activateWindow();
}

int FrmLagerDialog::currentPhoto() const
{
    return m_photos->currentRow();
}

void FrmLagerDialog::render()
{
    if (m_rendering)
        return;
    m_rendering = true;
    setWindowTitle(m_model.caption());
    const QList<FrmLager::Line>& lines = m_model.lines();
    m_table->setRowCount(int(lines.size()));
    for (int row = 0; row < lines.size(); ++row) {
        const QStringList cells = FrmLager::cells(lines[row]);
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells[column]);
            if (lines[row].placeId == 0)
                item->setForeground(QColor(0x88, 0x88, 0x88));
            m_table->setItem(row, column, item);
        }
    }
    m_table->resizeColumnsToContents();
    m_table->setCurrentCell(m_model.selected(), 0);

    auto show = [](QLineEdit* edit, const QString& text) {
        if (edit->text() != text)
            edit->setText(text);
    };
    const bool chosen = m_model.selected() >= 0;
    show(m_ort, m_model.txtOrt());
    show(m_gps, m_model.txtGps());
    show(m_zusatz, m_model.txtZusatz());
    for (QWidget* w : std::initializer_list<QWidget*>{m_ort, m_gps, m_zusatz, m_save, m_addPhoto})
        w->setEnabled(chosen);
    const bool valid = m_model.cmdKarteEnabled();
    m_position->setText(m_model.lblPosition());
    m_position->setStyleSheet(valid || m_model.lblPosition().isEmpty() ? QString()
                                                                       : QStringLiteral("color: #b00020;"));
    m_map->setEnabled(valid);
    m_delete->setEnabled(m_model.cmdLoeschenEnabled());

    if (m_shownPhotos != m_model.photos()) {
        m_shownPhotos = m_model.photos();
        const int keep = m_photos->currentRow();
        QSignalBlocker block(m_photos);
        m_photos->clear();
        for (const FrmLager::Photo& photo : m_shownPhotos) {
            QString text = photo.taken.isEmpty() ? QStringLiteral("ohne Datum") : photo.taken;
            text += QLatin1Char('\n') + (photo.gps.isEmpty() ? QStringLiteral("ohne Position") : photo.gps);
            auto* item = new QListWidgetItem(thumbnail(photo), text, m_photos);
            item->setToolTip(photo.file);
        }
        m_photos->setCurrentRow(keep >= 0 && keep < m_photos->count() ? keep : m_photos->count() > 0 ? 0 : -1);
    }
    const int current = m_photos->currentRow();
    m_removePhoto->setEnabled(current >= 0);
    m_takePosition->setEnabled(current >= 0 && !m_model.photos()[current].gps.isEmpty());
    m_rendering = false;
}

} // namespace lots
