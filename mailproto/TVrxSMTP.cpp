// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxSMTP.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxAddressList.h"
#include "mailproto/TVrxEncodedWords.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxMessageBuilder.h"
#include "mailproto/TVrxProgress.h"
#include "mailproto/TVrxSasl.h"

#include <QHostInfo>
#include <QRegularExpression>
#include <QScopeGuard>

#include <algorithm>
#include <numeric>

using namespace Qt::StringLiterals;

namespace {

// RFC 5321 section 4.5.3.1.5 allows 512 octets; more than this is not a mail server talking.
constexpr qsizetype kMaxReplyLine = 4096;
// Lines kept of one reply; a flood of continuation lines is cut here.
constexpr qsizetype kMaxReplyLines = 100;
// Lines go out in blocks: one write per line made a large attachment a syscall storm.
constexpr qsizetype kBlockBytes = 64 * 1024;

// A final reply line has a space after its code; a bare code is final too.
bool IsFinalLine(const QByteArray &line)
{
    return line.size() == 3 || (line.size() > 3 && line.at(3) == ' ');
}

bool HasEightBitBytes(const QList<QByteArray> &lines)
{
    return std::any_of(lines.begin(), lines.end(), [](const QByteArray &line) {
        return std::any_of(line.begin(), line.end(), [](char c) { return quint8(c) >= 0x80; });
    });
}

// RFC 1870 section 3: the message's octets with their CR LF, without dot-stuffing or the final dot.
qint64 MessageSize(const QList<QByteArray> &lines)
{
    return std::accumulate(lines.begin(), lines.end(), qint64(0),
                           [](qint64 sum, const QByteArray &line) { return sum + line.size() + 2; });
}

// RFC 1035 section 2.3.1 labels, at least two of them: what EHLO may name.
bool IsFullyQualified(const QByteArray &name)
{
    static const QRegularExpression label(u"^(?=.{1,253}$)([A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?\\.)+"
                                          u"[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?$"_s);
    return label.match(QString::fromLatin1(name)).hasMatch();
}

} // namespace

TVrxSMTP::TVrxSMTP(QObject *parent) : TVrxClient(u"25"_s, parent)
{
}

void TVrxSMTP::ServerError(eVrxFailure code, const QByteArray &command)
{
    ErrorRoutine(Refusal(code, command));
}

bool TVrxSMTP::ReadReply(const QDeadlineTimer &deadline)
{
    fReplyLines.clear();
    qsizetype scanned = 0;
    for (;;) {
        for (qsizetype end = fPending.indexOf("\r\n", scanned); end >= 0; end = fPending.indexOf("\r\n")) {
            const QByteArray line = fPending.left(end);
            fPending.remove(0, end + 2);
            if (fReplyLines.size() < kMaxReplyLines)
                fReplyLines.append(line.mid(4).trimmed());
            if (IsFinalLine(line)) {
                fReplyLines.removeAll(QByteArray());
                SetReply(line.left(3).trimmed(), fReplyLines.join(' '));
                return true;
            }
        }
        if (fPending.size() > kMaxReplyLine) {
            fPending.clear();
            ErrorRoutine({eVrxFailure::Protocol,
                          u"%1 sent a reply line longer than %2 bytes"_s.arg(Where()).arg(kMaxReplyLine)});
            return false;
        }
        scanned = std::max<qsizetype>(0, fPending.size() - 1);
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

// Lines before "220" or a refusal are a banner; the whole greeting must come within ReplyTimeout.
bool TVrxSMTP::ReadGreeting()
{
    const QDeadlineTimer deadline(ReplyTimeout);
    do {
        if (!ReadReply(deadline))
            return false;
    } while (ReplyCode() != "220" && !ReplyCode().startsWith('4') && !ReplyCode().startsWith('5'));
    return true;
}

void TVrxSMTP::Connect()
{
    fExtensions = {};
    if (!OpenConnection() || !ReadGreeting())
        return;
    // 421 closes the channel at once; after any other refusal the server waits for QUIT
    // (RFC 5321 section 3.1).
    if (ReplyCode() == "421")
        ServerError(eVrxFailure::Greeting, {});
    else if (ReplyCode() != "220")
        RefuseSession(eVrxFailure::Greeting, {});
    else
        Greet();
}

QByteArray TVrxSMTP::GreetingName(const QByteArray &hostName, const QByteArray &domainName,
                                  const QByteArray &localAddress)
{
    // A trailing dot only marks the name absolute.
    const QByteArray host = hostName.endsWith('.') ? hostName.chopped(1) : hostName;
    const QByteArray domain = domainName.endsWith('.') ? domainName.chopped(1) : domainName;
    if (IsFullyQualified(host))
        return host;
    if (!host.contains('.') && IsFullyQualified(host + '.' + domain))
        return host + '.' + domain;
    if (localAddress.contains(':'))
        return "[IPv6:" + localAddress + ']';
    if (!localAddress.isEmpty())
        return '[' + localAddress + ']';
    return "[127.0.0.1]";
}

TVrxSMTP::TExtensions TVrxSMTP::ParseExtensions(const QList<QByteArray> &ehloLines)
{
    TExtensions offered;
    for (const QByteArray &line : ehloLines.mid(1)) {
        const QList<QByteArray> words = line.simplified().split(' ');
        const QByteArray keyword = words.first().toUpper();
        if (keyword == "PIPELINING") {
            offered.Pipelining = true;
        } else if (keyword == "8BITMIME") {
            offered.EightBitMime = true;
        } else if (keyword == "SMTPUTF8") {
            offered.SmtpUtf8 = true;
        } else if (keyword == "SIZE") {
            offered.Size = true;
            offered.SizeLimit = std::max<qint64>(0, words.value(1).toLongLong());
        } else if (keyword == "STARTTLS") {
            offered.StartTls = true;
        } else if (keyword == "AUTH") {
            for (const QByteArray &word : words.mid(1))
                offered.AuthMechanisms.append(word.toUpper());
        }
    }
    return offered;
}

void TVrxSMTP::Greet()
{
    if (Hello() && Secure())
        (void)Login();
}

bool TVrxSMTP::Hello()
{
    const QByteArray name = GreetingName(QHostInfo::localHostName().toUtf8(), QHostInfo::localDomainName().toUtf8(),
                                         LocalAddress());
    fExtensions = {};
    if (!Exchange("EHLO " + name + "\r\n"))
        return false;
    if (ReplyCode() == "250") {
        fExtensions = ParseExtensions(fReplyLines);
        return true;
    }
    if (!ReplyCode().startsWith('5')) {
        ReplyCode() == "421" ? ServerError(eVrxFailure::Greeting, "EHLO") : RefuseSession(eVrxFailure::Greeting, "EHLO");
        return false;
    }
    if (!Exchange("HELO " + name + "\r\n"))
        return false;
    if (ReplyCode() == "250")
        return true;
    RefuseSession(eVrxFailure::Greeting, "HELO");
    return false;
}

void TVrxSMTP::Abandon(eVrxFailure code, const QString &text)
{
    if (Exchange("QUIT\r\n"))
        CloseConnection();
    ErrorRoutine({code, text});
}

bool TVrxSMTP::Secure()
{
    if (Security != eVrxSecurity::StartTls || Encrypted())
        return true;
    // A server that leaves STARTTLS out may be one whose reply was tampered with: never fall back.
    if (!fExtensions.StartTls) {
        Abandon(eVrxFailure::Tls, u"%1 does not offer STARTTLS, which this account requires; nothing was sent"_s.arg(Where()));
        return false;
    }
    if (!Exchange("STARTTLS\r\n"))
        return false;
    if (ReplyCode() != "220") {
        RefuseSession(eVrxFailure::Tls, "STARTTLS");
        return false;
    }
    return StartTls() && Hello();
}

bool TVrxSMTP::Login()
{
    if (UserName.isEmpty())
        return true;
    const bool bearer = !BearerToken.isEmpty();
    const QByteArray method = bearer ? TVrxSasl::ChooseBearer(fExtensions.AuthMechanisms)
                                     : TVrxSasl::Choose(fExtensions.AuthMechanisms, Encrypted());
    if (method.isEmpty()) {
        Abandon(eVrxFailure::Login, u"%1 offers no %2 Ravelin knows (%3)"_s.arg(
            Where(), bearer ? u"OAuth2 sign-in"_s : u"login method"_s,
            QString::fromLatin1(fExtensions.AuthMechanisms.join(' '))));
        return false;
    }
    if (method != "CRAM-MD5" && !Encrypted() && !AllowPasswordInClear) {
        Abandon(eVrxFailure::Login, u"Logging in to %1 would send the %2 unencrypted; the account does not allow that"_s.arg(
            Where(), bearer ? u"access token"_s : u"password"_s));
        return false;
    }
    return bearer ? AuthenticateBearer(method) : Authenticate(method);
}

bool TVrxSMTP::AuthenticateBearer(const QByteArray &method)
{
    if (!Exchange("AUTH " + method + ' ' + TVrxSasl::BearerResponse(method, UserName, BearerToken) + "\r\n"))
        return false;
    // A refused token comes back as a challenge; its answer brings the final refusal.
    if (ReplyCode() == "334" && !Exchange(TVrxSasl::BearerFailureAnswer(method) + "\r\n"))
        return false;
    return AuthenticationEnd(true);
}

bool TVrxSMTP::Authenticate(const QByteArray &method)
{
    bool sent = false;
    if (method == "PLAIN") {
        sent = Exchange("AUTH PLAIN " + TVrxSasl::PlainResponse(UserName, Password) + "\r\n");
    } else if (method == "LOGIN") {
        sent = Exchange("AUTH LOGIN\r\n") && ReplyCode() == "334" && Exchange(UserName.toBase64() + "\r\n")
               && ReplyCode() == "334" && Exchange(Password.toBase64() + "\r\n");
    } else {
        sent = Exchange("AUTH CRAM-MD5\r\n") && ReplyCode() == "334"
               && Exchange(TVrxSasl::CramMd5Response(UserName, Password, ReplyText().trimmed()) + "\r\n");
    }
    return AuthenticationEnd(sent);
}

bool TVrxSMTP::AuthenticationEnd(bool sent)
{
    if (!Connected())
        return false;
    if (sent && ReplyCode() == "235")
        return true;
    // A refused step may leave the server waiting for the next one: "*" ends the exchange.
    if (ReplyCode() == "334" && !Exchange("*\r\n"))
        return false;
    RefuseSession(eVrxFailure::Login, "AUTH");
    return false;
}

bool TVrxSMTP::Exchange(const QByteArray &command)
{
    return WriteText(command) && ReadReply();
}

void TVrxSMTP::RefuseSession(eVrxFailure code, const QByteArray &command)
{
    const QByteArray replyCode = ReplyCode(), text = ReplyText();
    const TVrxFailure refusal = Refusal(code, command);
    if (Exchange("QUIT\r\n"))
        CloseConnection();
    SetReply(replyCode, text);
    ErrorRoutine(refusal);
}

bool TVrxSMTP::RefuseMessage(const QByteArray &command)
{
    if (ReplyCode() == "421") {
        ServerError(eVrxFailure::Refused, command);
        return false;
    }
    const QByteArray code = ReplyCode(), text = ReplyText();
    const TVrxFailure refusal = Refusal(eVrxFailure::Refused, command);
    NoteFailure(refusal);
    Q_EMIT OnError(refusal);
    if (Exchange("RSET\r\n") && ReplyCode() != "250")
        ServerError(eVrxFailure::Refused, "RSET");
    SetReply(code, text);
    return false;
}

bool TVrxSMTP::RefuseLocally(eVrxFailure code, const QString &text)
{
    const TVrxFailure refusal{code, text};
    NoteFailure(refusal);
    Q_EMIT OnError(refusal);
    return false;
}

bool TVrxSMTP::FitsServerLimit(qint64 size)
{
    if (fExtensions.SizeLimit == 0 || size <= fExtensions.SizeLimit)
        return true;
    return RefuseLocally(eVrxFailure::TooLarge, u"The message is %1 bytes; %2 accepts at most %3 bytes."_s.arg(size).arg(Where())
                                  .arg(fExtensions.SizeLimit));
}

// RFC 6531: an address beyond ASCII travels only where the server takes it, headers included.
bool TVrxSMTP::AddressesFit(const TVrxMsg &msg, const QList<QByteArray> &recipients)
{
    if (fExtensions.SmtpUtf8)
        return true;
    const QList<QByteArray> addresses = QList<QByteArray>{EnvelopeAddress(EnvelopeSender(msg))} + recipients
                                        + TVrxAddressList::Addresses(msg.ReplyTo);
    for (const QByteArray &address : addresses)
        if (!TVrxEncodedWords::IsAscii(address))
            return RefuseLocally(eVrxFailure::AddressNotAscii, u"The address %1 is not plain ASCII and %2 does not offer SMTPUTF8; the message "
                                      u"was not sent"_s.arg(QString::fromUtf8(address), Where()));
    return true;
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
    builder.EightBit = fExtensions.EightBitMime;
    return builder.BuildMessageLines(msg);
}

QList<QByteArray> TVrxSMTP::Recipients(const TVrxMsg &msg)
{
    return TVrxAddressList::Addresses(msg.SendTo) + TVrxAddressList::Addresses(msg.CC)
           + TVrxAddressList::Addresses(msg.Bcc);
}

QByteArray TVrxSMTP::EnvelopeAddress(const QByteArray &mailbox)
{
    return '<' + TVrxLines::WithoutLineBreaks(TVrxAddressList::AddressOf(mailbox)) + '>';
}

QByteArray TVrxSMTP::EnvelopeSender(const TVrxMsg &msg)
{
    return msg.ReturnPath.isEmpty() ? msg.From : msg.ReturnPath;
}

QByteArray TVrxSMTP::MailCommand(const TVrxMsg &msg, qint64 size, bool eightBit, bool utf8) const
{
    QByteArray command = "MAIL FROM:" + EnvelopeAddress(EnvelopeSender(msg));
    if (fExtensions.Size)
        command += " SIZE=" + QByteArray::number(size);
    if (eightBit)
        command += " BODY=8BITMIME";
    if (utf8)
        command += " SMTPUTF8";
    return command + "\r\n";
}

// With PIPELINING (RFC 2920) MAIL and every RCPT go in one write; DATA waits for their verdict,
// so a refused recipient never lets a partial message through.
bool TVrxSMTP::SendEnvelope(const QList<QByteArray> &commands)
{
    if (!fExtensions.Pipelining) {
        for (const QByteArray &command : commands) {
            if (!Exchange(command))
                return false;
            if (ReplyCode() != "250")
                return RefuseMessage(command.left(4));
        }
        return true;
    }
    if (!WriteText(commands.join()))
        return false;
    QByteArray refusedCode, refusedText, refusedCommand;
    for (const QByteArray &command : commands) {
        if (!ReadReply())
            return false;
        if (ReplyCode() != "250" && refusedCode.isEmpty()) {
            refusedCode = ReplyCode();
            refusedText = ReplyText();
            refusedCommand = command.left(4);
        }
    }
    if (refusedCode.isEmpty())
        return true;
    SetReply(refusedCode, refusedText);
    return RefuseMessage(refusedCommand);
}

bool TVrxSMTP::SendData(const QList<QByteArray> &lines)
{
    TVrxProgress progress(SendProgressStep, [this](quint16 percent) { Q_EMIT OnSendProgress(percent); });
    const qsizetype count = lines.size();
    QByteArray block;
    block.reserve(kBlockBytes + 1024);
    for (qsizetype i = 0; i < count; ++i) {
        // RFC 5321 section 4.5.2: every line, header lines included, or a "." ends the data.
        if (lines.at(i).startsWith('.'))
            block += '.';
        block += lines.at(i);
        block += "\r\n";
        const bool last = i + 1 == count;
        if (last)
            block += ".\r\n"; // the last line already ends in CR LF
        if ((block.size() >= kBlockBytes || last) && !WriteText(block))
            return false;
        if (block.size() >= kBlockBytes || last)
            block.clear();
        progress.Update(TVrxProgress::Percent(i, count));
        if (!last)
            ServiceMessageQueue();
    }
    // The dot is out: a stop now must wait for the verdict, which the time-out bounds.
    const auto hook = std::exchange(MessageQueueHook, {});
    const auto restore = qScopeGuard([this, &hook] { MessageQueueHook = hook; });
    if (!ReadReply())
        return false;
    if (ReplyCode() != "250")
        return RefuseMessage("DATA");
    progress.Finish();
    return true;
}

std::optional<QList<QByteArray>> TVrxSMTP::MessageLines(TVrxMsg &msg)
{
    try {
        return BuildMessageLines(msg);
    } catch (const EVrxError &e) {
        NoteFailure({eVrxFailure::AttachmentUnreadable, e.Text()});
        return std::nullopt;
    }
}

bool TVrxSMTP::Transmit(TVrxMsg &msg, const QList<QByteArray> &recipients)
{
    const std::optional<QList<QByteArray>> built = MessageLines(msg);
    if (!built)
        return false;
    const QList<QByteArray> &lines = *built;
    Q_EMIT OnBeforeSend();
    const qint64 size = MessageSize(lines);
    if (!FitsServerLimit(size))
        return false;
    QList<QByteArray> envelope;
    for (const QByteArray &recipient : recipients)
        envelope.append("RCPT TO:" + EnvelopeAddress(recipient) + "\r\n");
    const bool utf8 = fExtensions.SmtpUtf8 && !TVrxEncodedWords::IsAscii(envelope.join() + EnvelopeSender(msg) + msg.ReplyTo);
    envelope.prepend(MailCommand(msg, size, fExtensions.EightBitMime && HasEightBitBytes(lines), utf8));
    if (!SendEnvelope(envelope) || !Exchange("DATA\r\n"))
        return false;
    if (ReplyCode() != "354")
        return RefuseMessage("DATA");
    return SendData(lines);
}

bool TVrxSMTP::Send(TVrxMsg &msg)
{
    if (!Connected())
        throw EVrxError(u"Not connected."_s);
    if (msg.From.isEmpty())
        throw EVrxError(u"From field not specified."_s);
    if (msg.SendTo.isEmpty())
        throw EVrxError(u"SendTo field not specified."_s);
    const QList<QByteArray> recipients = Recipients(msg);
    if (recipients.isEmpty())
        throw EVrxError(u"No recipient address in To or CC."_s);
    // A stop asked for between two messages takes effect before the next one starts.
    ServiceMessageQueue();
    SetFailed(false);
    if (!AddressesFit(msg, recipients))
        return false;
    msg.Date = FormatMailDate(QDateTime::currentDateTime());
    if (!Transmit(msg, recipients))
        return false;
    Q_EMIT OnAfterSend();
    return true;
}

QByteArray TVrxSMTP::TrySender(const QByteArray &reversePath)
{
    if (!Connected() || !Exchange("MAIL FROM:" + reversePath + "\r\n"))
        return {};
    const QByteArray code = ReplyCode();
    if (code == "250" && !Exchange("RSET\r\n"))
        return {};
    return code;
}

void TVrxSMTP::Quit()
{
    if (!Connected())
        return;
    if (!Exchange("QUIT\r\n"))
        return;
    if (ReplyCode() != "221") {
        ServerError(eVrxFailure::Refused, "QUIT");
        return;
    }
    CloseConnection();
}
