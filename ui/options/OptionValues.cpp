// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/options/OptionValues.h"

#include "storage/MailStorage.h"
#include "storage/cOptions.h"

#include <algorithm>

using namespace OptionLimits;

namespace {

// Writes key after key until one fails; the keys before it stay written.
class cWriter
{
public:
    template <typename Option, typename Value>
    cWriter &put(const Option &option, const Value &value)
    {
        if (fResult)
            fResult = cOptions::write(option, value);
        return *this;
    }
    cWriter &putName(const cTextOption &option, const QString &name)
    {
        return name.isEmpty() ? *this : put(option, name);
    }
    cResult result() const { return fResult; }

private:
    cResult fResult;
};

} // namespace

cOptionValues cOptionValues::Read()
{
    cOptionValues v;
    v.trashPrompt = cOptions::read(Opt::TrashPrompt);
    v.verifyMail = cOptions::read(Opt::VerifyMail);
    v.verifyMailInterval = std::clamp(cOptions::read(Opt::VerifyMailInterval), kMinInterval, kMaxInterval);
    v.checkForDefClient = cOptions::read(Opt::CheckForDefClient);
    v.sendMailImmideatly = cOptions::read(Opt::SendMailImmideatly);
    v.sendMailAfterMailFetch = cOptions::read(Opt::SendMailAfterMailFetch);
    v.includeOriginalMsgInReply = cOptions::read(Opt::IncludeOriginalMsgInReply);
    v.autoInsertDefSig = cOptions::read(Opt::AutoInsertDefSig);
    v.sigPosition = cOptions::read(Opt::SigPosition) == 2 ? 2 : 1;
    v.msgQuoteChar = cOptions::read(Opt::MsgQuoteChar).left(1);
    v.defSubject = cOptions::read(Opt::DefSubject);
    v.mailDisplayFont = cOptions::read(Opt::MailDisplayFont);
    v.mailDisplayFontSize = std::clamp(cOptions::read(Opt::MailDisplayFontSize), kMinFontSize, kMaxFontSize);
    v.msgCompFont = cOptions::read(Opt::MsgCompFont);
    v.msgCompFontSize = std::clamp(cOptions::read(Opt::MsgCompFontSize), kMinFontSize, kMaxFontSize);
    v.newMailSound = cOptions::read(Opt::NewMailSound);
    v.mailErrorSound = cOptions::read(Opt::MailErrorSound);
    v.mailFolder = MailRoot();
    v.attachmentsFolder = AttachmentsFolder();
    return v;
}

cResult cOptionValues::WriteAllButFolders() const
{
    return cWriter()
        .put(Opt::TrashPrompt, trashPrompt)
        .put(Opt::VerifyMail, verifyMail)
        .put(Opt::VerifyMailInterval, std::clamp(verifyMailInterval, kMinInterval, kMaxInterval))
        .put(Opt::CheckForDefClient, checkForDefClient)
        .put(Opt::SendMailImmideatly, sendMailImmideatly)
        .put(Opt::SendMailAfterMailFetch, sendMailAfterMailFetch)
        .put(Opt::IncludeOriginalMsgInReply, includeOriginalMsgInReply)
        .put(Opt::AutoInsertDefSig, autoInsertDefSig)
        .put(Opt::SigPosition, sigPosition)
        .put(Opt::MsgQuoteChar, msgQuoteChar)
        .put(Opt::DefSubject, defSubject)
        .putName(Opt::MailDisplayFont, mailDisplayFont)
        .put(Opt::MailDisplayFontSize, std::clamp(mailDisplayFontSize, kMinFontSize, kMaxFontSize))
        .putName(Opt::MsgCompFont, msgCompFont)
        .put(Opt::MsgCompFontSize, std::clamp(msgCompFontSize, kMinFontSize, kMaxFontSize))
        .put(Opt::NewMailSound, newMailSound)
        .put(Opt::MailErrorSound, mailErrorSound)
        .result();
}

cResult cOptionValues::WriteFolders() const
{
    return cWriter().put(Opt::MailFolder, mailFolder).put(Opt::MailAttchFolder, attachmentsFolder).result();
}
