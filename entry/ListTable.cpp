// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListTable.h"

#include "entry/ListViewModel.h"
#include "store/Settings.h"

#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>

namespace entry {
namespace {

// How many rows at the top and at the bottom of a big table are measured
// when it is filled (each text is read from the record set, so a big list
// is not read whole); appended and changed rows are measured as they come,
// the others when they are scrolled into view.
constexpr int MeasuredRows = 100;

// What a column's short caption stands for.
QString columnHelp(const QString& caption)
{
    static const QHash<QString, QString> help = {
        {QStringLiteral("DS"), QStringLiteral("Datensatz: Stelle in der Liste")},
        {QStringLiteral("Los"), QStringLiteral("Los (1 bis 85)")},
        {QStringLiteral("Nr*St"), QStringLiteral("Stammnummer; bei Sortimenten * und die Stückzahl")},
        {QStringLiteral("Länge"), QStringLiteral("Länge in m")},
        {QStringLiteral("Durchm"), QStringLiteral("Mittendurchmesser in cm")},
        {QStringLiteral("Güte"), QStringLiteral("Güteklasse")},
        {QStringLiteral("Stärke"), QStringLiteral("Stärkeklasse")},
        {QStringLiteral("Rinde"), QStringLiteral("Rindenabzug in cm")},
        {QStringLiteral("Ra"), QStringLiteral("Art des Rindenabzugs")},
        {QStringLiteral("Option"), QStringLiteral("Einzelstamm, Folgestück, Klammerstamm oder Sortiment")},
        {QStringLiteral("Kubatur"), QStringLiteral("Kubatur in fm, bei Schichtholz in Raummetern")},
        {QStringLiteral("Preis"), QStringLiteral("Preisfaktor")},
        {QStringLiteral("Stück"), QStringLiteral("Stückzahl der Liste")},
        {QStringLiteral("Name"), QStringLiteral("Name des Waldbesitzers")},
        {QStringLiteral("Konvertiert"), QStringLiteral("Zuletzt in eine Datei konvertiert")},
        {QStringLiteral("Bearbeitet"), QStringLiteral("Zuletzt bearbeitet")},
        {QStringLiteral("Abt. | U-Abt. | Bestand"), QStringLiteral("Abteilung | Unterabteilung | Bestand")},
    };
    return help.value(caption, caption);
}

} // namespace

ListTable::ListTable(ListViewModel& model, const QString& name, QWidget* parent) : QTableView(parent)
{
    setObjectName(name);
    setAccessibleName(name == QLatin1String("ListListen") ? QStringLiteral("Listen")
                                                          : QStringLiteral("Datensätze"));
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
    columns->setTextElideMode(Qt::ElideNone);
    columns->viewport()->installEventFilter(this);
    connect(columns, &QHeaderView::sectionClicked, this, &ListTable::columnClicked);
    connect(columns, &QHeaderView::sectionResized, this, [this](int column, int, int size) {
        if (m_applying || column >= m_chosen.size())
            return;
        m_chosen[column] = size;
        m_userResized = true;
    });

    m_chosen.fill(0, model.columnCount());
    measureAll();
    connect(&model, &QAbstractItemModel::modelReset, this, &ListTable::measureAll);
    connect(&model, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int first, int last) { measureRows(first, last); });
    connect(&model, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& from, const QModelIndex& to) { measureRows(from.row(), to.row()); });

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this] {
        const int first = rowAt(0);
        const int last = rowAt(viewport()->height() - 1);
        measureRows(first, last < 0 ? this->model()->rowCount() - 1 : last);
    });

    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_showingRows)
            emit selectionEdited(selectedRowNumbers());
    });
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            emit rowActivated(index.row());
    });
}

void ListTable::rememberWidths(store::Settings& settings, const store::SettingKey& key)
{
    m_settings = &settings;
    m_widthKey = &key;
    const QStringList stored = settings.get(key).split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (int column = 0; column < m_chosen.size() && column < stored.size(); ++column)
        m_chosen[column] = std::clamp(stored[column].toInt(), 0, 4000);
    applyColumnWidths();
}

int ListTable::textWidth(const QString& text) const
{
    // The cell's text margins on both sides, the grid line and a little air.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    return fontMetrics().horizontalAdvance(text) + 2 * margin + 6;
}

void ListTable::measureAll()
{
    QAbstractItemModel* m = model();
    const int columnCount = m->columnCount();
    m_needed.fill(0, columnCount);
    m_chosen.resize(columnCount);
    const QFontMetrics headerMetrics(horizontalHeader()->font());
    const int headerMargin = 2 * style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this) + 8;
    for (int column = 0; column < columnCount; ++column) {
        const int twips = m->headerData(column, Qt::Horizontal, ListViewModel::TwipsWidthRole).toInt();
        const QString caption = m->headerData(column, Qt::Horizontal).toString();
        m_needed[column] =
            std::max({24, twips / 15, headerMetrics.horizontalAdvance(caption) + headerMargin});
    }
    const int rowCount = m->rowCount();
    m_applying = true; // measureRows applies; one pass is enough
    measureRows(0, std::min(rowCount, MeasuredRows) - 1);
    measureRows(std::max(MeasuredRows, rowCount - MeasuredRows), rowCount - 1);
    m_applying = false;
    applyColumnWidths();
}

void ListTable::measureRows(int first, int last)
{
    auto* m = static_cast<ListViewModel*>(model());
    first = std::max(first, 0);
    last = std::min({last, m->rowCount() - 1, first + MeasuredRows - 1});
    bool grown = false;
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < m_needed.size(); ++column) {
            const QString text = m->text(row, column);
            if (text.isEmpty())
                continue;
            const int width = textWidth(text);
            if (width > m_needed[column]) {
                m_needed[column] = width;
                grown = true;
            }
        }
    }
    if (grown && !m_applying)
        applyColumnWidths();
}

void ListTable::applyColumnWidths()
{
    m_applying = true;
    for (int column = 0; column < m_needed.size(); ++column) {
        // A width the user chose is kept, but never so narrow that it cuts.
        const int width = std::max(m_needed[column], m_chosen.value(column));
        if (columnWidth(column) != width)
            setColumnWidth(column, width);
    }
    m_applying = false;
}

void ListTable::storeWidths()
{
    if (!m_userResized || !m_settings || !m_widthKey)
        return;
    m_userResized = false;
    QStringList widths;
    for (int column = 0; column < m_chosen.size(); ++column)
        widths << QString::number(m_chosen[column] > m_needed.value(column) ? m_chosen[column] : 0);
    m_settings->set(*m_widthKey, widths.join(QLatin1Char(',')));
    applyColumnWidths();
}

bool ListTable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == horizontalHeader()->viewport()) {
        if (event->type() == QEvent::ToolTip) {
            auto* help = static_cast<QHelpEvent*>(event);
            const int column = horizontalHeader()->logicalIndexAt(help->pos());
            if (column >= 0) {
                QToolTip::showText(help->globalPos(),
                                   columnHelp(model()->headerData(column, Qt::Horizontal).toString()),
                                   horizontalHeader());
                return true;
            }
        } else if (event->type() == QEvent::MouseButtonRelease) {
            // A drag of a column border ends here: one settings write for it.
            storeWidths();
        }
    }
    return QTableView::eventFilter(watched, event);
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

void ListTable::resizeEvent(QResizeEvent* event)
{
    QTableView::resizeEvent(event);
    // A smaller table (a smaller window, a moved splitter) must not hide
    // the record the entry screen shows.
    const QModelIndex current = currentIndex();
    if (current.isValid())
        scrollTo(current, QAbstractItemView::EnsureVisible);
}

} // namespace entry
