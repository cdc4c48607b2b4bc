// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/cJunkSession.h"

#include <QCoreApplication>
#include <QFile>

#include <optional>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cJunkSession)
};

constexpr int kReplyTimeoutMs = 60000;

// "<file> S 0.999931": the verdict is the second field from the end (file names may hold blanks).
eJunkVerdict verdictOf(const QByteArray &line)
{
    const QList<QByteArray> fields = line.trimmed().split(' ');
    const QByteArray verdict = fields.size() >= 3 ? fields.at(fields.size() - 2) : QByteArray();
    if (verdict == "S")
        return eJunkVerdict::Spam;
    if (verdict == "H")
        return eJunkVerdict::Ham;
    return eJunkVerdict::Unsure;
}

} // namespace

cJunkSession::~cJunkSession()
{
    Stop();
}

void cJunkSession::Stop()
{
    if (!fBogofilter)
        return;
    fBogofilter->closeWriteChannel();
    // One that failed already gets no second time-out.
    if (fFailed || !fBogofilter->waitForFinished(kReplyTimeoutMs))
        fBogofilter->kill();
    fBogofilter->waitForFinished();
    fBogofilter.reset();
}

bool cJunkSession::Started()
{
    if (fBogofilter)
        return true;
    if (fFailed || cJunkFilter::Program().isEmpty())
        return false;
    fBogofilter = std::make_unique<QProcess>();
    fBogofilter->start(cJunkFilter::Program(), cJunkFilter::Arguments({QStringLiteral("-b"), QStringLiteral("-T")}));
    if (fBogofilter->waitForStarted())
        return true;
    fBogofilter.reset();
    fFailed = true;
    return false;
}

bool cJunkSession::Submit(const QString &file)
{
    // A name is one line of the filter's input.
    if (file.contains(QLatin1Char('\n')) || !Started())
        return false;
    fBogofilter->write(QFile::encodeName(file) + '\n');
    ++fOutstanding;
    return true;
}

QList<cResultOf<eJunkVerdict>> cJunkSession::Verdicts(qsizetype atLeast)
{
    QList<cResultOf<eJunkVerdict>> verdicts;
    if (fOutstanding == 0)
        return verdicts;
    fBogofilter->waitForReadyRead(0);
    while (fOutstanding > 0) {
        if (fBogofilter->canReadLine()) {
            verdicts.append(verdictOf(fBogofilter->readLine()));
            --fOutstanding;
            continue;
        }
        if (verdicts.size() >= atLeast)
            break;
        // A filter that ended may have answered first: those answers are read before it counts as failed.
        if (!fBogofilter->waitForReadyRead(kReplyTimeoutMs) && !fBogofilter->canReadLine()) {
            const cResult failure = cResult::Failed(
                eFailure::FileSystem, cTexts::tr("The junk filter (%1) stopped answering: %2")
                                          .arg(cJunkFilter::Program(),
                                               QString::fromLocal8Bit(fBogofilter->readAllStandardError()).trimmed()));
            for (; fOutstanding > 0; --fOutstanding)
                verdicts.append(failure);
            fFailed = true;
            Stop();
        }
    }
    return verdicts;
}
