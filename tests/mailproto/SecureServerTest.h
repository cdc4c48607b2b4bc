// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the tests against the fixture's TLS servers share: the servers, whether the client
// trusts the test CA, and what reached the Maildir and the SMTP servers' AUTH log.
#include "TestSupport.h"

#include "../servers/MailServerEnv.h"

#include "mailproto/TVrxClient.h"
#include "mailproto/TVrxTcpStream.h"

#include <QDir>

#include <gtest/gtest.h>

class SecureServerTest : public testing::Test
{
protected:
    void SetUp() override
    {
        if (!env.Load() || env.TlsCaFile.isEmpty())
            GTEST_FAIL() << "the mailservers fixture did not run with TLS (RAVELIN_MAILSERVERS_ENV)";
    }

    void TearDown() override { TrustTestCa(false); }

    void TrustTestCa(bool trusted) const
    {
        if (trusted)
            qputenv("RAVELIN_TLS_CA_FILE", env.TlsCaFile.toLocal8Bit());
        else
            qunsetenv("RAVELIN_TLS_CA_FILE");
    }

    void Trust(TVrxClient &client, bool testCa, const QList<QByteArray> &fingerprints) const
    {
        TrustTestCa(testCa);
        client.TrustedCertificates = fingerprints;
    }

    static void CollectErrors(TVrxClient &client, QString &errors)
    {
        QObject::connect(&client, &TVrxClient::OnError,
                         [&errors](const TVrxFailure &failure) { errors += failure.Message(); });
    }

    // The client gave up, saying why in the expected words and never showing the password; a
    // refused certificate is named by host and by the fingerprint a dialog would offer to trust.
    static void ExpectRefusal(const TVrxClient &client, QString errors, const QStringList &parts,
                              const QByteArray &password, bool certificateRefused)
    {
        EXPECT_TRUE(client.Failed());
        EXPECT_FALSE(client.Connected());
        errors += client.LastFailure().Text;
        for (const QString &part : parts)
            EXPECT_TRUE(errors.contains(part, Qt::CaseInsensitive)) << errors.toStdString();
        EXPECT_FALSE(errors.contains(QString::fromUtf8(password))) << errors.toStdString();
        if (certificateRefused) {
            EXPECT_TRUE(errors.contains(client.Host)) << errors.toStdString();
            EXPECT_TRUE(errors.contains(TVrxTcpStream::FingerprintText(client.PeerFingerprint()))) << errors.toStdString();
        }
    }

    QStringList Delivered() const
    {
        const QDir dir(env.Maildir + QStringLiteral("/new"));
        QStringList paths;
        for (const QString &name : dir.entryList(QDir::Files))
            paths.append(dir.filePath(name));
        return paths;
    }

    // What the Maildir and the AUTH log held at one moment.
    struct cMark
    {
        QStringList delivered;
        qsizetype authLines = 0;
    };

    cMark Mark() const { return {Delivered(), AuthLog().size()}; }

    QStringList DeliveredSince(const cMark &mark) const
    {
        QStringList added = Delivered();
        for (const QString &path : mark.delivered)
            added.removeAll(path);
        return added;
    }

    QList<QByteArray> AuthLinesSince(const cMark &mark) const { return AuthLog().mid(mark.authLines); }

    QList<QByteArray> AuthLog() const
    {
        QFile file(env.SmtpAuthLog);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QList<QByteArray> lines = file.readAll().split('\n');
        lines.removeAll(QByteArray());
        return lines;
    }

    MailServerEnv env;
};
