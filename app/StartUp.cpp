// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/StartUp.h"

#include "app/ContactsWiring.h"
#include "app/MailFolderLock.h"
#include "app/OptionsWiring.h"
#include "app/RulesWiring.h"
#include "app/SearchWiring.h"
#include "app/TransferWiring.h"
#include "app/WindowSteps.h"
#include "app/cDefaultMailClient.h"

#include "ui/small/unitFirstRunPrompt.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "transfer/cAccountStore.h"
#include "ui/main/unitMain.h"
#include "ui/options/unitDefClient.h"

#include <QMessageBox>

bool InitMailStorageOrWarn(QWidget *parent)
{
    QString failedFolder;
    if (InitMailStorage(&failedFolder)) {
        const cResult locked = LockMailFolder();
        if (locked)
            return true;
        SetMailRoot(QString());
        QMessageBox::warning(parent, QObject::tr("Mail folder in use"), locked.text());
        return false;
    }
    if (!failedFolder.isEmpty())
        QMessageBox::warning(parent, cFolderStore::CannotCreateFolderCaption, CannotCreateFolderText(failedFolder));
    return false;
}

bool PrepareMailStorage(QWidget *parent)
{
    return InitMailStorageOrWarn(parent) || (RunFirstRunPrompt(parent) && InitMailStorageOrWarn(parent));
}

void CheckDefaultClient(QWidget *parent)
{
    const cDefaultMailClient client = cDefaultMailClient::ForThisProgram();
    if (client.IsDefault())
        return;
    TfrmDefClient prompt(parent);
    if (prompt.exec() != QDialog::Accepted)
        return;
    if (const cResult registered = client.Register(); !registered)
        QMessageBox::warning(parent, prompt.windowTitle(), registered.text());
}

bool CreateMainWindow(TfrmMain &frmMain, const std::function<void()> &checkDefaultClient)
{
    InstallWindowSteps(frmMain.Store(), &frmMain);
    frmMain.WireOwnCommands();
    WireTransfer(frmMain);
    WireContacts(frmMain);
    WireOptions(frmMain);
    WireRules(frmMain, frmMain.Store());
    const bool created = frmMain.FormCreate(
        {[] { return PrepareMailStorage(); }, checkDefaultClient, [] { return cAccountStore::AccountsExist(); }});
    if (created)
        WireSearch(frmMain);
    return created;
}
