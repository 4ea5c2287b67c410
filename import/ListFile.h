// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportedList.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace importer {

// The text of a list file, decoded and split into lines, and what kind of
// list file it is.
//
// A list file is decided by its first line that starts with "Ty" (the type
// line of a transfer file) or "0A" (the list name of a handheld file, when
// no type line came before it). Single-byte files are Windows-1252; the
// handheld device and the Latschbacher variant of the transfer file write
// the German umlauts in code page 437, which are mapped back for the whole
// file — including the name line, so the list name does not depend on the
// export format that happened to be set before. Files saved as UTF-8 or
// UTF-16 (with byte-order mark) by newer editors are read as such.
//
// Refused, with a reason for the user: an empty file, a file larger than
// MaxBytes (far above any real list: a million records take about 80 MB),
// a file with NUL bytes or other control characters (not a text file at
// all), a line longer than MaxLineLength, a file without a type line or
// name line, an unknown transfer type.
//
// The import reads files through ListFileStream, line by line; decode()
// gives the whole text at once, for content already in memory.
class ListFile {
public:
    static constexpr qint64 MaxBytes = qint64(1024) * 1024 * 1024;
    static constexpr int MaxLineLength = 8192;

    enum class Kind { Handheld, Transfer };

    struct Text {
        Kind kind = Kind::Handheld;
        SourceFormat format = SourceFormat::EG10;
        QStringList lines;
        int typeLine = -1; // index of the type line, transfer files only
        int nameLine = -1; // index of the first "0A" line
    };
    struct Decoded {
        std::optional<Text> text;
        QString refusal; // why the file is no list file, when text is empty
    };

    // Decides the kind, decodes and splits the file content.
    static Decoded decode(const QByteArray& bytes);

    // The format named by a transfer file's type line ("Type: VDE_Habsys"),
    // judged by its last six characters; nullopt for an unknown type.
    static std::optional<SourceFormat> transferFormat(QStringView typeLine);
};

} // namespace importer
