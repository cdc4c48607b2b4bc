// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private settings folder and mail folder for one test. While it lives, RAVELIN_CONFIG_DIR
// points into a temporary folder and the remembered mail paths are forgotten, so no test reads
// another's settings or mail. Its file API is QTemporaryDir's.
#include "storage/MailStorage.h"
#include "storage/cOptions.h"

#include <QFile>
#include <QTemporaryDir>

class cScratchSettings
{
public:
    cScratchSettings()
    {
        qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(filePath(QStringLiteral("config"))));
        SetMailRoot(QString());
        SetAttachmentsFolder(QString());
    }
    ~cScratchSettings() { qunsetenv("RAVELIN_CONFIG_DIR"); }
    cScratchSettings(const cScratchSettings &) = delete;
    cScratchSettings &operator=(const cScratchSettings &) = delete;

    bool isValid() const { return fDir.isValid(); }
    QString path() const { return fDir.path(); }
    QString filePath(const QString &name) const { return fDir.filePath(name); }
    QString mailRoot() const { return filePath(QStringLiteral("mailroot")); }
    // Points the options at mailRoot() and makes its folders.
    [[nodiscard]] bool initStorage() const
    {
        return cOptions::write(Opt::MailFolder, mailRoot()).ok() && InitMailStorage();
    }

private:
    QTemporaryDir fDir;
};
