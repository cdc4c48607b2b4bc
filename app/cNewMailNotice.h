// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How new mail is announced beyond the main window's tray icon: on desktops without a system
// tray (GNOME, for one) the icon is never seen, so a desktop notification goes out instead,
// over D-Bus (org.freedesktop.Notifications). Both the tray check and the sending are
// replaceable, for tests.
#include <QString>
#include <functional>

class cNewMailNotice
{
public:
    using fTrayAvailable = std::function<bool()>;
    using fNotify = std::function<void(const QString &summary, const QString &body)>;

    cNewMailNotice(fTrayAvailable trayAvailable, fNotify notify);
    // The system tray check and the session bus.
    static cNewMailNotice ForDesktop();

    void Announce(const QString &hint) const;

private:
    fTrayAvailable fTrayAvailableCheck;
    fNotify fSend;
};
