// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The junk filter: bogofilter, run as one process per call with a word list of our own in the
// settings folder ("Ravelin2 Junk", bogofilter's -d). It judges mail only once it has learned
// from some (its word list exists). Spam goes to the Junk folder, made the first time.
// Without bogofilter every call fails with a text naming the package to install; nothing else
// changes. A call waits for its process: run it off the window's thread.
#include "storage/cMailMessage.h"
#include "storage/cResult.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class cJunkMemory;

enum class eJunkVerdict { Ham, Spam, Unsure };

class cJunkFilter
{
public:
    // Where bogofilter is, instead of the search path (tests of a missing one).
    static constexpr const char *kProgramVariable = "RAVELIN_BOGOFILTER";

    static QString WordListFolder();
    // Empty when bogofilter is not installed.
    static QString Program();
    static QString NotInstalledText();
    // Whether the filter has learned anything yet.
    static bool Trained();

    static cResultOf<eJunkVerdict> Classify(const QByteArray &mail);
    // Teaches the filter many messages in one run of bogofilter. A message it was taught
    // before as the same kind is skipped; one taught as the other kind is unlearned first.
    static cResult Learn(const QList<QByteArray> &mails, bool spam);

    // What the filter reads of a stored message: the bytes as received when they are kept,
    // else its header lines and text.
    static QByteArray MailText(const cMailMessage &message);
    // Moves a message file into the Junk folder, making the folder when it is missing.
    static cResultOf<QString> MoveToJunk(const QString &path, const QString &folder);
    // "Mark as junk" and "Not junk" on messages of a folder: the filter learns them, then they
    // go to Junk, or out of Junk into Inbox. The first failure ends the run.
    static cResult MarkMessages(const QStringList &paths, const QString &folder, bool spam);

    // Teaches the filter every message of a folder, a batch at a time; unreadable files are
    // left out. The count taught.
    static cResultOf<int> LearnFolder(const QString &folder, bool spam);

    // bogofilter's arguments for our word list, then these.
    static QStringList Arguments(const QStringList &more);

private:
    // One run of bogofilter over mails with these arguments, then remembered as taught.
    static cResult Teach(cJunkMemory &memory, const QList<QByteArray> &mails, const QStringList &arguments, bool spam);
    static cResultOf<int> Run(const QStringList &arguments, const QByteArray &input);
};
