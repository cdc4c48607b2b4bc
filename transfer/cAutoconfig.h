// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads the autoconfig XML format (a clientConfig with one or more emailProvider elements,
// each with its domains, POP3 incoming and SMTP outgoing servers) and gives the settings for
// an address. The file comes from a provider's web server or the bundled provider table:
// its values are data. A server whose host is no host name, whose port is out of range or
// whose security or login name cannot be used is left out and noted, never passed on.
//
// Call order: Parse, then SettingsFor per address.
#include "storage/cResult.h"
#include "transfer/cFoundSettings.h"

#include <QByteArray>
#include <QStringList>

#include <optional>

class QXmlStreamReader;

class cAutoconfig
{
public:
    // where names the file for error texts (a URL or a path).
    static cResultOf<cAutoconfig> Parse(const QByteArray &xml, const QString &where);
    // The provider table bundled with the program.
    static cResultOf<cAutoconfig> ProviderTable();
    // The provider table's OAuth2 addresses for the domain of address; empty when it names none.
    static cOAuth2Settings ProviderOAuth2(const QString &address);

    // The settings of the provider serving domain (any provider of the file when anyDomain,
    // as for a file fetched for that domain), with the address put in for the placeholders;
    // none when no provider fits or the one that does has no usable POP3 and SMTP server.
    std::optional<cFoundSettings> SettingsFor(const QString &address, const QString &domain, bool anyDomain) const;

private:
    // A server as written in the file, placeholders still in.
    struct cServerEntry
    {
        QString host;
        QString port;
        QString socketType;
        QString userName;
        QStringList authentication;
    };
    struct cProvider
    {
        QStringList domains;
        QList<cServerEntry> pop3;
        QList<cServerEntry> smtp;
        std::optional<cOAuth2Settings> oAuth2;
    };

    void readProvider(QXmlStreamReader &xml);
    static cServerEntry readServer(QXmlStreamReader &xml);
    // The endpoints of an <oAuth2> element; none unless both addresses are https.
    static std::optional<cOAuth2Settings> readOAuth2(QXmlStreamReader &xml);
    // The entry with the address put in; else why it cannot be used. A server that takes only
    // OAuth2 is usable when the provider's endpoints are known.
    static std::optional<cServerSetting> usable(const cServerEntry &entry, const QString &address, bool oAuth2Known,
                                                QString &why);
    QList<cServerSetting> usable(const QList<cServerEntry> &entries, const QString &address, bool oAuth2Known,
                                 QStringList &notes) const;

    QString fWhere;
    QList<cProvider> fProviders;
    // An <oAuth2> element beside the providers serves those without their own.
    std::optional<cOAuth2Settings> fOAuth2;
};
