#include "Keypad.h"

#include "entry/FrmHolz.h"
#include "header/ControlBinder.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

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

    auto* txtSatzNR = new QLabel(this);
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

    auto* cmdBack = key(QStringLiteral("cmdBack"), QStringLiteral("←"), 22);
    connect(cmdBack, &QPushButton::clicked, this, [this] { m_model.cmdBack_Click(); });
    binder.button(c.cmdBack, cmdBack, false);
    auto* cmdX = key(QStringLiteral("cmdX"), QStringLiteral("×"), 22);
    connect(cmdX, &QPushButton::clicked, this, [this] { m_model.cmdX_Click(); });
    binder.button(c.cmdX, cmdX, false);
    auto* cmdEscape = key(QStringLiteral("cmdEscape"), c.cmdEscape.caption, 16);
    cmdEscape->setStyleSheet(keyStyle("#f6dcd6", "#6d1f12"));
    connect(cmdEscape, &QPushButton::clicked, this, [this] { m_model.cmdEscape_Click(); });
    binder.button(c.cmdEscape, cmdEscape);
    m_cmdKomma = key(QStringLiteral("cmdKomma"), QStringLiteral(","), 22);
    connect(m_cmdKomma, &QPushButton::clicked, this, [this] { m_model.cmdKomma_Click(); });
    binder.button(c.cmdKomma, m_cmdKomma, false);
    auto* cmdSpeichern = key(QStringLiteral("cmdSpeichern"), c.cmdSpeichern.caption, 16);
    cmdSpeichern->setStyleSheet(keyStyle("#2e7d32", "white"));
    connect(cmdSpeichern, &QPushButton::clicked, this, [this] { m_model.cmdSpeichern_Click(); });
    binder.button(c.cmdSpeichern, cmdSpeichern);

    grid->addWidget(cmdBack, 2, 3);
    grid->addWidget(cmdX, 3, 3);
    grid->addWidget(cmdEscape, 4, 3);
    grid->addWidget(m_cmdKomma, 5, 1);
    grid->addWidget(cmdSpeichern, 5, 2, 1, 2);

    struct Move {
        const char* name;
        const char* text;
        const Control& control;
        void (FrmHolz::*click)();
    };
    const Move moves[] = {
        {"cmdErster", "|◀", c.cmdErster, &FrmHolz::cmdErster_Click},
        {"cmdZurueck", "◀", c.cmdZurueck, &FrmHolz::cmdZurueck_Click},
        {"cmdVor", "▶", c.cmdVor, &FrmHolz::cmdVor_Click},
        {"cmdLetzter", "▶|", c.cmdLetzter, &FrmHolz::cmdLetzter_Click},
    };
    for (int i = 0; i < 4; ++i) {
        auto* button = key(QLatin1String(moves[i].name), QString::fromUtf8(moves[i].text), 16);
        button->setMinimumHeight(48);
        connect(button, &QPushButton::clicked, this, [this, click = moves[i].click] { (m_model.*click)(); });
        binder.button(moves[i].control, button, false);
        grid->addWidget(button, 6, i);
    }
    auto* cmdAendern = key(QStringLiteral("cmdAendern"), c.cmdAendern.caption, 14);
    cmdAendern->setMinimumHeight(48);
    connect(cmdAendern, &QPushButton::clicked, this, [this] { m_model.cmdAendern_Click(); });
    binder.button(c.cmdAendern, cmdAendern);
    grid->addWidget(cmdAendern, 7, 0, 1, 4);
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
