// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/small/AboutText.h"

#include "storage/MailStorage.h"
#include "storage/SettingsPaths.h"

#include <QDir>
#include <QStringList>
#include <QSysInfo>

namespace {

QString folderOrNone(const QString &folder)
{
    return folder.isEmpty() ? QStringLiteral("(not set)") : QDir::toNativeSeparators(folder);
}

} // namespace

QString SystemInfoText()
{
    return QStringList{
        QLatin1String(AboutText::VersionLine),
        QStringLiteral("Qt %1 (built with %2)").arg(QLatin1String(qVersion()), QLatin1String(QT_VERSION_STR)),
        QStringLiteral("Operating system: %1, kernel %2 %3, %4")
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                 QSysInfo::currentCpuArchitecture()),
        QStringLiteral("Settings folder: %1").arg(folderOrNone(ProgramFolder())),
        QStringLiteral("Mail folder: %1").arg(folderOrNone(MailRoot())),
        QStringLiteral("Attachments folder: %1").arg(folderOrNone(AttachmentsFolder())),
    }.join(QLatin1Char('\n'));
}
