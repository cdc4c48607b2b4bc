// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private settings folder and mail folder for one Qt Test case, message files to fill it,
// a helper that answers the modal windows a step opens, and a stand-in for the desktop's
// opening of URLs.
#include "storage/MailStorage.h"
#include "storage/cMailMessage.h"
#include "storage/cOptions.h"
#include "storage/cQrzMailStore.h"
#include "tests/support/cScratchSettings.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <optional>

using namespace Qt::StringLiterals;

class cUiFixture
{
public:
    QString root() const { return fDir.mailRoot(); }
    QString folderPath(const QString &folder) const { return root() + u"/Mail/"_s + folder; }

    bool initStorage() const { return fDir.initStorage(); }

    QString putMessage(const QString &folder, const QString &name, const cMailMessage &message) const
    {
        const QString path = folderPath(folder) + u'/' + name;
        return message.WriteFile(path).ok() ? path : QString();
    }

    static cMailMessage message(const QByteArray &subject, bool read = true)
    {
        cMailMessage m;
        m.Subject = subject;
        m.From = "Ann Lee";
        m.ReplyAddress = "ann@example.org";
        m.To = "bob@example.org";
        m.DateTime = "08.12.2026 09:05:07";
        m.Read = read;
        m.body = {"Hello Bob,", "see you.", "Ann"};
        return m;
    }

    // A message file's place in the mail store, and back.
    static cMessageRef refOf(const QString &path) { return cQrzMailStore::RefOfFile(path); }
    static QString pathOf(const std::optional<cMessageRef> &message)
    {
        return message ? cQrzMailStore::PathOf(*message) : QString();
    }

    static bool isReadOnDisk(const QString &path)
    {
        cMailMessage m;
        return m.ReadFile(path, true).ok() && m.Read;
    }

    cScratchSettings fDir;
    // The program's store over these folders.
    cQrzMailStore store;
};

// Runs act on each modal window that comes to the front, in turn (a window that comes back
// after a nested one closed counts again), until act returns false. act may open a nested
// modal window itself. Gives up after about five seconds without a new one, so a failed case
// cannot leave it running into the next.
inline void answerModals(const std::function<bool(QWidget *)> &act)
{
    struct cState
    {
        std::function<bool(QWidget *)> act;
        QPointer<QWidget> last;
        bool stopped = false;
    };
    auto state = std::make_shared<cState>();
    state->act = act;
    auto poll = std::make_shared<std::function<void(int)>>();
    *poll = [state, weakPoll = std::weak_ptr<std::function<void(int)>>(poll)](int triesLeft) {
        auto self = weakPoll.lock();
        if (!self || state->stopped || triesLeft == 0)
            return;
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == state->last) {
            QTimer::singleShot(10, [self, triesLeft] { (*self)(triesLeft - 1); });
            return;
        }
        state->last = modal;
        QTimer::singleShot(10, [self] { (*self)(500); });
        if (!state->act(modal))
            state->stopped = true;
    };
    QTimer::singleShot(10, [poll] { (*poll)(500); });
}

// Takes what the desktop would open (QDesktopServices::setUrlHandler).
class cUrlCatcher : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl &url) { opened.append(url); }
};
