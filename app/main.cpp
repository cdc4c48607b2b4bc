#include "app/CommandLine.h"
#include "app/StartUp.h"
#include "ui/main/MainIcons.h"
#include "ui/main/unitMain.h"

#include <QApplication>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (!HandleCommandLine())
        return 0;
    QApplication::setApplicationName(u"Ravelin 2"_s);
    QApplication::setWindowIcon(ProgramIcon());
    TfrmMain frmMain;
    if (!CreateMainWindow(frmMain))
        return 0;
    return app.exec();
}
