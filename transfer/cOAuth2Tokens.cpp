// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cOAuth2Tokens.h"

#include <QCoreApplication>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cOAuth2Tokens)
};

constexpr int kEarlyRefreshSeconds = 60;
constexpr int kAssumedLifetimeSeconds = 3600;
const QLatin1StringView kAccessKey("access_token");
const QLatin1StringView kRefreshKey("refresh_token");
const QLatin1StringView kExpiresKey("expires_at");

// RFC 6750 section 2.1: what a bearer token may hold; it travels inside protocol lines.
bool IsBearerToken(const QByteArray &token)
{
    static const QRegularExpression b64token(QStringLiteral("^[A-Za-z0-9._~+/-]+=*$"));
    return token.size() <= 8192 && b64token.match(QString::fromLatin1(token)).hasMatch();
}

QByteArray Text(const QJsonObject &json, QLatin1StringView key)
{
    return json.value(key).toString().toUtf8();
}

} // namespace

bool cOAuth2Tokens::AccessUsable(const QDateTime &now) const
{
    return !access.isEmpty() && expires.isValid() && now.addSecs(kEarlyRefreshSeconds) < expires;
}

QByteArray cOAuth2Tokens::ToSecret() const
{
    QJsonObject json{{kAccessKey, QString::fromUtf8(access)}, {kRefreshKey, QString::fromUtf8(refresh)}};
    if (expires.isValid())
        json.insert(kExpiresKey, expires.toSecsSinceEpoch());
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

cOAuth2Tokens cOAuth2Tokens::FromSecret(const QByteArray &secret)
{
    const QJsonObject json = QJsonDocument::fromJson(secret).object();
    cOAuth2Tokens tokens{Text(json, kAccessKey), Text(json, kRefreshKey), {}};
    if (json.contains(kExpiresKey))
        tokens.expires = QDateTime::fromSecsSinceEpoch(json.value(kExpiresKey).toInteger(), Qt::UTC);
    return tokens;
}

cResultOf<cOAuth2Tokens> cOAuth2Tokens::FromTokenAnswer(int httpStatus, const QByteArray &body,
                                                        const cOAuth2Tokens &previous, const QDateTime &now,
                                                        const QString &where)
{
    const QJsonObject json = QJsonDocument::fromJson(body).object();
    const QString error = json.value(QLatin1StringView("error")).toString();
    if (error == QLatin1StringView("invalid_grant"))
        return cResult::Failed(eFailure::Refused,
                               cTexts::tr("%1 no longer accepts the sign-in (it expired or was revoked): sign in again.").arg(where));
    if (!error.isEmpty() || httpStatus != 200)
        return cResult::Failed(eFailure::Server, cTexts::tr("%1 refused the token request (HTTP %2): %3 %4")
                                                     .arg(where)
                                                     .arg(httpStatus)
                                                     .arg(error, json.value(QLatin1StringView("error_description")).toString())
                                                     .trimmed());
    const QString type = json.value(QLatin1StringView("token_type")).toString();
    cOAuth2Tokens tokens{Text(json, kAccessKey), Text(json, kRefreshKey), {}};
    if (!IsBearerToken(tokens.access) || (!type.isEmpty() && type.compare(QLatin1StringView("bearer"), Qt::CaseInsensitive) != 0))
        return cResult::Failed(eFailure::Format, cTexts::tr("%1 answered without a usable bearer token.").arg(where));
    if (tokens.refresh.isEmpty())
        tokens.refresh = previous.refresh;
    // Some providers send the lifetime as a string.
    const qint64 lifetime = json.value(QLatin1StringView("expires_in")).toVariant().toLongLong();
    tokens.expires = now.addSecs(lifetime > 0 ? lifetime : kAssumedLifetimeSeconds);
    return tokens;
}
