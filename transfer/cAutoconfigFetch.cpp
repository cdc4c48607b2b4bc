// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cAutoconfigFetch.h"

#include "transfer/StoppableWait.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>

#include <memory>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cAutoconfigFetch)
};

} // namespace

cResultOf<QByteArray> cAutoconfigFetch::Get(const QUrl &url, const QString &hostHeader, int timeoutMs,
                                           const std::function<bool()> &stopped)
{
    QNetworkAccessManager network;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    if (!hostHeader.isEmpty())
        request.setRawHeader("Host", hostHeader.toLatin1());
    std::unique_ptr<QNetworkReply> reply;
    QByteArray body;
    bool tooLarge = false;
    const auto take = [&] {
        body += reply->read(kMaxBytes + 1 - body.size());
        tooLarge = tooLarge || body.size() > kMaxBytes;
        if (tooLarge)
            reply->abort();
    };
    const auto start = [&] {
        reply.reset(network.get(request));
        QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), take);
    };
    const bool finished = WaitUntil(&network, &QNetworkAccessManager::finished, start, timeoutMs, stopped);
    const QString where = url.toDisplayString();
    if (!finished) {
        reply->abort();
        if (stopped && stopped())
            return cResult::Failed(eFailure::Cancelled, cTexts::tr("Stopped while asking %1.").arg(where));
        return cResult::Failed(eFailure::Network, cTexts::tr("%1 did not answer in time.").arg(where));
    }
    if (!tooLarge && reply->error() == QNetworkReply::NoError)
        take();
    if (tooLarge)
        return cResult::Failed(eFailure::Format, cTexts::tr("%1 sent more than %2 KB.").arg(where).arg(kMaxBytes / 1024));
    if (reply->error() != QNetworkReply::NoError)
        return cResult::Failed(eFailure::Network, QStringLiteral("%1: %2").arg(where, reply->errorString()));
    return body;
}
