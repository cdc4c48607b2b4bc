// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cRemoteContentSenders.h"

#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"

#include <QCoreApplication>
#include <QUrl>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cRemoteContentSenders)
};

const QString kSection = QStringLiteral("Senders");

QByteArray keyOf(const QString &address)
{
    return QUrl::toPercentEncoding(address.trimmed().toLower(), "@.-_+");
}

cResult write(const QString &address, bool allowed)
{
    cIniFile file(cRemoteContentSenders::FilePath());
    if (!file.writeBool(kSection, keyOf(address), allowed))
        return cResult::Failed(eFailure::FileSystem, file.errorString());
    return cResult::Ok();
}

} // namespace

QString cRemoteContentSenders::FilePath()
{
    return ProgramFolder() + QStringLiteral("/Ravelin2 RemoteContent.ini");
}

bool cRemoteContentSenders::IsAllowed(const QString &address)
{
    return !address.trimmed().isEmpty() && cIniFile(FilePath()).readBool(kSection, keyOf(address), false);
}

cResult cRemoteContentSenders::Allow(const QString &address)
{
    if (address.trimmed().isEmpty())
        return cResult::Failed(eFailure::Refused, cTexts::tr("The message names no sender to allow."));
    return write(address, true);
}

cResult cRemoteContentSenders::Remove(const QString &address)
{
    return write(address, false);
}

QStringList cRemoteContentSenders::Senders()
{
    const cIniSection section = cIniFile(FilePath()).readSection(kSection);
    QStringList senders;
    for (const QByteArray &key : section.keys())
        if (section.boolean(key, false))
            senders.append(QUrl::fromPercentEncoding(key));
    senders.sort();
    return senders;
}
