// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a composer opens with: its fields, body lines, attachments, the lines that thread a
// reply, and where typing starts. Windows that ask for a new message fill one in; app makes the
// composer from it.
#include "ui/wndlist/cNewMessageRequest.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

enum class eComposerField { To, Subject, Body };

struct cComposerContent
{
    QString to{};
    QString subject{};
    QStringList body{};
    QStringList attachments{};
    eComposerField focus = eComposerField::To;
    QString cc{};
    QList<QByteArray> extraHeaders{};
    QString bcc{};
};

// A request from a link or another window: its fields as given, typing where the next thing is
// to be written.
cComposerContent ContentOf(const cNewMessageRequest &request);
