// SPDX-License-Identifier: GPL-3.0-or-later
#include "transfer/cQtKeychainBackend.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMutex>
#include <QSemaphore>
#include <QThread>
#include <QTimer>

#include <qt6keychain/keychain.h>

#include <functional>
#include <memory>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(cQtKeychainBackend)
};

const QString kService = QStringLiteral("Ravelin");

struct cOutcome
{
    QKeychain::Error error = QKeychain::OtherError;
    QString text = cTexts::tr("the desktop keyring did not answer within %1 seconds")
                       .arg(cQtKeychainBackend::kTimeoutMs / 1000);
    QByteArray data;
};

// Shared with the job, which may finish after the caller stopped waiting.
struct cWait
{
    QMutex lock;
    QSemaphore done;
    cOutcome outcome;
    std::function<void()> wake;
};

using fMakeJob = std::function<QKeychain::Job *()>;

void startJob(const std::shared_ptr<cWait> &wait, const fMakeJob &makeJob)
{
    QKeychain::Job *job = makeJob();
    job->setAutoDelete(true);
    job->setInsecureFallback(false);
    QObject::connect(job, &QKeychain::Job::finished, job, [wait](QKeychain::Job *finished) {
        QMutexLocker locker(&wait->lock);
        wait->outcome.error = finished->error();
        wait->outcome.text = finished->errorString();
        if (auto *read = qobject_cast<QKeychain::ReadPasswordJob *>(finished))
            wait->outcome.data = read->binaryData();
        wait->done.release();
        if (wait->wake)
            wait->wake();
    });
    job->start();
}

cOutcome runJob(const fMakeJob &makeJob)
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return {QKeychain::OtherError, cTexts::tr("the desktop keyring needs a running application"), {}};
    auto wait = std::make_shared<cWait>();
    if (QThread::currentThread() == app->thread()) {
        QEventLoop loop;
        QTimer::singleShot(cQtKeychainBackend::kTimeoutMs, &loop, &QEventLoop::quit);
        {
            QMutexLocker locker(&wait->lock);
            wait->wake = [&loop] { loop.quit(); };
        }
        startJob(wait, makeJob);
        if (!wait->done.tryAcquire())
            loop.exec();
        QMutexLocker locker(&wait->lock);
        wait->wake = nullptr;
    } else {
        QMetaObject::invokeMethod(app, [wait, makeJob] { startJob(wait, makeJob); }, Qt::QueuedConnection);
        (void)wait->done.tryAcquire(1, cQtKeychainBackend::kTimeoutMs);
    }
    QMutexLocker locker(&wait->lock);
    return wait->outcome;
}

cResult failure(const cOutcome &outcome)
{
    return cResult::Failed(eFailure::Refused, outcome.text);
}

} // namespace

cResultOf<QByteArray> cQtKeychainBackend::Read(const QString &key)
{
    const cOutcome outcome = runJob([key] {
        auto *job = new QKeychain::ReadPasswordJob(kService);
        job->setKey(key);
        return job;
    });
    if (outcome.error == QKeychain::NoError)
        return outcome.data;
    if (outcome.error == QKeychain::EntryNotFound)
        return QByteArray();
    return failure(outcome);
}

cResult cQtKeychainBackend::Write(const QString &key, const QByteArray &secret)
{
    const cOutcome outcome = runJob([key, secret] {
        auto *job = new QKeychain::WritePasswordJob(kService);
        job->setKey(key);
        job->setBinaryData(secret);
        return job;
    });
    return outcome.error == QKeychain::NoError ? cResult::Ok() : failure(outcome);
}

cResult cQtKeychainBackend::Erase(const QString &key)
{
    const cOutcome outcome = runJob([key] {
        auto *job = new QKeychain::DeletePasswordJob(kService);
        job->setKey(key);
        return job;
    });
    if (outcome.error == QKeychain::NoError || outcome.error == QKeychain::EntryNotFound)
        return cResult::Ok();
    return failure(outcome);
}
