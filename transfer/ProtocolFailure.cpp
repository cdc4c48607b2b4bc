// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/ProtocolFailure.h"

#include <QCoreApplication>

#include <optional>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(ProtocolFailure)
};

std::optional<int> Pop3Step(const TVrxFailure &failure)
{
    switch (failure.Code) {
    case eVrxFailure::Greeting: return 2000;
    case eVrxFailure::Login: return 2001;
    case eVrxFailure::Refused: break;
    default: return std::nullopt;
    }
    if (failure.Command == "QUIT")
        return 2002;
    if (failure.Command == "DELE")
        return 2003;
    if (failure.Command == "RETR")
        return 2004;
    if (failure.Command == "STAT")
        return 2006;
    return std::nullopt;
}

std::optional<int> SmtpReplyCode(const TVrxFailure &failure)
{
    bool isNumber = false;
    const int code = failure.ReplyStatus().toInt(&isNumber);
    return isNumber && failure.ReplyStatus().size() == 3 ? std::optional<int>(code) : std::nullopt;
}

QString Line(const TVrxFailure &failure, eMailProtocol protocol)
{
    if (protocol == eMailProtocol::Pop3) {
        if (const std::optional<int> step = Pop3Step(failure))
            return cTexts::tr("Error #%1: %2").arg(*step).arg(failure.Message());
    } else if (const std::optional<int> code = SmtpReplyCode(failure)) {
        return cTexts::tr("Error# %1: %2").arg(*code).arg(failure.Message());
    }
    const QString reply = failure.ReplyText();
    return reply.isEmpty() ? failure.Text : QStringLiteral("%1: %2").arg(failure.Text, reply);
}

eFailure CauseOf(eVrxFailure code)
{
    switch (code) {
    case eVrxFailure::None: return eFailure::None;
    case eVrxFailure::Connect:
    case eVrxFailure::Tls:
    case eVrxFailure::TimedOut:
    case eVrxFailure::ConnectionLost: return eFailure::Network;
    case eVrxFailure::Login: return eFailure::Refused;
    case eVrxFailure::AttachmentUnreadable: return eFailure::FileSystem;
    case eVrxFailure::Greeting:
    case eVrxFailure::Refused:
    case eVrxFailure::Protocol:
    case eVrxFailure::TooLarge:
    case eVrxFailure::AddressNotAscii: break;
    }
    return eFailure::Server;
}

} // namespace

cResult FailureResult(const TVrxFailure &failure, eMailProtocol protocol, const QString &account)
{
    if (!failure.Failed())
        return cResult::Ok();
    const QString line = Line(failure, protocol);
    const QString text = account.isEmpty() ? line : QStringLiteral("(%1) %2").arg(account, line);
    return cResult::Failed(CauseOf(failure.Code), text);
}
