// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/LotPhotoFiles.h"

#include <QList>
#include <QStringList>

namespace store {

// The photo files one user action adds, moves or removes, kept in step with
// the action's transaction: the database must never name a file that is
// not there, and no file may stay behind that no row names.
//
//     Transaction transaction(db);
//     PhotoFileChanges files(LotPhotoFiles::of(db));
//     const QString name = files.stage(list, lot, source, &error); // copy under a hidden name
//     repository.insertPhoto({..., name, ...});
//     transaction.commit();
//     files.commit(); // the copy takes its name; removals and moves happen
//
// Left without commit() (the transaction failed), the object deletes its
// copies and touches nothing else.
class PhotoFileChanges {
public:
    explicit PhotoFileChanges(LotPhotoFiles files) : m_files(std::move(files)) {}
    ~PhotoFileChanges();
    PhotoFileChanges(const PhotoFileChanges&) = delete;
    PhotoFileChanges& operator=(const PhotoFileChanges&) = delete;

    const LotPhotoFiles& files() const { return m_files; }

    // Copies `source` into the lot's folder under a hidden name and returns
    // the name it gets on commit; an empty name and a German message when
    // it cannot be copied.
    QString stage(const QString& list, int lot, const QString& source, QString* error);
    void removeFile(const QString& list, int lot, const QString& name);
    void removeList(const QString& list);
    // A renamed list takes its photos along.
    void moveList(const QString& from, const QString& to);

    // Carries the changes out, after the transaction committed. Returns
    // what could not be done (German lines); the data is stored either way.
    QStringList commit();

private:
    struct Staged {
        QString temporary;
        QString final;
    };
    LotPhotoFiles m_files;
    QList<Staged> m_staged;
    QStringList m_removeFiles;
    QStringList m_removeFolders;
    QList<std::pair<QString, QString>> m_moves;
    bool m_committed = false;
};

} // namespace store
