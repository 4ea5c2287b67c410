#include "ListTable.h"

#include "entry/ListViewModel.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace entry {

ListTable::ListTable(ListViewModel& model, const QString& name, QWidget* parent) : QTableView(parent)
{
    setObjectName(name);
    setModel(&model);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setShowGrid(true);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // A finger drags the bar, not a 6-pixel sliver.
    verticalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar:vertical { width: 22px; }"));
    horizontalScrollBar()->setStyleSheet(QStringLiteral("QScrollBar:horizontal { height: 22px; }"));

    // One fixed height for every row: the header then never measures rows,
    // which keeps resets and appends of big lists cheap.
    QHeaderView* rows = verticalHeader();
    rows->setVisible(false);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(fontMetrics().height() + 8);
    rows->setMinimumSectionSize(fontMetrics().height() + 4);

    QHeaderView* columns = horizontalHeader();
    columns->setSectionsClickable(true);
    columns->setHighlightSections(false);
    columns->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    columns->setStretchLastSection(false);
    connect(columns, &QHeaderView::sectionClicked, this, &ListTable::columnClicked);
    applyColumnWidths();
    connect(&model, &QAbstractItemModel::modelReset, this, &ListTable::applyColumnWidths);

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_showingRows)
            emit selectionEdited(selectedRowNumbers());
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowActivated(index.row());
    });
}

void ListTable::applyColumnWidths()
{
    QAbstractItemModel* m = model();
    for (int column = 0; column < m->columnCount(); ++column) {
        const int twips = m->headerData(column, Qt::Horizontal, ListViewModel::TwipsWidthRole).toInt();
        setColumnWidth(column, std::max(24, twips / 15));
    }
}

void ListTable::showRow(int row)
{
    if (row < 0 || row >= model()->rowCount()) {
        clearSelection();
    } else {
        const QModelIndex index = model()->index(row, 0);
        // The current index moves without selecting other rows of a
        // multiple selection.
        if (selectionMode() == QAbstractItemView::SingleSelection)
            selectRow(row);
        else
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        scrollTo(index, QAbstractItemView::EnsureVisible);
    }
}

void ListTable::showRows(const QList<int>& rows)
{
    m_showingRows = true;
    QItemSelection selection;
    for (const int row : rows)
        if (row >= 0 && row < model()->rowCount())
            selection.select(model()->index(row, 0), model()->index(row, model()->columnCount() - 1));
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    m_showingRows = false;
}

void ListTable::setMultiSelection(bool multi)
{
    const auto mode = multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection;
    if (selectionMode() == mode)
        return;
    setSelectionMode(mode);
    if (!multi) {
        const int current = currentIndex().row();
        clearSelection();
        if (current >= 0)
            selectRow(current);
    }
}

QList<int> ListTable::selectedRowNumbers() const
{
    QList<int> rows;
    for (const QModelIndex& index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ListTable::keyReleaseEvent(QKeyEvent* event)
{
    QTableView::keyReleaseEvent(event);
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && !event->isAutoRepeat() &&
        currentIndex().isValid())
        emit rowActivated(currentIndex().row());
}

} // namespace entry
