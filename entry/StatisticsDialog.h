// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTableView;

namespace entry {

class StatisticsModel;

// "Statistik" as a table: species, assortment with class, grade, pieces
// and volume, the species' totals in bold, the list's total at the end.
// The heading stays while a long list scrolls. "Kopieren" puts the whole
// table on the clipboard (tab-separated for a spreadsheet, and as HTML),
// "Drucken …" prints it.
class StatisticsDialog : public QDialog {
    Q_OBJECT
public:
    explicit StatisticsDialog(StatisticsModel& model, QWidget* parent = nullptr);

    QTableView* table() const { return m_table; }
    // Refreshes the heading and the column widths for the model's list.
    void showList();
    void copyToClipboard();

private:
    void print();

    StatisticsModel& m_model;
    QLabel* m_title;
    QTableView* m_table;
    QPushButton* m_copy;
    QPushButton* m_print;
};

} // namespace entry
