// SPDX-License-Identifier: GPL-3.0-or-later
#include "Keypad.h"

#include "entry/FrmHolz.h"
#include "entry/SteadyLabel.h"
#include "header/ControlBinder.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <functional>

namespace entry {
namespace {

QString keyStyle(const char* background, const char* text)
{
    return QStringLiteral("QPushButton { background: %1; color: %2; border: 1px solid #5b6b5b;"
                          " border-radius: 6px; }"
                          "QPushButton:pressed { background: #c9d8c0; }"
                          "QPushButton:disabled { color: #9aa39a; background: #eceeea; }")
        .arg(QLatin1String(background), QLatin1String(text));
}

} // namespace

Keypad::Keypad(FrmHolz& model, header::ControlBinder& binder, QWidget* parent)
    : QWidget(parent), m_model(model)
{
    setObjectName(QStringLiteral("keypad"));
    const EntryControls& c = model.controls();

    auto* txtSatzNR = new SteadyLabel(this);
    txtSatzNR->setObjectName(QStringLiteral("txtSatzNR"));
    QFont status = txtSatzNR->font();
    status.setPointSizeF(13);
    status.setBold(true);
    txtSatzNR->setFont(status);
    binder.label(c.txtSatzNR, txtSatzNR);

    auto* txtgespeichert = new QLabel(this);
    txtgespeichert->setObjectName(QStringLiteral("txtgespeichert"));
    txtgespeichert->setFont(status);
    txtgespeichert->setAlignment(Qt::AlignCenter);
    txtgespeichert->setStyleSheet(
        QStringLiteral("background: #2e7d32; color: white; border-radius: 6px; padding: 4px 10px;"));
    // Showing and hiding the mark after every save must not lay the
    // keypad out again.
    QSizePolicy keepSpace = txtgespeichert->sizePolicy();
    keepSpace.setRetainSizeWhenHidden(true);
    txtgespeichert->setSizePolicy(keepSpace);
    binder.label(c.txtgespeichert, txtgespeichert);

    m_txtEingabe = new QLineEdit(this);
    m_txtEingabe->setObjectName(QStringLiteral("txtEingabe"));
    m_txtEingabe->setAccessibleName(QStringLiteral("Eingabe"));
    m_txtEingabe->setAlignment(Qt::AlignRight);
    m_txtEingabe->setMinimumHeight(56);
    m_txtEingabe->setMaxLength(20);
    QFont bufferFont = m_txtEingabe->font();
    bufferFont.setPointSizeF(24);
    bufferFont.setBold(true);
    m_txtEingabe->setFont(bufferFont);
    m_txtEingabe->setPlaceholderText(QStringLiteral("Länge Durchm."));
    connect(m_txtEingabe, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.txtEingabe_Change(text); });
    binder.field(c.txtEingabe, m_txtEingabe);

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(6);
    grid->addWidget(txtSatzNR, 0, 0, 1, 2);
    grid->addWidget(txtgespeichert, 0, 2, 1, 2);
    grid->addWidget(m_txtEingabe, 1, 0, 1, 4);

    const Control* digitControls[] = {&c.cmd0, &c.cmd1, &c.cmd2, &c.cmd3, &c.cmd4,
                                      &c.cmd5, &c.cmd6, &c.cmd7, &c.cmd8, &c.cmd9};
    for (int d = 0; d <= 9; ++d) {
        m_digits[d] = key(QStringLiteral("cmd%1").arg(d), QString::number(d), 22);
        connect(m_digits[d], &QPushButton::clicked, this, [this, d] { m_model.cmdDigit_Click(d); });
        binder.button(*digitControls[d], m_digits[d]);
        if (d > 0)
            grid->addWidget(m_digits[d], 2 + (9 - d) / 3, (d - 1) % 3);
    }
    grid->addWidget(m_digits[0], 5, 0);

    // The commands beside and below the digits, and the navigation. A text
    // of nullptr shows the model's caption; the others show a symbol.
    struct Command {
        const char* name;
        const char* text;
        const Control& control;
        std::function<void()> click;
        int row, column, columnSpan, pointSize;
        QString style;
    };
    const QString plain = keyStyle("#f7f8f4", "#1d2a1d");
    const Command commands[] = {
        {"cmdBack", "←", c.cmdBack, [this] { m_model.cmdBack_Click(); }, 2, 3, 1, 22, plain},
        {"cmdX", "×", c.cmdX, [this] { m_model.cmdX_Click(); }, 3, 3, 1, 22, plain},
        {"cmdEscape", nullptr, c.cmdEscape, [this] { m_model.cmdEscape_Click(); }, 4, 3, 1, 16,
         keyStyle("#f6dcd6", "#6d1f12")},
        {"cmdKomma", ",", c.cmdKomma, [this] { m_model.cmdKomma_Click(); }, 5, 1, 1, 22, plain},
        {"cmdSpeichern", nullptr, c.cmdSpeichern, [this] { m_model.cmdSpeichern_Click(); }, 5, 2, 2, 16,
         keyStyle("#2e7d32", "white")},
        {"cmdErster", "|◀", c.cmdErster, [this] { m_model.cmdErster_Click(); }, 6, 0, 1, 16, plain},
        {"cmdZurueck", "◀", c.cmdZurueck, [this] { m_model.cmdZurueck_Click(); }, 6, 1, 1, 16, plain},
        {"cmdVor", "▶", c.cmdVor, [this] { m_model.cmdVor_Click(); }, 6, 2, 1, 16, plain},
        {"cmdLetzter", "▶|", c.cmdLetzter, [this] { m_model.cmdLetzter_Click(); }, 6, 3, 1, 16, plain},
        {"cmdAendern", nullptr, c.cmdAendern, [this] { m_model.cmdAendern_Click(); }, 7, 0, 4, 14, plain},
    };
    for (const Command& command : commands) {
        const bool symbol = command.text != nullptr;
        auto* button =
            key(QLatin1String(command.name),
                symbol ? QString::fromUtf8(command.text) : command.control.caption, command.pointSize);
        if (command.style != plain)
            button->setStyleSheet(command.style);
        connect(button, &QPushButton::clicked, this, command.click);
        binder.button(command.control, button, !symbol);
        grid->addWidget(button, command.row, command.column, 1, command.columnSpan);
        if (&command.control == &c.cmdKomma)
            m_cmdKomma = button;
    }
    grid->setRowStretch(8, 1);
}

QPushButton* Keypad::key(const QString& name, const QString& text, int pointSize)
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumSize(64, 56);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    QFont f = button->font();
    f.setPointSizeF(pointSize);
    f.setBold(true);
    button->setFont(f);
    button->setStyleSheet(keyStyle("#f7f8f4", "#1d2a1d"));
    return button;
}

void Keypad::setDezimalpunkt(bool dezimalpunkt)
{
    m_cmdKomma->setText(dezimalpunkt ? QStringLiteral(".") : QStringLiteral(","));
}

} // namespace entry
