// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The bar above a message's text that says how many remote items were held back, with the
// reader's two ways to let them in: for this message, or for every message of this sender.
#include <QFrame>

class QLabel;
class QPushButton;

class cRemoteContentBar : public QFrame
{
    Q_OBJECT
public:
    explicit cRemoteContentBar(QWidget *parent = nullptr);

    // Shown when blocked is above zero; sender empty: no sender to allow.
    void ShowBlocked(int blocked, const QString &sender);
    QString Text() const;

signals:
    void LoadClicked();
    void AllowSenderClicked();

private:
    QLabel *lblRemote;
    QPushButton *btnLoadRemote;
    QPushButton *btnAllowSender;
};
