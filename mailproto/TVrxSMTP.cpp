#include "mailproto/TVrxSMTP.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxMessageBuilder.h"
#include "mailproto/TVrxProgress.h"

using namespace Qt::StringLiterals;

namespace {

// A final reply line has a space after its code; a bare code is final too.
bool IsFinalLine(const QByteArray &line)
{
    return line.size() == 3 || (line.size() > 3 && line.at(3) == ' ');
}

} // namespace

TVrxSMTP::TVrxSMTP(QObject *parent) : TVrxClient(u"25"_s, parent)
{
}

void TVrxSMTP::ServerError()
{
    ErrorRoutine(ReplyCode().toInt(), ReplyText());
}

bool TVrxSMTP::ReadReply(const QDeadlineTimer &deadline)
{
    for (;;) {
        for (qsizetype end = fPending.indexOf("\r\n"); end >= 0; end = fPending.indexOf("\r\n")) {
            const QByteArray line = fPending.left(end);
            fPending.remove(0, end + 2);
            if (IsFinalLine(line)) {
                SetReply(line.left(3).trimmed(), line.mid(3, 64).trimmed());
                return true;
            }
        }
        QByteArray chunk;
        if (!ReadChunk(chunk, ChunkBytes, int(deadline.remainingTime())))
            return false;
        fPending += chunk;
        ServiceMessageQueue();
    }
}

bool TVrxSMTP::ReadReply()
{
    return ReadReply(QDeadlineTimer(ReplyTimeout));
}

// Lines before "220" or "421" are a banner; the whole greeting must come within ReplyTimeout.
bool TVrxSMTP::ReadGreeting()
{
    const QDeadlineTimer deadline(ReplyTimeout);
    do {
        if (!ReadReply(deadline))
            return false;
    } while (ReplyCode() != "220" && ReplyCode() != "421");
    return true;
}

void TVrxSMTP::Connect()
{
    if (!OpenConnection() || !ReadGreeting())
        return;
    if (ReplyCode() == "421") {
        ServerError();
        return;
    }
    Command("HELO " + LocalHostName() + "\r\n", "250");
}

bool TVrxSMTP::Command(const QByteArray &line, const QByteArray &expectedCode)
{
    if (!WriteText(line) || !ReadReply())
        return false;
    if (ReplyCode() == expectedCode)
        return true;
    ServerError();
    return false;
}

QByteArray TVrxSMTP::FormatMailDate(const QDateTime &time) const
{
    return TVrxMessageBuilder::FormatMailDate(time, LocalizedDates);
}

QList<QByteArray> TVrxSMTP::BuildMessageLines(TVrxMsg &msg)
{
    TVrxMessageBuilder builder;
    builder.Host = Host.toUtf8();
    builder.MailerName = MailerName;
    builder.LocalHostName = LocalHostName();
    builder.EncodeEvents.Start = [this](const QString &name, qint64 count) { Q_EMIT OnEncodeStart(name, count); };
    builder.EncodeEvents.Progress = [this](quint16 percent) { Q_EMIT OnEncodeProgress(percent); };
    builder.EncodeEvents.End = [this] { Q_EMIT OnEncodeEnd(); };
    builder.EncodeEvents.Service = [this] { ServiceMessageQueue(); };
    builder.EncodeEvents.Step = EncodeProgressStep;
    return builder.BuildMessageLines(msg);
}

QList<QByteArray> TVrxSMTP::SplitRecipients(const QByteArray &sendTo)
{
    QList<QByteArray> recipients;
    QByteArray rest = sendTo.trimmed();
    for (;;) {
        qsizetype separator = rest.indexOf(',');
        if (separator < 0)
            separator = rest.indexOf(';');
        if (separator < 0)
            break;
        recipients.append(rest.left(separator).trimmed());
        rest.remove(0, separator + 1);
    }
    recipients.append(rest.trimmed());
    return recipients;
}

QByteArray TVrxSMTP::EnvelopeAddress(const QByteArray &address)
{
    const QByteArray clean = TVrxLines::WithoutLineBreaks(address);
    const qsizetype open = clean.indexOf('<');
    if (open < 0)
        return '<' + clean + '>';
    const qsizetype close = clean.indexOf('>', open);
    return close < 0 ? clean.mid(open) : clean.mid(open, close - open + 1);
}

bool TVrxSMTP::SendLines(const QList<QByteArray> &lines)
{
    // Lines go out in blocks: one write per line made a large attachment a syscall storm.
    constexpr qsizetype kBlockBytes = 64 * 1024;
    TVrxProgress progress(SendProgressStep, [this](quint16 percent) { Q_EMIT OnSendProgress(percent); });
    const qsizetype count = lines.size();
    QByteArray block;
    block.reserve(kBlockBytes + 1024);
    for (qsizetype i = 0; i < count; ++i) {
        block += lines.at(i);
        block += "\r\n";
        if ((block.size() >= kBlockBytes || i + 1 == count) && !WriteText(block))
            return false;
        if (block.size() >= kBlockBytes || i + 1 == count)
            block.clear();
        progress.Update(TVrxProgress::Percent(i, count));
        ServiceMessageQueue();
    }
    // The last line already ends in CR LF; another would add an empty line to every body.
    if (!Command(".\r\n", "250"))
        return false;
    progress.Finish();
    return true;
}

bool TVrxSMTP::Transmit(TVrxMsg &msg)
{
    const QList<QByteArray> lines = BuildMessageLines(msg);
    Q_EMIT OnBeforeSend();
    if (!Command("MAIL FROM:" + EnvelopeAddress(msg.From) + "\r\n", "250"))
        return false;
    for (const QByteArray &recipient : SplitRecipients(msg.SendTo))
        if (!Command("RCPT TO:" + EnvelopeAddress(recipient) + "\r\n", "250"))
            return false;
    return Command("DATA\r\n", "354") && SendLines(lines);
}

bool TVrxSMTP::Send(TVrxMsg &msg)
{
    if (!Connected())
        throw EVrxError(u"Not connected."_s);
    if (msg.From.isEmpty())
        throw EVrxError(u"From field not specified."_s);
    if (msg.SendTo.isEmpty())
        throw EVrxError(u"SendTo field not specified."_s);
    msg.Date = FormatMailDate(QDateTime::currentDateTime());
    if (!Transmit(msg))
        return false;
    Q_EMIT OnAfterSend();
    return true;
}

void TVrxSMTP::Quit()
{
    if (!Connected())
        return;
    if (!WriteText("QUIT\r\n") || !ReadReply())
        return;
    if (ReplyCode() != "221") {
        ServerError();
        return;
    }
    CloseConnection();
}
