// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Records the signals of a protocol client as short texts ("OnError Refused 550 no such user":
// the failure's code, then the server's reply or else our text), in the order they were
// raised, so a test can compare the whole sequence at once.
#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"

#include <QElapsedTimer>
#include <QStringList>

class EventLog
{
public:
    explicit EventLog(TVrxClient &client)
    {
        fStarted.start();
        QObject::connect(&client, &TVrxClient::OnConnect, [this] { Add(QStringLiteral("OnConnect")); });
        QObject::connect(&client, &TVrxClient::OnQuit, [this] { Add(QStringLiteral("OnQuit")); });
        QObject::connect(&client, &TVrxClient::OnError, [this](const TVrxFailure &failure) {
            const QString said = failure.ServerReply.isEmpty() ? failure.Text : QString::fromUtf8(failure.ServerReply);
            Add(QStringLiteral("OnError %1 %2").arg(Name(failure.Code), said));
        });
    }

    void Watch(TVrxSMTP &smtp)
    {
        QObject::connect(&smtp, &TVrxSMTP::OnBeforeSend, [this] { Add(QStringLiteral("OnBeforeSend")); });
        QObject::connect(&smtp, &TVrxSMTP::OnAfterSend, [this] { Add(QStringLiteral("OnAfterSend")); });
        QObject::connect(&smtp, &TVrxSMTP::OnSendProgress, [this](quint16 percent) { Add(QStringLiteral("Send %1").arg(percent)); });
    }

    void Watch(TVrxPOP &pop)
    {
        QObject::connect(&pop, &TVrxPOP::OnBeforeRetrieve, [this](qint64 id) { Add(QStringLiteral("OnBeforeRetrieve %1").arg(id)); });
        QObject::connect(&pop, &TVrxPOP::OnRetrieveProgress, [this](quint16 percent) { Add(QStringLiteral("Retrieve %1").arg(percent)); });
        QObject::connect(&pop, &TVrxPOP::OnAfterRetrieve, [this] { Add(QStringLiteral("OnAfterRetrieve")); });
        QObject::connect(&pop, &TVrxPOP::OnDelete, [this](qint64 id) { Add(QStringLiteral("OnDelete %1").arg(id)); });
    }

    // The recorded events without the progress ones, which tests check on their own.
    QStringList Steps() const
    {
        QStringList steps = fEvents;
        steps.removeIf([](const QString &event) { return event.startsWith(u"Send ") || event.startsWith(u"Retrieve "); });
        return steps;
    }
    QStringList Matching(const QString &prefix) const
    {
        QStringList found;
        for (const QString &event : fEvents)
            if (event.startsWith(prefix))
                found.append(event);
        return found;
    }
    QStringList All() const { return fEvents; }
    // How long the client has been at work since the log was made.
    qint64 ElapsedMs() const { return fStarted.elapsed(); }

    static QString Name(eVrxFailure code)
    {
        static const char *const names[] = {"None",     "Connect",        "Tls",      "Greeting",
                                            "Login",    "Refused",        "TimedOut", "ConnectionLost",
                                            "Protocol", "TooLarge",       "AddressNotAscii", "AttachmentUnreadable"};
        return QString::fromLatin1(names[int(code)]);
    }

private:
    void Add(const QString &event) { fEvents.append(event); }
    QStringList fEvents;
    QElapsedTimer fStarted;
};
