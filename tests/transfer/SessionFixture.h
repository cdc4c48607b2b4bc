// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private settings folder, mail folder and default account for one session test, and a way
// to run a session to its end.
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cOptions.h"
#include "storage/cQrzMailStore.h"
#include "transfer/cAccountStore.h"
#include "transfer/cSessionEngine.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include "tests/support/cScratchSettings.h"
#include <gtest/gtest.h>

class SessionFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        ASSERT_TRUE(fDir.initStorage());
    }

    static cAccount makeAccount(const QString &section, const QString &host, const QString &smtpPort,
                                const QString &pop3Port, const QByteArray &user = "tester",
                                const QByteArray &password = "secret")
    {
        cAccount account;
        account.section = section;
        account.name = QStringLiteral("Test User");
        account.email = QStringLiteral("tester@localhost");
        account.smtpServer = host;
        account.pop3Server = host;
        account.smtpPort = smtpPort;
        account.pop3Port = pop3Port;
        account.userId = QString::fromUtf8(user);
        account.password = password;
        return account;
    }

    static void addAccount(const cAccount &account, bool makeDefault = true)
    {
        ASSERT_TRUE(cAccountStore::WriteAccount(account));
        if (makeDefault) {
            ASSERT_TRUE(cAccountStore::SetDefaultAccountName(account.section));
        }
    }

    // Runs until Finished; false when the session hangs.
    static bool runToEnd(cSessionEngine &session, int timeoutMs = 60000)
    {
        QSignalSpy finished(&session, &cSessionEngine::Finished);
        return finished.wait(timeoutMs);
    }

    static QString folder(const char *name) { return MailFolderPath(QLatin1String(name)); }
    static QStringList messages(const char *name) { return cFolderStore::MessageFiles(QLatin1String(name)); }

    QString writeFile(const QString &name, const QByteArray &data) const
    {
        const QString path = fDir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(data);
        return path;
    }

    cScratchSettings fDir;

    cQrzMailStore fStore; // the program's store over fDir's folders
};
