// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RulesWiring.h"

#include "rules/cJunkFilter.h"
#include "rules/cRuleEngine.h"
#include "ui/main/unitMain.h"
#include "ui/rules/unitRules.h"

#include <QAction>
#include <QFutureWatcher>
#include <QtConcurrent>

#include <functional>

namespace {

// The work's text goes to the status bar once it is done.
void runInBackground(TfrmMain &frmMain, std::function<QString()> work)
{
    auto *watcher = new QFutureWatcher<QString>(&frmMain);
    QObject::connect(watcher, &QFutureWatcher<QString>::finished, &frmMain, [&frmMain, watcher] {
        frmMain.SetStatusText(1, watcher->result());
        frmMain.ShowNewOnDemandFolders();
        frmMain.RefreshMessageList();
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
}

// The rules and the junk filter work on the message files themselves.
QStringList selectedFiles(const TfrmMain &frmMain)
{
    QStringList files;
    for (const cMessageRef &message : frmMain.SelectedMessages())
        if (const QString file = frmMain.Store().FileOf(message); !file.isEmpty())
            files.append(file);
    return files;
}

// paths: the messages to run the rules on; none: the whole folder.
QString runRules(const QString &folder, const QStringList &paths)
{
    const cRuleEngine engine = cRuleEngine::FromStore();
    const cRuleEngine::cFolderRun run = paths.isEmpty() ? engine.ApplyToFolder(folder) : engine.ApplyToMessages(paths, folder);
    const QStringList problems = engine.Notes() + run.errors;
    return problems.isEmpty() ? TfrmMain::tr("The rules moved %n message(s).", "", run.moved) : problems.first();
}

QString learnFolder(const QString &folder, bool spam)
{
    const cResultOf<int> taught = cJunkFilter::LearnFolder(folder, spam);
    if (!taught)
        return taught.text();
    return spam ? TfrmMain::tr("The junk filter learned %n message(s) of \"%1\" as junk.", "", taught.value()).arg(folder)
                : TfrmMain::tr("The junk filter learned %n message(s) of \"%1\" as not junk.", "", taught.value()).arg(folder);
}

// Without bogofilter the command stays unwired (so disabled) and says what to install.
bool junkFilterInstalled(TfrmMain &frmMain, eMainCommand id)
{
    if (!cJunkFilter::Program().isEmpty())
        return true;
    frmMain.Command(id)->setStatusTip(cJunkFilter::NotInstalledText());
    frmMain.Command(id)->setToolTip(cJunkFilter::NotInstalledText());
    return false;
}

void wireJunkCommand(TfrmMain &frmMain, eMainCommand id, bool spam)
{
    if (!junkFilterInstalled(frmMain, id))
        return;
    frmMain.WireCommand(id, [&frmMain, spam] {
        const QStringList paths = selectedFiles(frmMain);
        const QString folder = frmMain.ShownFolder();
        runInBackground(frmMain, [paths, folder, spam] {
            const cResult marked = cJunkFilter::MarkMessages(paths, folder, spam);
            return marked ? QString() : marked.text();
        });
    });
}

void wireLearnCommand(TfrmMain &frmMain, eMainCommand id, bool spam)
{
    if (!junkFilterInstalled(frmMain, id))
        return;
    frmMain.WireCommand(id, [&frmMain, spam] {
        const QString folder = frmMain.ShownFolder();
        frmMain.SetStatusText(1, TfrmMain::tr("The junk filter is learning from \"%1\"...").arg(folder));
        runInBackground(frmMain, [folder, spam] { return learnFolder(folder, spam); });
    });
}

// One rules window: asking again brings the open one forward.
void showRulesWindow(TfrmMain &frmMain, const cMailStore &store)
{
    auto *window = frmMain.findChild<TfrmRules *>();
    if (!window)
        window = new TfrmRules(store, &frmMain);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

void WireRules(TfrmMain &frmMain, const cMailStore &store)
{
    frmMain.WireCommand(eMainCommand::mnuTools_MessageRules, [&frmMain, &store] { showRulesWindow(frmMain, store); });
    frmMain.WireCommand(eMainCommand::mnuTools_RunRules, [&frmMain] {
        const QString folder = frmMain.ShownFolder();
        runInBackground(frmMain, [folder] { return runRules(folder, {}); });
    });
    frmMain.WireCommand(eMainCommand::popMsgs_RunRules, [&frmMain] {
        const QString folder = frmMain.ShownFolder();
        const QStringList paths = selectedFiles(frmMain);
        if (!paths.isEmpty())
            runInBackground(frmMain, [folder, paths] { return runRules(folder, paths); });
    });
    for (eMainCommand id : {eMainCommand::popMsgs_MarkJunk, eMainCommand::tb_Junk})
        wireJunkCommand(frmMain, id, true);
    wireJunkCommand(frmMain, eMainCommand::popMsgs_NotJunk, false);
    wireLearnCommand(frmMain, eMainCommand::popFolders_LearnJunk, true);
    wireLearnCommand(frmMain, eMainCommand::popFolders_LearnNotJunk, false);
}
