// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The remote images of the message shown, fetched only once the reader allowed them. The
// document asks for an image while it lays out (Image), which must not wait: the first ask
// starts a request and gives a blank placeholder; when the last request of the message has
// come or failed, Arrived tells the preview to lay the message out again, and every ask then
// finds its image here. Each request has a time-out and a size cap, only http and https are
// asked for, redirects never lead to a less safe scheme, and a message asks for at most
// kMaxImages. No cookies are sent or kept. Forget drops the message's images and any request still on its way.
#include <QHash>
#include <QImage>
#include <QObject>
#include <QUrl>

class QNetworkAccessManager;
class QNetworkReply;

class cRemoteImages : public QObject
{
    Q_OBJECT
public:
    static constexpr int kTimeoutMs = 20000;
    static constexpr int kMaxImages = 100;

    explicit cRemoteImages(QObject *parent = nullptr);

    QImage Image(const QUrl &url);
    // What Image answers now for every address asked for so far, for a lookup in another thread.
    QHash<QUrl, QImage> Known() const { return fImages; }
    void Forget();
    bool IsFetching() const { return fPending > 0; }

signals:
    void Arrived();

private:
    QNetworkAccessManager *Network();
    void Fetch(const QUrl &url);
    void Finished(QNetworkReply *reply, const QUrl &url, int generation);

    QNetworkAccessManager *fNetwork = nullptr;
    QHash<QUrl, QImage> fImages; // a placeholder while on its way or when it failed
    int fPending = 0;
    int fGeneration = 0;
};
