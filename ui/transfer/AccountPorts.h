// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The ports mail servers usually listen on (RFC 8314 section 7.3 for 995 and 465, RFC 6409
// for 587), and how a port field follows a change of security without losing a port the user
// chose.
#include "mailproto/eVrxSecurity.h"

#include <QString>

enum class eMailServer { Pop3, Smtp };

QString UsualPort(eMailServer server, eVrxSecurity security);
// The port field's text once the security changed: the usual port for that security when the
// field was empty or held a usual port of the protocol, else the typed port unchanged.
QString PortAfterSecurityChange(eMailServer server, eVrxSecurity security, const QString &port);
