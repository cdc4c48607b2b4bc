#pragma once
// Collects mail from one POP3 mailbox (RFC 1939: USER, PASS, STAT, LAST, LIST, RETR, DELE,
// QUIT). Call order: Connect (Failed tells whether the greeting was good), Login, CheckMail,
// then Retrieve and Delete per message, Quit. A refused command runs the error routine: the
// connection closes (OnQuit), then OnError reports the step's code (2000-2006) or a
// connection error number, with the server's text or a description of what went wrong.
#include "mailproto/TVrxClient.h"
#include "mailproto/TVrxMessageParser.h"

#include <QDeadlineTimer>

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

    explicit TVrxPOP(QObject *parent = nullptr);

    QByteArray UserId;
    QByteArray Passwd;
    QString ErrorInFormatOfMsg = QStringLiteral("Error en el formato del mensaje.");
    quint16 DecodeProgressStep = 10;
    quint16 RetrieveProgressStep = 10;

    bool LoggedIn() const { return fLoggedIn; }
    bool LastSupported() const { return fLastSupported; }
    qint32 MessageCount() const { return fMessageCount; }
    // Numbers deleted in this session; emptied when the connection closes.
    QList<QByteArray> DeletedList() const { return fDeletedList; }

    void Connect();
    // Throws EVrxError "Invalid Op. Not connected." when not connected.
    bool Login();
    // New messages by LAST; when the server has no LAST it returns 0, LastSupported is false
    // and MessageCount is the number to take. Throws EVrxError "Not connected.".
    quint16 CheckMail();
    // The parsed message, or none when the server refused it or the connection failed.
    // Throws EVrxError "Not connected.", or ErrorInFormatOfMsg for a malformed message
    // (the connection stays open).
    std::unique_ptr<TVrxMsg> Retrieve(quint16 number);
    // Throws EVrxError "Not connected.".
    void Delete(quint16 number);
    void Quit();

Q_SIGNALS:
    void OnDecodeStart(QString FileName, qint64 BytesCount);
    void OnDecodeProgress(quint16 Percent);
    void OnDecodeEnd();
    void OnBeforeRetrieve(quint16 id);
    void OnRetrieveProgress(quint16 Percent);
    void OnAfterRetrieve();
    void OnDelete(quint16 id);

protected:
    void ErrorRoutine(int code, const QByteArray &msg) override;

private:
    // Reads until the status line is complete and returns every byte read (RFC 1939 section 3).
    bool ReadReply(QByteArray &received);
    bool ReadReply();
    // Writes the line and reads the status; "-ERR" runs the error routine with errorCode.
    bool Command(const QByteArray &line, int errorCode);
    bool ReadStatNumber();
    qint64 ExpectedSize();
    bool ReceiveMessage(QByteArray &buffer, qint64 expectedSize);
    TVrxMessageParser Parser();
    void RequireConnection(const char *text) const;

    bool fLoggedIn = false;
    bool fLastSupported = false;
    qint32 fMessageCount = 0;
    QList<QByteArray> fDeletedList;
};
