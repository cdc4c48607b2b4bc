// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cAutoconfig.h"

#include "transfer/HostNames.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cAutoconfig)
};

constexpr int kHighestPort = 65535;

std::optional<eVrxSecurity> SecurityOf(const QString &socketType)
{
    const QString type = socketType.toUpper();
    if (type == QLatin1String("SSL") || type == QLatin1String("TLS"))
        return eVrxSecurity::Tls;
    if (type == QLatin1String("STARTTLS"))
        return eVrxSecurity::StartTls;
    if (type == QLatin1String("PLAIN"))
        return eVrxSecurity::None;
    return std::nullopt;
}

QString WithAddress(QString text, const QString &address)
{
    const qsizetype at = address.indexOf(QLatin1Char('@'));
    text.replace(QLatin1String("%EMAILADDRESS%"), address);
    text.replace(QLatin1String("%EMAILLOCALPART%"), address.left(at));
    text.replace(QLatin1String("%EMAILDOMAIN%"), address.mid(at + 1).toLower());
    return text;
}

bool HasControlCharacter(const QString &text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format
               || c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph;
    });
}

bool IsHttps(const QString &text)
{
    const QUrl url(text);
    return url.isValid() && url.scheme() == QLatin1String("https") && !url.host().isEmpty();
}

bool OnlyOAuth(const QStringList &authentication)
{
    return !authentication.isEmpty()
           && std::all_of(authentication.begin(), authentication.end(),
                          [](const QString &a) { return a.compare(QLatin1String("OAuth2"), Qt::CaseInsensitive) == 0; });
}

} // namespace

cResultOf<cAutoconfig> cAutoconfig::Parse(const QByteArray &xml, const QString &where)
{
    cAutoconfig config;
    config.fWhere = where;
    QXmlStreamReader reader(xml);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("clientConfig"))
        return cResult::Failed(eFailure::Format, cTexts::tr("\"%1\" is no mail settings file.").arg(where));
    while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("emailProvider"))
            config.readProvider(reader);
        else if (reader.name() == QLatin1String("oAuth2"))
            config.fOAuth2 = readOAuth2(reader);
        else
            reader.skipCurrentElement();
    }
    if (reader.hasError())
        return cResult::Failed(eFailure::Format, cTexts::tr("The mail settings file \"%1\" cannot be read: %2 (line %3).")
                                                     .arg(where, reader.errorString())
                                                     .arg(reader.lineNumber()));
    return config;
}

cResultOf<cAutoconfig> cAutoconfig::ProviderTable()
{
    const QString path = QStringLiteral(":/ravelin/providers.xml");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("The provider table \"%1\" cannot be read: %2").arg(path, file.errorString()));
    return Parse(file.readAll(), cTexts::tr("the provider table"));
}

cOAuth2Settings cAutoconfig::ProviderOAuth2(const QString &address)
{
    const cResultOf<cAutoconfig> table = ProviderTable();
    const std::optional<cFoundSettings> found =
        table ? table.value().SettingsFor(address, AddressDomain(address), false) : std::nullopt;
    return found ? found->oAuth2 : cOAuth2Settings{};
}

void cAutoconfig::readProvider(QXmlStreamReader &xml)
{
    cProvider provider;
    while (xml.readNextStartElement()) {
        const bool incoming = xml.name() == QLatin1String("incomingServer");
        const bool outgoing = xml.name() == QLatin1String("outgoingServer");
        const QString type = xml.attributes().value(QLatin1String("type")).toString();
        if (xml.name() == QLatin1String("domain"))
            provider.domains.append(xml.readElementText().trimmed().toLower());
        else if (incoming && type == QLatin1String("pop3"))
            provider.pop3.append(readServer(xml));
        else if (outgoing && type == QLatin1String("smtp"))
            provider.smtp.append(readServer(xml));
        else if (xml.name() == QLatin1String("oAuth2"))
            provider.oAuth2 = readOAuth2(xml);
        else
            xml.skipCurrentElement();
    }
    fProviders.append(provider);
}

cAutoconfig::cServerEntry cAutoconfig::readServer(QXmlStreamReader &xml)
{
    cServerEntry entry;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        if (name == QLatin1String("hostname"))
            entry.host = xml.readElementText().trimmed();
        else if (name == QLatin1String("port"))
            entry.port = xml.readElementText().trimmed();
        else if (name == QLatin1String("socketType"))
            entry.socketType = xml.readElementText().trimmed();
        else if (name == QLatin1String("username"))
            entry.userName = xml.readElementText().trimmed();
        else if (name == QLatin1String("authentication"))
            entry.authentication.append(xml.readElementText().trimmed());
        else
            xml.skipCurrentElement();
    }
    return entry;
}

std::optional<cOAuth2Settings> cAutoconfig::readOAuth2(QXmlStreamReader &xml)
{
    cOAuth2Settings settings;
    while (xml.readNextStartElement()) {
        const auto name = xml.name();
        const QString text = xml.readElementText().trimmed();
        if (name == QLatin1String("authURL"))
            settings.authUrl = text;
        else if (name == QLatin1String("tokenURL"))
            settings.tokenUrl = text;
        else if (name == QLatin1String("revokeURL"))
            settings.revokeUrl = text;
        else if (name == QLatin1String("scope"))
            settings.scope = text.simplified();
    }
    if (!IsHttps(settings.authUrl) || !IsHttps(settings.tokenUrl) || HasControlCharacter(settings.scope))
        return std::nullopt;
    if (!IsHttps(settings.revokeUrl))
        settings.revokeUrl.clear();
    return settings;
}

std::optional<cServerSetting> cAutoconfig::usable(const cServerEntry &entry, const QString &address, bool oAuth2Known,
                                                  QString &why)
{
    cServerSetting setting;
    setting.host = WithAddress(entry.host, address).toLower();
    bool isNumber = false;
    setting.port = entry.port.toInt(&isNumber);
    const std::optional<eVrxSecurity> security = SecurityOf(entry.socketType);
    setting.userName = WithAddress(entry.userName, address);
    if (!IsHostName(setting.host))
        why = cTexts::tr("the server name is no host name");
    else if (!isNumber || setting.port < 1 || setting.port > kHighestPort)
        why = cTexts::tr("the port is no port number");
    else if (!security)
        why = cTexts::tr("the kind of security is unknown");
    else if (HasControlCharacter(setting.userName))
        why = cTexts::tr("the user name holds control characters");
    else if (OnlyOAuth(entry.authentication) && !oAuth2Known)
        why = cTexts::tr("it signs in with OAuth2 only, and the file names no OAuth2 addresses");
    if (!why.isEmpty())
        return std::nullopt;
    setting.security = *security;
    setting.oAuth2Only = OnlyOAuth(entry.authentication);
    return setting;
}

QList<cServerSetting> cAutoconfig::usable(const QList<cServerEntry> &entries, const QString &address, bool oAuth2Known,
                                          QStringList &notes) const
{
    QList<cServerSetting> settings;
    for (const cServerEntry &entry : entries) {
        QString why;
        if (const std::optional<cServerSetting> setting = usable(entry, address, oAuth2Known, why))
            settings.append(*setting);
        else
            notes.append(cTexts::tr("%1: a server was left out: %2.").arg(fWhere, why));
    }
    return settings;
}

std::optional<cFoundSettings> cAutoconfig::SettingsFor(const QString &address, const QString &domain,
                                                       bool anyDomain) const
{
    for (const cProvider &provider : fProviders) {
        if (!anyDomain && !provider.domains.contains(domain.toLower()))
            continue;
        cFoundSettings found;
        found.source = fWhere;
        const std::optional<cOAuth2Settings> oAuth2 = provider.oAuth2 ? provider.oAuth2 : fOAuth2;
        found.oAuth2 = oAuth2.value_or(cOAuth2Settings{});
        found.pop3 = usable(provider.pop3, address, oAuth2.has_value(), found.notes);
        found.smtp = usable(provider.smtp, address, oAuth2.has_value(), found.notes);
        if (!found.pop3.isEmpty() && !found.smtp.isEmpty())
            return found;
    }
    return std::nullopt;
}
