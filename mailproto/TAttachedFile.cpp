#include "mailproto/TAttachedFile.h"

#include "mailproto/EVrxError.h"

#include <QMimeDatabase>
#include <QSaveFile>

#include <algorithm>

using namespace Qt::StringLiterals;

void TAttachedFile::SaveToFile(const QString &path) const
{
    if (!Stream)
        throw EVrxError(u"Invalid op."_s);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(*Stream) != Stream->size() || !file.commit())
        throw EVrxError(u"Could not write the attachment %1: %2"_s.arg(path, file.errorString()));
}

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
