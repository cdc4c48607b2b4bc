// SPDX-License-Identifier: GPL-3.0-or-later
// Receive and Send against the real TLS servers with a certificate nobody vouches for: the
// window asks to trust it for the account, keeps the answer there and tries again.
#include "AccountDialogHelpers.h"

#include "storage/cFolderStore.h"
#include "storage/cQrzMailStore.h"
#include "tests/servers/MailServerEnv.h"
#include "tests/support/cScratchSettings.h"
#include "transfer/cAccountStore.h"
#include "ui/transfer/unitGetMail.h"
#include "ui/transfer/unitSendMail.h"

#include <QtTest>

using namespace Qt::StringLiterals;

class TestTransferTrust : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void aRejectedCertificateIsOfferedForTheAccountAndRetried_data();
    void aRejectedCertificateIsOfferedForTheAccountAndRetried();
    void aPeriodicCheckAsksOnceAboutACertificate_data();
    void aPeriodicCheckAsksOnceAboutACertificate();

private:
    void addSecureAccount(const QString &section);
    static QList<QByteArray> trustedNow(const QString &section = u"Secure"_s)
    {
        return cAccountStore::ReadAccount(section).trustedCertificates;
    }

    MailServerEnv fServers;
    cScratchSettings *fDir = nullptr;
    cQrzMailStore fStore;
};

void TestTransferTrust::init()
{
    QVERIFY2(fServers.Load(), "the mailservers fixture did not run");
    fDir = new cScratchSettings;
    QVERIFY(fDir->initStorage());
}

void TestTransferTrust::addSecureAccount(const QString &section)
{
    cAccount account;
    account.section = section;
    account.email = QString::fromUtf8(fServers.User) + u"@localhost"_s;
    account.smtpServer = account.pop3Server = u"127.0.0.1"_s;
    account.smtpPort = fServers.SmtpsPort;
    account.pop3Port = fServers.Pop3sPort;
    account.smtpSecurity = account.pop3Security = eVrxSecurity::Tls;
    account.smtpLogin = eSmtpLogin::SameAsPop3;
    account.userId = QString::fromUtf8(fServers.User);
    account.password = fServers.Password;
    QVERIFY(cAccountStore::WriteNewAccount(account, true));
}

void TestTransferTrust::cleanup()
{
    delete TfrmSendMail::Running();
    delete TfrmGetMail::Existing();
    delete fDir;
}

void TestTransferTrust::aRejectedCertificateIsOfferedForTheAccountAndRetried_data()
{
    QTest::addColumn<bool>("sending");
    QTest::addColumn<bool>("trust");
    QTest::newRow("send, trusted") << true << true;
    QTest::newRow("send, refused") << true << false;
    QTest::newRow("receive, trusted") << false << true;
    QTest::newRow("receive, refused") << false << false;
}

void TestTransferTrust::aRejectedCertificateIsOfferedForTheAccountAndRetried()
{
    QFETCH(bool, sending);
    QFETCH(bool, trust);
    addSecureAccount(u"Secure"_s);
    cMailMessage message;
    message.Subject = "Held back";
    message.To = fServers.User + "@localhost";
    message.From = "Test User <" + fServers.User + "@localhost>";
    message.body = {"Sent once trusted"};
    QVERIFY(message.WriteFile(cFolderStore::NewMessagePath(u"Unsent"_s).value()));

    cBoxAnswerer boxes(trust ? QMessageBox::Yes : QMessageBox::No);
    if (sending)
        SendUnsentMessages(fStore);
    else
        StartMailCheck();
    QTRY_COMPARE_WITH_TIMEOUT(boxes.texts.size(), 1, 20000);
    QVERIFY2(boxes.texts[0].contains(u"Subject: "_s) && boxes.texts[0].contains(u"Issuer: "_s)
                 && boxes.texts[0].contains(u"Valid from "_s)
                 && boxes.texts[0].contains(u"Trust this certificate for this account only?"_s),
             qPrintable(boxes.texts[0]));
    QCOMPARE(boxes.buttons[0], QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(trustedNow(), trust ? QList<QByteArray>{fServers.TlsFingerprint} : QList<QByteArray>{});

    if (!trust) {
        QCOMPARE(cFolderStore::MessageFiles(u"Unsent"_s).size(), 1);
        return;
    }
    // The retry goes through: the message leaves Unsent, the check ends without errors.
    if (sending)
        QTRY_VERIFY_WITH_TIMEOUT(cFolderStore::MessageFiles(u"Unsent"_s).isEmpty(), 20000);
    else
        QTRY_VERIFY_WITH_TIMEOUT(TfrmGetMail::Existing() == nullptr, 20000);
    QCOMPARE(boxes.texts.size(), 1);
}

// The periodic check asks too, once per account and certificate: not again while the question
// waits, nor after a No. A Yes retries that account, still hidden.
void TestTransferTrust::aPeriodicCheckAsksOnceAboutACertificate_data()
{
    QTest::addColumn<QString>("account"); // one each: the program remembers what it asked
    QTest::addColumn<bool>("trust");
    QTest::newRow("trusted") << u"Periodic yes"_s << true;
    QTest::newRow("refused") << u"Periodic no"_s << false;
}

void TestTransferTrust::aPeriodicCheckAsksOnceAboutACertificate()
{
    QFETCH(QString, account);
    QFETCH(bool, trust);
    addSecureAccount(account);
    int asked = 0;
    QPointer<TfrmGetMail> asking;
    bool waited = false;
    // The question runs its own event loop: what happens while it waits happens here.
    cModalWatcher<QMessageBox> watcher([&](QMessageBox *box) {
        ++asked;
        asking = TfrmGetMail::Existing();
        StartMailCheck({}, true); // the next period comes while the question waits
        waited = TfrmGetMail::Existing() == asking && !asking->isVisible();
        QMetaObject::invokeMethod(box->button(trust ? QMessageBox::Yes : QMessageBox::No), &QAbstractButton::click,
                                  Qt::QueuedConnection);
    });
    StartMailCheck({}, true);
    QTRY_COMPARE_WITH_TIMEOUT(asked, 1, 20000);
    QVERIFY(waited);
    QTRY_COMPARE(trustedNow(account), trust ? QList<QByteArray>{fServers.TlsFingerprint} : QList<QByteArray>{});
    if (trust) {
        QTRY_VERIFY(asking.isNull());
        if (TfrmGetMail *retry = TfrmGetMail::Existing())
            QVERIFY(!retry->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(TfrmGetMail::Existing() == nullptr, 20000);
    } else {
        QTRY_VERIFY(asking->Concluded());
        StartMailCheck({}, true); // the next period, after the No
        QTRY_VERIFY_WITH_TIMEOUT(asking.isNull() && TfrmGetMail::Existing()->Concluded(), 20000);
        QCOMPARE(TfrmGetMail::Existing()->Errors().size(), 1);
    }
    QCOMPARE(asked, 1);
}

QTEST_MAIN(TestTransferTrust)
#include "test_transfer_trust.moc"
