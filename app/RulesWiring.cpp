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

// The work's text goes to the status bar once it is done; the list follows the store.
void runInBackground(TfrmMain &frmMain, std::function<QString()> work)
{
    auto *watcher = new QFutureWatcher<QString>(&frmMain);
    QObject::connect(watcher, &QFutureWatcher<QString>::finished, &frmMain, [&frmMain, watcher] {
        frmMain.SetStatusText(1, watcher->result());
        frmMain.ShowNewOnDemandFolders();
        watcher->deleteLater();
    });
    watcher->setFuture(QtConcurrent::run(std::move(work)));
    // The work goes through the store, which need not outlive the window: a window that goes
    // first waits for the work.
    QObject::connect(watcher, &QObject::destroyed, [future = watcher->future()]() mutable { future.waitForFinished(); });
}

// messages: those to run the rules on; none: the whole folder.
QString runRules(cMailStore &store, const QString &folder, const QList<cMessageRef> &messages)
{
    const cRuleEngine engine = cRuleEngine::FromStore(store.Folders());
    const cRuleEngine::cFolderRun run =
        messages.isEmpty() ? engine.ApplyToFolder(store, folder) : engine.ApplyToMessages(store, messages);
    const QStringList problems = engine.Notes() + run.errors;
    return problems.isEmpty() ? TfrmMain::tr("The rules moved %n message(s).", "", run.moved) : problems.first();
}

QString learnFolder(const cMailStore &store, const QString &folder, bool spam)
{
    const cResultOf<int> taught = cJunkFilter::LearnFolder(store, folder, spam);
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

void wireJunkCommand(TfrmMain &frmMain, cMailStore &store, eMainCommand id, bool spam)
{
    if (!junkFilterInstalled(frmMain, id))
        return;
    frmMain.WireCommand(id, [&frmMain, &store, spam] {
        const QList<cMessageRef> messages = frmMain.SelectedMessages();
        runInBackground(frmMain, [&store, messages, spam] {
            const cResult marked = cJunkFilter::MarkMessages(store, messages, spam);
            return marked ? QString() : marked.text();
        });
    });
}

void wireLearnCommand(TfrmMain &frmMain, const cMailStore &store, eMainCommand id, bool spam)
{
    if (!junkFilterInstalled(frmMain, id))
        return;
    frmMain.WireCommand(id, [&frmMain, &store, spam] {
        const QString folder = frmMain.ShownFolder();
        frmMain.SetStatusText(1, TfrmMain::tr("The junk filter is learning from \"%1\"...").arg(folder));
        runInBackground(frmMain, [&store, folder, spam] { return learnFolder(store, folder, spam); });
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

void WireRules(TfrmMain &frmMain, cMailStore &store)
{
    frmMain.WireCommand(eMainCommand::mnuTools_MessageRules, [&frmMain, &store] { showRulesWindow(frmMain, store); });
    frmMain.WireCommand(eMainCommand::mnuTools_RunRules, [&frmMain, &store] {
        const QString folder = frmMain.ShownFolder();
        runInBackground(frmMain, [&store, folder] { return runRules(store, folder, {}); });
    });
    frmMain.WireCommand(eMainCommand::popMsgs_RunRules, [&frmMain, &store] {
        const QString folder = frmMain.ShownFolder();
        const QList<cMessageRef> messages = frmMain.SelectedMessages();
        if (!messages.isEmpty())
            runInBackground(frmMain, [&store, folder, messages] { return runRules(store, folder, messages); });
    });
    for (eMainCommand id : {eMainCommand::popMsgs_MarkJunk, eMainCommand::tb_Junk})
        wireJunkCommand(frmMain, store, id, true);
    wireJunkCommand(frmMain, store, eMainCommand::popMsgs_NotJunk, false);
    wireLearnCommand(frmMain, store, eMainCommand::popFolders_LearnJunk, true);
    wireLearnCommand(frmMain, store, eMainCommand::popFolders_LearnNotJunk, false);
}
