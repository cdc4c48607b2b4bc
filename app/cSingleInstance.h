// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One running program per user and settings folder. The first start claims a lock file and
// listens on a local socket beside it (in the user's runtime folder if only the user may enter
// it, else in a folder under the settings folder); a later start finds the
// lock held, sends its message to the socket and ends. A lock and socket left by a crashed
// instance are taken over, never a reason to refuse to start.
//
// Call order: Claim(); when it is false, Send() and end; when true, keep the object for the
// whole run and listen to MessageReceived.
#include "storage/cResult.h"

#include <QObject>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QLockFile;

class cSingleInstance : public QObject
{
    Q_OBJECT
public:
    // key is the path of the socket; the lock is key + ".lock".
    explicit cSingleInstance(QString key = DefaultKey(), QObject *parent = nullptr);
    ~cSingleInstance() override;

    // Derived from the user and the settings folder in use.
    static QString DefaultKey();
    // runtime when uid alone owns and may enter it, else fallback (made 0700 when missing).
    static QString InstanceFolder(const QString &runtime, const QString &fallback, uint uid);

    // True when this process is now the one instance; false when another one runs.
    bool Claim();
    // One message to the running instance; fails when it cannot be reached in time.
    [[nodiscard]] cResult Send(const QByteArray &message, int timeoutMs = 5000) const;

    static constexpr qsizetype kMaxMessageSize = 1 << 20;

signals:
    void MessageReceived(const QByteArray &message);

private:
    void Listen();
    void Accept();
    void Read(QLocalSocket *socket);

    QString fKey;
    std::unique_ptr<QLockFile> fLock;
    QLocalServer *fServer = nullptr;
};
