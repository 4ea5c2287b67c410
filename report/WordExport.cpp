// SPDX-License-Identifier: GPL-3.0-or-later
#include "WordExport.h"

#include "AssortmentSummary.h"
#include "DocumentFiles.h"
#include "ReportError.h"
#include "WordDocument.h"

#include "store/SettingKeys.h"

#include <QDir>

namespace report {

WordExport::WordExport(store::Database& holz, WorkCopy& work, QList<store::HolzartRow> species)
    : m_holz(&holz), m_work(&work), m_species(std::move(species))
{
}

QString WordExport::writeOne(const store::ListenRow& list, std::optional<int> lot, const LotPlaces& places,
                             const Options& options)
{
    WordDocument::Content content;
    content.rows = m_work->rows();
    if (content.rows.isEmpty())
        return QString();
    content.heading = headingFor(options.heading, list.Liste);
    content.list = list;
    content.lot = lot;
    content.codes = HolzartCodes(m_species);
    content.today = options.today;
    content.dezimalpunkt = options.dezimalpunkt;
    if (options.verdichtet)
        content.summary = AssortmentSummary::build(list.Liste, m_species, content.rows);
    // A lot's document names that lot's place only.
    content.places = places;
    if (lot) {
        content.places.places.removeIf([&](const LotPlaces::Place& place) { return place.lot != *lot; });
        content.places.photos.removeIf([&](const LotPlaces::Photo& photo) { return photo.lot != *lot; });
    }
    content.photoPages = options.photos;
    const QString path = QDir(options.folder).filePath(DocumentFiles::documentName(list.Liste, lot));
    DocumentFiles::save(path, WordDocument::build(content));
    return path;
}

QString WordExport::headingFor(const QString& typed, const QString& listName)
{
    if (typed.trimmed().isEmpty() || typed == QString::fromUtf8(store::keys::Ueberschrift.defaultValue))
        return listName;
    return typed;
}

QStringList WordExport::write(const store::ListenRow& list, const Options& options)
{
    if (!DocumentFiles::ensureFolder(options.folder))
        throw ReportError(QStringLiteral("Der Ordner „%1“ kann nicht angelegt werden.")
                              .arg(QDir::toNativeSeparators(options.folder)));
    // Read once: every lot's document takes its share of them.
    const LotPlaces places = LotPlaces::read(*m_holz, list.Liste);
    QStringList written;
    if (!options.losweise) {
        const QString path = writeOne(list, std::nullopt, places, options);
        if (!path.isEmpty())
            written << path;
        return written;
    }

    // Every lot that has records, lot 0 included: none may be left out of the documents.
    const QList<int> lots = m_work->lots();
    struct Restore {
        WorkCopy* work;
        store::Database* holz;
        QString list;
        ~Restore()
        {
            try {
                work->takeOver(*holz, list);
            } catch (...) {
                // The caller reports the first error; the next take-over repairs the copy.
            }
        }
    } restore{m_work, m_holz, list.Liste};
    for (const int lot : lots) {
        m_work->takeOver(*m_holz, list.Liste, lot);
        const QString path = writeOne(list, lot, places, options);
        if (!path.isEmpty())
            written << path;
    }
    return written;
}

} // namespace report
