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

TfrmNewMessage *OpenComposer(const cComposerContent &content, QWidget *owner)
{
    auto *composer = new TfrmNewMessage(owner);
    composer->SetHeaderFields(content.to, content.cc, content.subject, content.bcc);
    composer->SetExtraHeaders(content.extraHeaders);
    if (!content.body.isEmpty())
        composer->SetBody(content.body);
    for (const QString &attachment : content.attachments)
        composer->AddAttachment(attachment);
    return showInFront(composer, content.focus);
}

TfrmNewMessage *OpenDraft(const QString &path, QWidget *owner, QWidget *parent)
{
    auto *composer = new TfrmNewMessage(owner);
    QString error;
    if (!composer->LoadFromFile(path, &error)) {
        delete composer;
        QMessageBox::warning(parent, TfrmNewMessage::tr("Cannot open the message"), error);
        return nullptr;
    }
    return showInFront(composer, eComposerField::To);
}
