#include "app/StartUp.h"

#include "app/TransferWiring.h"

#include "app/unitFirstRunPrompt.h"
#include "storage/MailStorage.h"
#include "storage/cFolderStore.h"
#include "transfer/cAccountStore.h"
#include "ui/main/unitMain.h"

#include <QMessageBox>

bool InitMailStorageOrWarn(QWidget *parent)
{
    QString failedFolder;
    if (InitMailStorage(&failedFolder))
        return true;
    if (!failedFolder.isEmpty())
        QMessageBox::warning(parent, cFolderStore::CannotCreateFolderCaption, CannotCreateFolderText(failedFolder));
    return false;
}

bool PrepareMailStorage(QWidget *parent)
{
    return InitMailStorageOrWarn(parent) || (RunFirstRunPrompt(parent) && InitMailStorageOrWarn(parent));
}

bool CreateMainWindow(TfrmMain &frmMain)
{
    frmMain.WireOwnCommands();
    WireTransfer(frmMain);
    // The default mail client check joins here (CheckDefaultClient) with the shell integration.
    return frmMain.FormCreate({[] { return PrepareMailStorage(); }, {}, [] { return cAccountStore::AccountsExist(); }});
}
