// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Many changes through one store, made on one thread: while the batch lives they are written
// without waiting for the disk and their announcements are held back. Finish puts them on disk
// and announces each folder changed once; a batch ended without it still announces them. A run
// over a big folder so costs one flush and one reload of each view, not one per message. Other
// threads' changes through the same store go on as ever.
#include "storage/cResult.h"

#include <QStringList>

class cMailStore;

class cMailStoreBatch
{
public:
    explicit cMailStoreBatch(cMailStore &store);
    ~cMailStoreBatch();
    cMailStoreBatch(const cMailStoreBatch &) = delete;
    cMailStoreBatch &operator=(const cMailStoreBatch &) = delete;

    [[nodiscard]] cResult Finish();

    // The batch this thread has open on the store; none outside one.
    static cMailStoreBatch *Open(const cMailStore &store);
    void Hold(const QString &folder);

private:
    void Announce();

    cMailStore &fStore;
    cMailStoreBatch *fOuter; // the batch this thread had open before
    QStringList fChanged;
};
