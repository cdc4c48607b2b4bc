// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search benchmarks share: folders of numbered messages that one word in a thousand
// ("quarterly"), one in ten ("weekly") or every one ("message") finds.
#include "SampleMail.h"
#include "storage/MailStorage.h"

#include <QString>

inline void FillSearchFolder(const QString &folder, int first, int count)
{
    cMailMessage m = SampleMessage(20);
    for (int n = first; n < first + count; ++n) {
        m.Subject = "Message number " + QByteArray::number(n) + (n % 1000 == 0 ? " quarterly" : "")
                    + (n % 10 == 0 ? " weekly" : "");
        m.DateTime = "08.12.2026 09:05:07";
        (void)m.WriteFile(MailFolderPath(folder) + QStringLiteral("/mail%1.qrz").arg(n), eDurability::Deferred);
    }
}
