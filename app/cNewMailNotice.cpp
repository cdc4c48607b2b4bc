// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cNewMailNotice.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QSystemTrayIcon>
#include <QVariantMap>

using namespace Qt::StringLiterals;

namespace {

constexpr int kServerDecidesTimeout = -1;

void sendDesktopNotification(const QString &summary, const QString &body)
{
    QDBusMessage call = QDBusMessage::createMethodCall(u"org.freedesktop.Notifications"_s,
                                                       u"/org/freedesktop/Notifications"_s,
                                                       u"org.freedesktop.Notifications"_s, u"Notify"_s);
    call << u"Ravelin"_s << 0u << u"ravelin"_s << summary << body << QStringList() << QVariantMap()
         << kServerDecidesTimeout;
    // Without a session bus or a notification service the announcement is simply not seen.
    (void)QDBusConnection::sessionBus().send(call);
}

} // namespace

cNewMailNotice::cNewMailNotice(fTrayAvailable trayAvailable, fNotify notify)
    : fTrayAvailableCheck(std::move(trayAvailable)), fSend(std::move(notify))
{
}

cNewMailNotice cNewMailNotice::ForDesktop()
{
    return {&QSystemTrayIcon::isSystemTrayAvailable, &sendDesktopNotification};
}

void cNewMailNotice::Announce(const QString &hint) const
{
    if (!fTrayAvailableCheck())
        fSend(QCoreApplication::translate("cNewMailNotice", "New mail"), hint);
}
