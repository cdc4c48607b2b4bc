// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the message rules over stored messages: made once for a run (a mail check, a folder),
// then Apply for each message in turn. Each rule that matches takes its actions in order; a
// move is one move of the store (on the folder tree one rename), so a message is in exactly one
// place whatever moment the process dies at. A rule that "stops" or deletes ends the run for
// that message. A rule that cannot run (a folder it names is missing, a bad pattern) is off
// for the whole run and said so once in Notes; it never drops mail. An action that fails
// leaves the message where the previous one put it, and says why. Flags are written without
// waiting for the disk: a run over a folder flushes once at its end, a mail check before it
// lets the server delete anything. A mail check works on the message files themselves
// (cMessageFile); a run over a folder goes through the store it is given.
#include "rules/cRule.h"
#include "rules/cRuleMatcher.h"
#include "storage/cMailStore.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

struct cRuleOutcome
{
    QString path;   // where the message is now
    QString folder;
    bool stopped = false; // a rule said "stop", or sent it to the Trash
    QStringList errors;
};

class cRulePlace;

class cRuleEngine
{
public:
    // folders: those mail can be filed in.
    cRuleEngine(const QList<cRule> &rules, const QStringList &folders);
    // The rules of cRuleStore.
    static cRuleEngine FromStore(const QStringList &folders);

    const QStringList &Notes() const { return fNotes; }
    bool IsEmpty() const { return fRules.isEmpty(); }

    // A message file read already (header only when NeedsFullRecord is false); the actions'
    // flags are set in it.
    cRuleOutcome Apply(const QString &path, const QString &folder, cMailMessage &message) const;
    bool NeedsFullRecord() const { return fNeedsFullRecord; }

    // Apply in two steps, for a record about to be written: the rules it matches (in order, up
    // to the first that ends the run; path is where it will be), then SetFlagsAhead, so its
    // file is written once with the flags those rules give it before any copy is made. Once it
    // is stored, TakeMatched takes the rest of their actions.
    using cMatched = QList<qsizetype>;
    cMatched Matching(const QString &path, const cMailMessage &message) const;
    void SetFlagsAhead(const cMatched &matched, cMailMessage &record) const;
    // flagsAhead: the file holds what SetFlagsAhead set.
    cRuleOutcome TakeMatched(const cMatched &matched, const QString &path, const QString &folder,
                             cMailMessage &message, bool flagsAhead) const;
    // A message of a store: where it is after the rules, and what went wrong.
    struct cStoredOutcome
    {
        cMessageRef message;
        QStringList errors;
    };
    cStoredOutcome Apply(cMailStore &store, const cMessageRef &message) const;
    // Applies the rules to every message of a folder of the store in one cMailStoreBatch,
    // tells each message's place before and after to `each`, and flushes at the end. Returns
    // how many messages left the folder and every error.
    struct cFolderRun
    {
        int moved = 0;
        QStringList errors;
    };
    using fEach = std::function<void(const cMessageRef &was, const cMessageRef &now)>;
    cFolderRun ApplyToFolder(cMailStore &store, const QString &folder, const fEach &each = {}) const;
    // The same for some messages.
    cFolderRun ApplyToMessages(cMailStore &store, const QList<cMessageRef> &messages, const fEach &each = {}) const;

    // The size a size condition compares: the message as received when its original is kept,
    // else its file and attachments.
    static qint64 MessageSize(const QString &path, const cMailMessage &message);

private:
    struct cActive
    {
        cRule rule;
        cRuleMatcher matcher;
    };

    cMatched RulesMatching(const cMailMessage &message, qint64 size) const;
    // Whether a rule ended the run for the message.
    bool Take(const cMatched &matched, cRulePlace &place, cMailMessage &message, bool flagsAhead,
              QStringList &errors) const;
    // message: the record as read, kept up to date with the flags the actions set. flagsAhead:
    // the flags set before the first copy are in the file already; a copy clears it.
    bool TakeActions(const cRule &rule, cMailMessage &message, cRulePlace &place, QStringList &errors,
                     bool &flagsAhead) const;
    static bool EndsRun(const cRule &rule);
    static QString MissingFolder(const cRule &rule, const QStringList &folders);

    QList<cActive> fRules;
    QStringList fNotes;
    bool fNeedsFullRecord = false;
    bool fNeedsSize = false;
};
