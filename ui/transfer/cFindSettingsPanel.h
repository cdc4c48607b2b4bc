// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "Find settings" in the new-account wizard: finds and checks the servers of the typed address
// off the GUI thread, shows each step as it happens and hands the account found back to the
// wizard, which fills its fields for the user to look over or edit. "Stop" ends the search at
// the next wait; the fields stay as they were. The panel may close while a search runs: the
// search is stopped and reports to nobody.
//
// Call order: construct, optionally SetAccountMaker (tests), then Start(typed) on request.
#include "storage/cResult.h"
#include "transfer/cAccount.h"

#include <QFutureWatcher>
#include <QWidget>

#include <functional>
#include <optional>

class QPlainTextEdit;
class QPushButton;

// One report from the search: a step, or (last) its outcome.
struct cFinderEvent
{
    QString step;
    std::optional<cResultOf<cAccount>> outcome;
};

class cFindSettingsPanel : public QWidget
{
    Q_OBJECT
public:
    // Finds and checks the account on a worker thread; blocking.
    using fAccountMaker = std::function<cResultOf<cAccount>(
        const cAccount &typed, const std::function<void(const QString &)> &progress, const std::function<bool()> &stopped)>;

    explicit cFindSettingsPanel(QWidget *parent = nullptr);
    ~cFindSettingsPanel() override;

    void SetAccountMaker(fAccountMaker maker);
    void Start(const cAccount &typed);
    bool Running() const;

signals:
    // The user asked for a search; the wizard answers with Start.
    void FindRequested();
    void Found(const cAccount &account);

private:
    void eventArrived(int index);
    void finished(const cResultOf<cAccount> &outcome);
    void btnStopFindingClick();
    void showRunning(bool running);

    fAccountMaker fMaker;
    QFutureWatcher<cFinderEvent> *fWatcher = nullptr;
    QPushButton *btnFindSettings;
    QPushButton *btnStopFinding;
    QPlainTextEdit *txtFindProgress;
};
