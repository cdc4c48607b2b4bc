// SPDX-License-Identifier: GPL-3.0-or-later
// "Find settings" in the new-account wizard: a name, an address and a password for a fake
// provider fill the server pages and save a working account; the search shows its steps, can
// be stopped, and leaves the fields alone when it fails or the window closes.
#include "tests/mailproto/ScriptedServer.h"
#include "tests/support/cScratchSettings.h"
#include "tests/transfer/AccountDialogHelpers.h"
#include "tests/transfer/LoopbackHttp.h"

#include "transfer/cAccountStore.h"
#include "ui/transfer/unitCreateNewAccount.h"

#include <QCheckBox>
#include <QPlainTextEdit>
#include <QSemaphore>
#include <QThreadPool>
#include <QtTest>

using namespace Qt::StringLiterals;

namespace {

constexpr int kWaitMs = 15000;

QByteArray Autoconfig(quint16 pop3, quint16 smtp)
{
    return "<clientConfig><emailProvider><domain>example.test</domain><incomingServer type=\"pop3\"><hostname>"
           "127.0.0.1</hostname><port>" + QByteArray::number(pop3) + "</port><socketType>plain</socketType><username>"
           "%EMAILLOCALPART%</username></incomingServer><outgoingServer type=\"smtp\"><hostname>127.0.0.1</hostname>"
           "<port>" + QByteArray::number(smtp) + "</port><socketType>plain</socketType><username>%EMAILLOCALPART%"
           "</username></outgoingServer></emailProvider></clientConfig>";
}

void TypeAccount(QWidget *wizard)
{
    setField(wizard, "edtAccountName", u"Work"_s);
    setField(wizard, "edtName", u"Jo Doe"_s);
    setField(wizard, "edtEMail", u"jo@example.test"_s);
    setField(wizard, "edtPassword", u"secret"_s);
}

QString Progress(QWidget *wizard)
{
    return child<QPlainTextEdit>(wizard, "txtFindProgress")->toPlainText();
}

} // namespace

class TestFindSettingsWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { fSettings = std::make_unique<cScratchSettings>(); }
    void cleanup()
    {
        QThreadPool::globalInstance()->waitForDone();
        qunsetenv("RAVELIN_AUTOCONFIG_URL");
        fSettings.reset();
    }

    void settingsFoundForAFakeProviderAreFilledInAndSaved();
    void aStoppedOrFailedSearchLeavesTheFieldsAsTheyWere();
    void closingTheWindowStopsTheSearch();

private:
    std::unique_ptr<cScratchSettings> fSettings;
};

void TestFindSettingsWindow::settingsFoundForAFakeProviderAreFilledInAndSaved()
{
    cLoopbackHttp http;
    ScriptedServer pop3;
    pop3.Send("+OK ready\r\n").Replies({"+OK\r\n", "+OK in\r\n", "+OK bye\r\n"}).Start();
    ScriptedServer smtp;
    smtp.Send("220 ready\r\n").Replies({"250-hi\r\n250 AUTH PLAIN\r\n", "235 ok\r\n", "221 bye\r\n"}).Start();
    http.Serve(u"autoconfig.example.test/mail/config-v1.1.xml"_s, Autoconfig(pop3.Port(), smtp.Port()));
    qputenv("RAVELIN_AUTOCONFIG_URL", http.Base().toLatin1());

    TfrmCreateNewAccount wizard;
    wizard.show();
    TypeAccount(&wizard);
    // The fake servers speak no TLS.
    child<QCheckBox>(&wizard, "chkAllowPasswordInClear")->setChecked(true);
    click(&wizard, "btnFindSettings");
    QVERIFY(!child<QPushButton>(&wizard, "btnFindSettings")->isEnabled());
    QTRY_COMPARE_WITH_TIMEOUT(child<QLineEdit>(&wizard, "edtPOP3")->text(), u"127.0.0.1"_s, kWaitMs);
    QVERIFY2(Progress(&wizard).contains(u"Logging in to the SMTP server"_s), qPrintable(Progress(&wizard)));
    QCOMPARE(child<QLineEdit>(&wizard, "edtPort_POP3")->text(), QString::number(pop3.Port()));
    QCOMPARE(child<QLineEdit>(&wizard, "edtPort_SMTP")->text(), QString::number(smtp.Port()));
    QCOMPARE(child<QLineEdit>(&wizard, "edtUserID")->text(), u"jo"_s);
    QVERIFY(child<QPushButton>(&wizard, "btnFindSettings")->isEnabled());

    click(&wizard, "btnOK");
    const cAccount saved = cAccountStore::ReadAccount(u"Work"_s);
    QCOMPARE(saved.pop3Server, u"127.0.0.1"_s);
    QCOMPARE(saved.smtpPort, QString::number(smtp.Port()));
    QCOMPARE(saved.userId, u"jo"_s);
    QCOMPARE(saved.password, QByteArray("secret"));
    QCOMPARE(saved.smtpLogin, eSmtpLogin::SameAsPop3);
    QVERIFY(pop3.Transcript().contains("USER jo\r\nPASS secret\r\n"));
}

void TestFindSettingsWindow::aStoppedOrFailedSearchLeavesTheFieldsAsTheyWere()
{
    TfrmCreateNewAccount wizard;
    wizard.show();
    TypeAccount(&wizard);
    wizard.FindSettings()->SetAccountMaker([](const cAccount &, const auto &progress, const auto &stopped) {
        progress(u"Trying the first place."_s);
        QSemaphore never;
        while (!stopped())
            (void)never.tryAcquire(1, 10);
        return cResultOf<cAccount>(cResult::Failed(eFailure::Cancelled, u"stopped"_s));
    });
    click(&wizard, "btnFindSettings");
    QTRY_VERIFY(Progress(&wizard).contains(u"Trying the first place."_s));
    click(&wizard, "btnStopFinding");
    QVERIFY(Progress(&wizard).contains(u"Stopped."_s));
    QVERIFY(child<QPushButton>(&wizard, "btnFindSettings")->isEnabled());
    QVERIFY(!child<QPushButton>(&wizard, "btnStopFinding")->isEnabled());
    QThreadPool::globalInstance()->waitForDone();

    wizard.FindSettings()->SetAccountMaker([](const cAccount &, const auto &, const auto &) {
        return cResultOf<cAccount>(cResult::Failed(eFailure::Refused, u"The POP3 server pop.example.test:995 refused the login"_s));
    });
    click(&wizard, "btnFindSettings");
    QTRY_VERIFY(Progress(&wizard).contains(u"refused the login"_s));
    QVERIFY(child<QLineEdit>(&wizard, "edtPOP3")->text().isEmpty());
    QCOMPARE(child<QLineEdit>(&wizard, "edtPort_POP3")->text(), u"110"_s);
}

void TestFindSettingsWindow::closingTheWindowStopsTheSearch()
{
    QSemaphore started;
    auto wizard = std::make_unique<TfrmCreateNewAccount>();
    wizard->FindSettings()->SetAccountMaker([&started](const cAccount &, const auto &, const auto &stopped) {
        started.release();
        QSemaphore never;
        while (!stopped())
            (void)never.tryAcquire(1, 10);
        return cResultOf<cAccount>(cResult::Failed(eFailure::Cancelled, u"stopped"_s));
    });
    click(wizard.get(), "btnFindSettings");
    QVERIFY(started.tryAcquire(1, kWaitMs));
    wizard.reset();
    QVERIFY(QThreadPool::globalInstance()->waitForDone(kWaitMs));
}

QTEST_MAIN(TestFindSettingsWindow)
#include "test_find_settings_window.moc"
