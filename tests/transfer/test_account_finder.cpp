// SPDX-License-Identifier: GPL-3.0-or-later
// Finding server settings from an address: reading autoconfig files (hostile ones too), the
// bundled provider table, and the order of the sources against a loopback web server, a fake
// resolver and fake probes.
#include "tests/transfer/FakeMailDns.h"
#include "tests/transfer/LoopbackHttp.h"

#include "transfer/HostNames.h"
#include "transfer/cAccountFinder.h"
#include "transfer/cAutoconfig.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kAddress = QStringLiteral("jo.doe@example.test");

QByteArray Config(const QByteArray &pop3, const QByteArray &smtp, const QByteArray &domain = "example.test")
{
    return "<?xml version=\"1.0\"?>\n<clientConfig version=\"1.1\"><emailProvider id=\"x\"><domain>" + domain
           + "</domain>" + pop3 + smtp + "</emailProvider></clientConfig>";
}

QByteArray Server(const char *kind, const QByteArray &host, const QByteArray &port, const QByteArray &socketType,
                  const QByteArray &user = "%EMAILADDRESS%", const QByteArray &extra = {})
{
    const QByteArray type = QByteArray(kind) == "incomingServer" ? "pop3" : "smtp";
    return "<" + QByteArray(kind) + " type=\"" + type + "\"><hostname>" + host + "</hostname><port>" + port
           + "</port><socketType>" + socketType + "</socketType><username>" + user + "</username>" + extra + "</"
           + QByteArray(kind) + ">";
}

QByteArray Pop3(const QByteArray &host, const QByteArray &port = "995", const QByteArray &socketType = "SSL",
                const QByteArray &user = "%EMAILADDRESS%", const QByteArray &extra = {})
{
    return Server("incomingServer", host, port, socketType, user, extra);
}

QByteArray Smtp(const QByteArray &host, const QByteArray &port = "465", const QByteArray &socketType = "SSL")
{
    return Server("outgoingServer", host, port, socketType);
}

struct cParseCase
{
    const char *name;
    QByteArray pop3;
    QStringList expectedPop3; // "host:port:user"
    int notes;
};

QStringList Shown(const QList<cServerSetting> &servers)
{
    QStringList shown;
    for (const cServerSetting &s : servers)
        shown.append(QStringLiteral("%1:%2:%3").arg(s.host).arg(s.port).arg(s.userName));
    return shown;
}

} // namespace

TEST(Autoconfig, ServersAreTakenOnlyWhenEveryValueIsUsable)
{
    const QString good = QStringLiteral("pop.example.test:995:jo.doe@example.test");
    const QList<cParseCase> cases{
        {"placeholders are filled in", Pop3("pop.%EMAILDOMAIN%", "995", "SSL", "%EMAILADDRESS%"), {good}, 0},
        {"local part as user", Pop3("pop.example.test", "995", "SSL", "%EMAILLOCALPART%"),
         {QStringLiteral("pop.example.test:995:jo.doe")}, 0},
        {"a line break in the host", Pop3("pop.example.test&#10;pop3Server=evil") + Pop3("pop.example.test"), {good}, 1},
        {"a path as the host", Pop3("../../etc/passwd") + Pop3("pop.example.test"), {good}, 1},
        {"a URL as the host", Pop3("http://pop.example.test/") + Pop3("pop.example.test"), {good}, 1},
        {"port zero", Pop3("pop.example.test", "0") + Pop3("pop.example.test"), {good}, 1},
        {"port past the range", Pop3("pop.example.test", "70000") + Pop3("pop.example.test"), {good}, 1},
        {"port that is no number", Pop3("pop.example.test", "995x") + Pop3("pop.example.test"), {good}, 1},
        {"unknown security", Pop3("pop.example.test", "995", "maybe") + Pop3("pop.example.test"), {good}, 1},
        {"a line break in the user", Pop3("pop.example.test", "995", "SSL", "jo&#13;&#10;Password=x")
                                         + Pop3("pop.example.test"), {good}, 1},
        {"OAuth2 only", Pop3("pop.example.test", "995", "SSL", "%EMAILADDRESS%", "<authentication>OAuth2</authentication>")
                            + Pop3("pop.example.test"), {good}, 1},
        {"OAuth2 or password", Pop3("pop.example.test", "995", "SSL", "%EMAILADDRESS%",
                                    "<authentication>OAuth2</authentication><authentication>password-cleartext</authentication>"),
         {good}, 0},
    };
    for (const cParseCase &c : cases) {
        const cResultOf<cAutoconfig> config = cAutoconfig::Parse(Config(c.pop3, Smtp("smtp.example.test")), u"test"_s);
        ASSERT_TRUE(config.ok()) << c.name << ": " << config.text().toStdString();
        const auto found = config.value().SettingsFor(kAddress, u"example.test"_s, false);
        ASSERT_TRUE(found.has_value()) << c.name;
        EXPECT_EQ(Shown(found->pop3), c.expectedPop3) << c.name;
        EXPECT_EQ(found->notes.size(), c.notes) << c.name;
    }
}

TEST(Autoconfig, AFileThatIsNoSettingsFileOrNamesNoUsableServerGivesNothing)
{
    const QList<std::pair<const char *, QByteArray>> unreadable{
        {"not XML", "Hello, world"},
        {"another root", "<html><body>autoconfig</body></html>"},
        {"cut short", Config(Pop3("pop.example.test"), Smtp("smtp.example.test")).left(120)},
        {"an entity bomb", "<?xml version=\"1.0\"?><!DOCTYPE c [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\">"
                           "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\"><!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\">"
                           "<!ENTITY e \"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">]><clientConfig><emailProvider><domain>&e;</domain>"
                           "</emailProvider></clientConfig>"},
    };
    for (const auto &[name, xml] : unreadable) {
        const cResultOf<cAutoconfig> config = cAutoconfig::Parse(xml, u"test"_s);
        EXPECT_EQ(config.cause(), eFailure::Format) << name;
    }
    const QList<std::pair<const char *, QByteArray>> useless{
        {"no SMTP server", Config(Pop3("pop.example.test"), {})},
        {"IMAP only", Config(Server("incomingServer", "imap.example.test", "993", "SSL").replace("pop3", "imap"),
                             Smtp("smtp.example.test"))},
        {"only hostile servers", Config(Pop3("a b"), Smtp("smtp.example.test"))},
    };
    for (const auto &[name, xml] : useless) {
        const cResultOf<cAutoconfig> config = cAutoconfig::Parse(xml, u"test"_s);
        ASSERT_TRUE(config.ok()) << name;
        EXPECT_FALSE(config.value().SettingsFor(kAddress, u"example.test"_s, true)) << name;
    }
}

TEST(Autoconfig, TheProviderTableServesLargeProvidersByTheirDomains)
{
    const cResultOf<cAutoconfig> table = cAutoconfig::ProviderTable();
    ASSERT_TRUE(table.ok()) << table.text().toStdString();
    const char *domains[] = {"gmail.com", "googlemail.com", "outlook.com", "hotmail.com", "yahoo.com", "aol.com",
                             "gmx.net", "web.de", "mail.com", "yandex.ru", "mail.ru", "zoho.com", "t-online.de",
                             "orange.fr", "libero.it", "fastmail.com"};
    for (const char *domain : domains) {
        const auto found = table.value().SettingsFor(u"someone@"_s + QLatin1String(domain), QLatin1String(domain), false);
        ASSERT_TRUE(found.has_value()) << domain;
        EXPECT_TRUE(found->notes.isEmpty()) << domain;
        EXPECT_NE(found->pop3.first().security, eVrxSecurity::None) << domain;
        EXPECT_NE(found->smtp.first().security, eVrxSecurity::None) << domain;
    }
    EXPECT_FALSE(table.value().SettingsFor(kAddress, u"example.test"_s, false));
}

TEST(Autoconfig, OAuth2OnlyServersAreOfferedWhenTheProviderNamesHttpsSignInAddresses)
{
    const QByteArray oAuth2Pop3 = Pop3("pop.example.test", "995", "SSL", "%EMAILADDRESS%", "<authentication>OAuth2</authentication>");
    const auto endpoints = [](const QByteArray &auth, const QByteArray &token) {
        return "<oAuth2><authURL>" + auth + "</authURL><tokenURL>" + token + "</tokenURL><scope>mail\n  offline</scope></oAuth2>";
    };
    const struct
    {
        const char *name;
        QByteArray xml;
        bool offered;
    } cases[] = {
        {"inside the provider", Config(oAuth2Pop3 + endpoints("https://login.example.test/auth", "https://login.example.test/token"),
                                       Smtp("smtp.example.test")), true},
        {"beside the providers", Config(oAuth2Pop3, Smtp("smtp.example.test")).replace(
             "</clientConfig>", endpoints("https://login.example.test/auth", "https://login.example.test/token") + "</clientConfig>"),
         true},
        {"a token address in the clear", Config(oAuth2Pop3 + endpoints("https://login.example.test/auth", "http://login.example.test/token"),
                                                Smtp("smtp.example.test")), false},
    };
    for (const auto &c : cases) {
        const cResultOf<cAutoconfig> config = cAutoconfig::Parse(c.xml, u"test"_s);
        ASSERT_TRUE(config.ok()) << c.name;
        const auto found = config.value().SettingsFor(kAddress, u"example.test"_s, false);
        EXPECT_EQ(found.has_value(), c.offered) << c.name;
        if (!found)
            continue;
        EXPECT_TRUE(found->NeedsOAuth2()) << c.name;
        EXPECT_EQ(found->oAuth2.tokenUrl, u"https://login.example.test/token"_s) << c.name;
        EXPECT_EQ(found->oAuth2.scope, u"mail offline"_s) << c.name;
        EXPECT_TRUE(found->oAuth2.clientId.isEmpty()) << c.name;
    }
    // The table ships sign-in addresses for providers that need them, and no client id.
    const auto outlook = cAutoconfig::ProviderTable().value().SettingsFor(u"jo@outlook.com"_s, u"outlook.com"_s, false);
    ASSERT_TRUE(outlook.has_value());
    EXPECT_TRUE(outlook->NeedsOAuth2());
    EXPECT_TRUE(outlook->oAuth2.authUrl.startsWith(u"https://"_s));
    EXPECT_TRUE(outlook->oAuth2.clientId.isEmpty());
}

TEST(HostNames, OnlyNamesThatCouldBeLookedUpPass)
{
    for (const char *good : {"pop.example.com", "a-b.c", "localhost", "127.0.0.1", "mx.example.com."})
        EXPECT_TRUE(IsHostName(QLatin1String(good))) << good;
    for (const char *bad : {"", "a b.com", "pop.example.com\n", "-a.com", "a..com", "a/b", "%EMAILDOMAIN%", "a_b.com"})
        EXPECT_FALSE(IsHostName(QLatin1String(bad))) << bad;
    EXPECT_EQ(MailDomainOf(u"aspmx.l.google.com."_s), u"google.com"_s);
    EXPECT_EQ(MailDomainOf(u"mx.mail.example.co.uk"_s), u"example.co.uk"_s);
    EXPECT_EQ(AddressDomain(u" Jo@Example.Test "_s), u"example.test"_s);
    for (const char *bad : {"jo", "@example.test", "jo@", "jo@@example.test", "a@b@example.test", "jo@localhost",
                            "jo\n@example.test", "jo@exa mple.test"})
        EXPECT_TRUE(AddressDomain(QLatin1String(bad)).isEmpty()) << bad;
}
