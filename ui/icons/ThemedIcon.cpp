// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/icons/ThemedIcon.h"

// Outside any namespace, as Q_INIT_RESOURCE needs; a static library's resources are only
// linked in when something refers to them.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

QIcon BundledIcon(const QString &name)
{
    static const bool initialised = (initIconResources(), true);
    Q_UNUSED(initialised);
    return QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg"));
}

QIcon ThemedIcon(const QString &name)
{
    return QIcon::fromTheme(name, BundledIcon(name));
}
