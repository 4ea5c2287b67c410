// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace exporter {

// The closed code lists of the ELDATsmart documents (release 1.0.2): a
// document with any other code is not a valid document.
class EldatVocabulary {
public:
    enum class List {
        Species,
        Grade,
        Use,
        Quality,
        Thickness,
        Unit,
        DiaMeasurement,
        Method,
        Technique,
        State,
        WoodIdType,
        AggregationType
    };

    static bool contains(List list, const QString& code);
    // The list's name as the code tables and messages call it.
    static QString name(List list);
};

} // namespace exporter
