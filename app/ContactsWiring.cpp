// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ContactsWiring.h"

#include "storage/cMailMessage.h"
#include "ui/contacts/ContactsPane.h"
#include "ui/contacts/unitContactsSupport.h"
#include "ui/main/unitMain.h"

namespace {

// The sender's display name and reply address (the From address when the message has none).
void addSender(TfrmMain &frmMain)
{
    const std::optional<cMessageRef> selected = frmMain.SelectedMessage();
    if (!selected)
        return;
    const cResultOf<cMailMessage> read = frmMain.Store().Read(*selected);
    if (!read)
        return;
    const cMailMessage &header = read.value();
    ShowAddContact(&frmMain, QString::fromUtf8(header.From).trimmed(), QString::fromUtf8(header.ReplyAddress).trimmed());
}

} // namespace

void WireContacts(TfrmMain &frmMain)
{
    auto *pane = new cContactsPane;
    frmMain.SetContactsPane(pane);
    QObject::connect(pane, &cContactsPane::HideRequested, &frmMain, &TfrmMain::HideContactsPane);
    frmMain.WireCommand(eMainCommand::tb_AddressBook, [] { ShowAddressBook(); });
    frmMain.WireCommand(eMainCommand::mnuTools_AddSender, [&frmMain] { addSender(frmMain); });
}
