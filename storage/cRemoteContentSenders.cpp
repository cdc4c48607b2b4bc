// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/cRemoteContentSenders.h"

#include "storage/SettingsPaths.h"
#include "storage/cIniFile.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>
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
    QFile file(FilePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QSet<QByteArray> seen;
    QStringList senders;
    bool inSection = false;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        QString section;
        QByteArray key;
        QByteArray value;
        if (cIniSection::parseSectionName(line, &section))
            inSection = section.compare(kSection, Qt::CaseInsensitive) == 0;
        else if (inSection && cIniSection::parseKeyValue(line, &key, &value) && !seen.contains(key.toLower())) {
            seen.insert(key.toLower());
            int allowed = 0;
            if (cIniSection::parseInteger(value, &allowed) && allowed != 0)
                senders.append(QUrl::fromPercentEncoding(key));
        }
    }
    senders.sort();
    return senders;
}
