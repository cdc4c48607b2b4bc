// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Keeps one composer's unsaved text safe in the Unfinished folder of a mail store, and can take
// that back. Keep writes the draft: the first time as a new message (or over the message the
// draft was opened from, whose file's bytes it remembers), then always over that same message.
// Discard undoes every Keep since the last Settle: it removes a message Keep made, or puts the
// opened file back byte for byte. Settle tells it the user saved, so nothing kept is to be
// undone any more. Undoing works on the message's file, so a store without files cannot.
#include "storage/cMailStore.h"

#include <QByteArray>

#include <optional>

class cDraftKeeper
{
public:
    explicit cDraftKeeper(cMailStore &store) : fStore(store) {}

    // Returns the message written: draft when there is one, else a new message in Unfinished.
    cResultOf<cMessageRef> Keep(const std::optional<cMessageRef> &draft, const cMailMessage &record);
    // Returns the message the draft has afterwards; none when it was removed.
    cResultOf<std::optional<cMessageRef>> Discard();
    void Settle();

private:
    cResult remember(const cMessageRef &draft);
    // The file of the kept draft; a failure where the store keeps no files.
    cResultOf<QString> keptFile() const;

    cMailStore &fStore;
    std::optional<cMessageRef> fKept;
    // The bytes the file held before the first Keep; none when Keep made the message.
    std::optional<QByteArray> fOriginal;
};
