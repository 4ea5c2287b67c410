// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLockFile;

namespace platform {

// The report program's name on the activation channel; the recording
// program uses it to bring a running report program to the front.
inline constexpr char ReportProgramName[] = "Stemprint";

// One running copy of a program per user. The first start becomes the
// primary: it holds a lock file and listens on a local socket. A later
// start finds the lock taken, asks the primary to come to the front and
// ends. The lock file is what decides (a crashed primary leaves a stale
// lock that QLockFile recognises by its process id); the socket only
// carries the request.
class SingleInstance : public QObject {
    Q_OBJECT
public:
    explicit SingleInstance(QObject* parent = nullptr);
    ~SingleInstance() override;

    // "<program>-<user>": one channel per user and program.
    static QString channelName(const QString& program);

    // True when this process is now the primary for `name` and listens for
    // activation requests; false when another process already is.
    bool tryBecomePrimary(const QString& name);
    bool isPrimary() const { return m_server != nullptr; }

    // Asks the primary of `name` to come to the front, and to open `file`
    // when one is given. True when one answered within the timeout.
    static bool activateRunning(const QString& name, int timeoutMs = 2000, const QString& file = QString());

signals:
    // Another start asked this (primary) process to show its window.
    void activationRequested();
    // Another start was given a file to open; activationRequested follows.
    void openRequested(const QString& file);

private:
    void acceptConnections();

    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};

} // namespace platform
