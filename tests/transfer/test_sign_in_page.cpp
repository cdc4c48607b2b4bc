// SPDX-License-Identifier: GPL-3.0-or-later
// The "Sign-in" page of the account properties: OAuth2 is chosen with the provider table's
// addresses, the sign-in runs while the window stays usable and can be cancelled, and "&OK"
// stores the tokens in place of the password, refusing an OAuth2 account that never signed in.
#include "tests/support/cScratchSettings.h"
#include "tests/transfer/AccountDialogHelpers.h"
#include "tests/transfer/LoopbackAuthServer.h"

#include "transfer/cAccountStore.h"
#include "transfer/cOAuth2Tokens.h"
#include "ui/transfer/unitAccountInfo.h"

#include <QLabel>
#include <QNetworkAccessManager>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestSignInPage : public QObject
{
    Q_OBJECT

private:
    static TfrmAccountProps *OpenWork()
    {
        cAccount work;
        work.section = u"Work"_s;
        work.email = u"jo@outlook.com"_s;
        work.pop3Server = u"outlook.office365.com"_s;
        work.userId = u"jo@outlook.com"_s;
        work.password = "old password";
        if (!cAccountStore::WriteAccount(work))
            qFatal("account not written");
        auto *props = new TfrmAccountProps;
        props->LoadAccount(u"Work"_s);
        return props;
    }

private slots:
    void signingInStoresTheTokensInPlaceOfThePassword()
    {
        cScratchSettings settings;
        QVERIFY(settings.initStorage());
        cLoopbackAuthServer server;
        QNetworkAccessManager browser;
        auto *props = OpenWork();
        props->SetBrowser([&browser](const QUrl &url) { browser.get(QNetworkRequest(url)); });

        choose(props, "cboAuthentication", 1);
        QVERIFY(child<QLineEdit>(props, "edtOAuth2AuthUrl")->text().startsWith(u"https://login.microsoftonline.com/"_s));
        QVERIFY(!child<QLineEdit>(props, "edtPassword")->isEnabled());
        {
            cBoxAnswerer boxes(QMessageBox::Ok);
            click(props, "btnOK");
            QTRY_COMPARE(boxes.texts.size(), 1);
            QVERIFY(boxes.texts.first().contains(u"is not signed in"_s));
        }
        QCOMPARE(cAccountStore::ReadAccount(u"Work"_s).authentication, eAuthentication::Password);

        setField(props, "edtOAuth2AuthUrl", server.Url("/authorize"));
        setField(props, "edtOAuth2TokenUrl", server.Url("/token"));
        setField(props, "edtOAuth2ClientId", QString::fromLatin1(cLoopbackAuthServer::kClientId));
        click(props, "btnSignIn");
        QCOMPARE(child<QPushButton>(props, "btnSignIn")->text(), u"&Cancel sign-in"_s);
        QTRY_COMPARE(child<QLabel>(props, "lblSignInState")->text(), u"Signed in."_s);
        click(props, "btnOK");
        const cAccount stored = cAccountStore::ReadAccount(u"Work"_s);
        QCOMPARE(stored.authentication, eAuthentication::OAuth2);
        QCOMPARE(stored.oAuth2.clientId, QString::fromLatin1(cLoopbackAuthServer::kClientId));
        QCOMPARE(cOAuth2Tokens::FromSecret(stored.password).access, server.CurrentAccess());
        QCOMPARE(cOAuth2Tokens::FromSecret(stored.password).refresh, server.CurrentRefresh());
    }

    void aSignInUnderWayIsCancelledByTheSameButton()
    {
        cScratchSettings settings;
        QVERIFY(settings.initStorage());
        cLoopbackAuthServer server;
        auto *props = OpenWork();
        QUrl opened;
        props->SetBrowser([&opened](const QUrl &url) { opened = url; });
        choose(props, "cboAuthentication", 1);
        setField(props, "edtOAuth2AuthUrl", server.Url("/authorize"));
        setField(props, "edtOAuth2TokenUrl", server.Url("/token"));
        setField(props, "edtOAuth2ClientId", u"mine"_s);
        click(props, "btnSignIn");
        QVERIFY(opened.isValid());
        QVERIFY(!child<QLineEdit>(props, "edtOAuth2ClientId")->isEnabled());
        click(props, "btnSignIn");
        QCOMPARE(child<QLabel>(props, "lblSignInState")->text(), u"The sign-in was cancelled."_s);
        QCOMPARE(child<QPushButton>(props, "btnSignIn")->text(), u"Sign &in..."_s);
        delete props;
    }
};

QTEST_MAIN(TestSignInPage)
#include "test_sign_in_page.moc"
