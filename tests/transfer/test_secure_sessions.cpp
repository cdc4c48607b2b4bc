// SPDX-License-Identifier: GPL-3.0-or-later
// The sessions over TLS against the real servers: every way of sending and fetching that an
// account offers, and every way a secure connection must refuse to go on.
#include "SessionFixture.h"
#include "UnsentMessage.h"

#include "tests/servers/MailServerEnv.h"
#include "tests/transfer/MemoryKeyring.h"
#include "transfer/cAccountStore.h"
#include "transfer/cGetSession.h"
#include "transfer/cServerProbe.h"
#include "transfer/cSendSession.h"

#include <QFileInfo>

namespace {

const QString kHost = QStringLiteral("127.0.0.1");

// One way to reach a server: its port in the fixture, the security and the login.
template<typename eLogin>
struct cWay
{
    const char *label;
    QString MailServerEnv::*port;
    eVrxSecurity security;
    eLogin login;
};

class SecureSessionTest : public SessionFixture
{
protected:
    void SetUp() override
    {
        SessionFixture::SetUp();
        ASSERT_TRUE(fServers.Load()) << "the mailservers fixture did not run";
        ASSERT_FALSE(fServers.SmtpsPort.isEmpty()) << "the mailservers fixture offers no TLS";
        emptyMaildir();
    }

    // An account of the test user that trusts the servers' certificate and sends no password in
    // the clear.
    cAccount secureAccount(const QString &section) const
    {
        cAccount account = makeAccount(section, kHost, fServers.SmtpsPort, fServers.Pop3sPort, fServers.User,
                                       fServers.Password);
        account.email = QString::fromUtf8(fServers.User) + QStringLiteral("@localhost");
        account.smtpSecurity = eVrxSecurity::Tls;
        account.pop3Security = eVrxSecurity::Tls;
        account.smtpLogin = eSmtpLogin::SameAsPop3;
        account.allowPasswordInClear = false;
        account.trustedCertificates = {fServers.TlsFingerprint};
        return account;
    }

    void emptyMaildir() const
    {
        for (const char *sub : {"new", "cur"}) {
            QDir dir(fServers.Maildir + QLatin1Char('/') + QLatin1String(sub));
            for (const QString &name : dir.entryList(QDir::Files))
                QFile::remove(dir.filePath(name));
        }
    }

    int messagesOnServer() const
    {
        int count = 0;
        for (const char *sub : {"new", "cur"})
            count += int(QDir(fServers.Maildir + QLatin1Char('/') + QLatin1String(sub)).entryList(QDir::Files).size());
        return count;
    }

    QString unsentToSelf(const QByteArray &subject) const
    {
        cMailMessage m;
        m.Subject = subject;
        m.To = fServers.User + "@localhost";
        m.From = "Test User <" + fServers.User + "@localhost>";
        m.body = {"Sent over TLS"};
        const QString path = cFolderStore::NewMessagePath(QStringLiteral("Unsent")).value();
        EXPECT_TRUE(m.WriteFile(path));
        return path;
    }

    QStringList send(const QString &account)
    {
        cSendSession session(fStore, account);
        session.Start(fStore.Messages(QStringLiteral("Unsent")));
        EXPECT_TRUE(runToEnd(session));
        return session.Errors();
    }

    QStringList fetch(const QStringList &accounts)
    {
        cGetSession session(accounts);
        session.Start();
        EXPECT_TRUE(runToEnd(session));
        return session.Errors();
    }

    // The AUTH attempts the SMTP servers logged since the test began, one "<port> <mechanism>
    // <ok|fail> <tls|plain>" each.
    QList<QByteArray> authLog() const
    {
        QFile file(fServers.SmtpAuthLog);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        const QList<QByteArray> lines = file.readAll().split('\n');
        QList<QByteArray> fresh;
        for (qsizetype i = fAuthLinesBefore; i < lines.size(); ++i)
            if (!lines.at(i).trimmed().isEmpty())
                fresh.append(lines.at(i).trimmed());
        return fresh;
    }

    void noteAuthLog() { fAuthLinesBefore = authLogSize(); }

    qsizetype authLogSize() const
    {
        QFile file(fServers.SmtpAuthLog);
        return file.open(QIODevice::ReadOnly) ? file.readAll().split('\n').size() - 1 : 0;
    }

    static QString joined(const QStringList &errors) { return errors.join(QLatin1Char('\n')); }

    void expectNoPassword(const QStringList &errors) const
    {
        EXPECT_FALSE(joined(errors).contains(QString::fromUtf8(fServers.Password))) << joined(errors).toStdString();
    }

    MailServerEnv fServers;
    qsizetype fAuthLinesBefore = 0;
};

TEST_F(SecureSessionTest, EachWayOfSendingReachesEachWayOfFetching)
{
    const cWay<eSmtpLogin> sendWays[] = {
        {"TLS on connect", &MailServerEnv::SmtpsPort, eVrxSecurity::Tls, eSmtpLogin::SameAsPop3},
        {"STARTTLS", &MailServerEnv::SmtpStartTlsPort, eVrxSecurity::StartTls, eSmtpLogin::Own},
    };
    const cWay<ePop3Login> fetchWays[] = {
        {"POP3S USER", &MailServerEnv::Pop3sPort, eVrxSecurity::Tls, ePop3Login::UserPass},
        {"STLS USER", &MailServerEnv::Pop3Port, eVrxSecurity::StartTls, ePop3Login::UserPass},
        {"STLS SASL", &MailServerEnv::Pop3Port, eVrxSecurity::StartTls, ePop3Login::Sasl},
    };
    for (const auto &fetchWay : fetchWays) {
        for (const auto &sendWay : sendWays) {
            const QByteArray label = QByteArray(sendWay.label) + " to " + fetchWay.label;
            SCOPED_TRACE(label.constData());
            cAccount account = secureAccount(QStringLiteral("Secure"));
            account.smtpPort = fServers.*sendWay.port;
            account.smtpSecurity = sendWay.security;
            account.smtpLogin = sendWay.login;
            account.smtpUserId = QString::fromUtf8(fServers.User);
            account.smtpPassword = fServers.Password;
            account.pop3Port = fServers.*fetchWay.port;
            account.pop3Security = fetchWay.security;
            account.pop3Login = fetchWay.login;
            addAccount(account);
            noteAuthLog();

            (void)unsentToSelf(label);
            const QStringList sendErrors = send(QStringLiteral("Secure"));
            ASSERT_TRUE(sendErrors.isEmpty()) << joined(sendErrors).toStdString();
            EXPECT_TRUE(messages("Unsent").isEmpty());
            ASSERT_EQ(authLog().size(), 1);
            EXPECT_TRUE(authLog().first().startsWith(account.smtpPort.toUtf8() + ' '));
            EXPECT_TRUE(authLog().first().endsWith(" ok tls")) << authLog().first().constData();

            const qsizetype inboxBefore = messages("Inbox").size();
            const QStringList fetchErrors = fetch({QStringLiteral("Secure")});
            ASSERT_TRUE(fetchErrors.isEmpty()) << joined(fetchErrors).toStdString();
            ASSERT_EQ(messages("Inbox").size(), inboxBefore + 1);
            EXPECT_EQ(messagesOnServer(), 0);
        }
    }
}

// None of these may send the message, nor the password in the clear.
TEST_F(SecureSessionTest, UnsafeSmtpConnectionsSendNothing)
{
    const QByteArray otherCertificate(64, '0');
    struct cCase
    {
        const char *label;
        QString MailServerEnv::*port;
        eVrxSecurity security;
        bool trustTheServer;
        const char *said;
    };
    const cCase cases[] = {
        {"certificate of an unknown CA", &MailServerEnv::SmtpsPort, eVrxSecurity::Tls, false, "is not trusted"},
        {"certificate for another host", &MailServerEnv::SmtpWrongHostPort, eVrxSecurity::Tls, true, "is not trusted"},
        {"STARTTLS required, server has none", &MailServerEnv::SmtpPort, eVrxSecurity::StartTls, true,
         "does not offer STARTTLS"},
        {"STARTTLS stripped from EHLO", &MailServerEnv::SmtpStrippedPort, eVrxSecurity::StartTls, true,
         "does not offer STARTTLS"},
        {"password would go out in the clear", &MailServerEnv::SmtpStrippedPort, eVrxSecurity::None, true,
         "would send the password unencrypted"},
    };
    for (const cCase &c : cases) {
        SCOPED_TRACE(c.label);
        cAccount account = secureAccount(QStringLiteral("Secure"));
        account.smtpPort = fServers.*c.port;
        account.smtpSecurity = c.security;
        account.trustedCertificates = {c.trustTheServer ? fServers.TlsFingerprint : otherCertificate};
        addAccount(account);
        noteAuthLog();
        const QString path = unsentToSelf(c.label);

        const QStringList errors = send(QStringLiteral("Secure"));
        EXPECT_TRUE(joined(errors).contains(QLatin1String(c.said))) << joined(errors).toStdString();
        EXPECT_TRUE(joined(errors).contains(kHost + QLatin1Char(':') + account.smtpPort)) << joined(errors).toStdString();
        expectNoPassword(errors);
        EXPECT_TRUE(QFileInfo::exists(path));
        EXPECT_TRUE(messages("Sent Items").isEmpty());
        EXPECT_EQ(messagesOnServer(), 0);
        EXPECT_TRUE(authLog().isEmpty()) << authLog().join('\n').constData();
        QFile::remove(path);
    }
}

TEST_F(SecureSessionTest, UntrustedCertificateNamesItsFingerprintAndOnceTrustedForTheAccountGoesThrough)
{
    cAccount account = secureAccount(QStringLiteral("Secure"));
    account.trustedCertificates.clear();
    addAccount(account);
    (void)unsentToSelf("Held back");

    QStringList fingerprint;
    for (qsizetype at = 0; at < fServers.TlsFingerprint.size(); at += 2)
        fingerprint.append(QString::fromLatin1(fServers.TlsFingerprint.mid(at, 2)).toUpper());
    cSendSession sending(fStore, QStringLiteral("Secure"));
    sending.Start(fStore.Messages(QStringLiteral("Unsent")));
    ASSERT_TRUE(runToEnd(sending));
    cGetSession getting({QStringLiteral("Secure")});
    getting.Start();
    ASSERT_TRUE(runToEnd(getting));
    for (const cSessionEngine *session : {static_cast<cSessionEngine *>(&sending), static_cast<cSessionEngine *>(&getting)}) {
        EXPECT_TRUE(joined(session->Errors()).contains(fingerprint.join(QLatin1Char(':')))) << joined(session->Errors()).toStdString();
        expectNoPassword(session->Errors());
        const cUntrustedCertificate &met = session->Untrusted();
        EXPECT_EQ(met.account, QStringLiteral("Secure"));
        EXPECT_EQ(met.fingerprint, fServers.TlsFingerprint);
        EXPECT_FALSE(met.subject.isEmpty());
        EXPECT_FALSE(met.issuer.isEmpty());
        EXPECT_LT(met.validFrom, met.validUntil);
        EXPECT_TRUE(met.Details().contains(fingerprint.join(QLatin1Char(':')))) << met.Details().toStdString();
    }
    EXPECT_EQ(messages("Unsent").size(), 1);

    ASSERT_TRUE(cAccountStore::TrustCertificate(QStringLiteral("Secure"), fServers.TlsFingerprint));
    ASSERT_TRUE(cAccountStore::TrustCertificate(QStringLiteral("Secure"), fServers.TlsFingerprint));
    const cAccount trusted = cAccountStore::ReadAccount(QStringLiteral("Secure"));
    EXPECT_EQ(trusted.trustedCertificates, QList<QByteArray>{fServers.TlsFingerprint});
    EXPECT_EQ(trusted.password, account.password);
    EXPECT_TRUE(send(QStringLiteral("Secure")).isEmpty());
    EXPECT_TRUE(messages("Unsent").isEmpty());
}

TEST_F(SecureSessionTest, TrustIsKeptOnlyForAnExistingAccountAndARealFingerprint)
{
    addAccount(secureAccount(QStringLiteral("Secure")));
    const QList<std::tuple<const char *, QString, QByteArray, eFailure>> cases{
        {"no such account", QStringLiteral("Gone"), fServers.TlsFingerprint, eFailure::Refused},
        {"a line break in the value", QStringLiteral("Secure"), QByteArray(63, 'a') + "\n", eFailure::Format},
        {"a list in one value", QStringLiteral("Secure"), fServers.TlsFingerprint + "," + QByteArray(64, 'b'), eFailure::Format},
    };
    for (const auto &[label, section, print, cause] : cases) {
        const cResult result = cAccountStore::TrustCertificate(section, print);
        EXPECT_EQ(result.cause(), cause) << label;
    }
    EXPECT_EQ(cAccountStore::ReadAccount(QStringLiteral("Secure")).trustedCertificates,
              QList<QByteArray>{fServers.TlsFingerprint});
}

TEST_F(SecureSessionTest, DetectTriesTheTypedPortFirstAndPicksTheSmtpLoginTheServerNeeds)
{
    struct cDetectCase
    {
        const char *label;
        QString MailServerEnv::*port;
        bool trusted;
        eVrxSecurity security;
        eSmtpLogin login; // what an account at "None" gets
    };
    const QList<cDetectCase> cases{
        {"plain, no AUTH", &MailServerEnv::SmtpPort, true, eVrxSecurity::None, eSmtpLogin::None},
        {"STARTTLS, AUTH required", &MailServerEnv::SmtpStartTlsPort, true, eVrxSecurity::StartTls, eSmtpLogin::SameAsPop3},
        {"TLS on connect, AUTH required", &MailServerEnv::SmtpsPort, true, eVrxSecurity::Tls, eSmtpLogin::SameAsPop3},
        {"TLS on connect, untrusted", &MailServerEnv::SmtpsPort, false, eVrxSecurity::None, eSmtpLogin::None},
    };
    constexpr int kTimeoutMs = 3000;
    noteAuthLog();
    for (const cDetectCase &c : cases) {
        const QString typed = fServers.*c.port;
        const QList<QByteArray> trust = c.trusted ? QList<QByteArray>{fServers.TlsFingerprint} : QList<QByteArray>{};
        const cProbeResult found = cServerProbe::ProbeSmtp(
            kHost, cServerProbe::TypedPortFirst(typed, cServerProbe::SmtpCandidates()), trust, kTimeoutMs);
        EXPECT_EQ(found.found, c.trusted) << c.label << ": " << found.lines.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(cServerProbe::SmtpLoginFor(found, eSmtpLogin::None), c.login) << c.label;
        EXPECT_EQ(cServerProbe::SmtpLoginFor(found, eSmtpLogin::Own), c.trusted && c.login == eSmtpLogin::None
                                                                         ? eSmtpLogin::None : eSmtpLogin::Own) << c.label;
        if (!c.trusted) {
            EXPECT_EQ(found.untrusted.fingerprint, fServers.TlsFingerprint) << c.label;
            continue;
        }
        EXPECT_EQ(QString::number(found.port), typed) << c.label;
        EXPECT_EQ(found.security, c.security) << c.label;
    }
    EXPECT_TRUE(authLog().isEmpty()) << authLog().join('\n').constData();
}

TEST_F(SecureSessionTest, WrongPasswordIsThatAccountsErrorOnly)
{
    cAccount wrong = secureAccount(QStringLiteral("Wrong"));
    wrong.password = "not-the-password";
    addAccount(wrong, false);
    addAccount(secureAccount(QStringLiteral("Right")));
    (void)unsentToSelf("For the right account");
    ASSERT_TRUE(send(QStringLiteral("Right")).isEmpty());

    const QStringList errors = fetch({QStringLiteral("Wrong"), QStringLiteral("Right")});
    ASSERT_FALSE(errors.isEmpty());
    for (const QString &error : errors)
        EXPECT_TRUE(error.contains(QStringLiteral("Wrong"))) << error.toStdString();
    EXPECT_FALSE(joined(errors).contains(QStringLiteral("not-the-password")));
    EXPECT_EQ(messages("Inbox").size(), 1);

    wrong.smtpLogin = eSmtpLogin::SameAsPop3;
    addAccount(wrong);
    const QString path = unsentToSelf("Refused login");
    const QStringList sendErrors = send(QStringLiteral("Wrong"));
    EXPECT_FALSE(sendErrors.isEmpty());
    EXPECT_FALSE(joined(sendErrors).contains(QStringLiteral("not-the-password")));
    EXPECT_TRUE(QFileInfo::exists(path));
}

TEST_F(SecureSessionTest, PasswordsFromTheKeyringLogIn)
{
    cMemoryKeyringScope keyring;
    cAccount account = secureAccount(QStringLiteral("Keyed"));
    account.passwordInKeyring = true;
    addAccount(account);
    (void)unsentToSelf("Keyring login");
    ASSERT_TRUE(send(QStringLiteral("Keyed")).isEmpty());
    ASSERT_TRUE(fetch({QStringLiteral("Keyed")}).isEmpty());
    EXPECT_EQ(messages("Inbox").size(), 1);

    keyring.keyring->Refuse(QStringLiteral("the keyring is locked"));
    const QString expected = QStringLiteral("The password of account Keyed could not be read from the desktop keyring: the keyring is locked");
    (void)unsentToSelf("Keyring locked");
    EXPECT_TRUE(send(QStringLiteral("Keyed")).contains(expected));
    EXPECT_TRUE(fetch({QStringLiteral("Keyed")}).contains(expected));
    EXPECT_EQ(messages("Unsent").size(), 1);
}

} // namespace
