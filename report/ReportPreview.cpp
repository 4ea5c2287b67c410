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

void ReportPreview::exec(const ReportDocument& document, const QString& caption, QWidget* parent)
{
    const ReportLayout layout(document);
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(QStringLiteral("Holzliste ") + document.list.Liste);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(caption);
    dialog.resize(900, 1000);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&layout](QPrinter* target) { layout.paint(*target); });

    // Saving as PDF beside printing: the way most lists reach the buyer.
    if (auto* toolbar = dialog.findChild<QToolBar*>()) {
        toolbar->addSeparator();
        QAction* pdf = toolbar->addAction(QStringLiteral("Als PDF speichern …"));
        QObject::connect(pdf, &QAction::triggered, &dialog, [&] {
            const QString proposed =
                QDir(DocumentFiles::folder())
                    .filePath(DocumentFiles::documentName(document.list.Liste)
                                  .replace(QStringLiteral(".docx"), QStringLiteral(".pdf")));
            const QString path =
                QFileDialog::getSaveFileName(&dialog, QStringLiteral("Als PDF speichern"), proposed,
                                             QStringLiteral("PDF-Dokument (*.pdf)"));
            if (path.isEmpty())
                return;
            try {
                layout.writePdf(path);
            } catch (const ReportError& error) {
                QMessageBox::warning(&dialog, QStringLiteral("Stemprint"), error.message());
            }
        });
    }
    dialog.exec();
}

} // namespace report
