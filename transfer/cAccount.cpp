// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cAccount.h"

#include "storage/cIniSection.h"

namespace {
constexpr int kHighestPort = 65535;
}

std::optional<int> cAccount::PortNumber(const QString &text)
{
    int port = 0;
    if (!cIniSection::parseInteger(text.toUtf8(), &port) || port < 1 || port > kHighestPort)
        return std::nullopt;
    return port;
}

// An integer outside the port range would wrap to some other port on the socket.
int cAccount::Pop3PortNumber() const
{
    return PortNumber(pop3Port).value_or(pop3Security == eVrxSecurity::Tls ? 995 : 110);
}

int cAccount::SmtpPortNumber() const
{
    return PortNumber(smtpPort).value_or(smtpSecurity == eVrxSecurity::Tls ? 465 : 25);
}

bool cAccount::CanSend() const
{
    return !section.trimmed().isEmpty() && !smtpServer.isEmpty();
}

QString cAccount::SmtpLoginUser() const
{
    switch (smtpLogin) {
    case eSmtpLogin::SameAsPop3: return userId;
    case eSmtpLogin::Own: return smtpUserId;
    case eSmtpLogin::None: break;
    }
    return {};
}

QByteArray cAccount::SmtpLoginPassword() const
{
    return smtpLogin == eSmtpLogin::Own ? smtpPassword : smtpLogin == eSmtpLogin::SameAsPop3 ? password : QByteArray();
}

bool cAccount::CanReceive() const
{
    return !pop3Server.isEmpty() && !userId.isEmpty() && !password.isEmpty();
}

QString cAccount::ShownAddress() const
{
    return replyAddress.isEmpty() ? email : replyAddress;
}

QList<cIdentity> cAccount::Identities() const
{
    return QList<cIdentity>{{name, email, replyAddress, organisation, {}}} + identities;
}
