// SPDX-License-Identifier: GPL-3.0-or-later
// A message written in the composer and sent with "Send now" reaches the real servers intact:
// aiosmtpd takes it into the Maildir that dovecot serves, and it is fetched back.
#include "UiFixture.h"

#include "app/WindowSteps.h"
#include "storage/cFolderStore.h"
#include "tests/servers/MailServerEnv.h"
#include "transfer/cAccountStore.h"
#include "transfer/cGetSession.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/transfer/unitSendMail.h"

#include <QDirIterator>
#include <QRandomGenerator>
#include <QSignalSpy>

class TestComposeServers : public QObject
{
    Q_OBJECT

    cQrzMailStore fStore; // the send step's

    MailServerEnv fServers;

    QStringList maildirFiles() const
    {
        QStringList files;
        for (const char *sub : {"/new", "/cur"})
            for (const QString &name : QDir(fServers.Maildir + QLatin1String(sub)).entryList(QDir::Files))
                files.append(fServers.Maildir + QLatin1String(sub) + u'/' + name);
        return files;
    }
    // The unfolded header line of a field, by its lower-case name with the colon.
    static QByteArray headerField(const QByteArray &message, const QByteArray &name)
    {
        QByteArray head = QByteArray(message).replace("\r\n", "\n");
        if (const qsizetype end = head.indexOf("\n\n"); end >= 0)
            head.truncate(end);
        head.replace("\n ", " ").replace("\n\t", " ");
        for (const QByteArray &line : head.split('\n'))
            if (line.toLower().startsWith(name))
                return line.trimmed();
        return {};
    }
    static bool isAscii(const QByteArray &text)
    {
        for (char c : text)
            if (uchar(c) > 127)
                return false;
        return true;
    }
    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }
    void addAccount() const
    {
        cAccount account;
        account.section = u"Demo"_s;
        account.name = u"Test User"_s;
        account.email = QString::fromUtf8(fServers.User) + u"@localhost"_s;
        account.smtpServer = account.pop3Server = u"127.0.0.1"_s;
        account.smtpPort = fServers.SmtpPort;
        account.pop3Port = fServers.Pop3Port;
        account.userId = QString::fromUtf8(fServers.User);
        account.password = fServers.Password;
        QVERIFY(cAccountStore::WriteAccount(account));
        QVERIFY(cAccountStore::SetDefaultAccountName(account.section));
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(fServers.Load(), "the mailservers fixture did not run");
        InstallWindowSteps(fStore);
    }

    void aComposedMessageTravelsThroughTheServersWhole()
    {
        cUiFixture fx;
        QVERIFY(fx.initStorage());
        addAccount();
        for (const QString &old : maildirFiles())
            QFile::remove(old);

        QByteArray bytes(70000, '\0');
        for (char &c : bytes)
            c = char(QRandomGenerator::global()->bounded(256));
        const QString attachment = fx.fDir.filePath(u"Bilder \u00e4.bin"_s);
        QFile out(attachment);
        QVERIFY(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        out.close();

        const QString subject = u"Gr\u00fc\u00dfe aus K\u00f6ln \u2013 \u65e5\u672c"_s;
        QString longLine;
        for (int i = 0; longLine.size() < 2000; ++i)
            longLine += u"word%1 "_s.arg(i);
        longLine.truncate(2000);
        // Never shown, so the editor wraps nothing: the long line stays one line.
        auto *composer = new TfrmNewMessage(fx.store);
        composer->SetHeaderFields(QString::fromUtf8(fServers.User) + u"@localhost"_s, QString(), subject);
        composer->SetBody({u"Hello,"_s, longLine, u"Bye"_s});
        composer->AddAttachment(attachment);
        QCOMPARE(composer->BodyLines().at(1), longLine);
        composer->tbSendNowClick();

        // The send window closes by itself after a clean run and stays open with its errors.
        QPointer<TfrmSendMail> window = TfrmSendMail::Running();
        QVERIFY(window);
        QTRY_VERIFY_WITH_TIMEOUT(window.isNull() || !window->Errors().isEmpty(), 60000);
        const QStringList sendErrors = window ? window->Errors() : QStringList();
        delete window;
        QVERIFY2(sendErrors.isEmpty(), qPrintable(sendErrors.join(u'\n')));
        QCOMPARE(cFolderStore::MessageFiles(u"Sent items"_s).size(), 1);

        const QStringList arrived = maildirFiles();
        QCOMPARE(arrived.size(), 1);
        const QByteArray wire = contents(arrived.first());
        const QByteArray subjectLine = headerField(wire, "subject:");
        QVERIFY2(subjectLine.contains("=?") && isAscii(subjectLine), subjectLine.constData());
        // The long line goes out as flowed text in soft-broken pieces, never as one long line.
        QVERIFY(wire.contains("format=flowed"));
        QVERIFY(!wire.contains(longLine.toLatin1()));
        for (const QByteArray &line : wire.split('\n'))
            QVERIFY(line.size() <= 1000);

        cGetSession get({u"Demo"_s});
        QSignalSpy finished(&get, &cSessionEngine::Finished);
        get.Start();
        QVERIFY(finished.wait(60000));
        QVERIFY2(get.Errors().isEmpty(), qPrintable(get.Errors().join(u'\n')));
        const QStringList inbox = cFolderStore::MessageFiles(u"Inbox"_s);
        QCOMPARE(inbox.size(), 1);
        cMailMessage received;
        QVERIFY(received.ReadFile(inbox.first()));
        // Read back, the soft-broken pieces are one line again.
        QCOMPARE(received.body.mid(0, 3), (QList<QByteArray>{"Hello,", longLine.toLatin1(), "Bye"}));
        QCOMPARE(received.attachments.size(), 1);
        QCOMPARE(contents(received.attachments.first()), bytes);
    }
};

QTEST_MAIN(TestComposeServers)
#include "test_compose_servers.moc"
