#include "storage/AtomicFile.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

bool fail(QString *error, const QString &path, const QString &reason)
{
    if (error)
        *error = QStringLiteral("Cannot write the file \"%1\": %2").arg(path, reason);
    return false;
}

// A new, empty file beside path that no one else can have opened.
bool openTemporary(const QString &path, QFile &file)
{
    const QFileInfo info(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        file.setFileName(info.absolutePath() + QStringLiteral("/.") + info.fileName() + QStringLiteral(".%1.tmp")
                                                                                      .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!file.exists())
            return false;
    }
    return false;
}

bool writeAll(QFile &file, const QByteArray &data, QString *reason)
{
    const qint64 written = file.write(data);
    if (written == data.size())
        return true;
    *reason = written < 0 ? file.errorString()
                          : QStringLiteral("only %1 of %2 bytes could be written (is the disk full?)")
                                .arg(written)
                                .arg(data.size());
    return false;
}

} // namespace

bool WriteFileAtomically(const QString &path, const QByteArray &data, QString *error, eDurability durability)
{
    QFile file;
    if (!openTemporary(path, file))
        return fail(error, path, file.errorString());
    QString reason;
    // A settings file the user made private (the accounts file) stays private.
    if (QFileInfo::exists(path))
        file.setPermissions(QFileInfo(path).permissions());
    bool written = writeAll(file, data, &reason);
    if (written && durability == eDurability::Synced && ::fdatasync(file.handle()) != 0) {
        reason = systemError();
        written = false;
    }
    file.close();
    if (written && std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0) {
        reason = systemError();
        written = false;
    }
    if (written)
        return true;
    file.remove();
    return fail(error, path, reason);
}

bool SyncFileSystemOf(const QString &path, QString *error)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::syncfs(fd) == 0;
    if (!synced && error)
        *error = QStringLiteral("Cannot flush \"%1\" to disk: %2").arg(path, systemError());
    if (fd >= 0)
        ::close(fd);
    return synced;
}
