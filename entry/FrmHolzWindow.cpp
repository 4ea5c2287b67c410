// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmHolzWindow.h"

#include "entry/EntryFrame.h"
#include "entry/EntryMenus.h"
#include "entry/FrmHolz.h"
#include "entry/KeyCodes.h"
#include "entry/Keypad.h"
#include "entry/ListDatenModel.h"
#include "entry/ListListenModel.h"
#include "entry/ListTable.h"
#include "entry/SelectionLists.h"
#include "entry/StatisticsDialog.h"
#include "header/FrmListendatenDialog.h"
#include "platform/AboutBox.h"
#include "platform/WindowPlacement.h"
#include "store/SettingKeys.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSplitter>
#include <QVBoxLayout>

namespace entry {
namespace {

// Keys a list or table moves in by itself.
bool isNavigationKey(int key)
{
    switch (key) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

FrmHolzWindow::FrmHolzWindow(FrmHolz& model, store::Settings* settings, QWidget* parent)
    : QMainWindow(parent), m_model(model)
{
    setObjectName(QStringLiteral("frmHolz"));
    QFont base = font();
    base.setPointSizeF(std::max(base.pointSizeF(), 11.0));
    setFont(base);
    buildMenus();

    auto* central = new QWidget(this);
    setCentralWidget(central);

    m_frame = new EntryFrame(model, m_binder, central);
    m_keypad = new Keypad(model, m_binder, central);
    auto* top = new QWidget(central);
    auto* topRow = new QHBoxLayout(top);
    topRow->setContentsMargins(0, 0, 0, 0);
    topRow->addWidget(m_frame, 1);
    topRow->addWidget(m_keypad);

    QWidget* listen = listsPane(central, settings);
    QWidget* daten = recordsPane(central, settings);
    auto* tables = new QSplitter(Qt::Horizontal, central);
    tables->setObjectName(QStringLiteral("tablesSplitter"));
    tables->addWidget(listen);
    tables->addWidget(daten);
    tables->setStretchFactor(0, 2);
    tables->setStretchFactor(1, 3);
    tables->setChildrenCollapsible(false);

    auto* screen = new QSplitter(Qt::Vertical, central);
    screen->setObjectName(QStringLiteral("screenSplitter"));
    screen->addWidget(top);
    screen->addWidget(tables);
    screen->setStretchFactor(0, 0);
    screen->setStretchFactor(1, 1);
    screen->setChildrenCollapsible(false);
    screen->setHandleWidth(10);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(screen);

    // The selection lists open over everything, beside their fields.
    m_lists = new SelectionLists(model, m_binder, central, m_frame);
    m_headerDialog = new header::FrmListendatenDialog(model.frmListendaten(), this);
    m_statisticsDialog = new StatisticsDialog(model.statistics(), this);
    model.hooks().Statistik_Anzeigen = [this] {
        m_statisticsDialog->showList();
        m_statisticsDialog->show();
        m_statisticsDialog->raise();
        m_statisticsDialog->activateWindow();
    };
    connectModel();

    qApp->installEventFilter(this);
    setDezimalpunkt(model.calc().Dezimalpunkt);
    render(ControlSet::all());
    m_listListen->showRow(model.listListen().selectedRow());
    m_listDaten->showRow(model.listDaten().currentRow());
}

void FrmHolzWindow::buildMenus()
{
    setMenuBar(EntryMenus::build(m_model, m_binder, this, [this] { beenden(); }));
    if (auto* program = menuBar()->findChild<QMenu*>(controlName(ControlId::mnuProgram))) {
        QAction* ueber = program->addAction(QStringLiteral("Ü&ber Stemora"), this, [this] {
            platform::showAboutBox(this, QStringLiteral("Stemora"),
                                   QStringLiteral("Erfasst gefälltes Rundholz in Holzlisten, rechnet "
                                                  "Kubatur und Stärkeklasse und wandelt Listen in "
                                                  "Austauschdateien."));
        });
        ueber->setObjectName(QStringLiteral("mnuUeber"));
        program->insertAction(program->actions().constFirst(), ueber);
        program->insertSeparator(program->actions().at(1));
    }
}

QWidget* FrmHolzWindow::listsPane(QWidget* parent, store::Settings* settings)
{
    const EntryControls& c = m_model.controls();
    // The list of lists with the buttons that act on the selected list.
    auto* listen = new QGroupBox(c.frameListen.caption, parent);
    listen->setObjectName(QStringLiteral("frameListen"));
    auto* listenLayout = new QVBoxLayout(listen);
    auto* listButtons = new QHBoxLayout;
    const struct {
        const char* name;
        const Control& control;
        void (FrmHolz::*click)();
    } commands[] = {
        {"cmdNeu", c.cmdNeu, &FrmHolz::cmdNeu_Click},
        {"cmdListeBearbeiten", c.cmdListeBearbeiten, &FrmHolz::cmdListeBearbeiten_Click},
        {"cmdBearbeiten", c.cmdBearbeiten, &FrmHolz::cmdBearbeiten_Click},
    };
    for (const auto& command : commands) {
        auto* button = new QPushButton(command.control.caption, listen);
        button->setObjectName(QLatin1String(command.name));
        button->setMinimumHeight(44);
        connect(button, &QPushButton::clicked, this, [this, click = command.click] { (m_model.*click)(); });
        m_binder.button(command.control, button);
        listButtons->addWidget(button);
    }
    listButtons->addStretch(1);
    listenLayout->addLayout(listButtons);
    m_listListen = new ListTable(m_model.listListen(), QStringLiteral("ListListen"), listen);
    if (settings)
        m_listListen->rememberWidths(*settings, store::keys::SpaltenListListen);
    listenLayout->addWidget(m_listListen, 1);
    return listen;
}

QWidget* FrmHolzWindow::recordsPane(QWidget* parent, store::Settings* settings)
{
    const EntryControls& c = m_model.controls();
    auto* daten = new QGroupBox(QStringLiteral("Datensätze"), parent);
    daten->setObjectName(QStringLiteral("frameDaten"));
    auto* datenLayout = new QVBoxLayout(daten);
    // The open list's name stands above its records.
    auto* activeRow = new QHBoxLayout;
    activeRow->addWidget(new QLabel(c.TxtListenNR.caption, daten));
    m_txtListenNR = new QLineEdit(daten);
    m_txtListenNR->setObjectName(QStringLiteral("TxtListenNR"));
    m_txtListenNR->setAccessibleName(QStringLiteral("Offene Liste"));
    m_txtListenNR->setReadOnly(true);
    m_txtListenNR->setFocusPolicy(Qt::NoFocus);
    m_txtListenNR->setMinimumWidth(120);
    QFont bold = m_txtListenNR->font();
    bold.setBold(true);
    m_txtListenNR->setFont(bold);
    m_binder.field(c.TxtListenNR, m_txtListenNR);
    activeRow->addWidget(m_txtListenNR, 1);
    datenLayout->addLayout(activeRow);
    m_listDaten = new ListTable(m_model.listDaten(), QStringLiteral("ListDaten"), daten);
    if (settings)
        m_listDaten->rememberWidths(*settings, store::keys::SpaltenListDaten);
    datenLayout->addWidget(m_listDaten);
    return daten;
}

void FrmHolzWindow::connectModel()
{
    connect(m_listListen, &ListTable::rowActivated, this, [this](int row) { m_model.ListListen_Click(row); });
    connect(m_listListen, &ListTable::columnClicked, this,
            [this](int column) { m_model.ListListen_ColumnClick(column); });
    connect(&m_model.listListen(), &ListListenModel::selectedRowChanged, m_listListen, &ListTable::showRow);
    connect(m_listDaten, &ListTable::rowActivated, this, [this](int row) { m_model.ListDaten_Click(row); });
    connect(m_listDaten, &ListTable::selectionEdited, this,
            [this](const QList<int>& rows) { m_model.ListDaten_SelectionChanged(rows); });
    connect(&m_model.listDaten(), &ListDatenModel::currentRowChanged, m_listDaten, &ListTable::showRow);
    connect(&m_model.listDaten(), &ListDatenModel::selectedRowsChanged, m_listDaten, &ListTable::showRows);
    connect(qApp, &QApplication::focusChanged, this, &FrmHolzWindow::focusMoved);
    connect(&m_model, &FrmHolz::changed, this, &FrmHolzWindow::render);
    connect(&m_model, &FrmHolz::focusRequested, this, &FrmHolzWindow::focusControl);
}

FrmHolzWindow::~FrmHolzWindow()
{
    // Widgets being torn down must not render or report into the model.
    qApp->removeEventFilter(this);
    // Closing the window in QWidget's destructor moves the focus, and the
    // connection would call focusMoved on a window already torn down.
    disconnect(qApp, &QApplication::focusChanged, this, &FrmHolzWindow::focusMoved);
    disconnect(&m_model, nullptr, this, nullptr);
    m_model.frmListendaten().disconnect(m_headerDialog);
    m_model.hooks().Statistik_Anzeigen = nullptr;
}

void FrmHolzWindow::setDezimalpunkt(bool dezimalpunkt)
{
    m_keypad->setDezimalpunkt(dezimalpunkt);
}

void FrmHolzWindow::fitToScreen()
{
    // Laid out for a 1280×800 tablet; a desktop screen gives the tables
    // more of its room.
    QSize wanted(1280, 800);
    if (const QScreen* s = screen())
        wanted = wanted.expandedTo(s->availableSize() * 0.8);
    platform::fitToScreen(*this, wanted);
}

void FrmHolzWindow::showAndActivate()
{
    show();
    if (!m_activated) {
        m_activated = true;
        m_model.Form_Activate();
    }
}

void FrmHolzWindow::bringToFront()
{
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
}

void FrmHolzWindow::render(const ControlSet& changed)
{
    const EntryControls& c = m_model.controls();
    QSet<const Control*> controls;
    for (int i = 0; i < ControlCount; ++i) {
        if (changed.contains(ControlId(i)))
            controls.insert(&c[ControlId(i)]);
    }
    m_binder.render([&controls](const Control& control) { return controls.contains(&control); });
    // The bark button's look follows its mode and the assortment.
    if (changed.intersects({ControlId::cmdAbzRinde, ControlId::txtSorte}))
        m_frame->render();
    if (windowTitle() != c.caption)
        setWindowTitle(c.caption);
    m_listDaten->setMultiSelection(c.mnuMehrfach.checked);
    m_lists->place();
}

void FrmHolzWindow::focusControl(ControlId control)
{
    QWidget* target = control == ControlId::txtEingabe
                          ? m_keypad->buffer()
                          : centralWidget()->findChild<QWidget*>(controlName(control));
    if (!target || !target->isVisibleTo(this) || !target->isEnabled())
        return;
    target->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        if (control == ControlId::txtAbteilung)
            edit->selectAll();
        else
            edit->end(false);
    }
}

void FrmHolzWindow::focusMoved(QWidget* from, QWidget* to)
{
    const auto isPriceField = [](const QWidget* w) {
        if (!w)
            return false;
        const QString name = w->objectName();
        return name == QLatin1String("txtPreis") || name == QLatin1String("txtPreisfaktor") ||
               name == QLatin1String("cmbpreis");
    };
    if (!from || from->window() != this || !isPriceField(from) || isPriceField(to))
        return;
    // After the handler that moved the focus has finished: leaving the
    // price may ask whether to store it.
    QMetaObject::invokeMethod(
        this, [this] { m_model.priceEntryLeft(); }, Qt::QueuedConnection);
}

void FrmHolzWindow::beenden()
{
    if (!m_model.mnuBeenden_Click())
        return;
    m_closed = true;
    close();
}

void FrmHolzWindow::closeEvent(QCloseEvent* event)
{
    if (!m_closed && !m_model.Form_Unload()) {
        event->ignore();
        return;
    }
    m_closed = true;
    event->accept();
    emit closed();
}

void FrmHolzWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    m_lists->place();
}

bool FrmHolzWindow::eventFilter(QObject* watched, QEvent* event)
{
    const bool press = event->type() == QEvent::KeyPress;
    if (!press && event->type() != QEvent::KeyRelease)
        return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this || !isEnabled())
        return false;
    // A key goes to the focus widget first and climbs to its parents when
    // that ignores it; the model sees it once, at the widget it was sent to.
    QWidget* receiver = focusWidget() ? focusWidget() : this;
    if (widget != receiver)
        return false;
    return handleKey(widget, static_cast<QKeyEvent*>(event), press);
}

bool FrmHolzWindow::handleKey(QWidget* target, QKeyEvent* event, bool press)
{
    const int key = event->key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab)
        return false;
    // The box for a new lot number is typed into like any box; Enter takes it.
    if (target == m_lists->txtLosNeu() && key != Qt::Key_Escape) {
        if (press && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            m_model.txtLosNeu_Enter(m_lists->txtLosNeu()->text());
            return true;
        }
        return false;
    }
    if (qobject_cast<QAbstractItemView*>(target) && isNavigationKey(key) && press)
        return false;
    const int code = keys::fromQt(key, event->modifiers());
    if (target == m_listDaten && code == keys::Delete) {
        if (press)
            m_model.ListDaten_KeyDown(code);
        return true;
    }
    if (code == 0 && event->text().isEmpty())
        return false;
    if (press)
        return m_model.keyDown(code, event->modifiers(), event->text());
    if (!event->isAutoRepeat())
        m_model.keyUp(code, event->modifiers());
    return false;
}

} // namespace entry
