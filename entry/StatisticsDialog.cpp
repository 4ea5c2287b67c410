// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatisticsDialog.h"

#include "entry/StatisticsModel.h"

#include <QApplication>
#include <QClipboard>
#include <QColor>
#include <QDialogButtonBox>
#include <QFont>
#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QMimeData>
#include <QPalette>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTextDocument>
#include <QVBoxLayout>

namespace entry {
namespace {

// Totals in bold on a shaded row, the list's total darker still.
class TotalsStyle : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::FontRole && role != Qt::BackgroundRole)
            return QIdentityProxyModel::data(index, role);
        const auto kind = StatisticsModel::LineKind(
            QIdentityProxyModel::data(index, StatisticsModel::LineKindRole).toInt());
        if (kind == StatisticsModel::LineKind::Group)
            return QVariant();
        if (role == Qt::FontRole) {
            QFont bold = QApplication::font();
            bold.setBold(true);
            return bold;
        }
        return kind == StatisticsModel::LineKind::GrandTotal ? QColor(0xc5, 0xe1, 0xa5)
                                                             : QColor(0xee, 0xf4, 0xe6);
    }
};

} // namespace

StatisticsDialog::StatisticsDialog(StatisticsModel& model, QWidget* parent) : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("frmStatistik"));
    setWindowTitle(QStringLiteral("Statistik"));

    m_title = new QLabel(this);
    QFont titleFont = m_title->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.2);
    titleFont.setBold(true);
    m_title->setFont(titleFont);

    auto* style = new TotalsStyle(this);
    style->setSourceModel(&m_model);
    m_table = new QTableView(this);
    m_table->setObjectName(QStringLiteral("tblStatistik"));
    m_table->setAccessibleName(QStringLiteral("Statistik"));
    m_table->setModel(style);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 8);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setShowGrid(false);
    m_table->setAlternatingRowColors(false);
    QFont tableFont = m_table->font();
    tableFont.setPointSizeF(tableFont.pointSizeF() * 1.1);
    m_table->setFont(tableFont);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setStretchLastSection(false);

    m_copy = new QPushButton(QStringLiteral("&Kopieren"), this);
    m_copy->setObjectName(QStringLiteral("cmdKopieren"));
    m_print = new QPushButton(QStringLiteral("&Drucken …"), this);
    m_print->setObjectName(QStringLiteral("cmdDrucken"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("&Schließen"));
    buttons->addButton(m_copy, QDialogButtonBox::ActionRole);
    buttons->addButton(m_print, QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_copy, &QPushButton::clicked, this, &StatisticsDialog::copyToClipboard);
    connect(m_print, &QPushButton::clicked, this, &StatisticsDialog::print);
    auto* copyKey = new QShortcut(QKeySequence::Copy, this);
    connect(copyKey, &QShortcut::activated, this, &StatisticsDialog::copyToClipboard);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(640, 560);
}

void StatisticsDialog::showList()
{
    m_title->setText(m_model.title());
    m_table->resizeColumnsToContents();
    QHeaderView* header = m_table->horizontalHeader();
    // Room to read: every column a little wider than its longest text, the
    // species taking what is left, so the numbers stand at the right edge.
    for (int column = 0; column < StatisticsModel::ColumnCount; ++column)
        header->resizeSection(column, header->sectionSize(column) + 24);
    header->setSectionResizeMode(StatisticsModel::Holzart, QHeaderView::Stretch);
    m_table->scrollToTop();
}

void StatisticsDialog::copyToClipboard()
{
    auto* data = new QMimeData;
    data->setText(m_model.text());
    data->setHtml(m_model.html());
    QApplication::clipboard()->setMimeData(data);
}

void StatisticsDialog::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(m_model.title());
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Statistik drucken"));
    if (dialog.exec() != QDialog::Accepted)
        return;
    QTextDocument document;
    document.setHtml(m_model.html());
    document.print(&printer);
}

} // namespace entry
