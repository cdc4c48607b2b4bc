// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/LinkCheck.h"

#include <QRegularExpression>

using namespace Qt::StringLiterals;

namespace {

eLinkKind kindOf(const QUrl &target)
{
    const QString scheme = target.scheme().toLower();
    if (!target.isValid())
        return eLinkKind::Refused;
    if (scheme == u"http"_s || scheme == u"https"_s)
        return target.host().isEmpty() ? eLinkKind::Refused : eLinkKind::Web;
    if (scheme == u"mailto"_s)
        return eLinkKind::Mail;
    if (scheme == u"news"_s)
        return eLinkKind::News;
    return eLinkKind::Refused;
}

// The host a link text names when the whole text reads as an address: "www.bank.com",
// "https://bank.com/login", "help@bank.com". Empty for any other text.
QString namedHost(const QString &text)
{
    static const QRegularExpression address(
        u"^(?:[a-z][a-z0-9+.-]*://)?(?:[^\\s/@]+@)?((?:[^\\s./:@?#]+\\.)+[^\\s./:@?#\\d]{2,})\\.?(?::\\d+)?(?:[/?#]\\S*)?$"_s,
        QRegularExpression::CaseInsensitiveOption);
    // A file name in a link text ("report.pdf") is not an address.
    static const QRegularExpression fileName(u"^[^\\s/@:]+\\.(?:pdf|txt|docx?|xlsx?|pptx?|odt|ods|zip|jpe?g|png|gif|html?|exe|ics|csv)$"_s,
                                             QRegularExpression::CaseInsensitiveOption);
    const QString trimmed = text.trimmed();
    return fileName.match(trimmed).hasMatch() ? QString() : address.match(trimmed).captured(1);
}

QString comparable(const QString &host)
{
    QString ace = QString::fromLatin1(QUrl::toAce(host.toLower()));
    return ace.startsWith(u"www."_s) ? ace.mid(4) : ace;
}

// The target's own host, or a host under the one named (mail.bank.com for bank.com).
bool sameOwner(const QString &named, const QString &target)
{
    const QString shown = comparable(named);
    const QString real = comparable(target);
    return !shown.isEmpty() && (real == shown || real.endsWith(u'.' + shown));
}

QString targetHost(const QUrl &target, eLinkKind kind)
{
    if (kind != eLinkKind::Mail)
        return target.host();
    return target.path().section(u'@', 1).section(u'?', 0, 0);
}

} // namespace

cLinkCheck CheckLink(const QUrl &target, const QString &text)
{
    cLinkCheck check;
    check.kind = kindOf(target);
    check.shownHost = namedHost(text);
    check.suspicious = (check.kind == eLinkKind::Web || check.kind == eLinkKind::Mail) && !check.shownHost.isEmpty()
                       && !sameOwner(check.shownHost, targetHost(target, check.kind));
    return check;
}
