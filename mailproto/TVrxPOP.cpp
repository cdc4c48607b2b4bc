// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TVrxPOP.h"

#include "mailproto/EVrxError.h"
#include "mailproto/TVrxLines.h"
#include "mailproto/TVrxProgress.h"
#include "mailproto/TVrxSasl.h"

#include <QCryptographicHash>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The data of a multi-line reply ends with a line holding one dot (RFC 1939 section 3).
const QByteArray Terminator = "\r\n.\r\n";
const QByteArray LineEnd = "\r\n";
const QByteArray DotLine = ".\r\n";
constexpr qint64 RetrieveChunkBytes = 64 * 1024;
constexpr qint64 UnknownSize = 100;
// RFC 5322 section 2.1.1; a raw header is shown, not trusted.
constexpr int MaxCountDigits = 18;
// RFC 1939 section 7: one to 70 characters from 0x21 to 0x7E.
constexpr qsizetype MaxUniqueIdBytes = 70;

QByteArray FirstWord(const QByteArray &text)
{
    const qsizetype space = text.indexOf(' ');
    return space < 0 ? text : text.left(space);
}

bool IsCount(const QByteArray &word)
{
    return !word.isEmpty() && word.size() <= MaxCountDigits
           && std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsUniqueId(const QByteArray &id)
{
    return !id.isEmpty() && id.size() <= MaxUniqueIdBytes
           && std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x21 && c <= 0x7E; });
}

// "number rest" as a scan listing line (RFC 1939 section 5) has it.
std::optional<std::pair<qint64, QByteArray>> NumberedLine(const QByteArray &line)
{
    const QByteArray number = FirstWord(line);
    if (!IsCount(number))
        return std::nullopt;
    return std::make_pair(number.toLongLong(), line.mid(number.size()).trimmed());
}

bool Lists(const QList<QByteArray> &capabilities, const QByteArray &tag)
{
    return std::any_of(capabilities.begin(), capabilities.end(),
                       [&tag](const QByteArray &line) { return FirstWord(line).toUpper() == tag; });
}

// The words after "SASL" in a CAPA listing (RFC 2449 section 6.3).
QList<QByteArray> SaslMechanismsOf(const QList<QByteArray> &capabilities)
{
    for (const QByteArray &line : capabilities) {
        QList<QByteArray> words = line.simplified().toUpper().split(' ');
        if (words.takeFirst() == "SASL")
            return words;
    }
    return {};
}

// RFC 1939 section 7: the timestamp is a msg-id, "<" local "@" domain ">", in the greeting.
QByteArray ApopTimestampOf(const QByteArray &greeting)
{
    const qsizetype open = greeting.indexOf('<');
    const qsizetype close = open < 0 ? -1 : greeting.indexOf('>', open);
    if (close < 0)
        return {};
    const QByteArray stamp = greeting.mid(open, close - open + 1);
    const bool printable = std::all_of(stamp.begin(), stamp.end(), [](char c) { return c >= 0x21 && c <= 0x7E; });
    return printable && stamp.contains('@') ? stamp : QByteArray();
}

// Where the terminator begins at or after from; -1 when it has not come yet.
qsizetype TerminatorAt(const QByteArray &buffer, qsizetype from)
{
    for (qsizetype dot = TVrxLines::DotLineAt(buffer, from + LineEnd.size()); dot >= 0;
         dot = TVrxLines::DotLineAt(buffer, dot + 1)) {
        if (QByteArrayView(buffer).sliced(dot - LineEnd.size()).startsWith(Terminator))
            return dot - LineEnd.size();
    }
    return -1;
}

// Where the message in buffer ends, before the line holding one dot; -1 when it has not come.
// Data starting with that line are a message of no lines.
qsizetype MessageEnd(const QByteArray &buffer, qsizetype from)
{
    if (from == 0 && buffer.startsWith(DotLine))
        return 0;
    const qsizetype terminator = TerminatorAt(buffer, from);
    return terminator < 0 ? -1 : terminator + LineEnd.size();
}

QList<QByteArray> Commands(const char *verb, const QList<qint64> &numbers)
{
    QList<QByteArray> lines;
    for (qint64 number : numbers)
        lines.append(verb + QByteArray::number(number) + "\r\n");
    return lines;
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

void TVrxPOP::ErrorRoutine(const TVrxFailure &failure)
{
    fDeletedList.clear();
    fOutstanding.clear();
    TVrxClient::ErrorRoutine(failure);
}

bool TVrxPOP::Send(const QByteArray &line, Awaiting awaiting)
{
    return SendAll({line}, awaiting);
}

// A stop thrown during the write leaves Unknown behind: nobody can tell what the server got.
bool TVrxPOP::SendAll(const QList<QByteArray> &lines, Awaiting awaiting)
{
    fOutstanding.push_back(Awaiting::Unknown);
    if (!WriteText(lines.join()))
        return false;
    fOutstanding.pop_back();
    fOutstanding.insert(fOutstanding.end(), lines.size(), awaiting);
    return true;
}

void TVrxPOP::Finished(Awaiting awaiting)
{
    if (!fOutstanding.empty() && fOutstanding.front() == awaiting)
        fOutstanding.pop_front();
}

bool TVrxPOP::ReadReply()
{
    QByteArray line;
    if (!ReadLine(line, QDeadlineTimer(ReplyTimeout)))
        return false;
    // "+OK", "-ERR", or the "+" of an AUTH challenge (RFC 5034 section 4).
    const QByteArray status = FirstWord(line);
    SetReply(status, line.mid(status.size()).trimmed());
    SetFailed(ReplyCode() == "-ERR");
    if (!fOutstanding.empty() && fOutstanding.front() == Awaiting::StatusThenData && !Failed())
        fOutstanding.front() = Awaiting::Data;
    else if (!fOutstanding.empty())
        fOutstanding.pop_front();
    return true;
}

bool TVrxPOP::ReadListing(QList<QByteArray> &lines)
{
    for (;;) {
        QByteArray line;
        if (!ReadLine(line, QDeadlineTimer(ReplyTimeout)))
            return false;
        if (line == ".") {
            Finished(Awaiting::Data);
            return true;
        }
        lines.append(line.startsWith('.') ? line.mid(1) : line);
    }
}

bool TVrxPOP::Listing(const QByteArray &command, QList<QByteArray> &lines)
{
    if (!Send(command, Awaiting::StatusThenData) || !ReadReply())
        return false;
    if (Failed()) {
        SetFailed(false);
        return false;
    }
    return ReadListing(lines);
}

bool TVrxPOP::Command(const QByteArray &line, eVrxFailure code)
{
    if (!Send(line) || !ReadReply())
        return false;
    if (!Failed())
        return true;
    ErrorRoutine(Refusal(code, FirstWord(line.trimmed())));
    return false;
}

void TVrxPOP::Connect()
{
    fDeletedList.clear();
    fMessageCount = 0;
    fOutstanding = {Awaiting::Status};
    if (!OpenConnection() || !ReadReply())
        return;
    fLoggedIn = false;
    fCapabilitiesAsked = false;
    if (Failed()) {
        ErrorRoutine(Refusal(eVrxFailure::Greeting, {}));
        return;
    }
    fApopTimestamp = ApopTimestampOf(ReplyText());
    if (Security == eVrxSecurity::StartTls)
        (void)UpgradeToTls();
}

bool TVrxPOP::UpgradeToTls()
{
    Capabilities();
    if (!Connected())
        return false;
    // A server that leaves STLS out may be one whose reply was tampered with: never fall back.
    if (!fOffersStls) {
        Refuse(eVrxFailure::Tls, u"%1 does not offer STLS, which this account requires; nothing was sent"_s.arg(Where()));
        return false;
    }
    if (!Command("STLS\r\n", eVrxFailure::Tls) || !StartTls())
        return false;
    // Capabilities seen before TLS may have been forged (RFC 2595 section 4).
    fCapabilitiesAsked = false;
    return true;
}

void TVrxPOP::Refuse(eVrxFailure code, const QString &text)
{
    if (Send("QUIT\r\n"))
        (void)ReadReply();
    ErrorRoutine({code, text});
}

bool TVrxPOP::Login()
{
    RequireConnection("Invalid Op. Not connected.");
    bool loggedIn = false;
    switch (Method) {
    case LoginMethod::UserPass: loggedIn = LoginUserPass(); break;
    case LoginMethod::Apop: loggedIn = LoginApop(); break;
    case LoginMethod::Sasl: loggedIn = LoginSasl(); break;
    }
    fLoggedIn = loggedIn;
    return loggedIn;
}

bool TVrxPOP::ShowsPasswordAllowed(const QByteArray &method)
{
    if (Encrypted() || AllowPasswordInClear)
        return true;
    Refuse(eVrxFailure::Login, u"Logging in to %1 by %2 would send the password unencrypted; the account does not allow that"_s.arg(
                         Where(), QString::fromLatin1(method)));
    return false;
}

bool TVrxPOP::LoginUserPass()
{
    return ShowsPasswordAllowed("USER/PASS") && Command("USER " + TVrxLines::WithoutLineBreaks(UserId) + "\r\n", eVrxFailure::Login)
           && Command("PASS " + TVrxLines::WithoutLineBreaks(Passwd) + "\r\n", eVrxFailure::Login);
}

bool TVrxPOP::LoginApop()
{
    if (fApopTimestamp.isEmpty()) {
        Refuse(eVrxFailure::Login, u"%1 does not offer APOP (its greeting has no timestamp)"_s.arg(Where()));
        return false;
    }
    const QByteArray digest = QCryptographicHash::hash(fApopTimestamp + Passwd, QCryptographicHash::Md5).toHex();
    return Command("APOP " + TVrxLines::WithoutLineBreaks(UserId) + ' ' + digest + "\r\n", eVrxFailure::Login);
}

bool TVrxPOP::LoginSasl()
{
    if (!fCapabilitiesAsked)
        Capabilities();
    if (!Connected())
        return false;
    const bool bearer = !BearerToken.isEmpty();
    const QByteArray method = bearer ? TVrxSasl::ChooseBearer(fSaslMechanisms)
                                     : TVrxSasl::Choose(fSaslMechanisms, Encrypted());
    if (method.isEmpty()) {
        Refuse(eVrxFailure::Login, u"%1 offers no %2 Ravelin knows (%3)"_s.arg(
                             Where(), bearer ? u"OAuth2 sign-in"_s : u"login method"_s,
                             QString::fromLatin1(fSaslMechanisms.join(' '))));
        return false;
    }
    if (method != "CRAM-MD5" && !ShowsPasswordAllowed("AUTH " + method))
        return false;
    if (bearer)
        return AuthenticationEnd(SendBearer(method));
    const QByteArray user = TVrxLines::WithoutLineBreaks(UserId);
    bool sent = false;
    if (method == "PLAIN")
        sent = AuthStep("AUTH PLAIN " + TVrxSasl::PlainResponse(user, Passwd) + "\r\n");
    else if (method == "LOGIN")
        sent = AuthStep("AUTH LOGIN\r\n") && AuthStep(user.toBase64() + "\r\n") && AuthStep(Passwd.toBase64() + "\r\n");
    else
        sent = AuthStep("AUTH CRAM-MD5\r\n")
               && AuthStep(TVrxSasl::CramMd5Response(user, Passwd, ReplyText()) + "\r\n");
    return AuthenticationEnd(sent);
}

bool TVrxPOP::SendBearer(const QByteArray &method)
{
    const QByteArray response = TVrxSasl::BearerResponse(method, UserId, BearerToken);
    const QByteArray inLine = "AUTH " + method + ' ' + response + "\r\n";
    // RFC 5034 section 4: an initial response that makes the command longer than 255 octets
    // follows an empty challenge instead.
    const bool sent = inLine.size() <= 255 ? AuthStep(inLine)
                                           : AuthStep("AUTH " + method + "\r\n") && AuthStep(response + "\r\n");
    // A refused token comes back as a challenge; its answer brings the final refusal.
    if (sent && ReplyCode() == "+")
        (void)AuthStep(TVrxSasl::BearerFailureAnswer(method) + "\r\n");
    return sent;
}

bool TVrxPOP::AuthenticationEnd(bool sent)
{
    if (!Connected())
        return false;
    if (sent && ReplyCode() == "+OK")
        return true;
    // A refused step may leave the server waiting for the next one: "*" ends the exchange.
    if (ReplyCode() == "+" && (!Send("*\r\n") || !ReadReply()))
        return false;
    ErrorRoutine(Refusal(eVrxFailure::Login, "AUTH"));
    return false;
}

bool TVrxPOP::AuthStep(const QByteArray &line)
{
    if (!Send(line) || !ReadReply())
        return false;
    SetFailed(false);
    return ReplyCode() == "+" || ReplyCode() == "+OK";
}

// A STAT or LAST reply whose first word is not a count cannot be made one by waiting.
bool TVrxPOP::ReadCount(qint64 &count, const char *command)
{
    const QByteArray word = FirstWord(ReplyText());
    if (IsCount(word)) {
        count = word.toLongLong();
        return true;
    }
    const QString text = u"%1 answered %2 with \"%3\", which is not a message count"_s.arg(
        Where(), QLatin1StringView(command), QString::fromUtf8(ReplyText()));
    ErrorRoutine({eVrxFailure::Protocol, text});
    return false;
}

qint64 TVrxPOP::CheckMail()
{
    RequireConnection("Not connected.");
    if (!Command("STAT\r\n", eVrxFailure::Refused) || !ReadCount(fMessageCount, "STAT"))
        return 0;
    fLastSupported = true;
    if (!Send("LAST\r\n") || !ReadReply())
        return 0;
    if (Failed()) {
        fLastSupported = false;
        SetFailed(false);
        return 0;
    }
    qint64 last = 0;
    if (!ReadCount(last, "LAST"))
        return 0;
    return std::max<qint64>(0, fMessageCount - last);
}

// No stop point before DELE: a message stored but not deleted would come again.
void TVrxPOP::Delete(qint64 number)
{
    RequireConnection("Not connected.");
    if (RequestDelete({number}))
        (void)TakeDeleteReply(number);
}

bool TVrxPOP::TakeDeleteReply(qint64 number)
{
    if (!ReadReply())
        return false;
    if (Failed()) {
        ErrorRoutine(Refusal(eVrxFailure::Refused, "DELE"));
        return false;
    }
    fDeletedList.append(QByteArray::number(number));
    --fMessageCount;
    Q_EMIT OnDelete(number);
    return true;
}

void TVrxPOP::Capabilities()
{
    RequireConnection("Not connected.");
    QList<QByteArray> lines;
    const bool listed = Listing("CAPA\r\n", lines);
    fCapabilitiesAsked = true;
    fPipelining = listed && Lists(lines, "PIPELINING");
    fMayHaveUniqueIds = !listed || Lists(lines, "UIDL");
    fOffersStls = listed && Lists(lines, "STLS");
    fSaslMechanisms = SaslMechanismsOf(lines);
}

std::optional<QMap<qint64, QByteArray>> TVrxPOP::UniqueIds()
{
    RequireConnection("Not connected.");
    QList<QByteArray> lines;
    if (!Listing("UIDL\r\n", lines))
        return std::nullopt;
    QMap<qint64, QByteArray> ids;
    for (const QByteArray &line : std::as_const(lines)) {
        const auto entry = NumberedLine(line);
        if (!entry || !IsUniqueId(entry->second)) {
            const QString text = u"%1 sent a unique-id line that is none: \"%2\""_s.arg(
                Where(), QString::fromUtf8(line.left(MaxUniqueIdBytes * 2)));
            ErrorRoutine({eVrxFailure::Protocol, text});
            return std::nullopt;
        }
        ids.insert(entry->first, entry->second);
    }
    fMessageCount = ids.size();
    return ids;
}

QMap<qint64, qint64> TVrxPOP::Sizes()
{
    RequireConnection("Not connected.");
    QList<QByteArray> lines;
    QMap<qint64, qint64> sizes;
    if (!Listing("LIST\r\n", lines))
        return sizes;
    for (const QByteArray &line : std::as_const(lines)) {
        const auto entry = NumberedLine(line);
        const QByteArray size = entry ? FirstWord(entry->second) : QByteArray();
        if (IsCount(size))
            sizes.insert(entry->first, size.toLongLong());
    }
    return sizes;
}

bool TVrxPOP::RequestRetrieve(const QList<qint64> &numbers)
{
    RequireConnection("Not connected.");
    return SendAll(Commands("RETR ", numbers), Awaiting::StatusThenData);
}

bool TVrxPOP::RequestDelete(const QList<qint64> &numbers)
{
    RequireConnection("Not connected.");
    return SendAll(Commands("DELE ", numbers), Awaiting::Status);
}

void TVrxPOP::Quit()
{
    if (!Connected() || !Command("QUIT\r\n", eVrxFailure::Refused))
        return;
    fDeletedList.clear();
    CloseConnection();
}

void TVrxPOP::QuitAfterStop()
{
    if (!Connected())
        return;
    if (std::find(fOutstanding.begin(), fOutstanding.end(), Awaiting::Unknown) != fOutstanding.end()) {
        CloseConnection();
        return;
    }
    ReplyTimeout = std::min(ReplyTimeout, StopGraceMs);
    while (!fOutstanding.empty()) {
        const bool caughtUp = fOutstanding.front() == Awaiting::Data ? SkipMessageData() : ReadReply();
        if (!caughtUp)
            return;
    }
    Quit();
}

// The size in a LIST reply ("1 320"); progress is relative to 100 bytes without one.
qint64 TVrxPOP::ExpectedSize() const
{
    const QByteArray text = ReplyText();
    const qsizetype space = text.indexOf(' ');
    const QByteArray word = space < 0 ? QByteArray() : FirstWord(text.mid(space + 1));
    return IsCount(word) && word.toLongLong() > 0 ? word.toLongLong() : UnknownSize;
}

// A slow server is given the reply time-out between reads, and for the whole message that
// time-out plus its size at the minimum rate; a size it did not announce counts as it comes.
// The terminator may be split across reads, so each search starts a few bytes back.
bool TVrxPOP::ReceiveMessage(QByteArray &buffer, qint64 expectedSize, qint64 number)
{
    TVrxProgress progress(RetrieveProgressStep, [this](quint16 percent) { Q_EMIT OnRetrieveProgress(percent); });
    buffer.reserve(std::min(expectedSize, MaxMessageSize) + RetrieveChunkBytes);
    buffer.append(std::exchange(fPending, QByteArray()));
    qsizetype end = MessageEnd(buffer, 0);
    // A trickle that keeps each read in time must still bring enough per time-out: however
    // large the message, a stalled server holds a check no longer than one time-out.
    QDeadlineTimer deadline(ReplyTimeout);
    qsizetype sizeAtDeadlineStart = buffer.size();
    const QString late = u"%1 sent less than %2 bytes of message %3 in %4 seconds"_s.arg(Where()).arg(MinBytesPerTimeout)
                             .arg(number).arg(ReplyTimeout / 1000.0);
    while (end < 0) {
        if (buffer.size() > MaxMessageSize + Terminator.size()) {
            const QString text = u"%1: message %2 is larger than %3 bytes; it was left on the server"_s.arg(Where()).arg(number).arg(MaxMessageSize);
            ErrorRoutine({eVrxFailure::TooLarge, text});
            return false;
        }
        // The data start after a line end: a message of no lines ends like any other.
        fDataTail = (LineEnd + buffer.right(Terminator.size() - 1)).right(Terminator.size() - 1);
        const qsizetype searchFrom = std::max<qsizetype>(0, buffer.size() - (Terminator.size() - 1));
        if (buffer.size() - sizeAtDeadlineStart >= MinBytesPerTimeout) {
            deadline.setRemainingTime(ReplyTimeout);
            sizeAtDeadlineStart = buffer.size();
        }
        QByteArray chunk;
        if (!ReadChunk(chunk, RetrieveChunkBytes, deadline, late))
            return false;
        buffer += chunk;
        progress.Update(TVrxProgress::Percent(buffer.size(), expectedSize));
        end = MessageEnd(buffer, searchFrom);
    }
    fPending = buffer.mid(end + DotLine.size());
    buffer.truncate(end);
    Finished(Awaiting::Data);
    progress.Finish();
    return true;
}

// Reads the rest of a reply whose data nobody wants any more, keeping only a few bytes.
bool TVrxPOP::SkipMessageData()
{
    const QDeadlineTimer deadline(ReplyTimeout);
    QByteArray window = fDataTail + std::exchange(fPending, QByteArray());
    for (;;) {
        const qsizetype end = window.indexOf(Terminator);
        if (end >= 0) {
            fPending = window.mid(end + Terminator.size());
            Finished(Awaiting::Data);
            return true;
        }
        fDataTail = window.right(Terminator.size() - 1);
        QByteArray chunk;
        if (!ReadChunk(chunk, RetrieveChunkBytes, deadline))
            return false;
        window = fDataTail + chunk;
    }
}

std::optional<QByteArray> TVrxPOP::Retrieve(qint64 number)
{
    RequireConnection("Not connected.");
    Q_EMIT OnBeforeRetrieve(number);
    const QByteArray text = QByteArray::number(number);
    if (!Send("LIST " + text + "\r\n") || !ReadReply())
        return std::nullopt;
    const qint64 expectedSize = ExpectedSize();
    if (expectedSize > MaxMessageSize) {
        NoteFailure({eVrxFailure::TooLarge,
                     u"it has %1 bytes, more than the limit of %2 bytes"_s.arg(expectedSize).arg(MaxMessageSize)});
        return std::nullopt;
    }
    if (!Send("RETR " + text + "\r\n", Awaiting::StatusThenData))
        return std::nullopt;
    return ReadMessage(number, expectedSize);
}

std::optional<QByteArray> TVrxPOP::TakeMessage(qint64 number, qint64 expectedSize)
{
    RequireConnection("Not connected.");
    Q_EMIT OnBeforeRetrieve(number);
    return ReadMessage(number, expectedSize);
}

std::optional<QByteArray> TVrxPOP::ReadMessage(qint64 number, qint64 expectedSize)
{
    if (!ReadReply())
        return std::nullopt;
    if (Failed()) {
        ErrorRoutine(Refusal(eVrxFailure::Refused, "RETR"));
        return std::nullopt;
    }
    QByteArray buffer;
    if (!ReceiveMessage(buffer, expectedSize, number))
        return std::nullopt;
    Q_EMIT OnAfterRetrieve();
    return TVrxLines::UnstuffedMessage(std::move(buffer));
}
