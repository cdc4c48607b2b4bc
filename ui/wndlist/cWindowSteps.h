// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How one window reaches another: windows are siblings and see none of each other, so every
// way across is a step here. App fills them once at start; a step left empty is a thing the
// window cannot do (its command stays disabled or does nothing), which is how a window is
// tested alone.
#include "ui/wndlist/cComposerContent.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>

class QWidget;
struct cMessageRef;

struct cWindowSteps
{
    // A composer filled with the content.
    std::function<void(const cComposerContent &content)> NewMessage;
    // A composer filled from a mailto: link (RFC 6068), as a link clicked in a message.
    std::function<void(const QString &link)> OpenMailto;
    // Mail to contacts: a new message to these addresses with the default subject and signature.
    std::function<void(const QString &to)> NewMessageTo;
    // A message of Unfinished in a composer; one that cannot be read is reported over parent.
    std::function<void(const cMessageRef &draft, QWidget *parent)> OpenDraft;
    // Messages of Unsent handed to the send window.
    std::function<void(const QList<cMessageRef> &messages, QWidget *parent)> SendMessages;
    // Every message of Unsent handed to the send window.
    std::function<void(QWidget *parent)> SendUnsentMessages;
    std::function<void()> ShowAddressBook;
    // The chosen addresses in order; none when cancelled.
    std::function<QStringList(QWidget *parent)> PickRecipients;
    // Mailboxes to offer for an address being typed, best first.
    std::function<QStringList(const QString &typed)> SuggestAddresses;
    std::function<void(QWidget *parent)> ShowAbout;
    // The name of the signature chosen; empty when cancelled.
    std::function<QString(QWidget *parent)> ChooseSignature;
    std::function<void(QWidget *parent)> ManageSignatures;
    std::function<void(const cMessageRef &message, QWidget *parent)> ShowMessageProperties;
    // Whether the Trash may be emptied (asked when the user wants to be asked).
    std::function<bool(QWidget *parent)> ConfirmEmptyTrash;
    // Asks once about every changed composer and saves or discards them; false when the user
    // cancelled or a save failed, and the program is to go on.
    std::function<bool(QWidget *parent)> SettleComposersBeforeExit;
};

void SetWindowSteps(cWindowSteps steps);
const cWindowSteps &WindowSteps();

// Runs a step that gives nothing back, when app filled it in.
template <typename Step, typename... Args>
void RunStep(const Step &step, Args &&...args)
{
    if (step)
        step(std::forward<Args>(args)...);
}
