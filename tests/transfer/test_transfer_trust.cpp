// Receive and Send against the real TLS servers with a certificate nobody vouches for: the
// window asks to trust it for the account, keeps the answer there and tries again.
#include "AccountDialogHelpers.h"

#include "storage/cFolderStore.h"
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

private:
    static QList<QByteArray> trustedNow() { return cAccountStore::ReadAccount(u"Secure"_s).trustedCertificates; }

    MailServerEnv fServers;
    cScratchSettings *fDir = nullptr;
};

void TestTransferTrust::init()
{
    QVERIFY2(fServers.Load(), "the mailservers fixture did not run");
    fDir = new cScratchSettings;
    QVERIFY(fDir->initStorage());
    cAccount account;
    account.section = u"Secure"_s;
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
    cMailMessage message;
    message.Subject = "Held back";
    message.To = fServers.User + "@localhost";
    message.From = "Test User <" + fServers.User + "@localhost>";
    message.body = {"Sent once trusted"};
    QVERIFY(message.WriteFile(cFolderStore::NewMessagePath(u"Unsent"_s).value()));

    cBoxAnswerer boxes(trust ? QMessageBox::Yes : QMessageBox::No);
    if (sending)
        SendUnsentMessages();
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

QTEST_MAIN(TestTransferTrust)
#include "test_transfer_trust.moc"
