// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One bogofilter kept running for a whole mail check, in its bulk mode (-b): a message is the
// name of its kept original written to it, and its verdict a line read back later, so judging
// costs no process start and the filter works while the next message is fetched. Made, used
// and destroyed on one thread (the check's); the process ends with it.
#include "rules/cJunkFilter.h"

#include <QList>
#include <QProcess>

#include <memory>

class cJunkSession
{
public:
    cJunkSession() = default;
    ~cJunkSession();
    cJunkSession(const cJunkSession &) = delete;
    cJunkSession &operator=(const cJunkSession &) = delete;

    // Hands over a message file by name; false when the filter cannot take it (the caller
    // judges it with cJunkFilter then).
    bool Submit(const QString &file);
    // The verdicts come in the order the files were handed over: those that have arrived,
    // waiting until there are atLeast. After a failure every outstanding one is that failure.
    QList<cResultOf<eJunkVerdict>> Verdicts(qsizetype atLeast);
    qsizetype Outstanding() const { return fOutstanding; }

private:
    bool Started();
    void Stop();

    std::unique_ptr<QProcess> fBogofilter;
    qsizetype fOutstanding = 0;
    bool fFailed = false;
};
