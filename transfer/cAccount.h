// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One mail account as stored in its section of the accounts file: the plain text of the edit
// fields, nothing trimmed or checked. The password is held unscrambled.
#include "mailproto/eVrxSecurity.h"
#include "transfer/cIdentity.h"
#include "transfer/cOAuth2Settings.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// How the account logs in to its POP3 server: USER and PASS, APOP (RFC 1939 section 7), or
// AUTH (RFC 5034) with the best method the server offers.
enum class ePop3Login { UserPass = 0, Apop = 1, Sasl = 2 };
// Whether the account logs in to its SMTP server (RFC 4954), and with which credentials.
enum class eSmtpLogin { None = 0, SameAsPop3 = 1, Own = 2 };
// How the account proves who it is: a password, or an OAuth2 sign-in whose tokens are kept
// where the password would be (POP3 and SMTP both send its access token).
enum class eAuthentication { Password = 0, OAuth2 = 1 };

struct cAccount
{
    QString section;
    QString name;
    QString email;
    QString replyAddress;
    QString organisation;
    QString pop3Server;
    QString smtpServer;
    QString userId;
    QByteArray password;
    QString pop3Port = QStringLiteral("110");
    QString smtpPort = QStringLiteral("25");
    bool leaveMailOnServer = false;
    // With leaveMailOnServer: days a stored message stays on the server; 0 keeps it there.
    int removeAfterDays = 0;

    eVrxSecurity pop3Security = eVrxSecurity::None;
    eVrxSecurity smtpSecurity = eVrxSecurity::None;
    ePop3Login pop3Login = ePop3Login::UserPass;
    eSmtpLogin smtpLogin = eSmtpLogin::None;
    QString smtpUserId;
    QByteArray smtpPassword;
    // Files written before encryption existed sent passwords in the clear; they keep doing so
    // until the user says otherwise. New accounts store it explicitly.
    bool allowPasswordInClear = true;
    // SHA-256 fingerprints (lower-case hex) of server certificates the user chose to trust.
    QList<QByteArray> trustedCertificates;
    // The passwords live in the desktop keyring; the file holds none.
    bool passwordInKeyring = false;
    eAuthentication authentication = eAuthentication::Password;
    cOAuth2Settings oAuth2;
    // Sender identities besides the account's own.
    QList<cIdentity> identities;

    // A port text as a number from 1 to 65535; none for anything else.
    static std::optional<int> PortNumber(const QString &text);
    // Ports that are no port number fall back to the protocol's usual one for the security
    // chosen: 110 or 995 for POP3, 25 or 465 for SMTP.
    int Pop3PortNumber() const;
    int SmtpPortNumber() const;
    // What the sessions need: a non-blank name and an SMTP server to send; a POP3 server,
    // user and password to receive.
    bool CanSend() const;
    // The user name and password SMTP AUTH uses; an empty user when the account does not log in.
    QString SmtpLoginUser() const;
    QByteArray SmtpLoginPassword() const;
    bool CanReceive() const;
    bool UsesOAuth2() const { return authentication == eAuthentication::OAuth2; }
    // ReplyAddress, else email: the address shown for the account.
    QString ShownAddress() const;
    // The account's own identity, then the others.
    QList<cIdentity> Identities() const;
};
