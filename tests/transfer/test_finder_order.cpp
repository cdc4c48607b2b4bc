// SPDX-License-Identifier: GPL-3.0-or-later
// The order in which the account finder looks: the provider table, the provider's autoconfig
// files, those of the mail exchanger's domain, SRV records, then the usual host names; the
// first settings accepted win, a refusal ends the search, anything else moves on.
#include "tests/transfer/FakeMailDns.h"
#include "tests/transfer/LoopbackHttp.h"

#include "transfer/cAccountFinder.h"
#include "transfer/cAutoconfigFetch.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kAddress = u"jo@example.test"_s;
const QString kAutoconfig = u"autoconfig.example.test/mail/config-v1.1.xml"_s;
const QString kWellKnown = u"example.test/.well-known/autoconfig/mail/config-v1.1.xml"_s;

QByteArray File(const QByteArray &name)
{
    return "<clientConfig><emailProvider><domain>" + name + "</domain><incomingServer type=\"pop3\"><hostname>pop."
           + name + "</hostname><port>995</port><socketType>SSL</socketType><username>%EMAILLOCALPART%</username>"
           "</incomingServer><outgoingServer type=\"smtp\"><hostname>smtp." + name + "</hostname><port>587</port>"
           "<socketType>STARTTLS</socketType></outgoingServer></emailProvider></clientConfig>";
}

struct cOrderCase
{
    const char *name;
    // What the places hold.
    QMap<QString, QByteArray> files;
    QMap<QString, QStringList> mx;
    QMap<QString, QList<cSrvAnswer>> srv;
    QStringList answeringHosts; // hosts the guessing probe finds
    // What accept says, by the POP3 host it is shown: a failure, or nothing to accept.
    QMap<QString, eFailure> refused;
    // Expected: the POP3 host accepted (empty: none), the failure otherwise, the web requests.
    QString pop3Host;
    eFailure failure;
    QStringList requests;
};

struct cOrderRun
{
    cResultOf<cFoundSettings> run(const cOrderCase &c)
    {
        for (auto it = c.files.begin(); it != c.files.end(); ++it)
            fHttp.Serve(it.key(), it.value());
        auto dns = std::make_shared<cFakeMailDns>();
        dns->fMx = c.mx;
        dns->fSrv = c.srv;
        cFinderSetup setup;
        setup.autoconfigBase = fHttp.Base();
        setup.dns = dns;
        setup.providerTable = File("table.test");
        setup.timeoutMs = 5000;
        setup.guess = [c](const QString &host, bool smtp, const std::function<void()> &) {
            cProbeResult result;
            result.found = c.answeringHosts.contains(host);
            result.port = smtp ? 587 : 995;
            result.security = smtp ? eVrxSecurity::StartTls : eVrxSecurity::Tls;
            return result;
        };
        cAccountFinder finder(setup);
        finder.Progress = [this](const QString &step) { fSteps.append(step); };
        return finder.Find(c.name == std::string("table") ? u"jo@table.test"_s : kAddress,
                           [c](const cFoundSettings &found) {
                               const QString host = found.pop3.first().host;
                               return c.refused.contains(host) ? cResult::Failed(c.refused.value(host), u"no"_s)
                                                               : cResult::Ok();
                           });
    }

    cLoopbackHttp fHttp;
    QStringList fSteps;
};

} // namespace

TEST(FinderOrder, TheFirstSourceWithAcceptedSettingsWins)
{
    const QString mxAutoconfig = u"autoconfig.hoster.test/mail/config-v1.1.xml"_s;
    const cSrvAnswer nothing{u"."_s, 0, 0, 0};
    const QList<cOrderCase> cases{
        {"table", {}, {}, {}, {}, {}, u"pop.table.test"_s, eFailure::None, {}},
        {"autoconfig site", {{kAutoconfig, File("site.test")}, {kWellKnown, File("well.test")}}, {}, {}, {}, {},
         u"pop.site.test"_s, eFailure::None, {kAutoconfig}},
        {"well-known file", {{kWellKnown, File("well.test")}}, {}, {}, {}, {}, u"pop.well.test"_s, eFailure::None,
         {kAutoconfig, kWellKnown}},
        {"a file that is no settings file is passed over", {{kAutoconfig, "<html/>"}, {kWellKnown, File("well.test")}},
         {}, {}, {}, {}, u"pop.well.test"_s, eFailure::None, {kAutoconfig, kWellKnown}},
        {"mail exchanger's domain", {{mxAutoconfig, File("hoster.test")}},
         {{u"example.test"_s, {u"mx1.hoster.test"_s}}}, {}, {}, {}, u"pop.hoster.test"_s, eFailure::None,
         {kAutoconfig, kWellKnown, mxAutoconfig}},
        {"mail exchanger in the table", {}, {{u"example.test"_s, {u"mx.table.test"_s}}}, {}, {}, {},
         u"pop.table.test"_s, eFailure::None, {kAutoconfig, kWellKnown}},
        {"SRV records", {}, {},
         {{u"_pop3s._tcp.example.test"_s, {{u"mail.example.test"_s, 995, 0, 0}}},
          {u"_submission._tcp.example.test"_s, {{u"mail.example.test"_s, 587, 0, 0}}}},
         {}, {}, u"mail.example.test"_s, eFailure::None, {kAutoconfig, kWellKnown}},
        {"SRV saying no service, then guessing", {}, {},
         {{u"_pop3s._tcp.example.test"_s, {nothing}}, {u"_submission._tcp.example.test"_s, {nothing}}},
         {u"pop3.example.test"_s, u"mail.example.test"_s}, {}, u"pop3.example.test"_s, eFailure::None,
         {kAutoconfig, kWellKnown}},
        {"a server that cannot be reached moves on", {{kAutoconfig, File("site.test")}, {kWellKnown, File("well.test")}},
         {}, {}, {}, {{u"pop.site.test"_s, eFailure::Network}}, u"pop.well.test"_s, eFailure::None,
         {kAutoconfig, kWellKnown}},
        {"a refused login ends the search", {{kAutoconfig, File("site.test")}, {kWellKnown, File("well.test")}},
         {}, {}, {}, {{u"pop.site.test"_s, eFailure::Refused}}, {}, eFailure::Refused, {kAutoconfig}},
        {"nothing anywhere", {}, {}, {}, {}, {}, {}, eFailure::Network, {kAutoconfig, kWellKnown}},
    };
    for (const cOrderCase &c : cases) {
        SCOPED_TRACE(c.name);
        cOrderRun order;
        const cResultOf<cFoundSettings> found = order.run(c);
        EXPECT_EQ(found.cause(), c.failure) << found.text().toStdString();
        if (!c.pop3Host.isEmpty() && found.ok()) {
            EXPECT_EQ(found.value().pop3.first().host, c.pop3Host);
        }
        EXPECT_EQ(order.fHttp.Requests(), c.requests) << order.fSteps.join(u'\n').toStdString();
    }
}

TEST(FinderOrder, AStopEndsTheSearchBeforeTheNextPlace)
{
    cLoopbackHttp http;
    auto dns = std::make_shared<cFakeMailDns>();
    cFinderSetup setup;
    setup.autoconfigBase = http.Base();
    setup.dns = dns;
    setup.providerTable = File("table.test");
    setup.guess = [](const QString &, bool, const std::function<void()> &) { return cProbeResult(); };
    cAccountFinder finder(setup);
    bool stop = false;
    finder.Progress = [&stop](const QString &step) { stop = stop || step.startsWith(u"Asking http"_s); };
    finder.Stopped = [&stop] { return stop; };
    const cResultOf<cFoundSettings> found = finder.Find(kAddress, [](const cFoundSettings &) { return cResult::Ok(); });
    EXPECT_EQ(found.cause(), eFailure::Cancelled);
    EXPECT_LE(http.Requests().size(), 1);
    EXPECT_TRUE(dns->fAsked.isEmpty());
}

TEST(AutoconfigFetch, AnAnswerPastTheCapOrAMissingFileIsRefused)
{
    cLoopbackHttp http;
    http.Serve(u"big.test/mail/config-v1.1.xml"_s, QByteArray(cAutoconfigFetch::kMaxBytes + 1, 'x'));
    http.Serve(u"fits.test/mail/config-v1.1.xml"_s, QByteArray(cAutoconfigFetch::kMaxBytes, 'x'));
    const QUrl url(http.Base() + u"/mail/config-v1.1.xml"_s);
    EXPECT_EQ(cAutoconfigFetch::Get(url, u"big.test"_s, 5000, {}).cause(), eFailure::Format);
    const cResultOf<QByteArray> fits = cAutoconfigFetch::Get(url, u"fits.test"_s, 5000, {});
    EXPECT_EQ(fits.value().size(), cAutoconfigFetch::kMaxBytes) << fits.text().toStdString();
    const cResultOf<QByteArray> missing = cAutoconfigFetch::Get(url, u"none.test"_s, 5000, {});
    EXPECT_EQ(missing.cause(), eFailure::Network);
    EXPECT_TRUE(missing.text().contains(http.Base())) << missing.text().toStdString();
}
