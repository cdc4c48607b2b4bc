#include "rules/cJunkSession.h"

#include "storage/cOriginalStore.h"

#include <QFile>
#include <QFileInfo>

#include <optional>

namespace {

constexpr int kReplyTimeoutMs = 60000;

// "<file> S 0.999931": the verdict is the second field from the end (file names may hold blanks).
std::optional<eJunkVerdict> verdictOf(const QByteArray &line)
{
    const QList<QByteArray> fields = line.trimmed().split(' ');
    if (fields.size() < 3)
        return std::nullopt;
    const QByteArray &verdict = fields.at(fields.size() - 2);
    if (verdict == "S")
        return eJunkVerdict::Spam;
    if (verdict == "H")
        return eJunkVerdict::Ham;
    if (verdict == "U")
        return eJunkVerdict::Unsure;
    return std::nullopt;
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
    if (!fBogofilter->waitForFinished(kReplyTimeoutMs))
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

cResultOf<eJunkVerdict> cJunkSession::Ask(const QString &file)
{
    fBogofilter->write(QFile::encodeName(file) + '\n');
    while (!fBogofilter->canReadLine()) {
        if (!fBogofilter->waitForReadyRead(kReplyTimeoutMs)) {
            const QString why = QString::fromLocal8Bit(fBogofilter->readAllStandardError()).trimmed();
            Stop();
            fFailed = true;
            return cResult::Failed(eFailure::FileSystem,
                                   QStringLiteral("The junk filter (%1) gave no answer for \"%2\": %3")
                                       .arg(cJunkFilter::Program(), file, why));
        }
    }
    if (const auto verdict = verdictOf(fBogofilter->readLine()))
        return *verdict;
    return eJunkVerdict::Unsure;
}

cResultOf<eJunkVerdict> cJunkSession::Classify(const cMailMessage &message)
{
    const QString original = cOriginalStore::PathOf(message.Original);
    const bool named = !original.isEmpty() && !original.contains(QLatin1Char('\n')) && QFileInfo::exists(original);
    if (named && Started())
        return Ask(original);
    return cJunkFilter::Classify(cJunkFilter::MailText(message));
}
