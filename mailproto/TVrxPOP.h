#pragma once
// Collects mail from one POP3 mailbox (RFC 1939: USER, PASS, STAT, LAST, LIST, RETR, DELE,
// QUIT). Call order: Connect (Failed tells whether the greeting was good), Login, CheckMail,
// then Retrieve and Delete per message, Quit. A refused command runs the error routine: the
// connection closes (OnQuit), then OnError reports the step's code (2000-2006) or a
// connection error number, with the server's text or a description of what went wrong.
// A server gets no more than it needs of our time and memory: a retrieval must keep a minimum
// rate, and a message over MaxMessageSize is not read (it stays on the server).
#include "mailproto/TVrxClient.h"
#include "mailproto/TVrxMessageParser.h"

#include <QElapsedTimer>

class TVrxPOP : public TVrxClient
{
    Q_OBJECT

public:
    enum ErrorCode {
        ErrGreeting = 2000,
        ErrLogin = 2001,
        ErrQuit = 2002,
        ErrDelete = 2003,
        ErrRetrieve = 2004,
        ErrStat = 2006,
    };

    static constexpr qint64 DefaultMaxMessageSize = 100 * 1024 * 1024;
    static constexpr qint64 DefaultMinRetrieveRate = 16 * 1024;
    // How long a stopped session may take to finish the reply in progress and QUIT.
    static constexpr int StopGraceMs = 5000;

    explicit TVrxPOP(QObject *parent = nullptr);

    QByteArray UserId;
    QByteArray Passwd;
    QString ErrorInFormatOfMsg = QStringLiteral("Error en el formato del mensaje.");
    quint16 DecodeProgressStep = 10;
    quint16 RetrieveProgressStep = 10;
    qint64 MaxMessageSize = DefaultMaxMessageSize;
    // Bytes per second a retrieval must keep up, on top of ReplyTimeout, reckoned on the size
    // LIST announced or the bytes received, whichever is more.
    qint64 MinRetrieveRate = DefaultMinRetrieveRate;

    bool LoggedIn() const { return fLoggedIn; }
    bool LastSupported() const { return fLastSupported; }
    qint64 MessageCount() const { return fMessageCount; }
    // Numbers deleted in this session; emptied when the connection closes.
    QList<QByteArray> DeletedList() const { return fDeletedList; }
    // Why the last Retrieve left its message on the server (no message, still connected), or
    // why the message it returned holds the raw text instead of parsed parts; else empty.
    QString RetrieveNote() const { return fRetrieveNote; }

    void Connect();
    // Throws EVrxError "Invalid Op. Not connected." when not connected.
    bool Login();
    // New messages by LAST; when the server has no LAST it returns 0, LastSupported is false
    // and MessageCount is the number to take. A count that is no count is a protocol error.
    // Throws EVrxError "Not connected.".
    qint64 CheckMail();
    // The parsed message, or none when the server refused it, the connection failed or it
    // is too large. A message the parser cannot read comes back as plain text holding its
    // raw lines, with RetrieveNote saying why. Throws EVrxError "Not connected.".
    std::unique_ptr<TVrxMsg> Retrieve(qint64 number);
    // Throws EVrxError "Not connected.".
    void Delete(qint64 number);
    void Quit();
    // After a stop thrown from MessageQueueHook: reads the rest of the reply in progress and
    // QUITs within StopGraceMs, so the deletions sent so far take effect (RFC 1939 section 6);
    // a server that cannot keep up is just disconnected.
    void QuitAfterStop();

Q_SIGNALS:
    void OnDecodeStart(QString FileName, qint64 BytesCount);
    void OnDecodeProgress(quint16 Percent);
    void OnDecodeEnd();
    void OnBeforeRetrieve(qint64 id);
    void OnRetrieveProgress(quint16 Percent);
    void OnAfterRetrieve();
    void OnDelete(qint64 id);

protected:
    void ErrorRoutine(int code, const QByteArray &msg) override;

private:
    // What the server still owes us, so a stopped dialogue can be brought back in step;
    // Unknown after a write that did not finish.
    enum class Awaiting { Nothing, Status, StatusThenData, Data, Unknown };

    [[nodiscard]] bool Send(const QByteArray &line, Awaiting awaiting = Awaiting::Status);
    [[nodiscard]] bool ReadReply();
    // Writes the line and reads the status; "-ERR" runs the error routine with errorCode.
    [[nodiscard]] bool Command(const QByteArray &line, int errorCode);
    [[nodiscard]] bool ReadCount(qint64 &count, const char *command);
    qint64 ExpectedSize() const;
    [[nodiscard]] bool ReceiveMessage(QByteArray &buffer, qint64 expectedSize, qint64 number);
    [[nodiscard]] bool SkipMessageData();
    QDeadlineTimer RetrievalDeadline(qint64 received, qint64 expectedSize, qint64 *limitMs) const;
    std::unique_ptr<TVrxMsg> Parse(const QByteArray &message);
    TVrxMessageParser Parser();
    void RequireConnection(const char *text) const;

    bool fLoggedIn = false;
    bool fLastSupported = false;
    qint64 fMessageCount = 0;
    QList<QByteArray> fDeletedList;
    QString fRetrieveNote;
    Awaiting fAwaiting = Awaiting::Nothing;
    // The last bytes of message data seen, for a terminator split across reads.
    QByteArray fDataTail;
    QElapsedTimer fRetrievalClock;
};
