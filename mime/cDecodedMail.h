#pragma once
// A received message as the reader understood it: header texts decoded to Unicode, the text to
// show, and every other part as bytes to save. Plain Qt types only, so callers never see the
// MIME library.
#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

struct cDecodedPart
{
    QString fileName;    // decoded; empty when the part names none
    QByteArray mimeType; // lower case, e.g. "image/png"; "message/rfc822" for an attached message
    QByteArray data;     // transfer encoding undone; an attached message as its bytes
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
    bool html = false;
    // The charset of the shown text when it is one we cannot convert; the text then holds the
    // bytes as Latin-1 so nothing is hidden.
    QByteArray unknownCharset;
    QList<cDecodedPart> attachments;
    QList<QByteArray> headerLines; // of the message itself, as they came
};
