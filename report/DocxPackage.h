// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "report/WordBody.h"

#include <QByteArray>
#include <QString>

namespace report {

// A .docx file: an A4 WordprocessingML document with one page header and
// one page footer, zipped in memory. Opens in any word processor that reads
// Office Open XML.
class DocxPackage {
public:
    struct Parts {
        WordBody header;
        WordBody body;
        WordBody footer;
        QString title; // document property
        QString font = QStringLiteral("Arial");
        // JPEG files, stored as word/media/pictureN.jpeg; WordBody::picture(N)
        // shows the N-th (1-based).
        QList<QByteArray> pictures;
    };

    // The bytes of the .docx file. Throws ReportError when the archive
    // cannot be built.
    static QByteArray build(const Parts& parts);

    // The named parts of the zip archive, for tests that look inside.
    // Empty when `docx` is not a readable archive.
    static QList<QPair<QString, QByteArray>> unpack(const QByteArray& docx);
};

} // namespace report
