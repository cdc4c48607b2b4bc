// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names for received attachments in the attachments folder. A name from the wire is only a
// suggestion: it is made safe (never a path, never "." or "..", no control or bidirectional
// characters, no ";" that would split the attachment list, at most 200 bytes) and unique
// ("name (2).ext"), so no attachment ever leaves the folder or replaces another's file.
#include "storage/AtomicFile.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <functional>

QString SafeAttachmentName(const QByteArray &wireName);

// Saves the attachments of one message under free names in the folder. A file appears only
// whole and never replaces another, so two writers can never pick the same name. Takes the same
// short time however many files already carry a name; a name met again in the same message
// starts where the last one was found instead of trying "name (2).ext" and the rest anew.
class cAttachmentNamer
{
public:
    explicit cAttachmentNamer(QString folder);
    // Returns the path written.
    cResultOf<QString> Save(const QByteArray &wireName, const QByteArray &data,
                            eDurability durability = eDurability::Synced);
    // The same for a part written already to a temporary file (NewTemporaryFile in the
    // folder), which takes the name; removed when it cannot.
    cResultOf<QString> Claim(const QByteArray &wireName, const QString &temporary,
                             eDurability durability = eDurability::Synced);

private:
    using fCandidate = std::function<QString(int attempt)>;
    cResultOf<QString> Named(const QByteArray &wireName,
                             const std::function<cResultOf<QString>(const fCandidate &)> &place);

    QString fFolder;
    QHash<QString, int> fFirstFreeAttempt;
};
