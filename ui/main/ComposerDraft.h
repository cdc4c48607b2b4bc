#pragma once
// What a new message, reply or forward opens with: recipients, subject, body and the attached
// original, computed from the options, the original message and the default signature, so
// that no window is needed to check them. The main window then fills a composer with it.
#include "ui/compose/unitNewMessage.h"

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
};

enum class eComposerCommand { NewMessage, Reply, ReplyQuoted, Forward, ForwardAsAttachment };
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

// The parts of the original message a reply or forward uses, as text.
struct cOriginalMessage
{
    QString path;
    QString subject;
    QString fromName;
    QString replyAddress;
    QStringList body;
};

struct cComposerDraft
{
    QString to;
    QString subject;
    QStringList body;
    QStringList attachments;
    eComposerField focus = eComposerField::To;
};

// "Re:" or "Fw:" before the subject unless it already starts with it, in any case.
QString PrefixedSubject(const QString &prefix, const QString &subject);
cComposerDraft ComposerDraft(const cComposerRequest &request, const cComposerOptions &options,
                             const cOriginalMessage &original, const QStringList &signature);
