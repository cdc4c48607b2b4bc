// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a new message, reply or forward opens with: recipients, subject, body and the attached
// original, computed from the options, the original message and the default signature, so
// that no window is needed to check them. The main window then asks for a composer with it.
#include "ui/wndlist/cComposerContent.h"

#include <QString>
#include <QStringList>
#include <optional>

struct cComposerRequest
{
    bool isNew = true;
    std::optional<QString> to{};
    std::optional<QString> subject{};
    bool attachOriginal = false;
    bool isForward = false;
    std::optional<bool> quoting{}; // forced on or off; otherwise the option decides
    bool replyAll = false;
};

enum class eComposerCommand { NewMessage, Reply, ReplyQuoted, ReplyAll, Forward, ForwardAsAttachment };
cComposerRequest RequestFor(eComposerCommand command);

struct cComposerOptions
{
    QString defSubject{};
    bool autoInsertDefSig = false;
    QString quotePrefix = QStringLiteral(">");
    int sigPosition = 1;
    bool includeOriginal = true;

    static cComposerOptions Read();
};

struct cMailbox
{
    QString name;
    QString address;
};

// The parts of the original message a reply or forward uses, as text.
struct cOriginalMessage
{
    QString path;
    QString subject;
    QString fromName;
    QString replyAddress;
    QStringList body;
    // Its header fields as they came, for In-Reply-To and References.
    QByteArray messageId{};
    QByteArray references{};
    QByteArray inReplyTo{};
    // Every mailbox of To and CC, for Reply all.
    QList<cMailbox> recipients{};
    // Its attachment files (Forward), and the message saved as mail (Forward as attachment).
    QStringList attachments{};
    QString forwardable{};
};

using cComposerDraft = cComposerContent;

// "Re:" or "Fw:" before the subject unless it already starts with it, in any case.
QString PrefixedSubject(const QString &prefix, const QString &subject);
// ownAddresses are the user's, which Reply all leaves out.
cComposerDraft ComposerDraft(const cComposerRequest &request, const cComposerOptions &options,
                             const cOriginalMessage &original, const QStringList &signature,
                             const QStringList &ownAddresses = {});

// "In-Reply-To:" and "References:" of a reply (RFC 5322 section 3.6.4); none when the original
// has no Message-Id. Only well-formed ids are taken from the original's fields.
QList<QByteArray> ReplyHeaderLines(const QByteArray &messageId, const QByteArray &references,
                                   const QByteArray &inReplyTo);
// A mailbox as typed into an address field: the name quoted when it holds a separator.
QString MailboxText(const cMailbox &mailbox);
// Reply all's copy line: the original's To and CC but the user's own addresses and the
// address replied to, each once.
QString ReplyAllCc(const QList<cMailbox> &recipients, const QString &replyAddress, const QStringList &ownAddresses);
