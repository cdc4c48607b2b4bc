// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/SettingsPaths.h"

#include "storage/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString executableFolder()
{
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QString();
}

QString settingsFile(const char *name)
{
    return ProgramFolder() + QLatin1Char('/') + QLatin1String(name);
}

QString sameSpelling(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

} // namespace

bool KeepsSettingsBeside(const QString &executableFolder, const QString &installedFolder)
{
    return !executableFolder.isEmpty() && QFileInfo(executableFolder).isWritable()
           && sameSpelling(executableFolder) != sameSpelling(installedFolder);
}

QString ProgramFolder()
{
    const QString configured = qEnvironmentVariable("RAVELIN_CONFIG_DIR");
    if (!configured.isEmpty()) {
        (void)MakePrivatePath(configured);
        return QDir::cleanPath(QDir(configured).absolutePath());
    }
    const QString beside = executableFolder();
    if (KeepsSettingsBeside(beside, QStringLiteral(RAVELIN_INSTALL_BINDIR)))
        return beside;
    const QString perUser = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                            + QStringLiteral("/ravelin");
    (void)MakePrivatePath(perUser);
    return perUser;
}

QString OptionsFilePath() { return settingsFile("Ravelin2 Options.ini"); }
QString AccountsFilePath() { return settingsFile("Ravelin2 Accounts.ini"); }
QString ContactsFilePath() { return settingsFile("Ravelin2 contacts.ini"); }
QString SignaturesFilePath() { return settingsFile("Ravelin2 Signatures.ini"); }
QString TempInfoFilePath() { return settingsFile("Ravelin2 TempInfo.ini"); }
