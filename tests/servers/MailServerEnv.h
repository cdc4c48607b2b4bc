// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the "mailservers" ctest fixture started: read from the file named by the environment
// variable RAVELIN_MAILSERVERS_ENV (written by tests/servers/mailservers).
#include <QByteArray>
#include <QFile>
#include <QMap>
#include <QString>

struct MailServerEnv
{
    QString SmtpHost, SmtpPort, Pop3Host, Pop3Port, Maildir;
    QByteArray User, Password;
    // Secure servers: see tests/servers/mailservers for what each one offers.
    QString TlsCaFile, Pop3sPort, SmtpsPort, SmtpsLoginOnlyPort, SmtpStartTlsPort, SmtpStrippedPort, SmtpWrongHostPort, SmtpAuthLog;
    QByteArray TlsFingerprint; // SHA-256, lower-case hex

    // False when the fixture did not run or its file cannot be read.
    bool Load()
    {
        QFile file(qEnvironmentVariable("RAVELIN_MAILSERVERS_ENV"));
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QMap<QByteArray, QByteArray> values;
        for (const QByteArray &line : file.readAll().split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0)
                values.insert(line.left(equals), line.mid(equals + 1).trimmed());
        }
        SmtpHost = QString::fromUtf8(values.value("RAVELIN_SMTP_HOST"));
        SmtpPort = QString::fromUtf8(values.value("RAVELIN_SMTP_PORT"));
        Pop3Host = QString::fromUtf8(values.value("RAVELIN_POP3_HOST"));
        Pop3Port = QString::fromUtf8(values.value("RAVELIN_POP3_PORT"));
        Maildir = QString::fromUtf8(values.value("RAVELIN_MAILDIR"));
        User = values.value("RAVELIN_MAIL_USER");
        Password = values.value("RAVELIN_MAIL_PASSWORD");
        TlsCaFile = QString::fromUtf8(values.value("RAVELIN_TLS_CA_FILE"));
        TlsFingerprint = values.value("RAVELIN_TLS_FINGERPRINT");
        Pop3sPort = QString::fromUtf8(values.value("RAVELIN_POP3S_PORT"));
        SmtpsPort = QString::fromUtf8(values.value("RAVELIN_SMTPS_PORT"));
        SmtpsLoginOnlyPort = QString::fromUtf8(values.value("RAVELIN_SMTPS_LOGIN_ONLY_PORT"));
        SmtpStartTlsPort = QString::fromUtf8(values.value("RAVELIN_SMTP_STARTTLS_PORT"));
        SmtpStrippedPort = QString::fromUtf8(values.value("RAVELIN_SMTP_STRIPPED_PORT"));
        SmtpWrongHostPort = QString::fromUtf8(values.value("RAVELIN_SMTP_WRONG_HOST_PORT"));
        SmtpAuthLog = QString::fromUtf8(values.value("RAVELIN_SMTP_AUTH_LOG"));
        return !SmtpPort.isEmpty() && !Pop3Port.isEmpty();
    }
};
