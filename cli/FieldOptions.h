// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "cli/CliContext.h"
#include "rules/FieldValue.h"

#include <QList>

namespace cli {

// A numeric option and the record field it fills.
struct FieldOption {
    const char* option;
    rules::ValueField field;
};

// Checks every numeric option that was given against the limits of its
// field (rules::fieldValueProblem) before anything is computed or typed,
// and throws one CommandError (exit 1) naming every value that is out of
// range. `sortCode` is the record's assortment.
void refuseValuesOutOfRange(const Options& options, const QList<FieldOption>& fields,
                            const QString& sortCode);

} // namespace cli
