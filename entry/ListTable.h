// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTableView>
#include <QVector>

namespace store {
class Settings;
struct SettingKey;
} // namespace store

namespace entry {

class ListViewModel;

// A report-style list view over one of the entry screen's table models:
// rows of one fixed height and no widget per row, so 100 000 rows cost what
// the visible ones cost. A tap or a click on a row, and the release of Up
// or Down, report the row as activated.
//
// Columns start at the model's widths (twips ÷ 15) and grow to what their
// caption and texts need, so that a volume or a name is never cut; the
// widths the user drags are kept per user when a settings key is given.
// The current row stays in view when the table changes size.
class ListTable : public QTableView {
    Q_OBJECT
public:
    ListTable(ListViewModel& model, const QString& name, QWidget* parent = nullptr);

    // Reads the widths the user chose last time from `key` and stores them
    // there whenever the user drags a column border.
    void rememberWidths(store::Settings& settings, const store::SettingKey& key);

    // Selects the row and scrolls it into view without reporting it; -1
    // clears the selection.
    void showRow(int row);
    // Selects exactly these rows without reporting them.
    void showRows(const QList<int>& rows);
    // Single selection, or extended selection of several rows.
    void setMultiSelection(bool multi);
    // The selected rows in ascending order.
    QList<int> selectedRowNumbers() const;

    // The narrowest width that shows the column's caption and the texts of
    // the rows measured so far without cutting them.
    int neededWidth(int column) const { return m_needed.value(column); }

signals:
    void rowActivated(int row);
    void columnClicked(int column);
    // The selected rows changed, other than through showRows().
    void selectionEdited(const QList<int>& rows);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void measureAll();
    void measureRows(int first, int last);
    void applyColumnWidths();
    int textWidth(const QString& text) const;
    void storeWidths();

    QVector<int> m_needed;
    QVector<int> m_chosen; // widths the user dragged; 0 where none
    store::Settings* m_settings = nullptr;
    const store::SettingKey* m_widthKey = nullptr;
    bool m_applying = false;
    bool m_userResized = false;
    bool m_showingRows = false;
};

} // namespace entry
