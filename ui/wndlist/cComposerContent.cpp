// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/wndlist/cComposerContent.h"

cComposerContent ContentOf(const cNewMessageRequest &request)
{
    cComposerContent content;
    content.to = request.to;
    content.cc = request.cc;
    content.bcc = request.bcc;
    content.subject = request.subject;
    if (!request.body.isEmpty())
        content.body = request.body.split(u'\n');
    content.focus = request.to.isEmpty() ? eComposerField::To : eComposerField::Body;
    return content;
}
