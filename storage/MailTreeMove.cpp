// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/MailTreeMove.h"

#include "storage/PrivateFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <filesystem>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(MailTreeMove)
};

constexpr qint64 kCopyChunk = 1 << 20;

QStringList filesUnder(const cMailTreeMove &move)
{
    QStringList files;
    const QDir root(move.from);
    QDirIterator it(move.from, QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString relative = root.relativeFilePath(it.next());
        if (!move.leaveBehind.contains(relative))
            files.append(relative);
    }
    files.sort();
    return files;
}

bool sameContent(const QString &a, const QString &b)
{
    QFile one(a), other(b);
    if (one.size() != other.size() || !one.open(QIODevice::ReadOnly) || !other.open(QIODevice::ReadOnly))
        return false;
    while (!one.atEnd())
        if (one.read(kCopyChunk) != other.read(kCopyChunk))
            return false;
    return true;
}

// The copy appears under its name only once whole and on disk (QSaveFile).
bool copyWhole(const QString &source, const QString &target, QString &error)
{
    QFile in(source);
    QSaveFile out(target);
    if (!in.open(QIODevice::ReadOnly)) {
        error = in.errorString();
        return false;
    }
    if (!out.open(QIODevice::WriteOnly)) {
        error = out.errorString();
        return false;
    }
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(kCopyChunk);
        if (chunk.isEmpty() && in.error() != QFileDevice::NoError) {
            error = in.errorString();
            return false;
        }
        if (out.write(chunk) != chunk.size()) {
            error = out.errorString();
            return false;
        }
    }
    if (!out.commit()) {
        error = out.errorString();
        return false;
    }
    (void)QFile::setPermissions(target, in.permissions());
    return true;
}

// A plain rename, which fails across file systems: QFile::rename would copy instead, unsynced.
bool renameInPlace(const QString &source, const QString &target)
{
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(source).toStdString(), QFile::encodeName(target).toStdString(), error);
    return !error;
}

// Empty only when the file now lives in the new folder and nowhere else.
QString moveFile(const cMailTreeMove &move, const QString &relative)
{
    const QString source = QDir(move.from).filePath(relative);
    const QString target = QDir(move.to).filePath(relative);
    if (!MakePrivatePath(QFileInfo(target).path()))
        return cTexts::tr("%1: the folder %2 could not be created").arg(source, QFileInfo(target).path());
    if (QFileInfo::exists(target)) {
        if (!sameContent(source, target))
            return cTexts::tr("%1: %2 already exists with other content; both were kept").arg(source, target);
    } else if (move.by == eMoveBy::Copying || !renameInPlace(source, target)) {
        QString error;
        if (!copyWhole(source, target, error))
            return cTexts::tr("%1 could not be copied to %2: %3").arg(source, target, error);
    }
    if (QFileInfo::exists(source) && !QFile::remove(source))
        return cTexts::tr("%1 was copied to %2 but could not be removed").arg(source, target);
    return {};
}

void removeEmptyFolders(const QString &root)
{
    QStringList folders;
    QDirIterator it(root, QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        folders.append(it.next());
    // Deepest first, so that a parent is empty by the time it comes.
    std::sort(folders.begin(), folders.end(), [](const QString &a, const QString &b) { return a.size() > b.size(); });
    for (const QString &folder : folders)
        (void)QDir().rmdir(folder);
    (void)QDir().rmdir(root);
}

QString canonical(const QString &path)
{
    const QString existing = QFileInfo(path).canonicalFilePath();
    return QDir::cleanPath(existing.isEmpty() ? QDir(path).absolutePath() : existing);
}

} // namespace

cResult MoveMailTree(const cMailTreeMove &move, const fMoveProgress &progress)
{
    const QString from = canonical(move.from);
    const QString to = canonical(move.to);
    if (from == to)
        return cResult::Ok();
    if (to.startsWith(from + u'/'))
        return cResult::Failed(eFailure::Refused,
                               cTexts::tr("The mail cannot be moved into %1, which lies inside %2.").arg(move.to, move.from));
    const QStringList files = filesUnder(move);
    QStringList problems;
    for (qsizetype done = 0; done < files.size(); ++done) {
        if (progress && !progress(done, files.size()))
            return cResult::Failed(eFailure::Cancelled,
                                   cTexts::tr("The move was stopped: %1 of %2 files are in %3, the rest are still in %4.")
                                       .arg(done).arg(files.size()).arg(move.to, move.from));
        if (const QString problem = moveFile(move, files[done]); !problem.isEmpty())
            problems.append(problem);
    }
    removeEmptyFolders(move.from);
    if (!problems.isEmpty())
        return cResult::Failed(eFailure::FileSystem,
                               cTexts::tr("%1 of %2 files stayed in %3:\n%4")
                                   .arg(problems.size()).arg(files.size()).arg(move.from, problems.join(u'\n')));
    return cResult::Ok();
}
