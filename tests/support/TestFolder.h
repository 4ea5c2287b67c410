// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTemporaryDir>

namespace testing {

// A fresh folder per test case, removed afterwards.
class TestFolder {
public:
    TestFolder();
    QString path() const { return m_dir.path(); }
    QString file(const QString& name) const { return m_dir.filePath(name); }
    // Writes bytes to a file in the folder and returns its path.
    QString write(const QString& name, const QByteArray& bytes) const;

    // Path of a fixture under tests/data.
    static QString fixture(const QString& name);

private:
    QTemporaryDir m_dir;
};

} // namespace testing
