#pragma once
// What the tests against the fixture's TLS servers share: the servers, whether the client
// trusts the test CA, and what reached the Maildir and the SMTP servers' AUTH log.
#include "TestSupport.h"

#include "../servers/MailServerEnv.h"

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

    QStringList Delivered() const
    {
        const QDir dir(env.Maildir + QStringLiteral("/new"));
        QStringList paths;
        for (const QString &name : dir.entryList(QDir::Files))
            paths.append(dir.filePath(name));
        return paths;
    }

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
