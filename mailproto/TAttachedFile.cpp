// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TAttachedFile.h"

#include <QMimeDatabase>

#include <algorithm>

QByteArray TAttachedFile::NamePart(const QByteArray &path)
{
    const qsizetype cut = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    return path.mid(cut + 1);
}

QByteArray TAttachedFile::ContentTypeFor(const QString &fileName)
{
    static const QByteArray fallback = "application/octet-stream";
    // The type database can crash on names holding NUL characters; only the extension counts.
    QString name = fileName;
    name.removeIf([](QChar c) { return c.unicode() < 0x20 || c.unicode() == 0x7f; });
    const QMimeType type = QMimeDatabase().mimeTypeForFile(name, QMimeDatabase::MatchExtension);
    if (!type.isValid() || type.isDefault() || type.name().isEmpty())
        return fallback;
    return type.name().toUtf8();
}
