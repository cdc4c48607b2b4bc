// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The message list's rows grouped into conversations by cThreader: each thread shows its first
// message, then the replies under what they answer, oldest first. Threads keep the order their
// first messages have among themselves, so sorting the list sorts the threads.
//
// Call order: Build with every row's message, then Order with the rows as sorted; Depth, Root
// and HasReplies answer for the last Build.
#include "storage/cThreader.h"

#include <vector>

class cMsgThreads
{
public:
    void Build(const QList<cThreader::cMessage> &messages);
    // Every row id, each thread after the place of its first message among sorted.
    std::vector<int> Order(const std::vector<int> &sorted) const;
    int Depth(int id) const { return fDepth[id]; }
    int Root(int id) const { return fRoot[id]; }
    bool HasReplies(int id) const { return !fReplies[id].empty(); }

private:
    void Append(int id, std::vector<int> &order) const;

    QList<int> fParent;
    std::vector<std::vector<int>> fReplies; // oldest first
    std::vector<int> fDepth;
    std::vector<int> fRoot;
};
