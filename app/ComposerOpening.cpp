// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/ComposerOpening.h"

#include "ui/compose/unitNewMessage.h"

#include <QMessageBox>

namespace {

TfrmNewMessage *showInFront(TfrmNewMessage *composer, eComposerField focus)
{
    composer->show();
    composer->FocusField(focus);
    composer->raise();
    composer->activateWindow();
    return composer;
}

} // namespace

TfrmNewMessage *OpenComposer(cMailStore &store, const cComposerContent &content, QWidget *owner)
{
    auto *composer = new TfrmNewMessage(store, owner);
    composer->SetHeaderFields(content.to, content.cc, content.subject, content.bcc);
    composer->SetExtraHeaders(content.extraHeaders);
    if (!content.body.isEmpty())
        composer->SetBody(content.body);
    for (const QString &attachment : content.attachments)
        composer->AddAttachment(attachment);
    return showInFront(composer, content.focus);
}

TfrmNewMessage *OpenDraft(cMailStore &store, const cMessageRef &draft, QWidget *owner, QWidget *parent)
{
    auto *composer = new TfrmNewMessage(store, owner);
    if (const cResult loaded = composer->Load(draft); !loaded) {
        delete composer;
        QMessageBox::warning(parent, TfrmNewMessage::tr("Cannot open the message"), loaded.text());
        return nullptr;
    }
    return showInFront(composer, eComposerField::To);
}
