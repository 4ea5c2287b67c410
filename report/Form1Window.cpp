// SPDX-License-Identifier: GPL-3.0-or-later
#include "Form1Window.h"

#include "Form1.h"
#include "RecordCells.h"
#include "ReportPreview.h"

#include "platform/AboutBox.h"
#include "rules/Numbers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStatusBar>
#include <QTableView>
#include <QVBoxLayout>

namespace report {
namespace {

QTableView* tableView(QAbstractItemModel* model, QWidget* parent)
{
    auto* view = new QTableView(parent);
    view->setModel(model);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::SingleSelection);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->setDefaultSectionSize(22);
    view->verticalHeader()->hide();
    view->horizontalHeader()->setHighlightSections(false);
    // Columns as wide as their captions and the texts in view; the user
    // may still drag them.
    view->horizontalHeader()->setTextElideMode(Qt::ElideNone);
    view->horizontalHeader()->setResizeContentsPrecision(500);
    QObject::connect(model, &QAbstractItemModel::modelReset, view, &QTableView::resizeColumnsToContents);
    QObject::connect(model, &QAbstractItemModel::rowsInserted, view, &QTableView::resizeColumnsToContents);
    view->resizeColumnsToContents();
    return view;
}

QLineEdit* readOnlyField(QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::NoFocus);
    return field;
}

} // namespace

Form1Window::Form1Window(Form1& model, QWidget* parent) : QMainWindow(parent), m_model(model)
{
    // The caption of the resource; the full one follows when the window has loaded.
    setWindowTitle(QStringLiteral("Holzlisten Stemora"));
    auto* central = new QWidget(this);
    auto* splitter = new QSplitter(Qt::Vertical, central);

    auto* top = new QWidget(splitter);
    auto* topLayout = new QHBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    m_grid = tableView(&model.grid(), top);
    m_grid->setObjectName(QStringLiteral("DataGrid1"));
    m_grid->setAccessibleName(QStringLiteral("Holzlisten"));
    m_grid->horizontalHeader()->setStretchLastSection(true);
    topLayout->addWidget(m_grid, 1);

    auto* side = new QWidget(top);
    side->setFixedWidth(300);
    auto* sideLayout = new QVBoxLayout(side);
    sideLayout->setContentsMargins(6, 0, 0, 0);
    auto* fields = new QFormLayout;
    m_text11 = readOnlyField(side);
    m_text12 = readOnlyField(side);
    m_text13 = readOnlyField(side);
    m_ueberschrift = new QLineEdit(side);
    m_ueberschrift->setObjectName(QStringLiteral("txtUeberschrift"));
    m_ueberschrift->setPlaceholderText(QStringLiteral("Name der Liste"));
    fields->addRow(QStringLiteral("Liste"), m_text11);
    fields->addRow(QStringLiteral("Name"), m_text12);
    fields->addRow(QStringLiteral("Ort"), m_text13);
    fields->addRow(QStringLiteral("Überschrift"), m_ueberschrift);
    sideLayout->addLayout(fields);
    m_uebernehmen = new QPushButton(QStringLiteral("Übernehmen"), side);
    m_drucken = new QPushButton(QStringLiteral("Report"), side);
    m_word = new QPushButton(QStringLiteral("Ausdruck mit Word"), side);
    m_dbakt = new QPushButton(QStringLiteral("Ausdruck wird vorbereitet"), side);
    m_dbakt->setEnabled(false);
    m_dbakt->setFlat(true);
    m_fotos = new QCheckBox(QStringLiteral("&Fotos der Lose"), side);
    m_fotos->setObjectName(QStringLiteral("chkFotos"));
    m_fotos->setToolTip(QStringLiteral("Report und Word-Dokument enden mit den Fotos der Lose"));
    for (QPushButton* button : {m_uebernehmen, m_drucken, m_word, m_dbakt}) {
        button->setMinimumHeight(34);
        sideLayout->addWidget(button);
        if (button == m_word)
            sideLayout->addWidget(m_fotos);
    }
    sideLayout->addStretch(1);
    topLayout->addWidget(side);

    m_records = tableView(&model.listDaten(), splitter);
    m_records->setAccessibleName(QStringLiteral("Datensätze"));
    m_records->setObjectName(QStringLiteral("listDaten"));
    // 15 twips to the pixel at 96 dpi; never narrower than the column's title.
    const auto& widths = RecordCells::listWidthsTwips();
    for (int c = 0; c < widths.size(); ++c)
        m_records->setColumnWidth(
            c, qMax(widths.at(c) / 15 + 8, m_records->horizontalHeader()->sectionSizeHint(c)));
    connect(&model.grid(), &QAbstractItemModel::modelReset, this, [this] {
        m_grid->resizeColumnsToContents();
        for (int c = 0; c < m_grid->model()->columnCount(); ++c)
            m_grid->setColumnWidth(c, qBound(60, m_grid->columnWidth(c) + 12, 240));
    });
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 3);

    auto* layout = new QVBoxLayout(central);
    layout->addWidget(splitter);
    setCentralWidget(central);
    m_summary = new QLabel(this);
    statusBar()->addWidget(m_summary, 1);
    buildMenus();

    connect(m_uebernehmen, &QPushButton::clicked, &model, &Form1::cmdUebernehmen_Click);
    connect(m_drucken, &QPushButton::clicked, &model, &Form1::cmdDrucken_Click);
    connect(m_word, &QPushButton::clicked, &model, &Form1::cmdWord_Click);
    connect(m_fotos, &QCheckBox::clicked, &model, &Form1::chkFotos_Click);
    connect(m_ueberschrift, &QLineEdit::textEdited, &model, &Form1::txtUeberschrift_Change);
    // Selecting a row (click or arrow keys) takes the list over; a click on
    // the selected row tries again after a failed take-over.
    connect(m_grid->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QModelIndexList rows = m_grid->selectionModel()->selectedRows();
        if (!rows.isEmpty())
            m_model.DataGrid1_RowColChange(rows.first().row());
    });
    connect(m_grid, &QTableView::clicked, this,
            [this](const QModelIndex& index) { m_model.DataGrid1_RowColChange(index.row()); });
    connect(&model, &Form1::stateChanged, this, &Form1Window::render);
    connect(&model, &Form1::previewRequested, this, &Form1Window::showPreview);
    connect(&model, &Form1::closeRequested, this, &QWidget::close);
    render();
}

void Form1Window::buildMenus()
{
    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->addAction(QStringLiteral("Datenbank &öffnen"), &m_model, &Form1::mnuDateioeffnen_Click);
    datei->addAction(QStringLiteral("Datenbank &auswählen …"), &m_model, &Form1::mnuDBwelche_Click);
    datei->addSeparator();
    datei->addAction(QStringLiteral("Programm &beenden"), &m_model, &Form1::mnuEnde_Click);

    QMenu* drucken = menuBar()->addMenu(QStringLiteral("D&rucken"));
    m_report = drucken->addAction(QStringLiteral("Einfacher &Report"), &m_model, &Form1::mnureport_Click);
    m_wordAction = drucken->addAction(QStringLiteral("Ausdruck über &Word"), &m_model, &Form1::mnuWord_Click);
    m_csvAction = drucken->addAction(QStringLiteral("Als &CSV-Tabelle …"), &m_model, &Form1::mnuCsv_Click);
    m_excelAction =
        drucken->addAction(QStringLiteral("Als &Excel-Arbeitsmappe …"), &m_model, &Form1::mnuExcel_Click);
    drucken->addSeparator();
    m_verdichtet = drucken->addAction(QStringLiteral("&verdichtet"), &m_model, &Form1::mnuVerdichtet_Click);
    m_losweise = drucken->addAction(QStringLiteral("&Losweise"), &m_model, &Form1::mnuLosweise_Click);
    m_verdichtet->setCheckable(true);
    m_losweise->setCheckable(true);

    QMenu* hilfe = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    QAction* ueber = hilfe->addAction(QStringLiteral("Ü&ber Stemprint"), this, [this] {
        platform::showAboutBox(this, QStringLiteral("Stemprint"),
                               QStringLiteral("Druckt Holzlisten und schreibt sie als Dokument und PDF."));
    });
    ueber->setObjectName(QStringLiteral("mnuUeber"));
}

void Form1Window::render()
{
    if (m_model.txtUeberschrift() != m_ueberschrift->text() || windowTitle() != m_model.caption()) {
        const QSignalBlocker block(m_ueberschrift);
        m_ueberschrift->setText(m_model.txtUeberschrift());
    }
    m_text11->setText(m_model.Text11());
    m_text12->setText(m_model.Text12());
    m_text13->setText(m_model.Text13());
    m_uebernehmen->setEnabled(m_model.cmdUebernehmenEnabled());
    m_drucken->setEnabled(m_model.cmdDruckenEnabled());
    m_word->setEnabled(m_model.cmdDruckenEnabled());
    m_report->setEnabled(m_model.cmdDruckenEnabled());
    m_wordAction->setEnabled(m_model.cmdDruckenEnabled());
    m_csvAction->setEnabled(m_model.cmdDruckenEnabled());
    m_excelAction->setEnabled(m_model.cmdDruckenEnabled());
    m_dbakt->setVisible(m_model.cmdDBaktVisible());
    m_losweise->setChecked(m_model.mnuLosweiseChecked());
    m_verdichtet->setChecked(m_model.mnuVerdichtetChecked());
    m_fotos->setChecked(m_model.chkFotosChecked());
    setWindowTitle(m_model.caption());
    {
        // Only the list taken over shows as selected; the current row alone is not chosen yet.
        const QSignalBlocker block(m_grid->selectionModel());
        const int row = m_model.currentRow();
        const bool takenOver = row >= 0 && m_model.Text11() == m_model.takenOverList();
        m_grid->selectionModel()->setCurrentIndex(m_model.grid().index(row, 0),
                                                  takenOver ? QItemSelectionModel::ClearAndSelect |
                                                                  QItemSelectionModel::Rows
                                                            : QItemSelectionModel::Clear);
    }
    const auto& rows = m_model.listDaten().rows();
    if (m_model.takenOverList().isEmpty()) {
        m_summary->setText(QStringLiteral("Keine Liste übernommen"));
    } else {
        double volume = 0;
        for (const auto& row : rows)
            volume += row.Kubatur;
        m_summary->setText(QStringLiteral("Liste „%1“: %2 Datensätze, Kubatur %3 fm")
                               .arg(m_model.takenOverList())
                               .arg(rows.size())
                               .arg(rules::formatTwoGrouped(volume, false)));
    }
}

void Form1Window::showPreview(const QString& caption)
{
    ReportPreview::exec(m_model.reportDocument(), caption, this);
}

void Form1Window::bringToFront()
{
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    m_model.Form_Activate();
}

} // namespace report
