// SPDX-License-Identifier: GPL-3.0-or-later
// The Security tab of both account dialogs: its fields in the accounts file, ports that follow
// the security, Detect with its trust offer, and keyring passwords kept safe.
#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"
#include "transfer/cAccountStore.h"
#include "ui/transfer/AccountPorts.h"
#include "ui/transfer/AccountWidgets.h"
#include "ui/transfer/unitAccountInfo.h"
#include "ui/transfer/unitAccounts.h"
#include "ui/transfer/unitCreateNewAccount.h"
#include "ui/transfer/unitSendMail_SelectAccount.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QMutex>
#include <QSemaphore>
#include <QThreadPool>
#include <QSpinBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include "tests/support/cScratchSettings.h"
#include "tests/transfer/MemoryKeyring.h"
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

#include "tests/transfer/AccountDialogHelpers.h"

using namespace Qt::StringLiterals;

namespace {

// A probe that answers from a script instead of a server, on the worker thread; what it was
// asked is kept under a lock.
struct cFakeProbe
{
    using fAnswer = std::function<cProbeResult(const QList<QByteArray> &trusted)>;
    explicit cFakeProbe(fAnswer answer_) : answer(std::move(answer_)) {}

    fAnswer answer;
    QMutex mutex;
    QStringList hosts;
    QStringList typedPorts;
    QList<QByteArray> lastTrusted;

    fServerProbe Probe()
    {
        return [this](const QString &host, const QString &typedPort, const QList<QByteArray> &trusted) {
            QMutexLocker lock(&mutex);
            hosts.append(host);
            typedPorts.append(typedPort);
            lastTrusted = trusted;
            return answer(trusted);
        };
    }
    qsizetype Calls()
    {
        QMutexLocker lock(&mutex);
        return hosts.size();
    }
};

cProbeResult found(int port, eVrxSecurity security, const QStringList &lines)
{
    cProbeResult result;
    result.found = true;
    result.port = port;
    result.security = security;
    result.lines = lines;
    return result;
}

fServerProbe unused()
{
    return [](const QString &, const QString &, const QList<QByteArray> &) { return cProbeResult(); };
}

} // namespace

class TestAccountSecurity : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void passwordsTheKeyringWouldNotGiveAreNotReplacedByEmptyOnes();
    void securityAndLoginFieldsRoundTripThroughBothDialogs();
    void portFollowsTheSecurityOnlyFromAUsualPort_data();
    void portFollowsTheSecurityOnlyFromAUsualPort();
    void choosingTheSecurityFillsTheUsualPortAndKeepsACustomOne();
    void ownSmtpLoginNeedsAUserAndEnablesItsFields();
    void detectFillsSecurityAndPortAndShowsWhatItFound();
    void detectOffersToTrustOnlyTheUntrustedCertificateThenProbesAgain();
    void closingTheDialogWhileDetectRunsIsSafe();

private:
    cScratchSettings *fDir = nullptr;
};

void TestAccountSecurity::init()
{
    fDir = new cScratchSettings;
    QVERIFY(fDir->isValid());
}

void TestAccountSecurity::cleanup()
{
    delete fDir;
    fDir = nullptr;
}

void TestAccountSecurity::passwordsTheKeyringWouldNotGiveAreNotReplacedByEmptyOnes()
{
    cMemoryKeyringScope scope;
    cAccount stored = account(u"Work"_s, u"me@work.example"_s, QString());
    stored.password = "kept";
    stored.passwordInKeyring = true;
    QVERIFY(cAccountStore::WriteAccount(stored));
    scope.keyring->Refuse(u"the keyring is locked"_s);
    cBoxAnswerer boxes(QMessageBox::Ok);

    auto *props = new TfrmAccountProps;
    props->LoadAccount(u"Work"_s);
    props->show();
    // Unlocked while the window was open: what it shows as empty is still no password.
    scope.keyring->Refuse(QString());
    click(props, "btnOK");
    QTRY_COMPARE(boxes.texts.size(), 1);
    QVERIFY2(boxes.texts[0].contains(u"the keyring is locked"_s), qPrintable(boxes.texts[0]));
    QVERIFY(props->isVisible());
    QCOMPARE(cAccountStore::ReadAccount(u"Work"_s).password, QByteArray("kept"));

    setField(props, "edtPassword", u"typed again"_s);
    click(props, "btnOK");
    QCOMPARE(cAccountStore::ReadAccount(u"Work"_s).password, QByteArray("typed again"));
    delete props;
}

void TestAccountSecurity::securityAndLoginFieldsRoundTripThroughBothDialogs()
{
    cMemoryKeyringScope keyring;
    cAccount stored = account(u"Work"_s, u"me@work.example"_s);
    stored.pop3Security = eVrxSecurity::StartTls;
    stored.smtpSecurity = eVrxSecurity::Tls;
    stored.pop3Port = u"110"_s;
    stored.pop3Login = ePop3Login::Apop;
    stored.smtpLogin = eSmtpLogin::Own;
    stored.smtpUserId = u"sender"_s;
    stored.smtpPassword = QByteArray("\xff\x01 odd", 6);
    stored.trustedCertificates = {QByteArray(64, 'a')};
    stored.passwordInKeyring = true;
    QVERIFY(cAccountStore::WriteAccount(stored));

    auto *props = new TfrmAccountProps;
    props->LoadAccount(u"Work"_s);
    QCOMPARE(chosen(props, "cmbPOP3Security"), 1);
    QCOMPARE(chosen(props, "cmbSMTPSecurity"), 2);
    QCOMPARE(chosen(props, "cmbPOP3Login"), 1);
    QCOMPARE(chosen(props, "cmbSMTPLogin"), 2);
    QCOMPARE(child<QLineEdit>(props, "edtSMTPPassword")->echoMode(), QLineEdit::Password);
    QVERIFY2(child<QCheckBox>(props, "chkAllowPasswordInClear")->isChecked(), "an old account keeps its stored choice");
    QVERIFY(child<QCheckBox>(props, "chkPasswordInKeyring")->isChecked());
    QCOMPARE(child<QLineEdit>(props, "edtPOP3Port")->text(), u"110"_s);
    click(props, "btnOK");
    cAccount kept = cAccountStore::ReadAccount(u"Work"_s);
    QCOMPARE(kept.smtpPassword, stored.smtpPassword);
    QCOMPARE(kept.trustedCertificates, stored.trustedCertificates);
    QCOMPARE(kept.pop3Security, eVrxSecurity::StartTls);
    QCOMPARE(kept.smtpUserId, u"sender"_s);

    TfrmCreateNewAccount wizard;
    QVERIFY(!child<QCheckBox>(&wizard, "chkAllowPasswordInClear")->isChecked());
    setField(&wizard, "edtAccountName", u"New"_s);
    choose(&wizard, "cmbPOP3Security", 2);
    choose(&wizard, "cmbSMTPSecurity", 1);
    choose(&wizard, "cmbPOP3Login", 2);
    choose(&wizard, "cmbSMTPLogin", 1);
    child<QCheckBox>(&wizard, "chkPasswordInKeyring")->setChecked(true);
    click(&wizard, "btnOK");
    const cAccount created = cAccountStore::ReadAccount(u"New"_s);
    QCOMPARE(created.pop3Security, eVrxSecurity::Tls);
    QCOMPARE(created.smtpSecurity, eVrxSecurity::StartTls);
    QCOMPARE((QStringList{created.pop3Port, created.smtpPort}), (QStringList{u"995"_s, u"587"_s}));
    QCOMPARE(created.pop3Login, ePop3Login::Sasl);
    QCOMPARE(created.smtpLogin, eSmtpLogin::SameAsPop3);
    QVERIFY(created.passwordInKeyring);
    QVERIFY(!created.allowPasswordInClear);
}

void TestAccountSecurity::portFollowsTheSecurityOnlyFromAUsualPort_data()
{
    QTest::addColumn<eMailServer>("server");
    QTest::addColumn<eVrxSecurity>("security");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    const auto pop3 = eMailServer::Pop3;
    const auto smtp = eMailServer::Smtp;
    QTest::newRow("pop3 tls from 110") << pop3 << eVrxSecurity::Tls << u"110"_s << u"995"_s;
    QTest::newRow("pop3 stls from 995") << pop3 << eVrxSecurity::StartTls << u"995"_s << u"110"_s;
    QTest::newRow("pop3 none from 995") << pop3 << eVrxSecurity::None << u"995"_s << u"110"_s;
    QTest::newRow("pop3 empty") << pop3 << eVrxSecurity::Tls << u""_s << u"995"_s;
    QTest::newRow("pop3 custom kept") << pop3 << eVrxSecurity::Tls << u"1110"_s << u"1110"_s;
    QTest::newRow("pop3 smtp port kept") << pop3 << eVrxSecurity::Tls << u"25"_s << u"25"_s;
    QTest::newRow("smtp tls from 25") << smtp << eVrxSecurity::Tls << u"25"_s << u"465"_s;
    QTest::newRow("smtp starttls from 465") << smtp << eVrxSecurity::StartTls << u"465"_s << u"587"_s;
    QTest::newRow("smtp none from 587") << smtp << eVrxSecurity::None << u"587"_s << u"25"_s;
    QTest::newRow("smtp blanks around usual") << smtp << eVrxSecurity::Tls << u" 587 "_s << u"465"_s;
    QTest::newRow("smtp custom kept") << smtp << eVrxSecurity::None << u"2525"_s << u"2525"_s;
    QTest::newRow("smtp pop3 port kept") << smtp << eVrxSecurity::Tls << u"995"_s << u"995"_s;
}

void TestAccountSecurity::portFollowsTheSecurityOnlyFromAUsualPort()
{
    QFETCH(eMailServer, server);
    QFETCH(eVrxSecurity, security);
    QFETCH(QString, before);
    QFETCH(QString, after);
    QCOMPARE(PortAfterSecurityChange(server, security, before), after);
}

void TestAccountSecurity::choosingTheSecurityFillsTheUsualPortAndKeepsACustomOne()
{
    TfrmCreateNewAccount wizard;
    choose(&wizard, "cmbPOP3Security", 2);
    choose(&wizard, "cmbSMTPSecurity", 2);
    QCOMPARE(child<QLineEdit>(&wizard, "edtPort_POP3")->text(), u"995"_s);
    QCOMPARE(child<QLineEdit>(&wizard, "edtPort_SMTP")->text(), u"465"_s);
    setField(&wizard, "edtPort_SMTP", u"2465"_s);
    choose(&wizard, "cmbSMTPSecurity", 1);
    QCOMPARE(child<QLineEdit>(&wizard, "edtPort_SMTP")->text(), u"2465"_s);

    // Loading an account shows its port as stored, whatever its security.
    cAccount stored = account(u"Work"_s, {});
    stored.pop3Security = eVrxSecurity::Tls;
    stored.pop3Port = u"110"_s;
    QVERIFY(cAccountStore::WriteAccount(stored));
    TfrmAccountProps props;
    props.LoadAccount(u"Work"_s);
    QCOMPARE(child<QLineEdit>(&props, "edtPOP3Port")->text(), u"110"_s);
}

void TestAccountSecurity::ownSmtpLoginNeedsAUserAndEnablesItsFields()
{
    TfrmCreateNewAccount wizard;
    wizard.show();
    auto *user = child<QLineEdit>(&wizard, "edtSMTPUserName");
    QVERIFY(!user->isEnabled() && !child<QLineEdit>(&wizard, "edtSMTPPassword")->isEnabled());
    choose(&wizard, "cmbSMTPLogin", 2);
    QVERIFY(user->isEnabled() && child<QLineEdit>(&wizard, "edtSMTPPassword")->isEnabled());
    setField(&wizard, "edtSMTPUserName", u"  "_s);
    {
        cBoxAnswerer boxes(QMessageBox::Ok);
        click(&wizard, "btnOK");
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(u"SMTP user name"_s), qPrintable(boxes.texts[0]));
    }
    QVERIFY(wizard.isVisible());
    QCOMPARE(wizard.focusWidget(), user);
    QVERIFY(!cAccountStore::AccountsExist());

    setField(&wizard, "edtSMTPUserName", u"sender"_s);
    setField(&wizard, "edtSMTPPassword", u"s3cret"_s);
    click(&wizard, "btnOK");
    const cAccount written = cAccountStore::ReadAccount(u"My mail account"_s);
    QCOMPARE(written.SmtpLoginUser(), u"sender"_s);
    QCOMPARE(written.SmtpLoginPassword(), QByteArray("s3cret"));
}

void TestAccountSecurity::detectFillsSecurityAndPortAndShowsWhatItFound()
{
    cFakeProbe pop3{[](const QList<QByteArray> &) {
        return found(995, eVrxSecurity::Tls, {u"Port 995, TLS on connect: works; logins offered: USER"_s});
    }};
    cFakeProbe smtp{[](const QList<QByteArray> &) {
        cProbeResult none;
        none.lines = {u"Port 465, TLS on connect: connection refused"_s};
        return none;
    }};
    TfrmCreateNewAccount wizard;
    wizard.SetServerProbes(pop3.Probe(), smtp.Probe());
    wizard.show();
    {
        cBoxAnswerer boxes(QMessageBox::Ok);
        click(&wizard, "btnDetectPOP3");
        QTRY_COMPARE(boxes.texts.size(), 1);
        QVERIFY2(boxes.texts[0].contains(u"POP3 server"_s), qPrintable(boxes.texts[0]));
        QCOMPARE(wizard.focusWidget(), child<QLineEdit>(&wizard, "edtPOP3"));
    }
    QVERIFY(pop3.hosts.isEmpty());

    setField(&wizard, "edtPOP3", u" pop.example.org "_s);
    setField(&wizard, "edtSMTP", u"smtp.example.org"_s);
    setField(&wizard, "edtPort_SMTP", u"2525"_s);
    click(&wizard, "btnDetectPOP3");
    click(&wizard, "btnDetectSMTP");
    auto *pop3Note = child<QPlainTextEdit>(&wizard, "memPOP3Detected");
    auto *smtpNote = child<QPlainTextEdit>(&wizard, "memSMTPDetected");
    QTRY_VERIFY(pop3Note->toPlainText().contains(u"logins offered: USER"_s));
    QTRY_VERIFY(smtpNote->toPlainText().contains(u"connection refused"_s));
    QVERIFY(child<QPushButton>(&wizard, "btnDetectPOP3")->isEnabled());
    QCOMPARE(pop3.hosts, QStringList{u"pop.example.org"_s});
    QCOMPARE(smtp.typedPorts, QStringList{u"2525"_s});
    QCOMPARE(chosen(&wizard, "cmbPOP3Security"), 2);
    QCOMPARE(child<QLineEdit>(&wizard, "edtPort_POP3")->text(), u"995"_s);
    QVERIFY2(smtpNote->toPlainText().contains(u"smtp.example.org"_s), qPrintable(smtpNote->toPlainText()));
    QCOMPARE(chosen(&wizard, "cmbSMTPSecurity"), 0);
    QCOMPARE(child<QLineEdit>(&wizard, "edtPort_SMTP")->text(), u"2525"_s);
}

void TestAccountSecurity::detectOffersToTrustOnlyTheUntrustedCertificateThenProbesAgain()
{
    const QByteArray fingerprint(64, 'c');
    const QString error = u"the certificate of smtp.example.org is not trusted (self-signed); its SHA-256 fingerprint is CC:CC"_s;
    cFakeProbe smtp{[&](const QList<QByteArray> &trusted) {
        if (trusted.contains(fingerprint)) {
            cProbeResult secure = found(465, eVrxSecurity::Tls, {u"Port 465: works"_s});
            secure.authMechanisms = {"PLAIN"};
            return secure;
        }
        cProbeResult plain = found(25, eVrxSecurity::None, {u"Port 465: "_s + error, u"Port 25: works"_s});
        plain.untrusted.fingerprint = fingerprint;
        plain.untrusted.error = error;
        return plain;
    }};
    cAccount stored = account(u"Work"_s, {});
    stored.smtpServer = u"smtp.example.org"_s;
    stored.trustedCertificates = {QByteArray(64, 'a')};
    QVERIFY(cAccountStore::WriteAccount(stored));
    auto *props = new TfrmAccountProps;
    props->SetServerProbes(unused(), smtp.Probe());
    props->LoadAccount(u"Work"_s);
    props->show();
    auto *note = child<QPlainTextEdit>(props, "memSMTPDetected");
    {
        cBoxAnswerer no(QMessageBox::No);
        click(props, "btnDetectSMTP");
        QTRY_COMPARE(no.texts.size(), 1);
        QVERIFY2(no.texts[0].contains(error) && no.texts[0].contains(u"Trust this certificate for this account only?"_s),
                 qPrintable(no.texts[0]));
        QCOMPARE(no.buttons[0], QMessageBox::Yes | QMessageBox::No);
    }
    QTRY_COMPARE(child<QLineEdit>(props, "edtSMTPPort")->text(), u"25"_s);
    QCOMPARE(smtp.Calls(), 1);
    QCOMPARE(chosen(props, "cmbSMTPLogin"), int(eSmtpLogin::None));

    cBoxAnswerer yes(QMessageBox::Yes);
    click(props, "btnDetectSMTP");
    QTRY_COMPARE(child<QLineEdit>(props, "edtSMTPPort")->text(), u"465"_s);
    QTRY_VERIFY(child<QPushButton>(props, "btnDetectSMTP")->isEnabled());
    QCOMPARE(smtp.Calls(), 3);
    QCOMPARE(yes.texts.size(), 1);
    QCOMPARE(chosen(props, "cmbSMTPSecurity"), 2);
    // A submission port offering AUTH takes mail only after a login.
    QCOMPARE(chosen(props, "cmbSMTPLogin"), int(eSmtpLogin::SameAsPop3));
    QVERIFY(note->toPlainText().contains(u"465"_s));
    QCOMPARE(smtp.lastTrusted, (QList<QByteArray>{QByteArray(64, 'a'), fingerprint}));
    click(props, "btnOK");
    QCOMPARE(cAccountStore::ReadAccount(u"Work"_s).trustedCertificates,
             (QList<QByteArray>{QByteArray(64, 'a'), fingerprint}));
}

void TestAccountSecurity::closingTheDialogWhileDetectRunsIsSafe()
{
    QSemaphore release;
    cFakeProbe pop3{[&](const QList<QByteArray> &) {
        release.acquire();
        return found(995, eVrxSecurity::Tls, {});
    }};
    QPointer<TfrmAccountProps> props = new TfrmAccountProps;
    props->SetServerProbes(pop3.Probe(), unused());
    props->LoadAccount(u"Work"_s);
    props->show();
    setField(props, "edtPOP3Server", u"pop.example.org"_s);
    click(props, "btnDetectPOP3");
    auto *button = child<QPushButton>(props, "btnDetectPOP3");
    QVERIFY(!button->isEnabled());
    QVERIFY2(child<QLineEdit>(props, "edtName")->isEnabled(), "the dialog stays usable while detecting");
    click(props, "btnCancel");
    QTRY_VERIFY(!props);
    release.release();
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    QCOMPARE(pop3.hosts, QStringList{u"pop.example.org"_s});
}

QTEST_MAIN(TestAccountSecurity)
#include "test_account_security.moc"
