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
int cAccount::Pop3PortNumber() const { return PortNumber(pop3Port).value_or(110); }
int cAccount::SmtpPortNumber() const { return PortNumber(smtpPort).value_or(25); }

bool cAccount::CanSend() const
{
    return !section.trimmed().isEmpty() && !smtpServer.isEmpty();
}

bool cAccount::CanReceive() const
{
    return !pop3Server.isEmpty() && !userId.isEmpty() && !password.isEmpty();
}

QString cAccount::ShownAddress() const
{
    return replyAddress.isEmpty() ? email : replyAddress;
}
