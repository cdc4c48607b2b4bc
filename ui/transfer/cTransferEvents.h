// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the transfer windows tell the main window, without knowing it: status bar texts, a
// message arriving in a folder, new mail to announce. The program's start-up connects these to
// the main window.
#include <QObject>
#include <QString>

class cTransferEvents : public QObject
{
    Q_OBJECT
public:
    static cTransferEvents &instance();
    static void ShowStatus(int panel, const QString &text) { emit instance().StatusText(panel, text); }

signals:
    void StatusText(int panel, const QString &text);
    void MessageArrived(const QString &path, const QString &folder);
    void NewMailAnnounced(int total);

private:
    cTransferEvents() = default;
};

// Asks whether to create an account now (there is none) and runs the wizard on Yes.
void OfferNewAccount(QWidget *parent);
