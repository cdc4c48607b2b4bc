// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A web server on a free loopback port for autoconfig tests: answers GET requests from files
// keyed by the Host header and path ("autoconfig.example.test/mail/config-v1.1.xml"), 404 for
// anything else, and keeps every request in order. It lives on the test's thread, so it answers
// while the code under test waits in its own event loop.
#include <QByteArray>
#include <QMap>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

class cLoopbackHttp
{
public:
    cLoopbackHttp()
    {
        fServer.listen(QHostAddress::LocalHost);
        QObject::connect(&fServer, &QTcpServer::newConnection, &fServer, [this] {
            while (QTcpSocket *socket = fServer.nextPendingConnection())
                serve(socket);
        });
    }

    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(fServer.serverPort()); }
    void Serve(const QString &hostAndPath, const QByteArray &body) { fFiles.insert(hostAndPath, body); }
    const QStringList &Requests() const { return fRequests; }

private:
    void serve(QTcpSocket *socket)
    {
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            fPending[socket] += socket->readAll();
            const QByteArray request = fPending.value(socket);
            if (!request.contains("\r\n\r\n"))
                return;
            fPending.remove(socket);
            answer(socket, request);
        });
    }

    void answer(QTcpSocket *socket, const QByteArray &request)
    {
        const QList<QByteArray> lines = request.split('\n');
        const QByteArray path = lines.value(0).split(' ').value(1).split('?').value(0);
        QByteArray host;
        for (const QByteArray &line : lines)
            if (line.toLower().startsWith("host:"))
                host = line.mid(5).trimmed();
        const QString key = QString::fromLatin1(host + path);
        fRequests.append(key);
        const bool known = fFiles.contains(key);
        const QByteArray body = fFiles.value(key, "not here");
        socket->write((known ? "HTTP/1.1 200 OK\r\n" : "HTTP/1.1 404 Not Found\r\n") + QByteArray("Content-Length: ")
                      + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer fServer;
    QMap<QString, QByteArray> fFiles;
    QMap<QTcpSocket *, QByteArray> fPending;
    QStringList fRequests;
};
