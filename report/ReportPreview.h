#pragma once

#include "report/ReportLayout.h"

class QWidget;

namespace report {

// The print preview of a list: pages as they print, with printing and
// saving as PDF.
class ReportPreview {
public:
    // Shows the preview modally, titled `caption`.
    static void exec(const ReportDocument& document, const QString& caption, QWidget* parent);
};

} // namespace report
