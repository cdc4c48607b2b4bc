#include "app/OptionsWiring.h"

#include "app/StartUp.h"
#include "ui/main/unitMain.h"
#include "ui/options/unitOptions.h"

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
        auto *options = new TfrmOptions(steps, &frmMain);
        options->open();
    });
}
