// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "entry/ControlSet.h"
#include "header/ControlBinder.h"

#include <QMainWindow>

class QLineEdit;
class QSplitter;

namespace header {
class FrmListendatenDialog;
}
namespace store {
class Settings;
}

namespace entry {

class EntryFrame;
class FrmHolz;
class Keypad;
class ListTable;
class SelectionLists;
class StatisticsDialog;

// The entry screen: the entry frame with the keypad beside it, the list
// of lists and the table of the open list's records below. A thin view of
// FrmHolz: it renders the model's controls after every change, follows its
// focus requests and hands every key to the model first, so that digits
// typed anywhere on the screen land where the model wants them.
//
// Closing the window runs the model's closing steps; it stays open when
// they say so (an unsaved record the user wants to keep could not be saved).
class FrmHolzWindow : public QMainWindow {
    Q_OBJECT
public:
    // `settings`: where the column widths the user chose are kept; none
    // keeps them for this window only.
    explicit FrmHolzWindow(FrmHolz& model, store::Settings* settings = nullptr, QWidget* parent = nullptr);
    ~FrmHolzWindow() override;

    FrmHolz& model() { return m_model; }
    ListTable* listListen() const { return m_listListen; }
    ListTable* listDaten() const { return m_listDaten; }
    Keypad* keypad() const { return m_keypad; }
    SelectionLists* selectionLists() const { return m_lists; }
    header::FrmListendatenDialog* headerDialog() const { return m_headerDialog; }
    StatisticsDialog* statisticsDialog() const { return m_statisticsDialog; }

    // The decimal key shows the separator the system uses.
    void setDezimalpunkt(bool dezimalpunkt);
    // Gives the window its working size: 1280×800, or four fifths of a
    // bigger screen, where the screen has room for it with its frame, else
    // the whole available area of its screen.
    void fitToScreen();
    // Shows the screen for the first time and opens the list selected in
    // the list of lists (the model's activation).
    void showAndActivate();
    void bringToFront();
    // The closing steps of the model have run; the window closes without
    // asking again.
    bool isClosing() const { return m_closed; }

signals:
    // The user ended the program (menu or window close) and the model agreed.
    void closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // The parts of the window: the menu bar, the list of lists with its
    // buttons, the open list's name above its records, and the model's
    // signals to the widgets.
    void buildMenus();
    QWidget* listsPane(QWidget* parent, store::Settings* settings);
    QWidget* recordsPane(QWidget* parent, store::Settings* settings);
    void connectModel();
    void render(const ControlSet& changed);
    void focusControl(ControlId control);
    void focusMoved(QWidget* from, QWidget* to);
    void beenden();
    bool handleKey(QWidget* target, QKeyEvent* event, bool press);

    FrmHolz& m_model;
    header::ControlBinder m_binder;
    EntryFrame* m_frame;
    Keypad* m_keypad;
    SelectionLists* m_lists;
    ListTable* m_listListen;
    ListTable* m_listDaten;
    QLineEdit* m_txtListenNR;
    header::FrmListendatenDialog* m_headerDialog;
    StatisticsDialog* m_statisticsDialog;
    bool m_activated = false;
    bool m_closed = false;
};

} // namespace entry
