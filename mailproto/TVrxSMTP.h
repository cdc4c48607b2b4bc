#pragma once
// Delivers TVrxMsg messages to one SMTP server over one connection (RFC 821: HELO, MAIL,
// RCPT, DATA, QUIT; no extensions): Connect once, Send for each message, Quit at the end.
// Every call blocks until its step is done; Failed tells how Connect went. A failed step closes
// the connection (OnQuit, then OnError) and the client can be connected again.
//
// OnAfterSend is the last thing Send does, so a handler may call Send for the next message or
// Quit. A caller that prefers a loop (`while (queue) client.Send(next)`) gets the same result
// without nesting; that is the recommended way on a worker thread.
#include "mailproto/TVrxClient.h"
#include "mailproto/TVrxMsg.h"

#include <QDateTime>
#include <QDeadlineTimer>

class TVrxSMTP : public TVrxClient
{
    Q_OBJECT

public:
    explicit TVrxSMTP(QObject *parent = nullptr);

    bool LocalizedDates = false;
    quint16 EncodeProgressStep = 10;
    quint16 SendProgressStep = 10;
    // The X-Mailer title; the program sets its own at start-up.
    QByteArray MailerName = "Ravelin 2";

    void Connect();
    // Throws EVrxError when not connected or when From or SendTo is empty (nothing is sent),
    // and when an attachment cannot be read (before any envelope command).
    bool Send(TVrxMsg &msg);
    void Quit();

    QByteArray FormatMailDate(const QDateTime &time) const;
    QList<QByteArray> BuildMessageLines(TVrxMsg &msg);
    // Envelope recipients of SendTo: split at "," or, where none is left, at ";".
    static QList<QByteArray> SplitRecipients(const QByteArray &sendTo);
    // The reverse- or forward-path of MAIL and RCPT (RFC 821 section 4.1.1): "<address>" for a
    // bare address, the first bracketed part of "Name <address>".
    static QByteArray EnvelopeAddress(const QByteArray &address);

Q_SIGNALS:
    void OnBeforeSend();
    void OnAfterSend();
    void OnEncodeStart(QString FileName, qint64 BytesCount);
    void OnEncodeProgress(quint16 Percent);
    void OnEncodeEnd();
    void OnSendProgress(quint16 Percent);

private:
    // Reads up to the final line of a reply (RFC 821 section 4.2: "code-" lines continue it).
    bool ReadReply(const QDeadlineTimer &deadline);
    bool ReadReply();
    bool ReadGreeting();
    bool Command(const QByteArray &line, const QByteArray &expectedCode);
    bool SendLines(const QList<QByteArray> &lines);
    // Everything of Send after its checks; the message lines are released when it returns.
    bool Transmit(TVrxMsg &msg);
    void ServerError();
};
