// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Delivers TVrxMsg messages to one SMTP server over one connection (RFC 5321): Connect once
// (EHLO, or HELO when the server refuses EHLO), Send for each message, Quit at the end. Every
// call blocks until its step is done; Failed tells how the last step went.
//
// A message the server refuses (a reply other than the expected one to MAIL, RCPT, DATA or the
// final dot, or one too big for the server's SIZE) raises OnError with a TVrxFailure and fails
// that Send only:
// the transaction is reset (RSET) and the connection stays usable for the next message. A
// broken connection (write failure, time-out, hang-up, 421) closes it: OnQuit, then OnError.
// Connected tells the two apart. Once the final dot is written, the server's reply decides the
// outcome: the wait for it does not call MessageQueueHook, so a stop cannot lose an accepted
// message.
//
// OnAfterSend is the last thing Send does, so a handler may call Send for the next message or
// Quit. A caller that prefers a loop (`while (queue) client.Send(next)`) gets the same result
// without nesting; that is the recommended way on a worker thread.
#include "mailproto/TVrxClient.h"
#include "mailproto/TVrxMsg.h"

#include <QDateTime>
#include <QDeadlineTimer>

#include <optional>

class TVrxSMTP : public TVrxClient
{
    Q_OBJECT

public:
    // What the server offered in its EHLO reply (RFC 1870, 6152, 2920, 6531).
    struct TExtensions
    {
        bool Pipelining = false;
        bool EightBitMime = false;
        bool SmtpUtf8 = false;
        bool Size = false;
        qint64 SizeLimit = 0; // 0: no limit announced
        bool StartTls = false;             // RFC 3207
        QList<QByteArray> AuthMechanisms; // RFC 4954, upper case
    };

    explicit TVrxSMTP(QObject *parent = nullptr);

    bool LocalizedDates = false;
    quint16 EncodeProgressStep = 10;
    quint16 SendProgressStep = 10;
    // The X-Mailer title; the program sets its own at start-up.
    QByteArray MailerName = "Ravelin 2";
    // SMTP AUTH when UserName is set. A method that shows the password is used in the clear
    // only with AllowPasswordInClear.
    QByteArray UserName;
    QByteArray Password;
    // An OAuth2 access token: when set, AUTH sends it (OAUTHBEARER or XOAUTH2) instead of the
    // password, under the same rule for connections in the clear.
    QByteArray BearerToken;
    bool AllowPasswordInClear = false;

    // Every call that can fail reports through LastFailure and OnError. TimedOut,
    // ConnectionLost and Protocol (a reply line that is too long) can end any call that talks to
    // the server; the lists below name what else each one uses.

    // Greets (EHLO, else HELO), encrypts by STARTTLS when Security asks for it and logs in when
    // UserName is set.
    // Used failures: Connect, Greeting (greeting or EHLO/HELO refused), Tls, Login (refused, or
    // no method the account allows).
    void Connect();
    // Throws EVrxError when not connected, or when From or SendTo is empty or names no address
    // (nothing is sent). MAIL FROM takes ReturnPath when set (the account's address), else
    // From's address. A message with an address that is not ASCII is refused here, before any
    // command, unless the server offers SMTPUTF8.
    // Used failures: AttachmentUnreadable (no OnError), AddressNotAscii, TooLarge (over the
    // server's SIZE), Refused (MAIL, RCPT, DATA or the final dot: the connection stays; RSET,
    // or any reply 421: it closes).
    bool Send(TVrxMsg &msg);
    // Whether the server opens a transaction for reversePath ("<>" for none) as things stand,
    // without sending a message: MAIL, then RSET. The reply code to MAIL ("530": log in first);
    // empty when not connected or the connection failed.
    // Used failures: only the transport's.
    QByteArray TrySender(const QByteArray &reversePath);
    // Used failures: Refused (QUIT).
    void Quit();

    const TExtensions &Extensions() const { return fExtensions; }

    QByteArray FormatMailDate(const QDateTime &time) const;
    QList<QByteArray> BuildMessageLines(TVrxMsg &msg);
    // Every address of To, CC and Bcc, in order: each gets an RCPT.
    static QList<QByteArray> Recipients(const TVrxMsg &msg);
    // The reverse- or forward-path of MAIL and RCPT (RFC 5321 section 4.1.2): "<address>".
    static QByteArray EnvelopeAddress(const QByteArray &mailbox);
    static QByteArray EnvelopeSender(const TVrxMsg &msg);
    // The EHLO argument (RFC 5321 section 4.1.4): a syntactically valid fully qualified name,
    // else the connection's own address as a literal ("[127.0.0.1]", "[IPv6:::1]").
    static QByteArray GreetingName(const QByteArray &hostName, const QByteArray &domainName,
                                   const QByteArray &localAddress);
    static TExtensions ParseExtensions(const QList<QByteArray> &ehloLines);

Q_SIGNALS:
    void OnBeforeSend();
    void OnAfterSend();
    void OnEncodeStart(QString FileName, qint64 BytesCount);
    void OnEncodeProgress(quint16 Percent);
    void OnEncodeEnd();
    void OnSendProgress(quint16 Percent);

private:
    // Reads up to the final line of a reply (RFC 5321 section 4.2.1: "code-" lines continue
    // it); ReplyText holds the text of every line. False when the connection failed.
    bool ReadReply(const QDeadlineTimer &deadline);
    bool ReadReply();
    bool ReadGreeting();
    void Greet();
    // EHLO (HELO when refused); false when the session ended.
    [[nodiscard]] bool Hello();
    // STARTTLS when the account asks for it, then EHLO again; false when the session ended.
    [[nodiscard]] bool Secure();
    [[nodiscard]] bool Login();
    [[nodiscard]] bool Authenticate(const QByteArray &method);
    [[nodiscard]] bool AuthenticateBearer(const QByteArray &method);
    // The end of an AUTH exchange: 235 logs in, anything else ends the session.
    [[nodiscard]] bool AuthenticationEnd(bool sent);
    // Ends the session with an error of our own (nothing the server said).
    void Abandon(eVrxFailure code, const QString &text);
    // Writes one command and reads its reply; false when the connection failed.
    [[nodiscard]] bool Exchange(const QByteArray &command);
    // The server refused command of the message: report, reset the transaction, keep the
    // connection.
    [[nodiscard]] bool RefuseMessage(const QByteArray &command);
    // The server refused the session: QUIT (RFC 5321 section 4.1.1.10), close, report.
    void RefuseSession(eVrxFailure code, const QByteArray &command);
    [[nodiscard]] bool FitsServerLimit(qint64 size);
    // Refuses the message, as a server would, when an address needs SMTPUTF8 and it is not offered.
    [[nodiscard]] bool AddressesFit(const TVrxMsg &msg, const QList<QByteArray> &recipients);
    // Refuses the message with a text of our own; the connection stays.
    [[nodiscard]] bool RefuseLocally(eVrxFailure code, const QString &text);
    QByteArray MailCommand(const TVrxMsg &msg, qint64 size, bool eightBit, bool utf8) const;
    [[nodiscard]] bool SendEnvelope(const QList<QByteArray> &commands);
    // Writes the dot-stuffed lines and the final dot, then waits for the verdict.
    [[nodiscard]] bool SendData(const QList<QByteArray> &lines);
    // The message's lines; none when an attachment cannot be read (nothing was sent).
    std::optional<QList<QByteArray>> MessageLines(TVrxMsg &msg);
    // Everything of Send after its checks; the message lines are released when it returns.
    [[nodiscard]] bool Transmit(TVrxMsg &msg, const QList<QByteArray> &recipients);
    // The server refused command and ends the session itself.
    void ServerError(eVrxFailure code, const QByteArray &command);

    TExtensions fExtensions;
    QList<QByteArray> fReplyLines;
};
