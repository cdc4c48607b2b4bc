// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cJunkFilter.h"

#include "rules/cJunkMemory.h"
#include "rules/cMessageFile.h"
#include "storage/MailStorage.h"
#include "storage/PrivateFiles.h"
#include "storage/SettingsPaths.h"
#include "storage/cMailStoreBatch.h"
#include "storage/cOriginalStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cJunkFilter)
};

constexpr int kProcessTimeoutMs = 60000;
// bogofilter's exit codes (bogofilter(1)); registering also ends in 0.
constexpr int kSpamCode = 0;
constexpr int kHamCode = 1;
constexpr int kUnsureCode = 2;
// Messages read into memory for one run of bogofilter while learning a folder.
constexpr qsizetype kLearnBatch = 500;

// Messages as one mbox (bogofilter's -M): each opens with a "From " line, and a line of its own
// that would read as one is quoted with ">" (the mboxrd rule), so no message splits in two.
QByteArray mboxOf(const QList<QByteArray> &mails)
{
    static const QRegularExpression fromLine(QStringLiteral("^(>*From )"), QRegularExpression::MultilineOption);
    QByteArray mbox;
    for (const QByteArray &mail : mails) {
        mbox += "From ravelin\n" + QString::fromLatin1(mail).replace(fromLine, QStringLiteral(">\\1")).toLatin1();
        if (!mbox.endsWith('\n'))
            mbox += '\n';
        mbox += '\n';
    }
    return mbox;
}

cResult failed(const QString &text)
{
    return cResult::Failed(eFailure::FileSystem, text);
}

const QString kJunk = FolderName(eFolderKind::Junk);

cResult cannotMakeJunk(const QString &directory)
{
    return failed(cTexts::tr("Cannot create the folder \"%1\".").arg(directory));
}

// The Junk folder, made the first time mail goes there.
cResult makeJunk(cMailStore &store)
{
    if (store.Folders().contains(kJunk, Qt::CaseInsensitive) || store.CreateFolder(kJunk))
        return cResult::Ok();
    return cannotMakeJunk(store.FolderDirectory(kJunk));
}

} // namespace

QString cJunkFilter::WordListFolder()
{
    return ProgramFolder() + QStringLiteral("/Ravelin2 Junk");
}

QString cJunkFilter::Program()
{
    if (qEnvironmentVariableIsSet(kProgramVariable)) {
        const QString chosen = qEnvironmentVariable(kProgramVariable);
        return QFileInfo(chosen).isExecutable() ? chosen : QString();
    }
    return QStandardPaths::findExecutable(QStringLiteral("bogofilter"));
}

QString cJunkFilter::NotInstalledText()
{
    return cTexts::tr("The junk filter is off: it needs bogofilter, which is not installed (Debian package "
                          "\"bogofilter\").");
}

bool cJunkFilter::Trained()
{
    return QFileInfo::exists(WordListFolder() + QStringLiteral("/wordlist.db"));
}

QStringList cJunkFilter::Arguments(const QStringList &more)
{
    // -C: no configuration file of the user's or the system's changes how we are answered.
    return QStringList{QStringLiteral("-C"), QStringLiteral("-d"), WordListFolder()} + more;
}

cResultOf<int> cJunkFilter::Run(const QStringList &arguments, const QByteArray &input)
{
    const QString program = Program();
    if (program.isEmpty())
        return cResult::Failed(eFailure::Refused, NotInstalledText());
    if (!MakePrivatePath(WordListFolder()))
        return failed(cTexts::tr("Cannot create the junk filter's word list folder \"%1\".").arg(WordListFolder()));
    QProcess bogofilter;
    bogofilter.start(program, Arguments(arguments));
    bogofilter.write(input);
    bogofilter.closeWriteChannel();
    if (!bogofilter.waitForFinished(kProcessTimeoutMs) || bogofilter.exitStatus() != QProcess::NormalExit) {
        bogofilter.kill();
        bogofilter.waitForFinished();
        return failed(cTexts::tr("The junk filter (%1) did not finish: %2").arg(program, bogofilter.errorString()));
    }
    const int code = bogofilter.exitCode();
    if (code > kUnsureCode)
        return failed(cTexts::tr("The junk filter (%1) failed with the word list \"%2\": %3")
                          .arg(program, WordListFolder(), QString::fromLocal8Bit(bogofilter.readAllStandardError()).trimmed()));
    return code;
}

cResultOf<eJunkVerdict> cJunkFilter::Classify(const QByteArray &mail)
{
    if (!Trained())
        return eJunkVerdict::Unsure;
    const cResultOf<int> code = Run({}, mail);
    if (!code)
        return code.result();
    switch (code.value()) {
    case kSpamCode: return eJunkVerdict::Spam;
    case kHamCode: return eJunkVerdict::Ham;
    default: return eJunkVerdict::Unsure;
    }
}

cResult cJunkFilter::Learn(const QList<QByteArray> &mails, bool spam)
{
    cJunkMemory memory = cJunkMemory::Load();
    cJunkMemory planned = memory;
    QList<QByteArray> fresh, turned;
    const eJunkTaught same = spam ? eJunkTaught::Spam : eJunkTaught::Ham;
    for (const QByteArray &mail : mails) {
        const eJunkTaught taught = planned.Taught(mail);
        if (taught == same)
            continue;
        (taught == eJunkTaught::Nothing ? fresh : turned).append(mail);
        planned.Remember(mail, spam);
    }
    const QString learn = spam ? QStringLiteral("-s") : QStringLiteral("-n");
    const QString unlearn = spam ? QStringLiteral("-N") : QStringLiteral("-S");
    if (cResult taught = Teach(memory, fresh, {learn}, spam); !taught)
        return taught;
    return Teach(memory, turned, {unlearn, learn}, spam);
}

cResult cJunkFilter::Teach(cJunkMemory &memory, const QList<QByteArray> &mails, const QStringList &arguments, bool spam)
{
    if (mails.isEmpty())
        return cResult::Ok();
    if (cResult run = Run(arguments + QStringList{QStringLiteral("-M")}, mboxOf(mails)).result(); !run)
        return run;
    for (const QByteArray &mail : mails)
        memory.Remember(mail, spam);
    return memory.Save();
}

cResultOf<int> cJunkFilter::LearnFolder(const cMailStore &store, const QString &folder, bool spam)
{
    const QList<cMessageRef> messages = store.Messages(folder);
    int taught = 0;
    for (qsizetype start = 0; start < messages.size(); start += kLearnBatch) {
        QList<QByteArray> mails;
        for (const cMessageRef &message : messages.mid(start, kLearnBatch))
            if (const cResultOf<cMailMessage> read = store.Read(message))
                mails.append(MailText(read.value()));
        if (cResult learned = Learn(mails, spam); !learned)
            return learned;
        taught += int(mails.size());
    }
    return taught;
}

QByteArray cJunkFilter::MailText(const cMailMessage &message)
{
    if (!message.Original.isEmpty()) {
        if (const cResultOf<QByteArray> original = cOriginalStore::Read(message.Original))
            return original.value();
    }
    return message.headerLines.join("\r\n") + "\r\n\r\n" + message.body.join("\r\n") + "\r\n";
}

cResult cJunkFilter::MoveToJunk(cMessageFile &file)
{
    if (!MakePrivateFolder(MailFolderPath(kJunk)))
        return cannotMakeJunk(MailFolderPath(kJunk));
    return file.Transfer(kJunk, true);
}

cResult cJunkFilter::MarkMessages(cMailStore &store, const QList<cMessageRef> &messages, bool spam)
{
    QList<QByteArray> mails;
    QList<cMessageRef> leaving;
    for (const cMessageRef &message : messages) {
        const cResultOf<cMailMessage> read = store.Read(message);
        if (!read)
            return read.result();
        mails.append(MailText(read.value()));
        if ((cMailStore::KindOf(message.folder) == eFolderKind::Junk) != spam)
            leaving.append(message);
    }
    if (cResult learned = Learn(mails, spam); !learned)
        return learned;
    if (leaving.isEmpty())
        return cResult::Ok();
    if (cResult made = spam ? makeJunk(store) : cResult::Ok(); !made)
        return made;
    const QString target = spam ? kJunk : FolderName(eFolderKind::Inbox);
    // One reload per folder; moves wait for no flush, as ever.
    const cMailStoreBatch batch(store);
    for (const cMessageRef &message : leaving)
        if (cResult moved = store.Transfer(message, target, true).result(); !moved)
            return moved;
    return cResult::Ok();
}
