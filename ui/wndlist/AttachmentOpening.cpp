// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/AttachmentOpening.h"

#include "ui/wndlist/DialogParts.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QUrl>

#include <algorithm>
#include <array>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(AttachmentOpening)
};

// Scripts, interpreted programs and AppImages all inherit application/x-executable.
bool isRunnable(const QMimeType &type)
{
    static const std::array kRunnable{"application/x-executable", "application/x-sharedlib", "application/x-desktop",
                                      "application/x-ms-dos-executable", "application/x-msi",
                                      "application/x-java-archive"};
    return std::any_of(kRunnable.begin(), kRunnable.end(),
                       [&type](const char *name) { return type.inherits(QLatin1String(name)); });
}

// The type the desktop may go by: the name's or the content's, whichever can run.
QMimeType runnableType(const QString &path)
{
    const QMimeDatabase types;
    for (const QMimeDatabase::MatchMode mode : {QMimeDatabase::MatchExtension, QMimeDatabase::MatchContent}) {
        if (const QMimeType type = types.mimeTypeForFile(path, mode); isRunnable(type))
            return type;
    }
    return {};
}

QString runQuestion(const QString &path)
{
    const QMimeType type = runnableType(path);
    const QString kind = type.isValid() ? type.comment() : cTexts::tr("marked as executable");
    return cTexts::tr("\"%1\" (%2) can run as a program, and opening it may start it. A program can do anything "
              "you can: read, change or delete your files, or send mail in your name. Open it only if you "
              "expected it from someone you trust.\n\nOpen it anyway?")
        .arg(QFileInfo(path).fileName(), kind);
}

} // namespace

bool AttachmentCanRun(const QString &path)
{
    return QFileInfo(path).isExecutable() || runnableType(path).isValid();
}

void OpenAttachment(QWidget *parent, const QString &path)
{
    if (AttachmentCanRun(path) && !AskYesNo(parent, cTexts::tr("Open attachment"), runQuestion(path)))
        return;
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}
