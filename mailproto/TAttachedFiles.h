// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attachment list of a TVrxMsg, in the order the items were added. Items keep their
// address while the list lives, so a reference from Items() stays valid across later Adds.
#include "mailproto/TAttachedFile.h"

#include <memory>
#include <vector>

class TAttachedFiles
{
public:
    // An outgoing attachment; the file is read only when the message is built.
    TAttachedFile &Add(const QString &path);
    // An incoming attachment named by the message; its name is never a path.
    TAttachedFile &AddReceived(const QByteArray &fileName);

    int Count() const { return int(fItems.size()); }
    TAttachedFile &Items(int index) { return *fItems.at(std::size_t(index)); }
    const TAttachedFile &Items(int index) const { return *fItems.at(std::size_t(index)); }

private:
    std::vector<std::unique_ptr<TAttachedFile>> fItems;
};
