// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cMailStoreBatch.h"

#include "storage/cMailStore.h"

#include <utility>

namespace {

thread_local cMailStoreBatch *tInnermost = nullptr;

} // namespace

cMailStoreBatch::cMailStoreBatch(cMailStore &store) : fStore(store), fOuter(tInnermost)
{
    tInnermost = this;
}

cMailStoreBatch::~cMailStoreBatch()
{
    tInnermost = fOuter;
    Announce();
}

cResult cMailStoreBatch::Finish()
{
    cResult flushed = fStore.Flush();
    Announce();
    return flushed;
}

cMailStoreBatch *cMailStoreBatch::Open(const cMailStore &store)
{
    for (cMailStoreBatch *batch = tInnermost; batch; batch = batch->fOuter)
        if (&batch->fStore == &store)
            return batch;
    return nullptr;
}

void cMailStoreBatch::Hold(const QString &folder)
{
    if (!fChanged.contains(folder))
        fChanged.append(folder);
}

void cMailStoreBatch::Announce()
{
    for (const QString &folder : std::exchange(fChanged, {}))
        fStore.FilesChanged(folder);
}
