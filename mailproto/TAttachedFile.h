// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One attachment of a TVrxMsg. Outgoing: made by TAttachedFiles::Add(path); the SMTP client
// fills Lines with the base64 text while it builds the message. Incoming: made by the parser
// with the encoded Lines, which a decoder turns into Stream (the decoded bytes), dropping Lines.
// The caller keeps Stream; files are written by the storage layer.
#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

class TAttachedFile
{
public:
    QByteArray FileName;
    QString PathName;
    // The path's bytes when they are not UTF-8 (PathName cannot open the file then); else empty.
    QByteArray LocalPath;
    QList<QByteArray> Lines;
    std::optional<QByteArray> Stream;
    QByteArray ContentType;

    // The name part of a path or of a received name: the text after the last "/" or "\".
    static QByteArray NamePart(const QByteArray &path);
    // The MIME type by the name's extension; unknown ones give "application/octet-stream".
    static QByteArray ContentTypeFor(const QString &fileName);
};
