#include "ListFileReader.h"

#include "HandheldReader.h"
#include "ListBuilder.h"
#include "TransferReader.h"

namespace importer {

QString ListFileReader::listName(const ListFile::Text& text)
{
    if (text.nameLine < 0 || text.nameLine >= text.lines.size())
        return QString();
    const QString& line = text.lines.at(text.nameLine);
    return text.kind == ListFile::Kind::Handheld ? HandheldReader::listName(line)
                                                 : TransferReader::listName(line);
}

ListFileReader::Result ListFileReader::read(const ListFile::Text& text)
{
    Result result;
    const QString name = listName(text);
    if (name.isEmpty()) {
        result.refusal = QStringLiteral("Die Zeile „0A“ enthält keinen Listennamen.");
        return result;
    }
    ImportedList list;
    list.format = text.format;
    list.header.Liste = name;
    list.header.Bearbeitet = QDate::currentDate();
    list.records.reserve(size_t(text.lines.size()));
    ListBuilder builder(list, m_species, m_useCodes, m_bark);
    if (text.kind == ListFile::Kind::Handheld)
        HandheldReader(builder).Handliste_Lesen(text.lines, text.nameLine, m_progress);
    else
        TransferReader(builder, text.format).read(text.lines, text.typeLine, text.nameLine, m_progress);
    result.list = std::move(list);
    return result;
}

ListFileReader::Result ListFileReader::Datei_Lesen(const QByteArray& bytes)
{
    const ListFile::Decoded decoded = ListFile::decode(bytes);
    if (!decoded.text)
        return {std::nullopt, decoded.refusal};
    return read(*decoded.text);
}

} // namespace importer
