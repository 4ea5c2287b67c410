// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "import/ImportedList.h"
#include "import/ListFile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QIODevice;

namespace importer {

// A list file read line by line with bounded memory: the file is never held
// whole, so a list of a million records costs no more memory than one of a
// hundred. The rules are those of ListFile::decode.
//
// open() examines the file in two passes — its bytes for the encoding, then
// its lines up to the name line, which decide its kind — and rewinds; next()
// then hands out every line from the first. A refusal found late (a control
// character near the end of a big file) comes from next(); the caller drops
// whatever it built from the earlier lines.
class ListFileStream {
public:
    // `device` must be open for reading and seekable (a file or a buffer).
    explicit ListFileStream(QIODevice& device);
    ~ListFileStream();
    ListFileStream(const ListFileStream&) = delete;
    ListFileStream& operator=(const ListFileStream&) = delete;

    // False when the file is no list file (refusal()) or cannot be read
    // (readError()).
    bool open();
    const QString& refusal() const { return m_refusal; }
    const QString& readError() const { return m_readError; }

    ListFile::Kind kind() const { return m_kind; }
    SourceFormat format() const { return m_format; }
    int typeLine() const { return m_typeLine; } // from 0; -1 for a handheld file
    int nameLine() const { return m_nameLine; } // from 0
    const QString& nameLineText() const { return m_nameLineText; }

    // The next line, without its line break. False at the end of the file,
    // on a refusal and on a read error.
    bool next(QString& line);
    // Lines handed out so far; the index of the next line.
    qint64 lineCount() const { return m_lineCount; }
    // How far into the file the reading is, and its size, for a progress display.
    qint64 bytesRead() const;
    qint64 size() const;
    // At the end of the file: whether its last line ended with a line break.
    bool endedWithLineBreak() const { return m_endedWithBreak; }

private:
    enum class Encoding { SingleByte, Utf8, Utf16LE, Utf16BE };
    class Splitter;

    bool examineBytes();
    // The encoding a byte-order mark or the NULs of UTF-16 show; false when
    // the start of the file shows none.
    bool markedEncoding(const QByteArray& head);
    // Reads the whole file to tell UTF-8 from ANSI text; refuses a NUL.
    bool scanEncoding();
    bool findNameLine();
    void rewind(bool cp437);
    bool fail(const QString& refusal);

    QIODevice& m_device;
    Encoding m_encoding = Encoding::SingleByte;
    qsizetype m_skip = 0; // byte-order mark
    std::unique_ptr<Splitter> m_splitter;
    QString m_refusal;
    QString m_readError;
    ListFile::Kind m_kind = ListFile::Kind::Handheld;
    SourceFormat m_format = SourceFormat::EG10;
    int m_typeLine = -1;
    int m_nameLine = -1;
    QString m_nameLineText;
    qint64 m_lineCount = 0;
    bool m_endedWithBreak = true;
};

} // namespace importer
