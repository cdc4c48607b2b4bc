// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/cFindSettingsPanel.h"

#include "transfer/cAutoAccount.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPromise>
#include <QPushButton>
#include <QVBoxLayout>
#include <QtConcurrent>

namespace {

cResultOf<cAccount> MakeAccount(const cAccount &typed, const std::function<void(const QString &)> &progress,
                                const std::function<bool()> &stopped)
{
    cAutoAccount maker(cAccountFinder::SystemSetup(cAutoAccount::kDefaultTimeoutMs));
    maker.Progress = progress;
    maker.Stopped = stopped;
    return maker.Make(typed);
}

} // namespace

cFindSettingsPanel::cFindSettingsPanel(QWidget *parent) : QWidget(parent), fMaker(MakeAccount)
{
    btnFindSettings = new QPushButton(tr("&Find settings"));
    btnFindSettings->setObjectName(QStringLiteral("btnFindSettings"));
    btnFindSettings->setToolTip(tr("Find the servers of your e-mail address and check them with your password"));
    btnStopFinding = new QPushButton(tr("&Stop"));
    btnStopFinding->setObjectName(QStringLiteral("btnStopFinding"));
    txtFindProgress = new QPlainTextEdit;
    txtFindProgress->setObjectName(QStringLiteral("txtFindProgress"));
    txtFindProgress->setReadOnly(true);
    txtFindProgress->hide();

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnFindSettings);
    buttons->addWidget(btnStopFinding);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(buttons);
    layout->addWidget(txtFindProgress);
    // Enter stays with the dialog's "&Done".
    btnFindSettings->setAutoDefault(false);
    btnStopFinding->setAutoDefault(false);
    connect(btnFindSettings, &QPushButton::clicked, this, &cFindSettingsPanel::FindRequested);
    connect(btnStopFinding, &QPushButton::clicked, this, &cFindSettingsPanel::btnStopFindingClick);
    showRunning(false);
}

cFindSettingsPanel::~cFindSettingsPanel()
{
    if (fWatcher)
        fWatcher->future().cancel();
}

void cFindSettingsPanel::SetAccountMaker(fAccountMaker maker)
{
    fMaker = std::move(maker);
}

bool cFindSettingsPanel::Running() const
{
    return fWatcher != nullptr;
}

void cFindSettingsPanel::Start(const cAccount &typed)
{
    if (Running())
        return;
    txtFindProgress->clear();
    txtFindProgress->show();
    showRunning(true);
    // The worker holds copies only; a watcher that died with the panel gets nothing.
    fWatcher = new QFutureWatcher<cFinderEvent>(this);
    connect(fWatcher, &QFutureWatcherBase::resultReadyAt, this, &cFindSettingsPanel::eventArrived);
    fWatcher->setFuture(QtConcurrent::run([maker = fMaker, typed](QPromise<cFinderEvent> &promise) {
        const auto progress = [&promise](const QString &step) { promise.addResult(cFinderEvent{step, std::nullopt}); };
        const auto stopped = [&promise] { return promise.isCanceled(); };
        promise.addResult(cFinderEvent{QString(), maker(typed, progress, stopped)});
    }));
}

void cFindSettingsPanel::eventArrived(int index)
{
    if (!fWatcher)
        return;
    const cFinderEvent event = fWatcher->resultAt(index);
    if (event.outcome) {
        finished(*event.outcome);
        return;
    }
    txtFindProgress->appendPlainText(event.step);
}

void cFindSettingsPanel::finished(const cResultOf<cAccount> &outcome)
{
    fWatcher->deleteLater();
    fWatcher = nullptr;
    showRunning(false);
    if (!outcome) {
        txtFindProgress->appendPlainText(outcome.text());
        return;
    }
    txtFindProgress->appendPlainText(
        outcome.value().UsesOAuth2()
            ? tr("These settings are filled in on the other pages; click Done, then sign in on the Sign-in page of the "
                 "account's properties.")
            : tr("These settings work and are filled in on the other pages; look them over, then click Done."));
    emit Found(outcome.value());
}

void cFindSettingsPanel::btnStopFindingClick()
{
    if (!fWatcher)
        return;
    fWatcher->future().cancel();
    fWatcher->deleteLater();
    fWatcher = nullptr;
    showRunning(false);
    txtFindProgress->appendPlainText(tr("Stopped. The settings are as they were; fill them in by hand."));
}

void cFindSettingsPanel::showRunning(bool running)
{
    btnFindSettings->setEnabled(!running);
    btnStopFinding->setEnabled(running);
}
