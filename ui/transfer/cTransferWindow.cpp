// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/cTransferWindow.h"

#include "ui/transfer/CertificateTrust.h"
#include "ui/wndlist/DialogParts.h"

#include "transfer/cSessionEngine.h"
#include "ui/wndlist/WindowSize.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kStartDelayMs = 20;
constexpr int kCloseDelayMs = 1000;
}

cTransferWindow::cTransferWindow(const QString &title, const QString &heading, const QString &text,
                                 const char *hideButtonName)
    : cForm(title, QIcon::fromTheme(QStringLiteral("mail-send-receive")))
{
    setAttribute(Qt::WA_QuitOnClose, false);
    auto *central = new QWidget(this);
    auto *layout = new QVBoxLayout(central);
    layout->addWidget(MakeHeading(heading));
    auto *textLabel = new QLabel(text);
    textLabel->setWordWrap(true);
    layout->addWidget(textLabel);

    auto *accountRow = new QHBoxLayout;
    accountRow->addWidget(new QLabel(tr("\u2022 Current account:")));
    lblCurrentAccount = new QLabel;
    lblCurrentAccount->setObjectName(QStringLiteral("lblCurrentAccount"));
    accountRow->addWidget(lblCurrentAccount, 1);
    layout->addLayout(accountRow);

    auto *status = new QGroupBox(tr(" Status "));
    fStatusLayout = new QVBoxLayout(status);
    lblConnectionStatus = AddLabel(fStatusLayout, "lblConnectionStatus", tr("Not connected."));
    layout->addWidget(status);

    pbMain = new QProgressBar;
    pbMain->setObjectName(QStringLiteral("pbMain"));
    pbMain->setRange(0, 100);
    pbMain->setVisible(false);
    fStatusLayout->addWidget(pbMain);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *hide = new QPushButton(tr("&Hide"));
    hide->setObjectName(QLatin1String(hideButtonName));
    connect(hide, &QPushButton::clicked, this, &QWidget::hide);
    buttons->addWidget(hide);
    btnStop = new QPushButton(tr("&Stop"));
    btnStop->setObjectName(QStringLiteral("btnStop"));
    connect(btnStop, &QPushButton::clicked, this, &cTransferWindow::btnStopClick);
    buttons->addWidget(btnStop);
    btnShowErrors = new QPushButton(tr("&Errors ->"));
    btnShowErrors->setObjectName(QStringLiteral("btnShowErrors"));
    btnShowErrors->setEnabled(false);
    connect(btnShowErrors, &QPushButton::clicked, this, &cTransferWindow::btnShowErrorsClick);
    buttons->addWidget(btnShowErrors);
    layout->addLayout(buttons);

    lstErrors = new QListWidget;
    lstErrors->setObjectName(QStringLiteral("lstErrors"));
    lstErrors->setVisible(false);
    layout->addWidget(lstErrors, 1);
    setCentralWidget(central);
    setMinimumWidth(FontScaledSize(this, 70, 0).width());

    tmrCloseWindow = new QTimer(this);
    tmrCloseWindow->setObjectName(QStringLiteral("tmrCloseWindow"));
    tmrCloseWindow->setSingleShot(true);
    tmrCloseWindow->setInterval(kCloseDelayMs);
    connect(tmrCloseWindow, &QTimer::timeout, this, &cTransferWindow::tmrCloseWindowTimer);
}

QLabel *cTransferWindow::AddLabel(QVBoxLayout *layout, const char *name, const QString &text)
{
    auto *label = new QLabel(text);
    label->setObjectName(QLatin1String(name));
    layout->addWidget(label);
    return label;
}

QTimer *cTransferWindow::StartTimer(const char *name)
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QLatin1String(name));
    timer->setSingleShot(true);
    timer->setInterval(kStartDelayMs);
    connect(timer, &QTimer::timeout, this, &cTransferWindow::StartSession);
    timer->start();
    fStartTimer = timer;
    return timer;
}

void cTransferWindow::Follow(cSessionEngine &session)
{
    fSession = &session;
    connect(&session, &cSessionEngine::Finished, this, &cTransferWindow::SessionFinished);
    connect(&session, &cSessionEngine::AccountChanged, lblCurrentAccount, &QLabel::setText);
    connect(&session, &cSessionEngine::ConnectionChanged, lblConnectionStatus, &QLabel::setText);
    connect(&session, &cSessionEngine::ProgressShown, pbMain, &QWidget::setVisible);
    connect(&session, &cSessionEngine::Progress, pbMain, &QProgressBar::setValue);
    connect(&session, &cSessionEngine::ErrorAdded, this, &cTransferWindow::AddError);
}

void cTransferWindow::EndAll()
{
    QList<cTransferWindow *> windows;
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<cTransferWindow *>(widget))
            windows.append(window);
    // All are told first, so that their sessions wind down side by side.
    for (cTransferWindow *window : windows)
        if (window->fSession)
            window->fSession->Cancel();
    qDeleteAll(windows);
}

void cTransferWindow::AddError(const QString &text)
{
    lstErrors->addItem(text);
    btnShowErrors->setEnabled(lstErrors->isHidden());
}

QStringList cTransferWindow::Errors() const
{
    QStringList errors;
    for (int row = 0; row < lstErrors->count(); ++row)
        errors.append(lstErrors->item(row)->text());
    return errors;
}

bool cTransferWindow::ErrorsShown() const
{
    return !lstErrors->isHidden();
}

bool cTransferWindow::Concluded() const
{
    return fSessionEnded && !fAsking && !tmrCloseWindow->isActive();
}

void cTransferWindow::SessionFinished()
{
    fSessionEnded = true;
    btnStop->setEnabled(false);
    if (fFreeWhenEnded)
        deleteLater();
}

bool cTransferWindow::OfferTrust()
{
    if (!fSession || StoppedByUser())
        return false;
    const QScopedValueRollback asking(fAsking, true);
    return isVisible() ? OfferTrustForAccount(this, fSession->Untrusted()) : OfferTrustOnce(this, fSession->Untrusted());
}

void cTransferWindow::closeEvent(QCloseEvent *event)
{
    if (!fSession || !fSession->Running()) {
        cForm::closeEvent(event);
        return;
    }
    fStopped = true;
    fSession->Cancel();
    Retire();
    setAttribute(Qt::WA_DeleteOnClose, false);
    fFreeWhenEnded = true;
    cForm::closeEvent(event);
}

void cTransferWindow::btnStopClick()
{
    fStopped = true;
    btnStop->setEnabled(false);
    if (fStartTimer && fStartTimer->isActive()) {
        fStartTimer->stop();
        close();
    } else if (fSession) {
        fSession->Cancel();
    }
}

void cTransferWindow::showEvent(QShowEvent *event)
{
    cForm::showEvent(event);
    if (fPlaced)
        return;
    fPlaced = true;
    if (const QScreen *shown = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(shown->availableGeometry().center());
        move(frame.topLeft());
    }
    KeepOnScreen(this);
}

void cTransferWindow::btnShowErrorsClick()
{
    lstErrors->setVisible(true);
    btnShowErrors->setEnabled(false);
    resize(width(), height() + lstErrors->sizeHint().height());
    KeepOnScreen(this);
}
