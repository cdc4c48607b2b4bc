// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The frame both progress windows share: heading, text, the current account, a " Status "
// group the window fills, a progress bar, "&Hide", "&Stop", "&Errors ->" and the error list
// below the visible area. It shows its session's signals; the closing timer runs 1000 ms after
// the session's end and closes the window unless errors were collected. The window opens on
// the middle of its screen and never grows past its edges. It does not keep the program
// running: the main window's closing ends it.
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h" // cForm keeps a QPointer to it
#include "ui/wndlist/WindowSize.h" // FittedInto, which the window's placing uses

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
    // Stops every running transfer, waits for it to end safely and frees its window: what the
    // program does before it ends.
    static void EndAll();

    void AddError(const QString &text);
    QStringList Errors() const;
    bool ErrorsShown() const;
    // The session has ended and the window has done what it does at the end; it stays open
    // only to show errors, or because it was hidden.
    bool Concluded() const;

public slots:
    void btnShowErrorsClick();
    // Stops the session at its next safe point; before it started, the window just closes.
    void btnStopClick();

protected:
    cTransferWindow(const QString &title, const QString &heading, const QString &text, const char *hideButtonName);

    // Relays the session's common signals to the window; "&Stop" stops this session.
    void Follow(cSessionEngine &session);
    bool StoppedByUser() const { return fStopped; }
    // When a connection of the ended session met a certificate nobody vouches for, asks whether
    // to trust it for its account (a hidden window asks once per certificate); true when it is
    // now trusted and the transfer should be tried again. The window is not concluded meanwhile.
    bool OfferTrust();
    void showEvent(QShowEvent *event) override;
    // With its session still running the window goes at once; the session winds down as after
    // Stop and the window is freed when it has ended, so closing never waits for a server.
    void closeEvent(QCloseEvent *event) override;
    // The window is closing while its session winds down: no new work may be handed to it.
    virtual void Retire() {}
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
    QPushButton *btnStop = nullptr;
    QListWidget *lstErrors = nullptr;
    QTimer *tmrCloseWindow = nullptr;

private:
    void SessionFinished();

    QVBoxLayout *fStatusLayout = nullptr;
    cSessionEngine *fSession = nullptr;
    QTimer *fStartTimer = nullptr;
    bool fSessionEnded = false;
    bool fFreeWhenEnded = false;
    bool fStopped = false;
    bool fPlaced = false;
    bool fAsking = false;
};
