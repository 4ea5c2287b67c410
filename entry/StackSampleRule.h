// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace rules {
struct RecordFields;
}

namespace entry {

// Which records may be measured by sample diameters: a stored assortment of
// several logs. A single log has its own diameter and stacked wood its
// width and height; samples there would replace a measured volume by a
// guessed one.
class StackSampleRule {
public:
    // Empty when the record may take samples; otherwise the message that
    // says why not (its first line names the rule, the second the record).
    static QString refusal(const rules::RecordFields& record, bool stored);
};

} // namespace entry
