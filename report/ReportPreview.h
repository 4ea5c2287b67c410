// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/ReportLayout.h"

#include <memory>

class QPrintPreviewDialog;
class QPrinter;
class QWidget;

namespace report {

// The print preview of a list: pages as they print, with printing and
// saving as PDF.
class ReportPreview {
public:
    explicit ReportPreview(ReportDocument document);
    ~ReportPreview();

    // The preview dialog, titled `caption`, with a button that saves the pages as PDF.
    QPrintPreviewDialog& dialog(const QString& caption, QWidget* parent);

    // Shows the preview modally.
    static void exec(const ReportDocument& document, const QString& caption, QWidget* parent);

private:
    ReportLayout m_layout;
    std::unique_ptr<QPrinter> m_printer;
    std::unique_ptr<QPrintPreviewDialog> m_dialog;
};

} // namespace report
