// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cMsgThreads.h"

#include <algorithm>

void cMsgThreads::Build(const QList<cThreader::cMessage> &messages)
{
    fParent = cThreader::Parents(messages);
    fReplies.assign(messages.size(), {});
    for (int id = 0; id < int(messages.size()); ++id)
        if (fParent[id] >= 0)
            fReplies[fParent[id]].push_back(id);
    for (std::vector<int> &replies : fReplies)
        std::stable_sort(replies.begin(), replies.end(),
                         [&messages](int a, int b) { return messages[a].Date < messages[b].Date; });
    fDepth.assign(messages.size(), 0);
    fRoot.assign(messages.size(), -1);
    std::vector<int> pending;
    for (int id = 0; id < int(messages.size()); ++id) {
        if (fParent[id] < 0) {
            pending.push_back(id);
            fRoot[id] = id;
        }
    }
    while (!pending.empty()) {
        const int id = pending.back();
        pending.pop_back();
        for (int reply : fReplies[id]) {
            fDepth[reply] = fDepth[id] + 1;
            fRoot[reply] = fRoot[id];
            pending.push_back(reply);
        }
    }
}

std::vector<int> cMsgThreads::Order(const std::vector<int> &sorted) const
{
    std::vector<int> order;
    order.reserve(sorted.size());
    for (int id : sorted)
        if (fParent[id] < 0)
            Append(id, order);
    return order;
}

// Depth first without recursion: a hostile chain of replies is as deep as the folder is big.
void cMsgThreads::Append(int id, std::vector<int> &order) const
{
    std::vector<int> pending{id};
    while (!pending.empty()) {
        const int next = pending.back();
        pending.pop_back();
        order.push_back(next);
        pending.insert(pending.end(), fReplies[next].rbegin(), fReplies[next].rend());
    }
}
