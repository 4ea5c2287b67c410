// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>

namespace lots {

// The ten values of one lot rule as the editor's boxes hold them. An empty
// value places no restriction, so a rule that is not stored at all accepts
// every record.
struct LotRule {
    enum Field {
        Holzart,    // species codes: first two letters of a species name, each followed by ","
        Guete,      // grade codes, each followed by ","
        Sorte,      // assortment codes without blanks, each followed by ","
        Staerke,    // diameter classes, each followed by ","
        LaengeVon,  // length range (m)
        LaengeBis,  //
        DurchmVon,  // diameter range (cm)
        DurchmBis,  //
        KubaturVon, // volume range (fm)
        KubaturBis, //
        FieldCount
    };

    std::array<QString, FieldCount> values;

    QString& operator[](Field field) { return values[field]; }
    const QString& operator[](Field field) const { return values[field]; }
    bool operator==(const LotRule&) const = default;

    // The setting name a value is stored under ("Holzart", "LaengeVon", ...).
    static QString valueName(Field field);
    // The field of a setting name, compared without regard to case; FieldCount when unknown.
    static Field fieldOf(const QString& name);
    // The German caption of a value, for messages ("Länge von").
    static QString caption(Field field);
    static bool isRange(Field field) { return field >= LaengeVon; }
};

} // namespace lots
