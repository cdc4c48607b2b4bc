// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Base of every modeless work window (send and get windows, composers, the address book...).
// The constructor lists the window in the window list under the caption and icon it is given;
// closing the window, or destroying it, takes it off the list. A window whose caption changes
// while it is open sets it through DoSetCaption, so that the list shows the current caption.
// A closed cForm frees itself.
#include <QIcon>
#include <QMainWindow>
#include <QPointer>

class cMenuItem;

class cForm : public QMainWindow
{
    Q_OBJECT
public:
    explicit cForm(const QString &caption, const QIcon &icon = {}, QWidget *parent = nullptr);
    ~cForm() override;

    void DoSetCaption(const QString &text);
    cMenuItem *AssociatedMenuItem() const { return fAssociatedMenuItem; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    friend class cWndList;
    QPointer<cMenuItem> fAssociatedMenuItem;
};
