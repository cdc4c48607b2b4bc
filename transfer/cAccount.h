#pragma once
// One mail account as stored in its section of the accounts file: the plain text of the edit
// fields, nothing trimmed or checked. The password is held unscrambled.
#include <QByteArray>
#include <QString>

#include <optional>

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

    // A port text as a number from 1 to 65535; none for anything else.
    static std::optional<int> PortNumber(const QString &text);
    // Ports that are no port number fall back to the protocol's usual one.
    int Pop3PortNumber() const;
    int SmtpPortNumber() const;
    // What the sessions need: a non-blank name and an SMTP server to send; a POP3 server,
    // user and password to receive.
    bool CanSend() const;
    bool CanReceive() const;
    // ReplyAddress, else email: the address shown for the account.
    QString ShownAddress() const;
};
