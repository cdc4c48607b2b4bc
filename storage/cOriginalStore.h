// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The exact bytes of every received message, kept so that nothing a parser decides is ever a
// loss: "View source", "Save as .eml" and a later, better parser read them here. Originals are
// content-addressed (the id is the SHA-256 of the bytes, in hex) in the hidden folder
// ".originals" of the mail folder, which no folder listing shows. Message files refer to them
// by id (cMailMessage::Original), so copies share one original and moves need no change; an
// original goes only when no message file refers to it any more (RemoveUnreferenced).
#include "storage/AtomicFile.h"
#include "storage/cResult.h"

#include <QByteArray>
#include <QString>

class cOriginalStore
{
public:
    // Keeps raw and returns its id; bytes kept before are not written again.
    static cResultOf<QByteArray> Keep(const QByteArray &raw, eDurability durability = eDurability::Synced);
    // Where the original of id lies; empty when id is not one of ours (it never leads elsewhere).
    static QString PathOf(const QByteArray &id);
    static cResultOf<QByteArray> Read(const QByteArray &id);
    // Removes the originals that no message file of any folder refers to; returns how many went.
    static int RemoveUnreferenced();
};
