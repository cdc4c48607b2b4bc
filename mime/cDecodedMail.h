// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A received message as the reader understood it: header texts decoded to Unicode, the text to
// show, and every other part as bytes to save. Plain Qt types only, so callers never see the
// MIME library.
#include <QByteArray>
#include <QDateTime>
#include <QFile>
#include <QList>
#include <QString>

#include <functional>
#include <memory>

struct cDecodedPart
{
    QString fileName;    // decoded; empty when the part names none
    QByteArray mimeType; // lower case, e.g. "image/png"; "message/rfc822" for an attached message
    QByteArray data;     // transfer encoding undone; an attached message as its bytes
    // A large part goes straight to a file (cReadOptions::partFile) instead of data: its path,
    // and why writing it failed (empty when it did not).
    QString file;
    QString fileError;
};

struct cReadOptions
{
    // Opens a new file for a part of at least largePart encoded bytes, so that no large part
    // is ever held in memory; null when it cannot (the part then comes in data).
    std::function<std::unique_ptr<QFile>()> partFile;
    qsizetype largePart = 256 * 1024;
    // The shown text in textUtf8 instead of text when it is UTF-8 already: no copy of a large
    // text in UTF-16.
    bool utf8Text = false;
};

struct cDecodedMail
{
    QString subject;
    QString from; // "Name <address>, ..." or the bare address
    QString fromName;
    QString fromAddress; // of the first sender
    QString replyAddress; // the first of Reply-To, else fromAddress
    QString to;
    QString cc;
    QDateTime date; // invalid when the message has no readable Date
    QString text;   // the text to show
    // With cReadOptions::utf8Text, the text to show when its bytes needed no conversion (text
    // is then empty). It may point into the bytes given to the reader: valid while they are.
    QByteArray textUtf8;
    bool html = false;
    // The charset of the shown text when it is one we cannot convert; the text then holds the
    // bytes as Latin-1 so nothing is hidden.
    QByteArray unknownCharset;
    QList<cDecodedPart> attachments;
    QList<QByteArray> headerLines; // of the message itself, as they came
};
