#pragma once
// The frame both progress windows share: heading, text, the current account, a " Status "
// group the window fills, a progress bar, "&Hide", "&Errors ->" and the error list below the
// visible area. It shows its session's signals; the closing timer runs 1000 ms after the
// session's end and closes the window unless errors were collected.
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h" // cForm keeps a QPointer to it

#include <QStringList>

class QGroupBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTimer;
class QVBoxLayout;
class cSessionEngine;

class cTransferWindow : public cForm
{
    Q_OBJECT
public:
    void AddError(const QString &text);
    QStringList Errors() const;
    bool ErrorsShown() const;

public slots:
    void btnShowErrorsClick();

protected:
    cTransferWindow(const QString &title, const QString &heading, const QString &text, const char *hideButtonName);

    // Relays the session's common signals to the window.
    void Follow(cSessionEngine &session);
    // The group " Status " for the window's own labels.
    QVBoxLayout *StatusLayout() const { return fStatusLayout; }
    QLabel *AddLabel(QVBoxLayout *layout, const char *name, const QString &text);
    // The one-shot timer that runs StartSession 20 ms after the window is made; it is running
    // when this returns.
    QTimer *StartTimer(const char *name);
    virtual void StartSession() = 0;
    virtual void tmrCloseWindowTimer() = 0;

    QLabel *lblCurrentAccount = nullptr;
    QLabel *lblConnectionStatus = nullptr;
    QProgressBar *pbMain = nullptr;
    QPushButton *btnShowErrors = nullptr;
    QListWidget *lstErrors = nullptr;
    QTimer *tmrCloseWindow = nullptr;

private:
    QVBoxLayout *fStatusLayout = nullptr;
};
