// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cSingleInstance.h"

#include "storage/PrivateFiles.h"
#include "storage/SettingsPaths.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>
#include <unistd.h>

using namespace Qt::StringLiterals;

QString cSingleInstance::InstanceFolder(const QString &runtime, const QString &fallback, uint uid)
{
    if (!runtime.isEmpty() && IsPrivateFolder(runtime, uid))
        return runtime;
    (void)MakePrivateFolder(fallback);
    return fallback;
}

cSingleInstance::cSingleInstance(QString key, QObject *parent) : QObject(parent), fKey(std::move(key)) {}

cSingleInstance::~cSingleInstance() = default;

QString cSingleInstance::DefaultKey()
{
    const QByteArray folderHash =
        QCryptographicHash::hash(ProgramFolder().toUtf8(), QCryptographicHash::Sha256).toHex().left(16);
    const QString folder = InstanceFolder(qEnvironmentVariable("XDG_RUNTIME_DIR"),
                                          ProgramFolder() + u"/run"_s, ::getuid());
    return folder + u"/ravelin-%1-%2"_s.arg(::getuid()).arg(QString::fromLatin1(folderHash));
}

bool cSingleInstance::Claim()
{
    fLock = std::make_unique<QLockFile>(fKey + u".lock"_s);
    // A lock is stale only when its process is gone, however old it is.
    fLock->setStaleLockTime(0);
    if (!fLock->tryLock(0) && fLock->error() == QLockFile::LockFailedError)
        return false;
    (void)QFile::setPermissions(fLock->fileName(), kPrivateFileMode);
    Listen();
    return true;
}

void cSingleInstance::Listen()
{
    // Whatever socket is there was left by an instance that no longer holds the lock.
    QLocalServer::removeServer(fKey);
    fServer = new QLocalServer(this);
    fServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(fServer, &QLocalServer::newConnection, this, &cSingleInstance::Accept);
    if (!fServer->listen(fKey))
        qWarning("Ravelin: cannot listen on %s for later starts: %s", qPrintable(fKey),
                 qPrintable(fServer->errorString()));
}

void cSingleInstance::Accept()
{
    while (QLocalSocket *socket = fServer->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { Read(socket); });
        Read(socket);
    }
}

void cSingleInstance::Read(QLocalSocket *socket)
{
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxMessageSize)
            socket->abort();
        return;
    }
    QByteArray message = socket->readLine(kMaxMessageSize);
    message.chop(1);
    socket->disconnectFromServer();
    emit MessageReceived(message);
}

cResult cSingleInstance::Send(const QByteArray &message, int timeoutMs) const
{
    const QDeadlineTimer deadline(timeoutMs);
    QLocalSocket socket;
    // The running instance may hold the lock a moment before it listens.
    do {
        socket.connectToServer(fKey);
        if (socket.waitForConnected(int(deadline.remainingTime())))
            break;
        QThread::msleep(20);
    } while (!deadline.hasExpired());
    if (socket.state() != QLocalSocket::ConnectedState)
        return cResult::Failed(eFailure::Network, QObject::tr("The running Ravelin does not answer at %1: %2")
                                                      .arg(fKey, socket.errorString()));
    socket.write(message + '\n');
    if (!socket.waitForBytesWritten(int(deadline.remainingTime())))
        return cResult::Failed(eFailure::Network, QObject::tr("The request could not be handed to the running "
                                                              "Ravelin at %1: %2")
                                                      .arg(fKey, socket.errorString()));
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        (void)socket.waitForDisconnected(int(deadline.remainingTime()));
    return cResult::Ok();
}
