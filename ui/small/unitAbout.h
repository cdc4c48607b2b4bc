// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The about box: version, the project's web page and contact address, and the system
// information for bug reports. Clicking the contact address opens a new message through the
// opener the caller gives, so this window knows no composer.
#include <QDialog>
#include <functional>

class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    using cNewMessage = std::function<void(const QString &to, const QString &subject)>;
    TfrmAbout(QWidget *parent, cNewMessage newMessage);

    void lblWebPageClick();
    void lblEmailClick();
    void btnSysInfoClick();

private:
    cNewMessage fNewMessage;
};
