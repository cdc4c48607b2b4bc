#include "transfer/cAccount.h"

#include "storage/cIniSection.h"

namespace {

int portOr(const QString &text, int usual)
{
    int port = usual;
    cIniSection::parseInteger(text.toUtf8(), &port);
    return port;
}

} // namespace

int cAccount::Pop3PortNumber() const { return portOr(pop3Port, 110); }
int cAccount::SmtpPortNumber() const { return portOr(smtpPort, 25); }

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
