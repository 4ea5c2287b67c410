// SPDX-License-Identifier: GPL-3.0-or-later
#include "SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QRegularExpression>

namespace platform {
namespace {

constexpr char Request[] = "activate\n";
// "open " + the file's path, percent-encoded so that any name fits one line.
constexpr char OpenRequest[] = "open ";
constexpr char Reply[] = "ok\n";

QString userName()
{
    for (const char* variable : {"USER", "LOGNAME", "USERNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("user");
}

} // namespace

SingleInstance::SingleInstance(QObject* parent) : QObject(parent) {}

SingleInstance::~SingleInstance()
{
    if (m_server)
        m_server->close();
}

QString SingleInstance::channelName(const QString& program)
{
    // Socket names become file names in the temporary folder.
    QString user = userName();
    user.replace(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.-]")), QStringLiteral("_"));
    return program + QLatin1Char('-') + user;
}

bool SingleInstance::tryBecomePrimary(const QString& name)
{
    if (m_server)
        return true;
    auto lock = std::make_unique<QLockFile>(QDir::temp().filePath(name + QStringLiteral(".lock")));
    lock->setStaleLockTime(0); // only a dead owner makes a lock stale, never its age
    if (!lock->tryLock(0))
        return false;
    // A socket file left by a crashed primary would block listen().
    QLocalServer::removeServer(name);
    auto* server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        // Still the only copy (we hold the lock); activation by a second
        // start just will not work this time.
        qWarning("SingleInstance: cannot listen on %s: %s", qPrintable(name),
                 qPrintable(server->errorString()));
    }
    connect(server, &QLocalServer::newConnection, this, &SingleInstance::acceptConnections);
    m_lock = std::move(lock);
    m_server = server;
    return true;
}

void SingleInstance::acceptConnections()
{
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine();
                QString file;
                if (line.startsWith(OpenRequest) && line.endsWith('\n'))
                    file = QString::fromUtf8(QByteArray::fromPercentEncoding(
                        line.mid(qsizetype(sizeof OpenRequest) - 1).chopped(1)));
                else if (line != Request)
                    continue;
                socket->write(Reply);
                socket->flush();
                if (!file.isEmpty())
                    emit openRequested(file);
                emit activationRequested();
            }
        });
    }
}

bool SingleInstance::activateRunning(const QString& name, int timeoutMs, const QString& file)
{
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(timeoutMs))
        return false;
    if (file.isEmpty())
        socket.write(Request);
    else
        socket.write(OpenRequest + file.toUtf8().toPercentEncoding() + '\n');
    if (!socket.waitForBytesWritten(timeoutMs))
        return false;
    while (!socket.canReadLine()) {
        if (!socket.waitForReadyRead(timeoutMs))
            return false;
    }
    return socket.readLine() == Reply;
}

} // namespace platform
