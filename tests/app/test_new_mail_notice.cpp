// SPDX-License-Identifier: GPL-3.0-or-later
// New mail on a desktop without a system tray is announced with a desktop notification; with
// a tray the icon alone tells.
#include "app/TransferWiring.h"
#include "tests/support/cScratchSettings.h"
#include "ui/main/unitMain.h"
#include "ui/transfer/cTransferEvents.h"

#include <QTest>

using namespace Qt::StringLiterals;

class TestNewMailNotice : public QObject
{
    Q_OBJECT

private slots:
    void onlyADesktopWithoutATrayGetsANotification()
    {
        cScratchSettings settings;
        for (const bool tray : {false, true}) {
            QStringList sent;
            TfrmMain frmMain;
            WireTransfer(frmMain, cNewMailNotice([tray] { return tray; }, [&sent](const QString &summary, const QString &body) {
                             sent.append(summary + u'|' + body);
                         }));
            emit cTransferEvents::instance().NewMailAnnounced(3);
            QCOMPARE(sent, tray ? QStringList() : QStringList{u"New mail|3 new message(s)"_s});
        }
    }
};

QTEST_MAIN(TestNewMailNotice)
#include "test_new_mail_notice.moc"
