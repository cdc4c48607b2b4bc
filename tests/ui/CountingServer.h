// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A loopback web server that answers every request with a small red PNG and notes what was
// asked, and HTML that refers to it in every way HTML can: for proving that a view of a message
// fetches nothing unasked.
#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>
#include <QWidget>

#include <algorithm>

inline QByteArray pngBytes()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// How many pixels of what widget shows now are the test images' red.
inline int redPixels(QWidget &widget)
{
    const QImage shown = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
    int red = 0;
    for (int y = 0; y < shown.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(shown.constScanLine(y));
        red += int(std::count(line, line + shown.width(), qRgb(255, 0, 0)));
    }
    return red;
}

// Answers every request with a small PNG and notes its path.
class cCountingServer : public QTcpServer
{
public:
    cCountingServer()
    {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Answer(socket); });
        });
    }

    QString Base() const { return QStringLiteral("http://127.0.0.1:%1").arg(serverPort()); }
    QStringList paths;

private:
    void Answer(QTcpSocket *socket)
    {
        QByteArray &request = fRequests[socket];
        request += socket->readAll();
        // A TLS hello: the image was asked for over https, which this server does not speak.
        if (request.startsWith('\x16')) {
            paths.append(QStringLiteral("https"));
            socket->disconnectFromHost();
            return;
        }
        if (!request.contains("\r\n\r\n"))
            return;
        paths.append(QString::fromLatin1(request.split(' ').value(1)));
        const QByteArray body = pngBytes();
        socket->write("HTTP/1.1 200 OK\r\nContent-Type: image/png\r\nConnection: close\r\nContent-Length: "
                      + QByteArray::number(body.size()) + "\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QHash<QTcpSocket *, QByteArray> fRequests;
};

// Refers to base in every way HTML can; only the .png addresses are images. filler makes it as
// long as asked.
inline QString everyReference(const QString &base, const QString &filler = {})
{
    return QString::fromUtf16(uR"(<html><head><link rel="stylesheet" href="%1/style.css">
<meta http-equiv="refresh" content="0; url=%1/refresh">
<style>p { background-image: url('%1/css-bg.png') }</style></head>
<body><table background="%1/table-bg.png"><tr><td><p>Hello</p>%2
<img src="%1/img.png" srcset="%1/srcset.png 2x"><iframe src="%1/frame.html"></iframe>
<object data="%1/object.swf"></object><form action="%1/form"><input type="image" src="%1/input.png"></form>
<img src="file:///etc/hostname"></td></tr></table></body></html>)").arg(base, filler);
}

