// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/HostNames.h"

#include <QRegularExpression>
#include <QStringList>

namespace {
constexpr qsizetype kMaxHostName = 253;
constexpr qsizetype kShortSecondLevel = 3;
}

bool IsHostName(const QString &name)
{
    QString host = name;
    if (host.endsWith(QLatin1Char('.')))
        host.chop(1);
    static const QRegularExpression label(
        QRegularExpression::anchoredPattern(QStringLiteral("[A-Za-z0-9]([A-Za-z0-9-]{0,61}[A-Za-z0-9])?")));
    if (host.isEmpty() || host.size() > kMaxHostName)
        return false;
    const QStringList labels = host.split(QLatin1Char('.'));
    for (const QString &part : labels)
        if (!label.match(part).hasMatch())
            return false;
    return true;
}

QString MailDomainOf(const QString &host)
{
    QString name = host.toLower();
    if (name.endsWith(QLatin1Char('.')))
        name.chop(1);
    const QStringList labels = name.split(QLatin1Char('.'));
    if (labels.size() < 2)
        return name;
    const bool countrySecondLevel = labels.size() >= 3 && labels.last().size() == 2
                                    && labels.at(labels.size() - 2).size() <= kShortSecondLevel;
    return labels.mid(labels.size() - (countrySecondLevel ? 3 : 2)).join(QLatin1Char('.'));
}

QString AddressDomain(const QString &address)
{
    const QString trimmed = address.trimmed();
    const qsizetype at = trimmed.indexOf(QLatin1Char('@'));
    static const QRegularExpression localPart(
        QRegularExpression::anchoredPattern(QStringLiteral("[^\\s\\x{0}-\\x{1f}\\x{7f}]+")));
    if (at <= 0 || at != trimmed.lastIndexOf(QLatin1Char('@')) || !localPart.match(trimmed.left(at)).hasMatch())
        return {};
    const QString domain = trimmed.mid(at + 1).toLower();
    return IsHostName(domain) && domain.contains(QLatin1Char('.')) ? domain : QString();
}
