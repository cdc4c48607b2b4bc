#include "ui/main/ComposerDraft.h"

#include "storage/cOptions.h"

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
        body.append(options.quotePrefix + line);
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
                             const cOriginalMessage &original, const QStringList &signature)
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
        draft.attachments.append(original.path);
    return draft;
}
