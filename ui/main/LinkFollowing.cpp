// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/LinkFollowing.h"

#include "ui/main/LinkCheck.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QMessageBox>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(LinkFollowing)
};

QString shown(const QUrl &target)
{
    return QString::fromLatin1(target.toEncoded());
}

bool agreedToSuspicious(QWidget *parent, const QUrl &target, const cLinkCheck &check)
{
    const QString question = cTexts::tr("Suspicious link: its text names \"%1\", but it leads to \"%2\".\n\n"
                                "Open it anyway?")
                                 .arg(check.shownHost, shown(target));
    return QMessageBox::warning(parent, cTexts::tr("Suspicious link"), question, QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No)
           == QMessageBox::Yes;
}

} // namespace

QString FollowMessageLink(QWidget *parent, const QUrl &target, const QString &text)
{
    const cLinkCheck check = CheckLink(target, text);
    if (check.kind == eLinkKind::Refused)
        return cTexts::tr("\"%1\" was not opened: only web, mail and news addresses are.").arg(shown(target));
    if (check.suspicious && !agreedToSuspicious(parent, target, check))
        return cTexts::tr("The suspicious link to \"%1\" was not opened.").arg(shown(target));
    if (check.kind == eLinkKind::Mail)
        RunStep(WindowSteps().OpenMailto, shown(target)); // decoded once, by the mailto: reader
    else
        QDesktopServices::openUrl(target);
    return {};
}
