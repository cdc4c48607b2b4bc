// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/WindowSteps.h"

#include "app/AddressSuggestions.h"
#include "app/CommandLine.h"
#include "app/ComposerOpening.h"
#include "ui/compose/unitMessageProps.h"
#include "ui/compose/unitNewMessage.h"
#include "ui/contacts/unitContactsSupport.h"
#include "ui/main/unitMain.h"
#include "ui/signatures/unitInsertSignature.h"
#include "ui/signatures/unitSignatures.h"
#include "ui/small/unitAbout.h"
#include "ui/small/unitEmptyTrash.h"
#include "ui/transfer/unitSendMail.h"
#include "ui/wndlist/cWindowSteps.h"

#include <QMessageBox>
#include <QPointer>

namespace {

void showAbout(cMailStore &store, QWidget *parent, QWidget *owner)
{
    TfrmAbout about(parent, [&store, owner](const QString &to, const QString &subject) {
        (void)OpenComposer(store, ContentOf({.to = to, .subject = subject, .cc = {}, .body = {}}), owner);
    });
    about.exec();
}

QString chooseSignature(QWidget *parent)
{
    TfrmInsertSignature dialog(parent);
    return dialog.exec() == QDialog::Accepted ? dialog.SelectedName() : QString();
}

void showMessageProperties(const cMailStore &store, const cMessageRef &message, QWidget *parent)
{
    const cResultOf<cMailMessage> read = store.Read(message);
    if (!read) {
        QMessageBox::warning(parent, TfrmMessageProps::tr("Cannot open the message"), read.text());
        return;
    }
    TfrmMessageProps props(parent);
    props.Load(read.value());
    props.exec();
}

} // namespace

void InstallWindowSteps(cMailStore &store, TfrmMain *frmMain)
{
    const QPointer<TfrmMain> owner(frmMain);
    cWindowSteps steps;
    steps.NewMessage = [&store, owner](const cComposerContent &content) { (void)OpenComposer(store, content, owner); };
    steps.OpenMailto = [&store, owner](const QString &link) {
        (void)OpenComposer(store, ContentOf(ParseMailto(link)), owner);
    };
    steps.NewMessageTo = [owner](const QString &to) {
        if (owner)
            owner->NewMessageTo(to);
    };
    steps.OpenDraft = [&store, owner](const cMessageRef &draft, QWidget *parent) {
        (void)OpenDraft(store, draft, owner, parent);
    };
    steps.SendMessages = [&store](const QList<cMessageRef> &messages, QWidget *parent) {
        SendMessages(store, messages, parent);
    };
    steps.SendUnsentMessages = [&store](QWidget *parent) { SendUnsentMessages(store, parent); };
    steps.ShowAddressBook = [] { ShowAddressBook(); };
    steps.PickRecipients = [](QWidget *parent) { return PickRecipients(parent); };
    steps.SuggestAddresses = [&store](const QString &typed) { return SuggestAddresses(store, typed); };
    steps.ShowAbout = [&store, owner](QWidget *parent) { showAbout(store, parent, owner); };
    steps.ChooseSignature = chooseSignature;
    steps.ManageSignatures = [](QWidget *parent) { TfrmSignatures::ShowModal(parent); };
    steps.ShowMessageProperties = [&store](const cMessageRef &message, QWidget *parent) {
        showMessageProperties(store, message, parent);
    };
    steps.ConfirmEmptyTrash = [](QWidget *parent) { return TfrmEmptyTrash::ConfirmEmptyTrash(parent); };
    steps.SettleComposersBeforeExit = [](QWidget *parent) { return TfrmNewMessage::SettleAllBeforeExit(parent); };
    SetWindowSteps(std::move(steps));
}
