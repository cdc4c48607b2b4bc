#pragma once
// One bogofilter kept running for a whole mail check, in its bulk mode (-b): each message is
// the name of its kept original written to it and one line read back, so judging a message
// costs no process start. Messages without a kept original are judged by cJunkFilter one at a
// time. Made, used and destroyed on one thread (the check's); the process ends with it.
#include "rules/cJunkFilter.h"

#include <QProcess>

#include <memory>

class cJunkSession
{
public:
    cJunkSession() = default;
    ~cJunkSession();
    cJunkSession(const cJunkSession &) = delete;
    cJunkSession &operator=(const cJunkSession &) = delete;

    cResultOf<eJunkVerdict> Classify(const cMailMessage &message);

private:
    bool Started();
    cResultOf<eJunkVerdict> Ask(const QString &file);
    void Stop();

    std::unique_ptr<QProcess> fBogofilter;
    bool fFailed = false;
};
