// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/OptionsWiring.h"

#include "app/MailFolderLock.h"
#include "app/StartUp.h"
#include "ui/main/unitMain.h"
#include "ui/options/unitOptions.h"
#include "ui/transfer/unitGetMail.h"
#include "ui/transfer/unitSendMail.h"

#include <QMessageBox>

namespace {

bool transferRunning()
{
    const TfrmGetMail *receiving = TfrmGetMail::Existing();
    return TfrmSendMail::Running() || (receiving && !receiving->Concluded());
}

// Mail arriving or leaving while its folder moves could be left behind in the old one.
bool moveMail(TfrmMain &frmMain, QWidget *parent, const QString &from, const QString &to)
{
    if (transferRunning()) {
        QMessageBox::warning(parent, TfrmOptions::tr("Ravelin - Options"),
                             TfrmOptions::tr("Mail is being sent or received. Please move the mail folder once "
                                             "that has ended."));
        return false;
    }
    if (MoveMailWithProgress(parent, {from, to, {MailFolderLockName()}, eMoveBy::RenameWhenPossible}))
        return true;
    // Part of the mail may have left the folder still in use: show what is left there.
    frmMain.ShowNewMailTree();
    return false;
}

} // namespace

void WireOptions(TfrmMain &frmMain)
{
    frmMain.WireCommand(eMainCommand::mnuTools_Options, [&frmMain] {
        TfrmOptions::cSteps steps;
        steps.ApplyToMainWindow = [&frmMain] {
            frmMain.ApplyPreviewFont();
            frmMain.ApplyCheckTimer();
        };
        steps.PrepareNewMailFolder = [&frmMain] {
            if (!InitMailStorageOrWarn(&frmMain))
                return false;
            frmMain.ShowNewMailTree();
            return true;
        };
        steps.MoveMail = [&frmMain](QWidget *parent, const QString &from, const QString &to) {
            return moveMail(frmMain, parent, from, to);
        };
        auto *options = new TfrmOptions(steps, &frmMain);
        options->open();
    });
}
