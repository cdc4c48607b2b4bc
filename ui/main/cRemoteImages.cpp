// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cRemoteImages.h"

#include "ui/main/PreviewResources.h"
#include "ui/main/RemoteContent.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

cRemoteImages::cRemoteImages(QObject *parent) : QObject(parent) {}

// Made at the first fetch: a reader who never loads remote content never starts the network.
QNetworkAccessManager *cRemoteImages::Network()
{
    if (!fNetwork) {
        fNetwork = new QNetworkAccessManager(this);
        fNetwork->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
        fNetwork->setTransferTimeout(kTimeoutMs);
    }
    return fNetwork;
}

QImage cRemoteImages::Image(const QUrl &url)
{
    const auto found = fImages.constFind(url);
    if (found != fImages.constEnd())
        return *found;
    if (IsFetchableImageUrl(url) && fImages.size() < kMaxImages)
        Fetch(url);
    return RefusedImage();
}

void cRemoteImages::Forget()
{
    ++fGeneration;
    fPending = 0;
    fImages.clear();
    if (fNetwork) {
        for (QNetworkReply *reply : fNetwork->findChildren<QNetworkReply *>())
            reply->abort();
    }
}

void cRemoteImages::Fetch(const QUrl &url)
{
    fImages.insert(url, RefusedImage());
    ++fPending;
    QNetworkRequest request(FetchedUrl(url));
    request.setMaximumRedirectsAllowed(5);
    // No cookie goes with an image or comes back from it: they would tie one message to another.
    request.setAttribute(QNetworkRequest::CookieLoadControlAttribute, QNetworkRequest::Manual);
    request.setAttribute(QNetworkRequest::CookieSaveControlAttribute, QNetworkRequest::Manual);
    QNetworkReply *reply = Network()->get(request);
    // A reply larger than any image we show is not read to its end.
    const auto tooLarge = [reply](qint64 size) {
        if (size > kMaxInlineImageBytes)
            reply->abort();
    };
    connect(reply, &QNetworkReply::downloadProgress, reply, [tooLarge](qint64 received, qint64 total) {
        tooLarge(std::max(received, total));
    });
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, url, generation = fGeneration] { Finished(reply, url, generation); });
}

void cRemoteImages::Finished(QNetworkReply *reply, const QUrl &url, int generation)
{
    reply->deleteLater();
    if (generation != fGeneration)
        return;
    if (reply->error() == QNetworkReply::NoError)
        fImages.insert(url, BoundedImage(reply->readAll()));
    if (--fPending == 0)
        emit Arrived();
}
