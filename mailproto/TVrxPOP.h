// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Collects mail from one POP3 mailbox (RFC 1939: USER, PASS, STAT, LAST, LIST, RETR, DELE,
// QUIT). Call order: Connect (Failed tells whether the greeting was good), Login, CheckMail,
// then Retrieve and Delete per message, Quit. A client that keeps track of unique ids asks
// Capabilities and UniqueIds after Login instead of CheckMail, then Sizes, and streams its
// commands: RequestRetrieve/RequestDelete send without waiting (RFC 2449 PIPELINING; one at a
// time otherwise), TakeMessage/TakeDeleteReply read the replies in the order sent. A refused
// command runs the error routine: the connection closes (OnQuit), then OnError reports the
// failure with the refused command and the server's reply.
// A server gets no more than it needs of our time and memory: a retrieval must bring at least
// MinBytesPerTimeout in every reply time-out, and a message over MaxMessageSize is not read (it
// stays on the server).
#include "mailproto/TVrxClient.h"

#include <QMap>

#include <deque>
#include <optional>

class TVrxPOP : public TVrxClient
{
    Q_OBJECT

public:
    static constexpr qint64 DefaultMaxMessageSize = 100 * 1024 * 1024;
    // A retrieval that gets fewer bytes than this within one reply time-out has stalled.
    static constexpr qint64 DefaultMinBytesPerTimeout = 1024;
    // How long a stopped session may take to finish the reply in progress and QUIT.
    static constexpr int StopGraceMs = 5000;

    // USER and PASS; APOP (RFC 1939 section 7) with the greeting's timestamp; or AUTH (RFC
    // 5034) with the best method CAPA lists.
    enum class LoginMethod { UserPass, Apop, Sasl };

    explicit TVrxPOP(QObject *parent = nullptr);

    QByteArray UserId;
    QByteArray Passwd;
    LoginMethod Method = LoginMethod::UserPass;
    // A method that shows the password (USER/PASS, AUTH PLAIN or LOGIN) is used on a plain
    // connection only with this; APOP and CRAM-MD5 never show it.
    bool AllowPasswordInClear = false;
    // An OAuth2 access token: with Method Sasl, AUTH sends it (OAUTHBEARER or XOAUTH2) instead
    // of the password, under the same rule for connections in the clear.
    QByteArray BearerToken;
    quint16 RetrieveProgressStep = 10;
    qint64 MaxMessageSize = DefaultMaxMessageSize;
    qint64 MinBytesPerTimeout = DefaultMinBytesPerTimeout;

    bool LoggedIn() const { return fLoggedIn; }
    // Set by Capabilities.
    bool Pipelining() const { return fPipelining; }
    bool OffersStls() const { return fOffersStls; }
    // The AUTH methods CAPA listed under SASL, upper case.
    QList<QByteArray> SaslMechanisms() const { return fSaslMechanisms; }
    // The greeting's APOP timestamp ("<...@...>"), empty when it has none.
    QByteArray ApopTimestamp() const { return fApopTimestamp; }
    // True when the server listed UIDL, or when it has no CAPA and may still know it.
    bool MayHaveUniqueIds() const { return fMayHaveUniqueIds; }
    bool LastSupported() const { return fLastSupported; }
    qint64 MessageCount() const { return fMessageCount; }
    // Numbers deleted in this session; emptied when the connection closes.
    QList<QByteArray> DeletedList() const { return fDeletedList; }

    // Every call that can fail reports through LastFailure, and through OnError when it ends the
    // connection. TimedOut, ConnectionLost and Protocol (a reply line that is too long) can end
    // any call that talks to the server; the lists below name what else each one uses.
    // Calls that need a connection throw EVrxError "Not connected." without one (Login:
    // "Invalid Op. Not connected.").

    // Reads the greeting; with Security StartTls asks CAPA and upgrades by STLS (RFC 2595), and
    // a server that does not offer it is an error: nothing is sent in the clear.
    // Used failures: Connect, Greeting, Tls.
    void Connect();
    // Logs in by Method.
    // Used failures: Login.
    bool Login();
    // New messages by LAST; when the server has no LAST it returns 0, LastSupported is false
    // and MessageCount is the number to take. A count that is no count is a protocol error.
    // Used failures: Refused (STAT), Protocol.
    qint64 CheckMail();
    // The message's bytes, the dots the server added taken off (RFC 1939 section 3); none when
    // the server refused it, the connection failed or it is too large. Nothing here reads it.
    // Used failures: Refused (RETR), TooLarge (connected when LIST told the size first).
    std::optional<QByteArray> Retrieve(qint64 number);
    // Used failures: Refused (DELE).
    void Delete(qint64 number);

    // CAPA (RFC 2449); a server without it is no error.
    // Used failures: only the transport's.
    void Capabilities();
    // UIDL (RFC 1939 section 7): message number to unique id. None when the server refused it
    // (still connected, no failure) or the connection failed.
    // Used failures: Protocol (a malformed listing).
    std::optional<QMap<qint64, QByteArray>> UniqueIds();
    // LIST without a number: message number to size; empty when refused.
    // Used failures: only the transport's.
    QMap<qint64, qint64> Sizes();
    // Commands sent ahead of their replies; false when the connection failed.
    // Used failures: ConnectionLost.
    [[nodiscard]] bool RequestRetrieve(const QList<qint64> &numbers);
    [[nodiscard]] bool RequestDelete(const QList<qint64> &numbers);
    // The reply of the oldest outstanding RETR, as Retrieve gives it; none when refused or the
    // connection failed (the error routine has run).
    // Used failures: Refused (RETR), TooLarge.
    std::optional<QByteArray> TakeMessage(qint64 number, qint64 expectedSize);
    // The reply of the oldest outstanding DELE; false when refused or the connection failed.
    // Used failures: Refused (DELE).
    bool TakeDeleteReply(qint64 number);
    // Used failures: Refused (QUIT).
    void Quit();
    // After a stop thrown from MessageQueueHook: reads the rest of the reply in progress and
    // QUITs within StopGraceMs, so the deletions sent so far take effect (RFC 1939 section 6);
    // a server that cannot keep up is just disconnected.
    // Used failures: as Quit.
    void QuitAfterStop();

Q_SIGNALS:
    void OnBeforeRetrieve(qint64 id);
    void OnRetrieveProgress(quint16 Percent);
    void OnAfterRetrieve();
    void OnDelete(qint64 id);

protected:
    void ErrorRoutine(const TVrxFailure &failure) override;

private:
    // What the server still owes us, so a stopped dialogue can be brought back in step;
    // Unknown after a write that did not finish.
    enum class Awaiting { Status, StatusThenData, Data, Unknown };

    [[nodiscard]] bool Send(const QByteArray &line, Awaiting awaiting = Awaiting::Status);
    // Writes the lines in one go; each awaits a reply of the given kind.
    [[nodiscard]] bool SendAll(const QList<QByteArray> &lines, Awaiting awaiting);
    // The data lines of a multi-line reply, dot-unstuffed, without the terminating line.
    [[nodiscard]] bool ReadListing(QList<QByteArray> &lines);
    // Sends the command; "+OK" leaves its listing in lines, "-ERR" gives false and connected.
    [[nodiscard]] bool Listing(const QByteArray &command, QList<QByteArray> &lines);
    void Finished(Awaiting awaiting);
    [[nodiscard]] bool UpgradeToTls();
    // Ends the dialogue before any password is sent: QUIT, then the error routine.
    void Refuse(eVrxFailure code, const QString &text);
    [[nodiscard]] bool ShowsPasswordAllowed(const QByteArray &method);
    [[nodiscard]] bool LoginUserPass();
    [[nodiscard]] bool LoginApop();
    [[nodiscard]] bool LoginSasl();
    [[nodiscard]] bool SendBearer(const QByteArray &method);
    // The end of an AUTH exchange: "+OK" logs in, anything else runs the error routine.
    [[nodiscard]] bool AuthenticationEnd(bool sent);
    // Sends one AUTH step and reads its reply: "+" asks for the next step, "+OK" ends it.
    [[nodiscard]] bool AuthStep(const QByteArray &line);
    [[nodiscard]] bool ReadReply();
    // Writes the line and reads the status; "-ERR" runs the error routine with code.
    [[nodiscard]] bool Command(const QByteArray &line, eVrxFailure code);
    [[nodiscard]] bool ReadCount(qint64 &count, const char *command);
    qint64 ExpectedSize() const;
    [[nodiscard]] bool ReceiveMessage(QByteArray &buffer, qint64 expectedSize, qint64 number);
    [[nodiscard]] bool SkipMessageData();
    // The reply to a RETR already sent, and its message.
    std::optional<QByteArray> ReadMessage(qint64 number, qint64 expectedSize);
    void RequireConnection(const char *text) const;

    bool fLoggedIn = false;
    bool fLastSupported = false;
    qint64 fMessageCount = 0;
    QList<QByteArray> fDeletedList;
    // Replies still owed, oldest first; Unknown while a write is under way.
    std::deque<Awaiting> fOutstanding;
    bool fPipelining = false;
    bool fCapabilitiesAsked = false;
    bool fOffersStls = false;
    QList<QByteArray> fSaslMechanisms;
    QByteArray fApopTimestamp;
    bool fMayHaveUniqueIds = true;
    // The last bytes of message data seen, for a terminator split across reads.
    QByteArray fDataTail;
};
