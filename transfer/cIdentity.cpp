// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cIdentity.h"

QString cIdentity::SenderLine() const
{
    const QString shownName = name.isEmpty() ? QStringLiteral("Ravelin User") : name;
    const QString address = ShownAddress();
    return address.isEmpty() ? shownName : shownName + QStringLiteral(" <") + address + QLatin1Char('>');
}
