// SPDX-License-Identifier: GPL-3.0-or-later
#include "ListFile.h"

#include "ListFileStream.h"

#include <QBuffer>

namespace importer {

std::optional<SourceFormat> ListFile::transferFormat(QStringView typeLine)
{
    qsizetype end = typeLine.size();
    while (end > 0 && typeLine[end - 1].isSpace())
        --end;
    const QStringView last = typeLine.first(end).right(6);
    if (last == QLatin1String("GERMAN"))
        return SourceFormat::Latschbacher;
    if (last == QLatin1String("Habsys") || last == QLatin1String("sys1.1") || last == QLatin1String("sys1.2"))
        return SourceFormat::Habsys;
    if (last == QLatin1String("ata1.2") || last == QLatin1String("ata1.3") || last == QLatin1String("ata1.4"))
        return SourceFormat::DekaData;
    if (last == QLatin1String("net1.0") || last == QLatin1String("net1.1") || last == QLatin1String("net1.2"))
        return SourceFormat::Timbernet;
    return std::nullopt;
}

ListFile::Decoded ListFile::decode(const QByteArray& bytes)
{
    QByteArray content(bytes); // QBuffer wants a non-const array; shares the data
    QBuffer buffer(&content);
    buffer.open(QIODevice::ReadOnly);
    ListFileStream stream(buffer);
    if (!stream.open())
        return {std::nullopt, stream.refusal()};
    Text result;
    result.kind = stream.kind();
    result.format = stream.format();
    result.typeLine = stream.typeLine();
    result.nameLine = stream.nameLine();
    QString line;
    while (stream.next(line))
        result.lines << line;
    if (!stream.refusal().isEmpty())
        return {std::nullopt, stream.refusal()};
    return {std::move(result), QString()};
}

} // namespace importer
