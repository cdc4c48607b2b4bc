// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the search benchmarks share: a private store of RAVELIN_BENCH_MESSAGES numbered messages,
// half in Inbox and half in the user folder Archive, that one word in a thousand ("quarterly"),
// one in ten ("weekly") or every one ("message") finds.
#include "SampleMail.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "storage/cOptions.h"

#include <QString>
#include <QTemporaryDir>

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

struct cSearchMailbox
{
    explicit cSearchMailbox(int defaultCount)
    {
        qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(dir.filePath(QStringLiteral("config"))));
        (void)cOptions::write(Opt::MailFolder, dir.filePath(QStringLiteral("mail")));
        InitMailStorage();
        count = qEnvironmentVariableIntValue("RAVELIN_BENCH_MESSAGES");
        if (count <= 0)
            count = defaultCount;
        (void)cFolderStore::CreateFolder(QStringLiteral("Archive"));
        FillSearchFolder(QStringLiteral("Inbox"), 0, count / 2);
        FillSearchFolder(QStringLiteral("Archive"), count / 2, count - count / 2);
    }

    QTemporaryDir dir;
    int count = 0;
};
