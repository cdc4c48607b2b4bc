// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The junk filter: bogofilter, run as one process per call with a word list of our own in the
// settings folder ("Ravelin2 Junk", bogofilter's -d). It judges mail only once it has learned
// from some (its word list exists). Spam goes to the Junk folder, made the first time.
// Without bogofilter every call fails with a text naming the package to install; nothing else
// changes. A call waits for its process: run it off the window's thread.
#include "storage/cMailStore.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class cJunkMemory;
class cMessageFile;

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
    // Moves a message file of a mail check into the Junk folder, making the folder when it is missing.
    static cResult MoveToJunk(cMessageFile &file);
    // "Mark as junk" and "Not junk" on messages of the store: the filter learns them, then those
    // outside Junk go there, or those in Junk go to Inbox. The first failure ends the run.
    static cResult MarkMessages(cMailStore &store, const QList<cMessageRef> &messages, bool spam);

    // Teaches the filter every message of a folder, a batch at a time; unreadable ones are
    // left out. The count taught.
    static cResultOf<int> LearnFolder(const cMailStore &store, const QString &folder, bool spam);

    // bogofilter's arguments for our word list, then these.
    static QStringList Arguments(const QStringList &more);

private:
    // One run of bogofilter over mails with these arguments, then remembered as taught.
    static cResult Teach(cJunkMemory &memory, const QList<QByteArray> &mails, const QStringList &arguments, bool spam);
    static cResultOf<int> Run(const QStringList &arguments, const QByteArray &input);
};
