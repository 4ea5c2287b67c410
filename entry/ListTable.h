#pragma once

#include <QTableView>

namespace entry {

class ListViewModel;

// A report-style list view over one of the entry screen's table models:
// the model's columns at their widths (twips ÷ 15), rows of one fixed
// height and no widget per row, so 100 000 rows cost what the visible ones
// cost. A tap or a click on a row, and the release of Up or Down, report
// the row as activated.
class ListTable : public QTableView {
    Q_OBJECT
public:
    ListTable(ListViewModel& model, const QString& name, QWidget* parent = nullptr);

    // Selects the row and scrolls it into view without reporting it; -1
    // clears the selection.
    void showRow(int row);
    // Selects exactly these rows without reporting them.
    void showRows(const QList<int>& rows);
    // Single selection, or extended selection of several rows.
    void setMultiSelection(bool multi);
    // The selected rows in ascending order.
    QList<int> selectedRowNumbers() const;

signals:
    void rowActivated(int row);
    void columnClicked(int column);
    // The selected rows changed, other than through showRows().
    void selectionEdited(const QList<int>& rows);

protected:
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    void applyColumnWidths();
    bool m_showingRows = false;
};

} // namespace entry
