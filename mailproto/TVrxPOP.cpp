#include "mailproto/TVrxPOP.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxProgress.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QByteArray Terminator = "\r\n.\r\n";
constexpr qint64 RetrieveChunkBytes = 16 * 1024;
constexpr qint64 UnknownSize = 100;

QByteArray FirstWord(const QByteArray &text)
{
    const qsizetype space = text.indexOf(' ');
    return space < 0 ? text : text.left(space);
}

} // namespace

TVrxPOP::TVrxPOP(QObject *parent) : TVrxClient(u"110"_s, parent)
{
}

void TVrxPOP::RequireConnection(const char *text) const
{
    if (!Connected())
        throw EVrxError(QString::fromLatin1(text));
}

void TVrxPOP::ErrorRoutine(int code, const QByteArray &msg)
{
    fDeletedList.clear();
    TVrxClient::ErrorRoutine(code, msg);
}

bool TVrxPOP::ReadReply(QByteArray &received)
{
    const QDeadlineTimer deadline(ReplyTimeout);
    while (!fPending.contains("\r\n")) {
        QByteArray chunk;
        if (!ReadChunk(chunk, ChunkBytes, int(deadline.remainingTime())))
            return false;
        fPending += chunk;
    }
    received = std::exchange(fPending, QByteArray());
    const qsizetype lineEnd = received.indexOf("\r\n");
    SetReply(received.left(4).trimmed(), lineEnd > 4 ? received.mid(4, lineEnd - 4).trimmed() : QByteArray());
    SetFailed(ReplyCode() == "-ERR");
    return true;
}

bool TVrxPOP::ReadReply()
{
    QByteArray received;
    return ReadReply(received);
}

bool TVrxPOP::Command(const QByteArray &line, int errorCode)
{
    if (!WriteText(line) || !ReadReply())
        return false;
    if (!Failed())
        return true;
    ErrorRoutine(errorCode, ReplyText());
    return false;
}

void TVrxPOP::Connect()
{
    fDeletedList.clear();
    fMessageCount = 0;
    if (!OpenConnection() || !ReadReply())
        return;
    fLoggedIn = false;
    if (Failed())
        ErrorRoutine(ErrGreeting, ReplyText());
}

bool TVrxPOP::Login()
{
    RequireConnection("Invalid Op. Not connected.");
    if (!Command("USER " + TVrxLines::WithoutLineBreaks(UserId) + "\r\n", ErrLogin)
        || !Command("PASS " + TVrxLines::WithoutLineBreaks(Passwd) + "\r\n", ErrLogin))
        return false;
    fLoggedIn = true;
    return true;
}

// Some servers answer STAT with a line of their own before the count.
bool TVrxPOP::ReadStatNumber()
{
    bool isNumber = false;
    fMessageCount = FirstWord(ReplyText()).toInt(&isNumber);
    if (isNumber)
        return true;
    if (!ReadReply())
        return false;
    if (Failed()) {
        ErrorRoutine(ErrStat, ReplyText());
        return false;
    }
    fMessageCount = FirstWord(ReplyText()).toInt();
    return true;
}

quint16 TVrxPOP::CheckMail()
{
    RequireConnection("Not connected.");
    if (!Command("STAT\r\n", ErrStat) || !ReadStatNumber())
        return 0;
    fLastSupported = true;
    if (!WriteText("LAST\r\n") || !ReadReply())
        return 0;
    if (Failed()) {
        fLastSupported = false;
        SetFailed(false);
        return 0;
    }
    const int last = FirstWord(ReplyText()).toInt();
    return quint16(std::clamp(fMessageCount - last, 0, 0xFFFF));
}

void TVrxPOP::Delete(quint16 number)
{
    RequireConnection("Not connected.");
    ServiceMessageQueue();
    const QByteArray text = QByteArray::number(number);
    if (!Command("DELE " + text + "\r\n", ErrDelete))
        return;
    fDeletedList.append(text);
    --fMessageCount;
    Q_EMIT OnDelete(number);
}

void TVrxPOP::Quit()
{
    if (!Connected() || !Command("QUIT\r\n", ErrQuit))
        return;
    fDeletedList.clear();
    CloseConnection();
}

// The size in a LIST reply ("1 320"); progress is relative to 100 bytes without one.
qint64 TVrxPOP::ExpectedSize()
{
    const QByteArray text = ReplyText();
    const qsizetype space = text.indexOf(' ');
    bool isNumber = false;
    const qint64 size = space < 0 ? 0 : FirstWord(text.mid(space + 1)).toLongLong(&isNumber);
    return isNumber && size > 0 ? size : UnknownSize;
}

// Reads until the terminating dot line of the multi-line reply (RFC 1939 section 3); the
// terminator may be split across chunks, so each search starts at the last four bytes seen.
bool TVrxPOP::ReceiveMessage(QByteArray &buffer, qint64 expectedSize)
{
    TVrxProgress progress(RetrieveProgressStep, [this](quint16 percent) { Q_EMIT OnRetrieveProgress(percent); });
    qsizetype searchFrom = 0;
    qsizetype end = buffer.indexOf(Terminator);
    while (end < 0) {
        searchFrom = std::max<qsizetype>(0, buffer.size() - (Terminator.size() - 1));
        ServiceMessageQueue();
        QByteArray chunk;
        if (!ReadChunk(chunk, RetrieveChunkBytes, ReplyTimeout))
            return false;
        buffer += chunk;
        progress.Update(TVrxProgress::Percent(buffer.size(), expectedSize));
        end = buffer.indexOf(Terminator, searchFrom);
    }
    fPending = buffer.mid(end + Terminator.size());
    buffer.truncate(end + 2);
    progress.Finish();
    return true;
}

TVrxMessageParser TVrxPOP::Parser()
{
    TVrxMessageParser parser;
    parser.FormatError = ErrorInFormatOfMsg;
    parser.DecodeEvents.Start = [this](const QString &name, qint64 count) { Q_EMIT OnDecodeStart(name, count); };
    parser.DecodeEvents.Progress = [this](quint16 percent) { Q_EMIT OnDecodeProgress(percent); };
    parser.DecodeEvents.End = [this] { Q_EMIT OnDecodeEnd(); };
    parser.DecodeEvents.Service = [this] { ServiceMessageQueue(); };
    parser.DecodeEvents.Step = DecodeProgressStep;
    return parser;
}

std::unique_ptr<TVrxMsg> TVrxPOP::Retrieve(quint16 number)
{
    RequireConnection("Not connected.");
    Q_EMIT OnBeforeRetrieve(number);
    const QByteArray text = QByteArray::number(number);
    if (!WriteText("LIST " + text + "\r\n") || !ReadReply())
        return nullptr;
    const qint64 expectedSize = ExpectedSize();
    QByteArray buffer;
    if (!WriteText("RETR " + text + "\r\n") || !ReadReply(buffer))
        return nullptr;
    if (Failed()) {
        ErrorRoutine(ErrRetrieve, ReplyText());
        return nullptr;
    }
    if (!ReceiveMessage(buffer, expectedSize))
        return nullptr;
    buffer.remove(0, buffer.indexOf("\r\n") + 2);
    auto msg = Parser().Parse(buffer, TVrxMessageParser::Stuffing::Pop3);
    Q_EMIT OnAfterRetrieve();
    return msg;
}
