// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The block above the preview's text: who wrote the message, to whom, when (by its own Date
// header, in the user's format), and its subject. Texts are escaped: a header never becomes
// markup.
#include "storage/cMailMessage.h"

#include <QDateTime>
#include <QList>
#include <QString>

struct cPreviewHeaderLine
{
    QString label;
    QString value;
};

// From, To, CC (only when there is one), Date and Subject.
QList<cPreviewHeaderLine> PreviewHeaderLines(const cMailMessage &message);
QString PreviewHeaderHtml(const cMailMessage &message);

// An RFC 5322 date in the user's long format; a text no reader understands stays as it came.
QString MessageDateText(const QByteArray &dateField);
