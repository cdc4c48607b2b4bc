// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Groups messages into conversations: each message's parent is the message it answers, found
// from Message-Id, References and In-Reply-To; where the chain is broken (a missing message,
// a mailer that writes no references) a reply ("Re: ...") joins the conversation whose subject
// it shares. Call Parents() with every message to thread, in any order and from any folders.
#include <QByteArray>
#include <QList>

class cThreader
{
public:
    struct cMessage
    {
        QByteArray MessageId;
        // The References field followed by In-Reply-To, as the message carries them.
        QByteArray References;
        QByteArray Subject;
        qint64 Date = 0;
    };

    // For each message, the index of its parent in messages, or -1 for the start of a thread.
    static QList<int> Parents(const QList<cMessage> &messages);
    // The message ids ("<a@b>") in a field, oldest first; anything between them is ignored.
    static QList<QByteArray> MessageIds(const QByteArray &field);
    // The subject without "Re:", "Fwd:" and the like, or list tags, folded for comparing.
    static QByteArray BaseSubject(const QByteArray &subject);
    static bool IsReply(const QByteArray &subject);
};
