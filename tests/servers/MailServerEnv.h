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
        return !SmtpPort.isEmpty() && !Pop3Port.isEmpty();
    }
};
