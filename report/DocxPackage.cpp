// SPDX-License-Identifier: GPL-3.0-or-later
#include "DocxPackage.h"

#include "ReportError.h"

#include <QDateTime>
#include <zip.h>

#include <memory>

namespace report {
namespace {

constexpr char Namespaces[] =
    "xmlns:w=\"http://schemas.openxmlformats.org/wordprocessingml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\" "
    "xmlns:wp=\"http://schemas.openxmlformats.org/drawingml/2006/wordprocessingDrawing\" "
    "xmlns:a=\"http://schemas.openxmlformats.org/drawingml/2006/main\" "
    "xmlns:pic=\"http://schemas.openxmlformats.org/drawingml/2006/picture\"";
constexpr char XmlHead[] = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\n";

QByteArray contentTypes()
{
    return QByteArray(XmlHead) +
           "<Types xmlns=\"http://schemas.openxmlformats.org/package/2006/content-types\">"
           "<Default Extension=\"rels\" "
           "ContentType=\"application/vnd.openxmlformats-package.relationships+xml\"/>"
           "<Default Extension=\"xml\" ContentType=\"application/xml\"/>"
           "<Default Extension=\"jpeg\" ContentType=\"image/jpeg\"/>"
           "<Override PartName=\"/word/document.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.document.main+xml\"/>"
           "<Override PartName=\"/word/styles.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.styles+xml\"/>"
           "<Override PartName=\"/word/settings.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.settings+xml\"/>"
           "<Override PartName=\"/word/header1.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.header+xml\"/>"
           "<Override PartName=\"/word/footer1.xml\" ContentType=\"application/"
           "vnd.openxmlformats-officedocument.wordprocessingml.footer+xml\"/>"
           "<Override PartName=\"/docProps/core.xml\" ContentType=\"application/"
           "vnd.openxmlformats-package.core-properties+xml\"/>"
           "</Types>";
}

QByteArray packageRelations()
{
    return QByteArray(XmlHead) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rId1\" "
           "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/"
           "officeDocument\" Target=\"word/document.xml\"/>"
           "<Relationship Id=\"rId2\" Type=\"http://schemas.openxmlformats.org/package/2006/relationships/"
           "metadata/core-properties\" Target=\"docProps/core.xml\"/>"
           "</Relationships>";
}

QByteArray documentRelations(qsizetype pictures)
{
    QByteArray media;
    for (qsizetype i = 1; i <= pictures; ++i)
        media += "<Relationship Id=\"rIdPicture" + QByteArray::number(i) +
                 "\" Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/image\" "
                 "Target=\"media/picture" + QByteArray::number(i) + ".jpeg\"/>";
    const QByteArray base = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    return QByteArray(XmlHead) +
           "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
           "<Relationship Id=\"rIdStyles\" Type=\"" +
           base +
           "styles\" Target=\"styles.xml\"/>"
           "<Relationship Id=\"rIdSettings\" Type=\"" +
           base +
           "settings\" Target=\"settings.xml\"/>"
           "<Relationship Id=\"rIdH1\" Type=\"" +
           base +
           "header\" Target=\"header1.xml\"/>"
           "<Relationship Id=\"rIdF1\" Type=\"" +
           base +
           "footer\" Target=\"footer1.xml\"/>" +
           media + "</Relationships>";
}

QByteArray styles(const QString& font)
{
    const QByteArray name = WordBody::escape(font);
    return QByteArray(XmlHead) + "<w:styles " + Namespaces +
           "><w:docDefaults><w:rPrDefault><w:rPr><w:rFonts w:ascii=\"" + name + "\" w:hAnsi=\"" + name +
           "\" w:cs=\"" + name +
           "\"/><w:sz w:val=\"20\"/><w:szCs w:val=\"20\"/><w:lang w:val=\"de-DE\"/></w:rPr></w:rPrDefault>"
           "<w:pPrDefault><w:pPr><w:spacing w:after=\"0\" w:line=\"240\" w:lineRule=\"auto\"/></w:pPr>"
           "</w:pPrDefault></w:docDefaults>"
           "<w:style w:type=\"paragraph\" w:default=\"1\" w:styleId=\"Standard\"><w:name w:val=\"Normal\"/>"
           "</w:style></w:styles>";
}

QByteArray settings()
{
    // 1.25 cm default tab stop; fields (page numbers) are updated on opening.
    return QByteArray(XmlHead) + "<w:settings " + Namespaces +
           "><w:defaultTabStop w:val=\"709\"/><w:characterSpacingControl w:val=\"doNotCompress\"/>"
           "</w:settings>";
}

QByteArray core(const QString& title)
{
    const QByteArray now = QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toUtf8();
    return QByteArray(XmlHead) +
           "<cp:coreProperties "
           "xmlns:cp=\"http://schemas.openxmlformats.org/package/2006/metadata/core-properties\" "
           "xmlns:dc=\"http://purl.org/dc/elements/1.1/\" xmlns:dcterms=\"http://purl.org/dc/terms/\" "
           "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\">"
           "<dc:title>" +
           WordBody::escape(title) +
           "</dc:title><dc:creator>Stemprint</dc:creator>"
           "<dcterms:created xsi:type=\"dcterms:W3CDTF\">" +
           now +
           "</dcterms:created>"
           "</cp:coreProperties>";
}

QByteArray document(const WordBody& body)
{
    // A4 portrait; the page header sits in the 2.5 cm top margin.
    return QByteArray(XmlHead) + "<w:document " + Namespaces + "><w:body>" + body.xml() +
           "<w:sectPr><w:headerReference w:type=\"default\" r:id=\"rIdH1\"/>"
           "<w:footerReference w:type=\"default\" r:id=\"rIdF1\"/>"
           "<w:pgSz w:w=\"11906\" w:h=\"16838\"/>"
           "<w:pgMar w:top=\"1418\" w:right=\"1134\" w:bottom=\"851\" w:left=\"1134\" w:header=\"454\" "
           "w:footer=\"397\" w:gutter=\"0\"/></w:sectPr></w:body></w:document>";
}

QByteArray headerFooter(const char* element, const WordBody& content)
{
    // A header or footer needs at least one paragraph.
    const QByteArray xml = content.isEmpty() ? QByteArray("<w:p/>") : content.xml();
    return QByteArray(XmlHead) + "<w:" + element + " " + Namespaces + ">" + xml + "</w:" + element + ">";
}

struct ZipDeleter {
    void operator()(zip_t* archive) const { zip_discard(archive); }
};
struct SourceDeleter {
    void operator()(zip_source_t* source) const { zip_source_free(source); }
};

[[noreturn]] void fail(const char* what, zip_error_t* error)
{
    throw ReportError(QStringLiteral("Das Dokument konnte nicht zusammengestellt werden (%1: %2).")
                          .arg(QString::fromUtf8(what), QString::fromUtf8(zip_error_strerror(error))));
}

} // namespace

QByteArray DocxPackage::build(const Parts& parts)
{
    QList<QPair<QByteArray, QByteArray>> files{
        {"[Content_Types].xml", contentTypes()},
        {"_rels/.rels", packageRelations()},
        {"docProps/core.xml", core(parts.title)},
        {"word/_rels/document.xml.rels", documentRelations(parts.pictures.size())},
        {"word/document.xml", document(parts.body)},
        {"word/styles.xml", styles(parts.font)},
        {"word/settings.xml", settings()},
        {"word/header1.xml", headerFooter("hdr", parts.header)},
        {"word/footer1.xml", headerFooter("ftr", parts.footer)},
    };
    for (qsizetype i = 0; i < parts.pictures.size(); ++i)
        files.append({"word/media/picture" + QByteArray::number(i + 1) + ".jpeg", parts.pictures.at(i)});

    zip_error_t error;
    zip_error_init(&error);
    std::unique_ptr<zip_source_t, SourceDeleter> target(zip_source_buffer_create(nullptr, 0, 0, &error));
    if (!target)
        fail("Puffer", &error);
    std::unique_ptr<zip_t, ZipDeleter> archive(zip_open_from_source(target.get(), ZIP_TRUNCATE, &error));
    if (!archive)
        fail("Archiv", &error);
    // The archive now owns the buffer and frees it when closed; keep it, the bytes are read afterwards.
    zip_source_keep(target.get());
    for (const auto& [name, bytes] : files) {
        zip_source_t* source =
            zip_source_buffer(archive.get(), bytes.constData(), zip_uint64_t(bytes.size()), 0);
        if (!source)
            fail(name.constData(), zip_get_error(archive.get()));
        const zip_int64_t index =
            zip_file_add(archive.get(), name.constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE);
        if (index < 0) {
            zip_source_free(source);
            fail(name.constData(), zip_get_error(archive.get()));
        }
        // Fast deflate: the parts are repetitive XML that compresses well at any level.
        // Pictures are compressed already and are stored as they are.
        zip_set_file_compression(archive.get(), zip_uint64_t(index),
                                 name.startsWith("word/media/") ? ZIP_CM_STORE : ZIP_CM_DEFLATE,
                                 name.startsWith("word/media/") ? 0 : 1);
    }
    // zip_close reads the part buffers, which `files` keeps alive until here.
    if (zip_close(archive.get()) != 0)
        fail("Schreiben", zip_get_error(archive.get()));
    archive.release();

    QByteArray result;
    if (zip_source_open(target.get()) != 0)
        fail("Lesen", zip_source_error(target.get()));
    char buffer[65536];
    zip_int64_t n;
    while ((n = zip_source_read(target.get(), buffer, sizeof buffer)) > 0)
        result.append(buffer, qsizetype(n));
    zip_source_close(target.get());
    if (n < 0)
        fail("Lesen", zip_source_error(target.get()));
    return result;
}

QList<QPair<QString, QByteArray>> DocxPackage::unpack(const QByteArray& docx)
{
    QList<QPair<QString, QByteArray>> parts;
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(docx.constData(), zip_uint64_t(docx.size()), 0, &error);
    if (!source)
        return parts;
    zip_t* archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!archive) {
        zip_source_free(source);
        return parts;
    }
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0);
        if (!file || zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0) {
            if (file)
                zip_fclose(file);
            continue;
        }
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t read = zip_fread(file, bytes.data(), stat.size);
        zip_fclose(file);
        if (read == zip_int64_t(stat.size))
            parts.append({QString::fromUtf8(stat.name), bytes});
    }
    zip_discard(archive);
    return parts;
}

} // namespace report
