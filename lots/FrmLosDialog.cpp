// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmLosDialog.h"

#include "lots/WindowParts.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace lots {
namespace {

void setItems(QComboBox* combo, const QStringList& items, int selected)
{
    const QSignalBlocker block(combo);
    QStringList current;
    for (int i = 0; i < combo->count(); ++i)
        current << combo->itemText(i);
    if (current != items) {
        combo->clear();
        combo->addItems(items);
    }
    combo->setCurrentIndex(selected);
}

} // namespace

FrmLosDialog::FrmLosDialog(FrmLos& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(QStringLiteral("AutoLos – Losregeln"));
    setObjectName(QStringLiteral("frmLos"));
    // The same text size as the entry screen it opens from.
    QFont base = font();
    base.setPointSizeF(std::max(base.pointSizeF(), 11.0));
    setFont(base);

    QMenuBar* menuBar = lots::backAndHelpMenu(
        this, [this] { m_model.mnuZurueck_Click(); }, [this] { m_model.mnuHilfe_Click(); });

    m_cmbAuto = new QComboBox(this);
    m_cmbAuto->setObjectName(QStringLiteral("cmbAuto"));
    m_cmbAuto->setAccessibleName(QStringLiteral("Regelsatz"));
    connect(m_cmbAuto, &QComboBox::activated, this, [this](int i) { m_model.cmbAuto_Click(i); });
    m_cmbLos = new QComboBox(this);
    m_cmbLos->setObjectName(QStringLiteral("cmbLos"));
    m_cmbLos->setAccessibleName(QStringLiteral("Los"));
    m_cmbLos->setMaxVisibleItems(20);
    connect(m_cmbLos, &QComboBox::activated, this, [this](int i) { m_model.cmbLos_Click(i); });
    m_lblLos = new QLabel(this);
    m_lblLos->setObjectName(QStringLiteral("lblLos"));
    QFont bold = m_lblLos->font();
    bold.setBold(true);
    m_lblLos->setFont(bold);

    auto* keyRow = new QHBoxLayout;
    keyRow->addWidget(captionLink(QStringLiteral("Regelsatz"), this, [this] { m_cmbAuto->showPopup(); }));
    keyRow->addWidget(m_cmbAuto);
    keyRow->addSpacing(16);
    keyRow->addWidget(captionLink(QStringLiteral("Los"), this, [this] { m_cmbLos->showPopup(); }));
    keyRow->addWidget(m_cmbLos);
    keyRow->addSpacing(16);
    keyRow->addWidget(m_lblLos, 1);

    for (int b = 0; b < FrmLos::BoxCount; ++b) {
        m_boxes[b] = new QLineEdit(this);
        m_boxes[b]->setObjectName(FrmLos::boxName(FrmLos::Box(b)));
        connect(m_boxes[b], &QLineEdit::textEdited, this,
                [this, b](const QString& text) { m_model.setBox(FrmLos::Box(b), text); });
    }

    auto* codes = new QGroupBox(QStringLiteral("Zulässige Werte (leer = alle)"), this);
    auto* codeGrid = new QGridLayout(codes);
    const auto addCodeRow = [&](int row, const QString& pickCaption, QComboBox* combo,
                                const QString& boxCaption, FrmLos::Box box) {
        codeGrid->addWidget(captionLink(pickCaption, this, [combo] { combo->showPopup(); }), row, 0);
        codeGrid->addWidget(combo, row, 1);
        codeGrid->addWidget(captionLink(boxCaption, this, [this, box] { m_model.clearBox(box); }), row, 2);
        codeGrid->addWidget(m_boxes[box], row, 3);
        combo->setAccessibleName(pickCaption);
        m_boxes[box]->setAccessibleName(boxCaption);
    };
    m_cmbHolzart = pickList(QStringLiteral("cmbHolzart"), &FrmLos::cmbHolzart_Click);
    m_cmbGuete = pickList(QStringLiteral("cmbGuete"), &FrmLos::cmbGuete_Click);
    m_cmbSorte = pickList(QStringLiteral("cmbSorte"), &FrmLos::cmbSorte_Click);
    m_cmbStaerke = pickList(QStringLiteral("cmbStaerke"), &FrmLos::cmbStaerke_Click);
    addCodeRow(0, QStringLiteral("Holzart"), m_cmbHolzart, QStringLiteral("Holzarten"), FrmLos::txtHolzarten);
    addCodeRow(1, QStringLiteral("Sorte"), m_cmbSorte, QStringLiteral("Sorten"), FrmLos::txtSorten);
    addCodeRow(2, QStringLiteral("Güte"), m_cmbGuete, QStringLiteral("Güten"), FrmLos::txtGueten);
    addCodeRow(3, QStringLiteral("Stärke"), m_cmbStaerke, QStringLiteral("Stärken"), FrmLos::txtStaerken);
    codeGrid->setColumnStretch(3, 1);

    auto* ranges = new QGroupBox(QStringLiteral("Bereiche (leer = ohne Grenze)"), this);
    auto* rangeGrid = new QGridLayout(ranges);
    const auto addRangeRow = [&](int row, const QString& caption, FrmLos::Box from, FrmLos::Box to) {
        rangeGrid->addWidget(new QLabel(caption, this), row, 0);
        rangeGrid->addWidget(
            captionLink(QStringLiteral("von"), this, [this, from] { m_model.clearBox(from); }), row, 1);
        rangeGrid->addWidget(m_boxes[from], row, 2);
        rangeGrid->addWidget(captionLink(QStringLiteral("bis"), this, [this, to] { m_model.clearBox(to); }),
                             row, 3);
        rangeGrid->addWidget(m_boxes[to], row, 4);
        m_boxes[from]->setAccessibleName(caption + QStringLiteral(" von"));
        m_boxes[to]->setAccessibleName(caption + QStringLiteral(" bis"));
    };
    addRangeRow(0, QStringLiteral("Länge (m)"), FrmLos::txtLvon, FrmLos::txtLbis);
    addRangeRow(1, QStringLiteral("Durchmesser (cm)"), FrmLos::txtDvon, FrmLos::txtDbis);
    addRangeRow(2, QStringLiteral("Kubatur (fm)"), FrmLos::txtKvon, FrmLos::txtKbis);

    m_command1 = new QPushButton(QStringLiteral("&Speichern"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setDefault(true);
    connect(m_command1, &QPushButton::clicked, this, [this] { m_model.Command1_Click(); });
    m_command2 = new QPushButton(QStringLiteral("&Löschen"), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    connect(m_command2, &QPushButton::clicked, this, [this] { m_model.Command2_Click(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);

    // Tab walks the rules row by row, as they stand.
    const QList<QWidget*> tabChain{m_cmbAuto,
                                   m_cmbLos,
                                   m_cmbHolzart,
                                   m_boxes[FrmLos::txtHolzarten],
                                   m_cmbSorte,
                                   m_boxes[FrmLos::txtSorten],
                                   m_cmbGuete,
                                   m_boxes[FrmLos::txtGueten],
                                   m_cmbStaerke,
                                   m_boxes[FrmLos::txtStaerken],
                                   m_boxes[FrmLos::txtLvon],
                                   m_boxes[FrmLos::txtLbis],
                                   m_boxes[FrmLos::txtDvon],
                                   m_boxes[FrmLos::txtDbis],
                                   m_boxes[FrmLos::txtKvon],
                                   m_boxes[FrmLos::txtKbis],
                                   m_command1,
                                   m_command2};
    for (qsizetype i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(keyRow);
    layout->addWidget(codes);
    layout->addWidget(ranges);
    layout->addLayout(buttons);

    connect(&m_model, &FrmLos::changed, this, &FrmLosDialog::render);
    connect(&m_model, &FrmLos::focusRequested, this, [this](FrmLos::Box box) { m_boxes[box]->setFocus(); });
    connect(&m_model, &FrmLos::closeRequested, this, &QDialog::hide);
    render();
    resize(560, sizeHint().height());
}

QComboBox* FrmLosDialog::pickList(const QString& name, void (FrmLos::*click)(int))
{
    auto* combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setMinimumContentsLength(10);
    combo->setPlaceholderText(QStringLiteral("wählen …"));
    connect(combo, &QComboBox::activated, this, [this, click](int i) { (m_model.*click)(i); });
    return combo;
}

void FrmLosDialog::open(const QString& autoLosMax)
{
    m_model.Form_Activate(autoLosMax);
    show();
    raise();
    activateWindow();
}

void FrmLosDialog::render()
{
    setItems(m_cmbAuto, m_model.cmbAuto(), m_model.autoIndex());
    setItems(m_cmbLos, m_model.cmbLos(), m_model.losIndex());
    // Pick lists add to a box; they keep no selection of their own.
    setItems(m_cmbHolzart, m_model.cmbHolzart(), -1);
    setItems(m_cmbGuete, m_model.cmbGuete(), -1);
    setItems(m_cmbSorte, m_model.cmbSorte(), -1);
    setItems(m_cmbStaerke, m_model.cmbStaerke(), -1);
    m_lblLos->setText(m_model.lblLos());
    for (int b = 0; b < FrmLos::BoxCount; ++b) {
        if (m_boxes[b]->text() != m_model.box(FrmLos::Box(b))) {
            const QSignalBlocker block(m_boxes[b]);
            m_boxes[b]->setText(m_model.box(FrmLos::Box(b)));
        }
    }
}

void FrmLosDialog::reject()
{
    // Escape leaves the window as "Zurück" does, with its question about
    // an unsaved rule.
    m_model.mnuZurueck_Click();
}

void FrmLosDialog::closeEvent(QCloseEvent* event)
{
    event->ignore();
    m_model.mnuZurueck_Click();
}

} // namespace lots
