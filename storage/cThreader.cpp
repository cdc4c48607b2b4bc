// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cThreader.h"

#include <QHash>
#include <QRegularExpression>


namespace {

// A hostile message cannot make threading slow with thousands of references.
constexpr qsizetype kMaxReferences = 100;

const QRegularExpression &ListTag()
{
    static const QRegularExpression tag(QStringLiteral(R"(^\s*\[[^\]]*\]\s*)"));
    return tag;
}

const QRegularExpression &ReplyPrefix()
{
    // Re, Fwd and their common translations, with an optional count ("Re[2]:").
    static const QRegularExpression prefix(QStringLiteral(R"(^\s*(?:re|fwd?|aw|wg|sv|vs|antw)(?:\[\d+\])?\s*:\s*)"),
                                           QRegularExpression::CaseInsensitiveOption);
    return prefix;
}

// Removes one leading list tag or reply prefix; false when there is none.
bool RemovePrefix(QString &text, const QRegularExpression &prefix)
{
    const QRegularExpressionMatch match = prefix.match(text);
    if (!match.hasMatch() || match.capturedLength() == 0)
        return false;
    text.remove(0, match.capturedLength());
    return true;
}

// Conversations as a forest of ids: a message id may be known only from others' references.
class cIdForest
{
public:
    explicit cIdForest(qsizetype messages)
    {
        fIndex.reserve(messages * 2);
        fParent.reserve(messages * 2);
        fMessage.reserve(messages * 2);
    }
    int Node(const QByteArray &id)
    {
        const auto found = fIndex.constFind(id);
        if (found != fIndex.cend())
            return *found;
        fParent.append(-1);
        fMessage.append(-1);
        fIndex.insert(id, int(fParent.size() - 1));
        return int(fParent.size() - 1);
    }
    int FreshNode()
    {
        fParent.append(-1);
        fMessage.append(-1);
        return int(fParent.size() - 1);
    }
    // Links child under parent unless that would make a loop; keepExisting leaves a link made
    // earlier alone (a References list only guesses at links its message did not witness).
    void Link(int parent, int child, bool keepExisting)
    {
        if (parent == child || IsAncestor(child, parent) || (keepExisting && fParent[child] >= 0))
            return;
        fParent[child] = parent;
    }
    bool IsAncestor(int ancestor, int node) const
    {
        for (int at = node; at >= 0; at = fParent[at])
            if (at == ancestor)
                return true;
        return false;
    }
    int Parent(int node) const { return fParent[node]; }
    QList<int> fMessage;

private:
    QHash<QByteArray, int> fIndex;
    QList<int> fParent;
};

int NodeOfMessage(cIdForest &forest, const QByteArray &id)
{
    if (id.isEmpty())
        return forest.FreshNode();
    const int node = forest.Node(id);
    // A second message with the same id is threaded as a message of its own.
    return forest.fMessage[node] < 0 ? node : forest.FreshNode();
}

// The nearest ancestor that is a message, or the root node of the chain when none is.
int NearestMessageAncestor(const cIdForest &forest, int node, int &root)
{
    for (int at = forest.Parent(node); at >= 0; at = forest.Parent(at)) {
        if (forest.fMessage[at] >= 0)
            return forest.fMessage[at];
        root = at;
    }
    return -1;
}

QList<int> ParentsFromIds(const QList<cThreader::cMessage> &messages)
{
    cIdForest forest(messages.size());
    QList<int> nodes;
    for (int i = 0; i < messages.size(); ++i) {
        nodes.append(NodeOfMessage(forest, cThreader::MessageIds(messages[i].MessageId).value(0)));
        forest.fMessage[nodes.last()] = i;
    }
    for (int i = 0; i < messages.size(); ++i) {
        QList<QByteArray> refs = cThreader::MessageIds(messages[i].References);
        if (refs.size() > kMaxReferences)
            refs = refs.last(kMaxReferences);
        int previous = -1;
        for (const QByteArray &ref : refs) {
            const int node = forest.Node(ref);
            if (previous >= 0)
                forest.Link(previous, node, true);
            previous = node;
        }
        if (previous >= 0)
            forest.Link(previous, nodes[i], false);
    }
    QList<int> parents(messages.size(), -1);
    QList<int> missingRoot(messages.size(), -1);
    QHash<int, int> earliestUnder;
    for (int i = 0; i < messages.size(); ++i) {
        int root = nodes[i];
        parents[i] = NearestMessageAncestor(forest, nodes[i], root);
        if (parents[i] >= 0 || root == nodes[i])
            continue;
        missingRoot[i] = root;
        const auto first = earliestUnder.constFind(root);
        if (first == earliestUnder.cend() || messages[i].Date < messages[*first].Date)
            earliestUnder.insert(root, i);
    }
    // Answers to a message we do not have hang under the earliest of them.
    for (int i = 0; i < messages.size(); ++i) {
        if (missingRoot[i] >= 0 && earliestUnder.value(missingRoot[i]) != i)
            parents[i] = earliestUnder.value(missingRoot[i]);
    }
    return parents;
}

// Replies left at the top join the earliest thread start that has their subject and is no reply.
void JoinRepliesBySubject(const QList<cThreader::cMessage> &messages, QList<int> &parents)
{
    struct cTop
    {
        int message;
        QByteArray base;
        bool reply;
    };
    QList<cTop> tops;
    QHash<QByteArray, int> starts;
    for (int i = 0; i < messages.size(); ++i) {
        if (parents[i] >= 0)
            continue;
        tops.append({i, cThreader::BaseSubject(messages[i].Subject), cThreader::IsReply(messages[i].Subject)});
        const auto found = starts.constFind(tops.last().base);
        if (!tops.last().reply && !tops.last().base.isEmpty()
            && (found == starts.cend() || messages[i].Date < messages[*found].Date))
            starts.insert(tops.last().base, i);
    }
    for (const cTop &top : tops) {
        if (top.reply)
            parents[top.message] = starts.value(top.base, -1);
    }
}

} // namespace

QList<int> cThreader::Parents(const QList<cMessage> &messages)
{
    QList<int> parents = ParentsFromIds(messages);
    JoinRepliesBySubject(messages, parents);
    return parents;
}

QList<QByteArray> cThreader::MessageIds(const QByteArray &field)
{
    QList<QByteArray> ids;
    for (qsizetype open = field.indexOf('<'); open >= 0; open = field.indexOf('<', open + 1)) {
        const qsizetype close = field.indexOf('>', open);
        if (close < 0)
            break;
        const QByteArray id = field.mid(open, close - open + 1);
        if (id.size() > 2 && !id.contains(' '))
            ids.append(id);
        open = close;
    }
    return ids;
}

QByteArray cThreader::BaseSubject(const QByteArray &subject)
{
    QString text = QString::fromUtf8(subject);
    while (RemovePrefix(text, ListTag()) || RemovePrefix(text, ReplyPrefix())) {
    }
    return text.simplified().toCaseFolded().toUtf8();
}

bool cThreader::IsReply(const QByteArray &subject)
{
    QString text = QString::fromUtf8(subject);
    while (RemovePrefix(text, ListTag())) {
    }
    return ReplyPrefix().match(text).hasMatch();
}
