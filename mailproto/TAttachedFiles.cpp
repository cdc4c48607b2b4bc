// SPDX-License-Identifier: GPL-3.0-or-later
#include "mailproto/TAttachedFiles.h"

TAttachedFile &TAttachedFiles::Add(const QString &path)
{
    auto item = std::make_unique<TAttachedFile>();
    item->PathName = path;
    // A local path: "\\" is part of a name here, not a separator.
    item->FileName = path.mid(path.lastIndexOf(u'/') + 1).toUtf8();
    item->ContentType = TAttachedFile::ContentTypeFor(path);
    fItems.push_back(std::move(item));
    return *fItems.back();
}

TAttachedFile &TAttachedFiles::AddReceived(const QByteArray &fileName)
{
    auto item = std::make_unique<TAttachedFile>();
    item->FileName = TAttachedFile::NamePart(fileName);
    item->PathName = QString::fromUtf8(item->FileName);
    item->ContentType = TAttachedFile::ContentTypeFor(item->PathName);
    fItems.push_back(std::move(item));
    return *fItems.back();
}
