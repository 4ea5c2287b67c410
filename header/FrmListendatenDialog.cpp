// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmListendatenDialog.h"

#include "rules/ListName.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <utility>

namespace header {
namespace {

// Two columns of boxes: the list and its owner on the left, where the
// wood lies on the right.
struct Placement {
    HeaderField field;
    int row;
    int column;
    int maxLength;
};

constexpr Placement Layout[] = {
    {HeaderField::Listenname, 0, 0, rules::ListName::MaxLength},
    {HeaderField::Name, 1, 0, 50},
    {HeaderField::Strasse, 2, 0, 50},
    {HeaderField::Ort, 3, 0, 50},
    {HeaderField::Datum, 4, 0, 10},
    {HeaderField::Bemerkung, 5, 0, 100},
    {HeaderField::Forstamt, 0, 1, 50},
    {HeaderField::Revier, 1, 1, 50},
    {HeaderField::Abteilung, 2, 1, 10},
    {HeaderField::UAbt, 3, 1, 10},
    {HeaderField::Bestand, 4, 1, 10},
    {HeaderField::Lagerplatz, 5, 1, 50},
};

} // namespace

FrmListendatenDialog::FrmListendatenDialog(FrmListendaten& model, QWidget* parent)
    : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("frmListendaten"));
    setWindowModality(Qt::WindowModal);
    QFont big = font();
    big.setPointSizeF(std::max(big.pointSizeF(), 12.0));
    setFont(big);

    auto* menuBar = new QMenuBar(this);
    QMenu* daten = menuBar->addMenu(QStringLiteral("&Daten"));
    QMenu* program = menuBar->addMenu(QStringLiteral("&Programm"));
    const struct {
        const char* name;
        const Control& control;
        QMenu* menu; // nullptr: on the menu bar itself
        void (FrmListendaten::*click)();
    } entries[] = {
        {"mnuSpeichern", m_model.mnuSpeichern, daten, &FrmListendaten::mnuSpeichern_Click},
        {"mnuBezLaendern", m_model.mnuBezLaendern, daten, &FrmListendaten::mnuBezLaendern_Click},
        {"mnuListenansicht", m_model.mnuListenansicht, program, &FrmListendaten::mnuListenansicht_Click},
        {"mnuHilfe", m_model.mnuHilfe, nullptr, &FrmListendaten::mnuHilfe_Click},
    };
    for (const auto& entry : entries) {
        QAction* action = entry.menu ? entry.menu->addAction(entry.control.caption)
                                     : menuBar->addAction(entry.control.caption);
        action->setObjectName(QLatin1String(entry.name));
        connect(action, &QAction::triggered, this, [this, click = entry.click] { (m_model.*click)(); });
        m_binder.action(entry.control, action);
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(8);
    for (const Placement& p : Layout) {
        const Control& control = m_model.field(p.field);
        // The captions act when tapped (empty the box, today's date), so
        // they are flat buttons a finger can hit.
        auto* caption = new QPushButton(control.caption, this);
        caption->setObjectName(QStringLiteral("lbl") + FrmListendaten::controlName(p.field).mid(3));
        caption->setFlat(true);
        caption->setAutoDefault(false);
        caption->setFocusPolicy(Qt::NoFocus);
        caption->setMinimumHeight(40);
        caption->setStyleSheet(QStringLiteral("text-align: left; padding: 0 6px;"));
        connect(caption, &QPushButton::clicked, this, [this, f = p.field] { m_model.labelClick(f); });

        auto* edit = new QLineEdit(this);
        edit->setObjectName(FrmListendaten::controlName(p.field));
        edit->setAccessibleName(control.caption);
        edit->setMaxLength(p.maxLength);
        edit->setMinimumHeight(40);
        edit->setMinimumWidth(p.field == HeaderField::Datum ? 140 : 240);
        connect(edit, &QLineEdit::textEdited, this,
                [this, f = p.field](const QString& text) { m_model.setText(f, text); });
        m_edits[size_t(p.field)] = edit;
        m_binder.field(control, edit);

        grid->addWidget(caption, p.row, p.column * 2);
        grid->addWidget(edit, p.row, p.column * 2 + 1);
    }
    m_edits[size_t(HeaderField::Datum)]->setPlaceholderText(QStringLiteral("TT.MM.JJJJ"));
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 110);

    m_cmdOK = new QPushButton(m_model.cmdOK.caption, this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));
    m_cmdOK->setDefault(true);
    m_cmdAbbrechen = new QPushButton(m_model.cmdAbbrechen.caption, this);
    m_cmdAbbrechen->setObjectName(QStringLiteral("cmdAbbrechen"));
    m_cmdAbbrechen->setAutoDefault(false);
    for (QPushButton* button : {m_cmdOK, m_cmdAbbrechen})
        button->setMinimumSize(150, 48);
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { m_model.cmdOK_Click(); });
    connect(m_cmdAbbrechen, &QPushButton::clicked, this, [this] { m_model.cmdAbbrechen_Click(); });
    m_binder.button(m_model.cmdOK, m_cmdOK);
    m_binder.button(m_model.cmdAbbrechen, m_cmdAbbrechen);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdAbbrechen);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    connect(&m_model, &FrmListendaten::changed, this, &FrmListendatenDialog::render);
    connect(&m_model, &FrmListendaten::focusRequested, this, &FrmListendatenDialog::focusControl);
    render();
}

void FrmListendatenDialog::render()
{
    m_binder.render();
    applyPendingFocus();
    if (windowTitle() != m_model.caption)
        setWindowTitle(m_model.caption);
    if (m_model.visible && !isVisible()) {
        show();
        raise();
        activateWindow();
    } else if (!m_model.visible && isVisible()) {
        hide();
    }
}

void FrmListendatenDialog::focusControl(const QString& controlName)
{
    // The model asks for the focus before it announces the texts; the box
    // takes it once its text is shown, so that a proposed name is selected.
    m_pendingFocus = controlName;
    QMetaObject::invokeMethod(this, &FrmListendatenDialog::applyPendingFocus, Qt::QueuedConnection);
}

void FrmListendatenDialog::applyPendingFocus()
{
    const QString name = std::exchange(m_pendingFocus, QString());
    auto* edit = name.isEmpty() ? nullptr : findChild<QLineEdit*>(name);
    if (!edit)
        return;
    edit->setFocus(Qt::OtherFocusReason);
    // Typing replaces a proposed name; other boxes are typed on at their end.
    if (name == FrmListendaten::controlName(HeaderField::Listenname))
        edit->selectAll();
    else
        edit->end(false);
}

void FrmListendatenDialog::reject()
{
    m_model.cmdAbbrechen_Click();
}

void FrmListendatenDialog::closeEvent(QCloseEvent* event)
{
    if (m_model.visible)
        m_model.cmdAbbrechen_Click();
    // Answering "Yes" to the question with a name that cannot be stored
    // keeps the dialog open with what was typed.
    if (m_model.visible)
        event->ignore();
    else
        event->accept();
}

} // namespace header
