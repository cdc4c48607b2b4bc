// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialog_screenshots.h"

#include "storage/cQrzMailStore.h"
#include "storage/cSignatureStore.h"
#include "transfer/cAccountStore.h"
#include "ui/compose/unitMessageProps.h"
#include "ui/contacts/unitAddContact.h"
#include "ui/contacts/unitContactProperties.h"
#include "ui/main/unitCreateFolder.h"
#include "ui/main/unitReadMessage.h"
#include "ui/main/unitViewSource.h"
#include "ui/options/unitDefClient.h"
#include "ui/options/unitOptions.h"
#include "ui/signatures/unitAddSignature.h"
#include "ui/signatures/unitInsertSignature.h"
#include "ui/signatures/unitSignatures.h"
#include "ui/small/unitAbout.h"
#include "ui/small/unitEmptyTrash.h"
#include "ui/small/unitFirstRunPrompt.h"
#include "ui/transfer/unitAccountInfo.h"
#include "ui/transfer/unitAccounts.h"
#include "ui/transfer/unitCreateNewAccount.h"
#include "ui/transfer/unitGetMail.h"
#include "ui/transfer/unitSendMail.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct cPicture
{
    const char *name;
    std::function<QWidget *(const QString &messagePath)> make;
};

template <class T> T *loaded(T *window, const QString &name)
{
    (void)window->Load(name);
    return window;
}

// A transfer window drawn before its session starts: no server is asked.
QWidget *idle(QWidget *window)
{
    for (QTimer *timer : window->findChildren<QTimer *>())
        timer->stop();
    return window;
}

const cMailStore &fileStore()
{
    static cQrzMailStore store;
    return store;
}

QWidget *messageProps(const QString &messagePath)
{
    auto *props = new TfrmMessageProps;
    if (const cResultOf<cMailMessage> read = fileStore().Read(cQrzMailStore::RefOfFile(messagePath)))
        props->Load(read.value());
    return props;
}

QByteArray original(const QString &messagePath)
{
    QFile file(messagePath);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const cPicture kPictures[] = {
    {"options", [](const QString &) { return new TfrmOptions({}); }},
    {"accounts", [](const QString &) { return new TfrmAccounts; }},
    {"account-properties",
     [](const QString &) {
         auto *props = new TfrmAccountProps;
         props->LoadAccount(u"Work"_s);
         return props;
     }},
    {"signatures", [](const QString &) { return new TfrmSignatures; }},
    {"insert-signature", [](const QString &) { return new TfrmInsertSignature; }},
    {"contact-properties", [](const QString &) { return loaded(new TfrmContactProperties, u"Margaret Holm"_s); }},
    {"message-properties", messageProps},
    {"view-source",
     [](const QString &path) { return new TfrmViewSource(u"Quarterly report, final draft"_s, original(path)); }},
    {"about", [](const QString &) { return new TfrmAbout(nullptr, {}); }},
    {"read-window",
     [](const QString &path) {
         auto *window = new TfrmReadMessage(fileStore());
         window->ShowMessage(cQrzMailStore::RefOfFile(path));
         return window;
     }},
    {"new-account", [](const QString &) { return new TfrmCreateNewAccount; }},
    {"add-signature", [](const QString &) { return new TfrmAddSignature; }},
    {"add-contact", [](const QString &) { return new TfrmAddContact(nullptr, u"Tom Berg"_s, u"tom@example.org"_s); }},
    {"first-run", [](const QString &) { return new TfrmFirstRunPrompt; }},
    {"create-folder", [](const QString &) { return new TfrmCreateFolder; }},
    {"empty-trash", [](const QString &) { return new TfrmEmptyTrash; }},
    {"default-client", [](const QString &) { return new TfrmDefClient; }},
    {"receiving", [](const QString &) { return idle(new TfrmGetMail({u"Work"_s})); }},
    {"sending",
     [](const QString &path) {
         auto *store = new cQrzMailStore;
         auto *window = new TfrmSendMail(*store, u"Work"_s, {cQrzMailStore::RefOfFile(path)});
         store->setParent(window); // after the session, which goes first
         return idle(window);
     }},
};

bool writeSamples()
{
    cAccount work;
    work.section = work.name = u"Work"_s;
    work.email = u"margaret@example.org"_s;
    work.pop3Server = work.smtpServer = u"mail.example.org"_s;
    work.userId = u"margaret"_s;
    return cAccountStore::WriteNewAccount(work, true).ok()
        && cSignatureStore::SaveNewSignature(u"Private"_s, {"Margaret"}).ok();
}

// One picture a page of a window with tabs, the first page's without a number.
bool savePages(QWidget *window, const QString &target)
{
    auto *tabs = window->findChild<QTabWidget *>();
    const int pages = tabs ? tabs->count() : 1;
    bool saved = true;
    for (int page = 0; page < pages; ++page) {
        if (tabs)
            tabs->setCurrentIndex(page);
        QApplication::processEvents();
        const QString name = page == 0 ? target : QString(target).replace(u".png"_s, u"-%1.png"_s.arg(page + 1));
        saved = window->grab().save(name) && saved;
    }
    return saved;
}

} // namespace

bool SaveDialogPictures(const QString &folder, const QString &messagePath, QTextStream &out)
{
    if (!writeSamples()) {
        out << "Cannot write the sample account and signature\n";
        return false;
    }
    const QSize screen = QApplication::primaryScreen()->availableSize();
    bool saved = true;
    for (const cPicture &picture : kPictures) {
        std::unique_ptr<QWidget> window(picture.make(messagePath));
        window->show();
        QApplication::processEvents();
        const QString target = QDir(folder).filePath(u"ravelin-"_s + QLatin1String(picture.name) + u".png"_s);
        const QSize size = window->frameGeometry().size();
        out << target << " " << size.width() << "x" << size.height()
            << (size.boundedTo(screen) == size ? "" : " too large") << "\n";
        saved = savePages(window.get(), target) && saved;
    }
    return saved;
}
