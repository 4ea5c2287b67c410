// SPDX-License-Identifier: GPL-3.0-or-later
#include "ReportPreview.h"

#include "DocumentFiles.h"
#include "ReportError.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace report {

ReportPreview::ReportPreview(ReportDocument document) : m_layout(std::move(document)) {}

ReportPreview::~ReportPreview() = default;

QPrintPreviewDialog& ReportPreview::dialog(const QString& caption, QWidget* parent)
{
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setPageSize(QPageSize(QPageSize::A4));
    // The layout places everything from the paper's corner; the printer's margins must not shift it.
    m_printer->setFullPage(true);
    m_printer->setDocName(QStringLiteral("Holzliste ") + m_layout.document().list.Liste);
    m_dialog = std::make_unique<QPrintPreviewDialog>(m_printer.get(), parent);
    QPrintPreviewDialog* dialog = m_dialog.get();
    dialog->setWindowTitle(caption);
    dialog->resize(900, 1000);
    QObject::connect(dialog, &QPrintPreviewDialog::paintRequested, dialog,
                     [this](QPrinter* target) { m_layout.paint(*target); });

    // Saving as PDF beside printing: the way most lists reach the buyer.
    if (auto* toolbar = dialog->findChild<QToolBar*>()) {
        toolbar->addSeparator();
        QAction* pdf = toolbar->addAction(QStringLiteral("Als PDF speichern …"));
        pdf->setObjectName(QStringLiteral("savePdf"));
        QObject::connect(pdf, &QAction::triggered, dialog, [this, dialog] {
            const QString proposed =
                QDir(DocumentFiles::folder())
                    .filePath(DocumentFiles::documentName(m_layout.document().list.Liste)
                                  .replace(QStringLiteral(".docx"), QStringLiteral(".pdf")));
            const QString path =
                QFileDialog::getSaveFileName(dialog, QStringLiteral("Als PDF speichern"), proposed,
                                             QStringLiteral("PDF-Dokument (*.pdf)"));
            if (path.isEmpty())
                return;
            try {
                m_layout.writePdf(path);
            } catch (const ReportError& error) {
                QMessageBox::warning(dialog, QStringLiteral("Stemprint"), error.message());
            }
        });
    }
    return *dialog;
}

void ReportPreview::exec(const ReportDocument& document, const QString& caption, QWidget* parent)
{
    ReportPreview preview(document);
    preview.dialog(caption, parent).exec();
}

} // namespace report
