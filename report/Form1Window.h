// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMainWindow>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace report {

class Form1;

// The report program's main window: the grid of lists above, the chosen
// list's name, owner and place, the heading and the buttons at the side,
// the records of the list taken over below. Renders from Form1 and
// forwards every user event to it.
class Form1Window : public QMainWindow {
    Q_OBJECT
public:
    explicit Form1Window(Form1& model, QWidget* parent = nullptr);

    // A second start asked for this window: show it in front and refresh the lists.
    void bringToFront();

    QTableView* gridView() const { return m_grid; }
    QTableView* recordView() const { return m_records; }

private:
    void render();
    void buildMenus();
    void showPreview(const QString& caption);

    Form1& m_model;
    QTableView* m_grid = nullptr;
    QTableView* m_records = nullptr;
    QLineEdit* m_text11 = nullptr;
    QLineEdit* m_text12 = nullptr;
    QLineEdit* m_text13 = nullptr;
    QLineEdit* m_ueberschrift = nullptr;
    QPushButton* m_uebernehmen = nullptr;
    QPushButton* m_drucken = nullptr;
    QPushButton* m_word = nullptr;
    QPushButton* m_dbakt = nullptr;
    QCheckBox* m_fotos = nullptr;
    QAction* m_losweise = nullptr;
    QAction* m_verdichtet = nullptr;
    QAction* m_report = nullptr;
    QAction* m_wordAction = nullptr;
    QAction* m_csvAction = nullptr;
    QAction* m_excelAction = nullptr;
    QLabel* m_summary = nullptr;
};

} // namespace report
