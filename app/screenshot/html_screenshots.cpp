// SPDX-License-Identifier: GPL-3.0-or-later
#include "html_screenshots.h"

#include "storage/cFolderStore.h"
#include "transfer/cIncomingStore.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cMessageList.h"
#include "ui/main/cPreviewPane.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSplitter>

using namespace Qt::StringLiterals;

namespace {

// Until the pane shows the message's HTML laid out (a large one is prepared aside).
bool waitForHtml(const cPreviewPane &pane)
{
    for (QDeadlineTimer deadline(20000); !deadline.hasExpired();) {
        QApplication::processEvents(QEventLoop::AllEvents, 50);
        if (pane.ShowsHtml() && pane.HtmlView()->ShownLayout())
            return true;
    }
    return false;
}

} // namespace

bool SaveHtmlPictures(TfrmMain &window, const QStringList &messages, const QString &folder, QTextStream &err,
                      QTextStream &out)
{
    QStringList names;
    for (const QString &path : messages) {
        QFile file(path);
        const QString name = QFileInfo(path).completeBaseName();
        if (!file.open(QIODevice::ReadOnly) || !cFolderStore::CreateFolder(name)
            || !cIncomingStore::Store(file.readAll(), QString(), name)) {
            err << "Cannot store the message " << path << "\n";
            return false;
        }
        names.append(name);
    }
    window.LoadFolderTree();
    // The whole screen, most of it the preview: the message is what the picture is of.
    window.resize(1280, 780);
    if (auto *split = window.findChild<QSplitter *>(u"spltHorizontal"_s))
        split->setSizes({60, 1000});
    auto *list = window.findChild<cMessageList *>(u"lstMsgs"_s);
    auto *pane = window.findChild<cPreviewPane *>();
    for (const QString &name : names) {
        window.SelectFolder(name);
        QApplication::processEvents();
        list->SelectRow(0);
        if (!waitForHtml(*pane)) {
            err << "The preview did not show the HTML of " << name << "\n";
            return false;
        }
        const QString target = QDir(folder).filePath(u"ravelin-html-%1.png"_s.arg(name));
        if (!window.grab().save(target)) {
            err << "Cannot write the picture " << target << "\n";
            return false;
        }
        out << target << "\n";
    }
    return true;
}
