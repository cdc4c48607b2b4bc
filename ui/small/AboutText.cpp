// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/small/AboutText.h"

#include "storage/MailStorage.h"
#include "storage/SettingsPaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QStringList>
#include <QSysInfo>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(TfrmAbout)
};

QString folderOrNone(const QString &folder)
{
    return folder.isEmpty() ? cTexts::tr("(not set)") : QDir::toNativeSeparators(folder);
}

} // namespace

QString SystemInfoText()
{
    return QStringList{
        QLatin1String(AboutText::VersionLine),
        cTexts::tr("Qt %1 (built with %2)").arg(QLatin1String(qVersion()), QLatin1String(QT_VERSION_STR)),
        cTexts::tr("Operating system: %1, kernel %2 %3, %4")
            .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                 QSysInfo::currentCpuArchitecture()),
        cTexts::tr("Settings folder: %1").arg(folderOrNone(ProgramFolder())),
        cTexts::tr("Mail folder: %1").arg(folderOrNone(MailRoot())),
        cTexts::tr("Attachments folder: %1").arg(folderOrNone(AttachmentsFolder())),
    }.join(QLatin1Char('\n'));
}
