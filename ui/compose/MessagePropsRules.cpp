// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compose/MessagePropsRules.h"

#include "mailproto/TVrxMsg.h"

#include <QCoreApplication>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(TfrmMessageProps)
};

} // namespace

cPriorityDisplay PriorityDisplay(int priority)
{
    switch (TPriority(priority)) {
    case TPriority::prHighest:
        return {cTexts::tr("High"), QColor(255, 0, 0)};
    case TPriority::prLowest:
        return {cTexts::tr("Low"), QColor(128, 128, 128)};
    default:
        return {cTexts::tr("Normal"), QColor(0, 128, 0)};
    }
}

QString ContentTypeText(bool html)
{
    return html ? cTexts::tr("Rich text (HTML)") : cTexts::tr("Plain text");
}
