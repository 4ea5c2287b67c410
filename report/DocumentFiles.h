// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Where and how the report program keeps its documents.
namespace report::DocumentFiles {

// The folder "Holzlisten" in the user's documents folder; $STEMMO_DOCUMENTS
// replaces the whole path (tests, other set-ups).
QString folder();
// Creates the folder when missing; false when it cannot be created.
bool ensureFolder(const QString& folder);

// The file name of a list's document: the list name, "Los" and the lot
// number for one lot, ".docx". Characters that are not allowed in file
// names (path separators among them) become "_", so a list name can never
// write outside the folder.
QString documentName(const QString& list, std::optional<int> lot = std::nullopt);

// Writes the bytes to `path` so that either the complete new file or the
// old one is there afterwards. Throws ReportError with a German reason.
void save(const QString& path, const QByteArray& bytes);

} // namespace report::DocumentFiles
