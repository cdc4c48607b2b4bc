// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/TransferWiring.h"

#include "storage/cMailMessage.h"
#include "storage/cQrzMailStore.h"
#include "ui/transfer/cTransferEvents.h"
#include "ui/transfer/cTransferWindow.h"
#include "ui/transfer/unitAccounts.h"
#include "ui/transfer/unitCreateNewAccount.h"
#include "ui/transfer/unitGetMail.h"
#include "ui/transfer/unitSendMail.h"
#include "ui/transfer/unitSendMail_SelectAccount.h"
#include "ui/main/unitMain.h"

#include <QCoreApplication>

namespace {

// Arrivals are written as files by the incoming store, which names them by path.
void showArrivingMessage(TfrmMain &frmMain, const QString &path, const QString &folder)
{
    cMailMessage header;
    if (header.ReadFile(path, true))
        frmMain.InsertArrivedMessage(cQrzMailStore::RefOf(folder, path), header);
}

void wireReports(TfrmMain &frmMain, const cNewMailNotice &notice)
{
    const cTransferEvents &events = cTransferEvents::instance();
    QObject::connect(&events, &cTransferEvents::StatusText, &frmMain, &TfrmMain::SetStatusText);
    QObject::connect(&events, &cTransferEvents::MessageArrived, &frmMain,
                     [&frmMain](const QString &path, const QString &folder) {
                         showArrivingMessage(frmMain, path, folder);
                     });
    QObject::connect(&events, &cTransferEvents::NewMailAnnounced, &frmMain, [&frmMain, notice](int total) {
        frmMain.RefreshMessageList();
        const QString hint = TfrmMain::tr("%n new message(s)", nullptr, total);
        frmMain.SetTrayNewMail(hint);
        notice.Announce(hint);
    });
}

} // namespace

void WireTransfer(TfrmMain &frmMain, const cNewMailNotice &notice)
{
    wireReports(frmMain, notice);
    // Ending the program stops a running transfer first; its worker must not outlive the program.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &frmMain, &cTransferWindow::EndAll);
    const auto checkAll = [&frmMain] { StartMailCheck({}, false, &frmMain); };
    frmMain.WireCommand(eMainCommand::TB_Receive, checkAll);
    frmMain.WireCommand(eMainCommand::mnuTools_CheckMail, checkAll);
    frmMain.WireCommand(eMainCommand::mnuTools_CheckMailUsing, [&frmMain] {
        const QStringList accounts = ChooseAccountsForMailCheck(&frmMain);
        if (!accounts.isEmpty())
            StartMailCheck(accounts, false, &frmMain);
    });
    frmMain.WireCommand(eMainCommand::mnuTools_SendUnsent, [&frmMain] { SendUnsentMessages(frmMain.Store(), &frmMain); });
    frmMain.WireCommand(eMainCommand::popMsgs_SendNow,
                        [&frmMain] { SendMessages(frmMain.Store(), frmMain.SelectedMessages(), &frmMain); });
    const auto manageAccounts = [&frmMain] {
        TfrmAccounts accounts(&frmMain);
        accounts.exec();
    };
    frmMain.WireCommand(eMainCommand::tbAccounts, manageAccounts);
    frmMain.WireCommand(eMainCommand::mnuTools_Accounts, manageAccounts);
    QObject::connect(&frmMain, &TfrmMain::MailCheckRequested, &frmMain, [&frmMain] { StartMailCheck({}, true, &frmMain); });
    QObject::connect(&frmMain, &TfrmMain::NewAccountWizardRequested, &frmMain, [&frmMain] { RunNewAccountWizard(&frmMain); });
}
