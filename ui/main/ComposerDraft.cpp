// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/ComposerDraft.h"

#include "mailproto/TVrxAddressList.h"
#include "storage/cOptions.h"

#include <QRegularExpression>
#include <QSet>

using namespace Qt::StringLiterals;

namespace {

const QString kSeparatorLine = QString(37, u'*');
constexpr int kSignatureAbove = 1;
constexpr int kSignatureBelow = 2;

QString originLine(const cOriginalMessage &original)
{
    const QString &name = original.fromName;
    const QString &address = original.replyAddress;
    if (name.isEmpty() && address.isEmpty())
        return {};
    QString who = name.isEmpty() ? address : name;
    if (!name.isEmpty() && !address.isEmpty())
        who += u" <"_s + address + u'>';
    return u"Original message from: "_s + who;
}

// A line quoted before gets one more mark and no blank: "> > a" reads as two levels to people
// but as one level to readers of flowed text.
QString quotedLine(const QString &prefix, const QString &line)
{
    if (line.startsWith(u'>') && prefix.startsWith(u'>'))
        return u'>' + line;
    return prefix + line;
}

QStringList quotedBody(const cComposerOptions &options, const cOriginalMessage &original, const QStringList &signature)
{
    // Any position but "below" puts the signature above the quote: a stored value the options
    // dialog never offers should not lose the signature the user asked for.
    const bool below = options.sigPosition == kSignatureBelow;
    QStringList body{QString(), QString(), QString()};
    if (options.autoInsertDefSig && !below)
        body += signature;
    body.append(kSeparatorLine);
    if (const QString origin = originLine(original); !origin.isEmpty())
        body.append(origin);
    for (const QString &line : original.body)
        body.append(quotedLine(options.quotePrefix, line));
    if (options.autoInsertDefSig && below) {
        body.append(QString());
        body += signature;
    }
    return body;
}

QStringList plainBody(const cComposerOptions &options, const QStringList &signature)
{
    if (!options.autoInsertDefSig)
        return {};
    return QStringList{QString(), QString(), QString()} + signature;
}

eComposerField focusFor(const cComposerRequest &request)
{
    if (request.isNew)
        return request.to ? eComposerField::Body : eComposerField::To;
    return request.isForward ? eComposerField::To : eComposerField::Body;
}

} // namespace

cComposerRequest RequestFor(eComposerCommand command)
{
    switch (command) {
    case eComposerCommand::NewMessage: return {};
    case eComposerCommand::Reply: return {.isNew = false};
    case eComposerCommand::ReplyQuoted: return {.isNew = false, .quoting = true};
    case eComposerCommand::ReplyAll: return {.isNew = false, .replyAll = true};
    case eComposerCommand::Forward: return {.isNew = false, .isForward = true};
    case eComposerCommand::ForwardAsAttachment:
        return {.isNew = false, .attachOriginal = true, .isForward = true, .quoting = false};
    }
    return {};
}

cComposerOptions cComposerOptions::Read()
{
    return {cOptions::read(Opt::DefSubject), cOptions::read(Opt::AutoInsertDefSig), cOptions::read(Opt::MsgQuoteChar),
            cOptions::read(Opt::SigPosition), cOptions::read(Opt::IncludeOriginalMsgInReply)};
}

QString PrefixedSubject(const QString &prefix, const QString &subject)
{
    if (subject.size() >= prefix.size() && subject.startsWith(prefix, Qt::CaseInsensitive))
        return subject;
    return prefix + u' ' + subject;
}

cComposerDraft ComposerDraft(const cComposerRequest &request, const cComposerOptions &options,
                             const cOriginalMessage &original, const QStringList &signature,
                             const QStringList &ownAddresses)
{
    cComposerDraft draft;
    draft.focus = focusFor(request);
    if (request.to)
        draft.to = *request.to;
    else if (!request.isNew && !request.isForward)
        draft.to = original.replyAddress;
    if (request.isNew) {
        draft.subject = request.subject ? *request.subject : options.defSubject;
        draft.body = plainBody(options, signature);
        return draft;
    }
    draft.subject = PrefixedSubject(request.isForward ? u"Fw:"_s : u"Re:"_s, original.subject);
    const bool quoting = request.quoting.value_or(options.includeOriginal);
    draft.body = quoting ? quotedBody(options, original, signature) : plainBody(options, signature);
    if (request.attachOriginal)
        draft.attachments.append(original.forwardable);
    else if (request.isForward)
        draft.attachments += original.attachments;
    if (request.replyAll)
        draft.cc = ReplyAllCc(original.recipients, draft.to, ownAddresses);
    if (!request.isForward)
        draft.extraHeaders = ReplyHeaderLines(original.messageId, original.references, original.inReplyTo);
    return draft;
}

QList<QByteArray> ReplyHeaderLines(const QByteArray &messageId, const QByteArray &references,
                                   const QByteArray &inReplyTo)
{
    // RFC 5322 section 3.6.4 msg-id, without blanks or line breaks: nothing else is carried over.
    static const QRegularExpression msgId(u"<[!-;=?-~]+@[!-;=?-~]+>"_s);
    const auto ids = [](const QByteArray &field) {
        QStringList found;
        for (auto it = msgId.globalMatch(QString::fromLatin1(field)); it.hasNext();)
            found.append(it.next().captured());
        return found;
    };
    const QStringList own = ids(messageId);
    if (own.isEmpty())
        return {};
    QStringList chain = ids(references);
    if (chain.isEmpty() && ids(inReplyTo).size() == 1)
        chain = ids(inReplyTo);
    chain.append(own.first());
    return {"In-Reply-To: " + own.first().toLatin1(), "References: " + chain.join(u' ').toLatin1()};
}

QString MailboxText(const cMailbox &mailbox)
{
    static const QRegularExpression separator(u"[,;<>\"()@:\\[\\]\\\\]"_s);
    if (mailbox.name.isEmpty())
        return mailbox.address;
    QString name = mailbox.name;
    if (name.contains(separator))
        name = u'"' + name.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s) + u'"';
    return name + u" <"_s + mailbox.address + u'>';
}

QString ReplyAllCc(const QList<cMailbox> &recipients, const QString &replyAddress, const QStringList &ownAddresses)
{
    QSet<QString> skipped{QString::fromUtf8(TVrxAddressList::AddressOf(replyAddress.toUtf8())).toLower()};
    for (const QString &own : ownAddresses)
        skipped.insert(own.trimmed().toLower());
    QStringList cc;
    for (const cMailbox &mailbox : recipients) {
        const QString address = mailbox.address.trimmed().toLower();
        if (address.isEmpty() || skipped.contains(address))
            continue;
        skipped.insert(address);
        cc.append(MailboxText(mailbox));
    }
    return cc.join(u", "_s);
}
