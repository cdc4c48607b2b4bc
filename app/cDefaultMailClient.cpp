// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/cDefaultMailClient.h"

#include "storage/AtomicFile.h"
#include "storage/cIniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

using namespace Qt::StringLiterals;

// The resource lives in a static library, which registers nothing by itself.
static void initDesktopResource()
{
    Q_INIT_RESOURCE(desktop);
}

namespace {

const QString kDefaultApplications = u"Default Applications"_s;
constexpr int kToolTimeoutMs = 10000;

QString environmentOr(const char *name, const QString &fallback)
{
    const QString value = qEnvironmentVariable(name);
    return value.isEmpty() ? fallback : value;
}

QStringList environmentListOr(const char *name, const QString &fallback)
{
    return environmentOr(name, fallback).split(u':', Qt::SkipEmptyParts);
}

// The first entry of a "a.desktop;b.desktop;" value.
QString firstEntry(const QString &value)
{
    return value.section(u';', 0, 0).trimmed();
}

// Desktop entry Exec quoting: a quoted argument escapes ", `, $ and \ with a backslash, and
// the file format escapes every backslash once more.
QString quotedExecArgument(const QString &path)
{
    QString escaped;
    for (QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
            escaped += u'\\';
        escaped += c;
    }
    return u'"' + escaped.replace(u"\\"_s, u"\\\\"_s) + u'"';
}

cResult Failed(const QString &what, const QString &why)
{
    return cResult::Failed(eFailure::FileSystem,
                           QCoreApplication::translate("cDefaultMailClient", "Failed to set data for '%1'").arg(what)
                               + u"\n\n"_s + why);
}

struct cToolRun
{
    bool ok = false;
    QByteArray output;
    QString error;
};

cToolRun runTool(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    cToolRun run;
    if (!process.waitForFinished(kToolTimeoutMs)) {
        run.error = process.errorString();
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.output = process.readAllStandardOutput();
    run.ok = process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    if (!run.ok)
        run.error = QString::fromLocal8Bit(process.readAllStandardError()).trimmed();
    return run;
}

} // namespace

cXdgFolders cXdgFolders::FromEnvironment()
{
    const QString home = QDir::homePath();
    return {environmentOr("XDG_CONFIG_HOME", home + u"/.config"_s), environmentListOr("XDG_CONFIG_DIRS", u"/etc/xdg"_s),
            environmentOr("XDG_DATA_HOME", home + u"/.local/share"_s),
            environmentListOr("XDG_DATA_DIRS", u"/usr/local/share:/usr/share"_s)};
}

QStringList cXdgFolders::MimeAppsLists() const
{
    QStringList lists{configHome + u"/mimeapps.list"_s};
    for (const QString &dir : configDirs)
        lists.append(dir + u"/mimeapps.list"_s);
    lists.append(dataHome + u"/applications/mimeapps.list"_s);
    for (const QString &dir : dataDirs)
        lists.append(dir + u"/applications/mimeapps.list"_s);
    return lists;
}

cDefaultMailClient::cDefaultMailClient(cXdgFolders folders, QString xdgMime, QString programPath)
    : fFolders(std::move(folders)), fXdgMime(std::move(xdgMime)), fProgramPath(std::move(programPath))
{
}

cDefaultMailClient cDefaultMailClient::ForThisProgram()
{
    return {cXdgFolders::FromEnvironment(), QStandardPaths::findExecutable(u"xdg-mime"_s),
            QCoreApplication::applicationFilePath()};
}

QString cDefaultMailClient::CurrentHandler() const
{
    if (!fXdgMime.isEmpty()) {
        const cToolRun query = runTool(fXdgMime, {u"query"_s, u"default"_s, QLatin1String(kMailtoType)});
        return query.ok ? firstEntry(QString::fromLocal8Bit(query.output)) : QString();
    }
    for (const QString &list : fFolders.MimeAppsLists()) {
        const QString handler = firstEntry(cIniFile(list).readString(kDefaultApplications, kMailtoType));
        if (!handler.isEmpty())
            return handler;
    }
    return {};
}

cResult cDefaultMailClient::Register() const
{
    if (!IsInstalled())
        if (cResult written = WriteUserDesktopEntry(); !written)
            return written;
    return fXdgMime.isEmpty() ? SetDefaultInMimeAppsList() : SetDefaultWithTool();
}

bool cDefaultMailClient::IsInstalled() const
{
    QStringList dataDirs{fFolders.dataHome};
    dataDirs.append(fFolders.dataDirs);
    for (const QString &dir : dataDirs)
        if (QFileInfo::exists(dir + u"/applications/"_s + QLatin1String(kDesktopId)))
            return true;
    return false;
}

QString cDefaultMailClient::UserDesktopEntryPath() const
{
    return fFolders.dataHome + u"/applications/"_s + QLatin1String(kDesktopId);
}

QString cDefaultMailClient::UserDesktopEntry() const
{
    initDesktopResource();
    QFile installed(u":/desktop/ravelin.desktop"_s);
    (void)installed.open(QIODevice::ReadOnly);
    QStringList lines = QString::fromUtf8(installed.readAll()).split(u'\n');
    for (QString &line : lines)
        if (line.startsWith(u"Exec="_s))
            line = u"Exec=%1 -newmail %u"_s.arg(quotedExecArgument(fProgramPath));
    return lines.join(u'\n');
}

cResult cDefaultMailClient::WriteUserDesktopEntry() const
{
    const QString path = UserDesktopEntryPath();
    if (!QDir().mkpath(QFileInfo(path).path()))
        return Failed(path, QCoreApplication::translate("cDefaultMailClient", "The folder cannot be created."));
    if (cResult written = WriteFileAtomically(path, UserDesktopEntry().toUtf8()); !written)
        return Failed(path, written.text());
    return cResult::Ok();
}

cResult cDefaultMailClient::SetDefaultWithTool() const
{
    const cToolRun run = runTool(fXdgMime, {u"default"_s, QLatin1String(kDesktopId), QLatin1String(kMailtoType)});
    if (!run.ok)
        return Failed(QLatin1String(kMailtoType), fXdgMime + u": "_s + run.error);
    return cResult::Ok();
}

cResult cDefaultMailClient::SetDefaultInMimeAppsList() const
{
    const QString list = fFolders.configHome + u"/mimeapps.list"_s;
    if (!QFileInfo::exists(list)) {
        if (!QDir().mkpath(fFolders.configHome))
            return Failed(list, QCoreApplication::translate("cDefaultMailClient", "The folder cannot be created."));
        if (cResult made = WriteFileAtomically(list, "[Default Applications]\n"); !made)
            return Failed(list, made.text());
    }
    cIniFile file(list);
    if (!file.writeString(kDefaultApplications, kMailtoType, QLatin1String(kDesktopId) + u';'))
        return Failed(QLatin1String(kMailtoType), file.errorString());
    return cResult::Ok();
}

