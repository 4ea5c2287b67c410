// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/TableDef.h"

namespace store {

// A photo of a lot: the file's name in the lot's photo folder
// (store::LotPhotoFiles), when it was taken and where, as its EXIF data said.
struct LotPhotoRow {
    qint64 LagerId = 0;
    QString Datei;
    QString Aufnahme; // ISO date and time, or empty
    QString GPS;      // normalised position, or empty
    qint64 Id = 0;
};

const TableDef<LotPhotoRow>& lotPhotoTable();

} // namespace store
