// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmMantelDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace mantel {

FrmMantelDialog::FrmMantelDialog(FrmMantel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setWindowTitle(QStringLiteral("Mantelmessung"));
    setObjectName(QStringLiteral("frmMantel"));
    // The same text size as the entry screen it opens from.
    QFont base = font();
    base.setPointSizeF(std::max(base.pointSizeF(), 11.0));
    setFont(base);

    m_recordLine = new QLabel(this);
    m_recordLine->setWordWrap(true);

    m_txtEingabe = new QLineEdit(this);
    m_txtEingabe->setObjectName(QStringLiteral("txtEingabe"));
    m_txtEingabe->setAccessibleName(QStringLiteral("Durchmesser (cm)"));
    // Digits only: the keypad and the keyboard give whole centimetres.
    m_txtEingabe->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), m_txtEingabe));
    QFont big = m_txtEingabe->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    m_txtEingabe->setFont(big);
    connect(m_txtEingabe, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.setEingabe(text); });
    connect(m_txtEingabe, &QLineEdit::returnPressed, this, [this] { m_model.cmdOK_Click(); });

    m_cmdOK = new QPushButton(QStringLiteral("OK"), this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setAutoDefault(false);
    connect(m_cmdOK, &QPushButton::clicked, this, [this] {
        m_model.cmdOK_Click();
        m_txtEingabe->setFocus();
    });

    m_lstMantel = new QListWidget(this);
    m_lstMantel->setObjectName(QStringLiteral("lstMantel"));
    m_lstMantel->setAccessibleName(QStringLiteral("Gemessene Durchmesser"));
    m_lstMantel->setFont(big);
    connect(m_lstMantel, &QListWidget::currentRowChanged, this,
            [this](int row) { m_model.lstMantel_Click(row); });
    m_lstMantel->installEventFilter(this);

    m_cmdEntfernen = new QPushButton(QStringLiteral("Entfernen"), this);
    m_cmdEntfernen->setObjectName(QStringLiteral("cmdEntfernen"));
    m_cmdEntfernen->setAutoDefault(false);
    m_cmdEntfernen->setToolTip(QStringLiteral("Die gewählte Messung löschen; die Kubatur folgt"));
    connect(m_cmdEntfernen, &QPushButton::clicked, this, [this] {
        m_model.cmdEntfernen_Click();
        m_txtEingabe->setFocus();
    });

    m_txtAnzahl = new QLineEdit(this);
    m_txtAnzahl->setObjectName(QStringLiteral("txtAnzahl"));
    m_txtAnzahl->setAccessibleName(QStringLiteral("Anzahl Messungen"));
    m_txtAnzahl->setReadOnly(true);
    m_txtAnzahl->setMaximumWidth(80);

    m_kubatur = new QLabel(this);
    m_kubatur->setObjectName(QStringLiteral("kubatur"));
    QFont bold = m_kubatur->font();
    bold.setBold(true);
    m_kubatur->setFont(bold);

    auto* inputRow = new QHBoxLayout;
    inputRow->addWidget(m_txtEingabe, 1);
    inputRow->addWidget(m_cmdOK);

    auto* form = new QFormLayout;
    auto* label1 = new QLabel(QStringLiteral("Durchmesser (cm)"), this);
    label1->setObjectName(QStringLiteral("Label1"));
    form->addRow(label1, inputRow);
    auto* label2 = new QLabel(QStringLiteral("Anzahl Messungen"), this);
    label2->setObjectName(QStringLiteral("Label2"));
    form->addRow(label2, m_txtAnzahl);
    form->addRow(QStringLiteral("Kubatur Stapel"), m_kubatur);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_recordLine);
    layout->addLayout(form);
    layout->addWidget(m_lstMantel, 1);
    auto* removeRow = new QHBoxLayout;
    removeRow->addStretch(1);
    removeRow->addWidget(m_cmdEntfernen);
    layout->addLayout(removeRow);

    connect(&m_model, &FrmMantel::changed, this, &FrmMantelDialog::render);
    render();
    resize(380, 440);
}

void FrmMantelDialog::render()
{
    const StackRecord& r = m_model.record();
    m_recordLine->setText(r.liste.isEmpty()
                              ? QStringLiteral("Kein Datensatz gewählt")
                              : QStringLiteral("Liste „%1“, Sortiment\n%2, Länge %3 m, %4 Stück")
                                    .arg(r.liste, r.txtHolzart, r.txtLaenge, r.txtStueck));
    if (m_txtEingabe->text() != m_model.txtEingabe()) {
        const QSignalBlocker block(m_txtEingabe);
        m_txtEingabe->setText(m_model.txtEingabe());
    }
    if (m_lstMantel->count() != m_model.lstMantel().size()) {
        m_lstMantel->clear();
        m_lstMantel->addItems(m_model.lstMantel());
    }
    {
        const QSignalBlocker block(m_lstMantel);
        m_lstMantel->setCurrentRow(m_model.selectedSample());
    }
    m_cmdEntfernen->setEnabled(m_model.selectedSample() >= 0);
    m_txtAnzahl->setText(m_model.txtAnzahl());
    const QString kubatur = m_model.txtKubatur();
    m_kubatur->setText(kubatur.isEmpty() ? QStringLiteral("–") : kubatur + QStringLiteral(" fm"));
}

bool FrmMantelDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_lstMantel && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        m_model.cmdEntfernen_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmMantelDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) {
        m_model.mnuHilfe_Click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace mantel
