// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compose/MessagePropsRules.h"

#include "mailproto/TVrxMsg.h"

cPriorityDisplay PriorityDisplay(int priority)
{
    switch (TPriority(priority)) {
    case TPriority::prHighest:
        return {QStringLiteral("High"), QColor(255, 0, 0)};
    case TPriority::prLowest:
        return {QStringLiteral("Low"), QColor(128, 128, 128)};
    default:
        return {QStringLiteral("Normal"), QColor(0, 128, 0)};
    }
}

QString ContentTypeText(bool html)
{
    return html ? QStringLiteral("Rich text (HTML)") : QStringLiteral("Plain text");
}
