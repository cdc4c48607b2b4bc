// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/AccountPorts.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

QStringList usualPorts(eMailServer server)
{
    return server == eMailServer::Pop3 ? QStringList{u"110"_s, u"995"_s} : QStringList{u"25"_s, u"465"_s, u"587"_s};
}

} // namespace

QString UsualPort(eMailServer server, eVrxSecurity security)
{
    switch (security) {
    case eVrxSecurity::Tls: return server == eMailServer::Pop3 ? u"995"_s : u"465"_s;
    case eVrxSecurity::StartTls: return server == eMailServer::Pop3 ? u"110"_s : u"587"_s;
    case eVrxSecurity::None: break;
    }
    return server == eMailServer::Pop3 ? u"110"_s : u"25"_s;
}

QString PortAfterSecurityChange(eMailServer server, eVrxSecurity security, const QString &port)
{
    const QString typed = port.trimmed();
    if (typed.isEmpty() || usualPorts(server).contains(typed))
        return UsualPort(server, security);
    return port;
}
