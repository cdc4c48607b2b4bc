// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"
#include "app/HandOver.h"
#include "app/QuitOnSignal.h"
#include "app/StartUp.h"
#include "app/Translations.h"
#include "app/cSingleInstance.h"
#include "storage/cQrzMailStore.h"
#include "ui/main/MainIcons.h"
#include "ui/main/unitMain.h"

#include <QApplication>
#include <QLocale>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    if (QTextStream out(stdout); AnswerInformationRequest(ParametersBeforeStart(argc, argv), out))
        return 0;
    QApplication app(argc, argv);
    LoadTranslations(app, QLocale::system());
    cSingleInstance instance;
    cNewMessageRequest startRequest;
    if (!HandleCommandLine(QApplication::arguments().mid(1), instance, startRequest))
        return 0;
    QApplication::setApplicationName(u"Ravelin 2"_s);
    QApplication::setWindowIcon(ProgramIcon());
    if (!QuitOnTerminationSignals())
        qWarning("Ending at logout will not keep open messages: the termination signals cannot be caught.");
    cQrzMailStore store;
    TfrmMain frmMain(store);
    WireHandOver(instance, frmMain);
    if (!startRequest.isBlank())
        frmMain.SetStartRequest(startRequest);
    if (!CreateMainWindow(frmMain, [&frmMain] { CheckDefaultClient(&frmMain); }))
        return 0;
    return app.exec();
}
