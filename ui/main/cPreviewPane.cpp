// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cPreviewPane.h"

#include "storage/DisplayText.h"
#include "storage/cOptions.h"
#include "storage/cRemoteContentSenders.h"
#include "transfer/MessageHtml.h"
#include "ui/main/LinkFollowing.h"
#include "ui/main/PlainTextView.h"
#include "ui/main/PreviewHeader.h"
#include "ui/main/RemoteContent.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cRemoteContentBar.h"
#include "ui/main/cRemoteImages.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtConcurrentRun>

using namespace Qt::StringLiterals;

cPreviewPane::cPreviewPane(QWidget *parent) : QWidget(parent), fRemoteImages(new cRemoteImages(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    lblHeader = new QLabel(this);
    lblHeader->setObjectName(u"lblPreviewHeader"_s);
    lblHeader->setTextFormat(Qt::RichText);
    lblHeader->setTextInteractionFlags(Qt::TextSelectableByMouse);
    lblHeader->setContentsMargins(4, 4, 4, 4);
    lblHeader->hide();
    btnPlainText = new QToolButton(this);
    btnPlainText->setObjectName(u"btnPlainText"_s);
    btnPlainText->setText(tr("Plain text"));
    btnPlainText->setToolTip(tr("Show this message as plain text"));
    btnPlainText->setCheckable(true);
    btnPlainText->hide();
    fRemoteBar = new cRemoteContentBar(this);
    fBrowser = new cPreviewBrowser(this);
    auto *header = new QHBoxLayout;
    header->addWidget(lblHeader, 1);
    header->addWidget(btnPlainText, 0, Qt::AlignTop);
    layout->addLayout(header);
    layout->addWidget(fRemoteBar);
    layout->addWidget(fBrowser, 1);
    connect(fRemoteBar, &cRemoteContentBar::LoadClicked, this, &cPreviewPane::LoadRemote);
    connect(fRemoteBar, &cRemoteContentBar::AllowSenderClicked, this, &cPreviewPane::AllowSender);
    connect(fRemoteImages, &cRemoteImages::Arrived, this, &cPreviewPane::ShowBody);
    connect(btnPlainText, &QToolButton::toggled, this, &cPreviewPane::ShowBody);
    connect(fBrowser, &cPreviewBrowser::ZoomChanged, this, [this] {
        if (fHtmlShown)
            ShowBody();
    });
    connect(fBrowser, &cPreviewBrowser::LinkHovered, this, &cPreviewPane::LinkHovered);
    connect(fBrowser, &cPreviewBrowser::LinkActivated, this, [this](const QUrl &target, const QString &text) {
        if (const QString note = FollowMessageLink(this, target, text); !note.isEmpty())
            emit StatusNote(note);
    });
}

void cPreviewPane::Show(const cMailMessage &message)
{
    Clear();
    lblHeader->setText(PreviewHeaderHtml(message));
    lblHeader->show();
    fOriginal = message.Original;
    fSubject = DisplayText(message.Subject);
    fSender = DisplayText(message.FromAddress);
    fMessage = message;
    fShown = true;
    fHtml = MessageHtml(message);
    fRemoteAllowed = !fHtml.html.isEmpty() && cRemoteContentSenders::IsAllowed(fSender);
    const QSignalBlocker quiet(btnPlainText);
    btnPlainText->setChecked(cOptions::read(Opt::MainWnd_PreferPlainText));
    btnPlainText->setVisible(!fHtml.html.isEmpty());
    ShowBody();
}

void cPreviewPane::Reshow()
{
    if (fShown)
        Show(cMailMessage(fMessage));
}

void cPreviewPane::ApplyFontOption()
{
    constexpr int kDefaultSize = 8;
    const int size = cOptions::read(Opt::MailDisplayFontSize);
    fBrowser->SetMessageFont(QFont(cOptions::read(Opt::MailDisplayFont), size > 0 ? size : kDefaultSize));
}

void cPreviewPane::ShowBody()
{
    ++*fLatest;
    if (fHtml.html.isEmpty() || btnPlainText->isChecked()) {
        fRemoteBar->hide();
        fHtmlShown = false;
        fBrowser->setPlainText(PlainTextOf(fMessage, fHtml));
        return;
    }
    if (fHtml.html.size() > kPreparedAsideChars)
        PrepareHtml();
    else
        ShowHtml();
}

// A copy of the parts, so that a worker thread may look them up too.
cInlinePartLookup cPreviewPane::InlineParts() const
{
    if (fHtml.inlineParts.isEmpty())
        return {};
    return [parts = fHtml.inlineParts](const QString &id) { return parts.value(id); };
}

cRemoteImageLookup cPreviewPane::RemoteImages() const
{
    if (!fRemoteAllowed)
        return {};
    return [images = fRemoteImages](const QUrl &url) { return images->Image(url); };
}

void cPreviewPane::ShowHtml()
{
    const int scrolled = fBrowser->verticalScrollBar()->value();
    fBrowser->ShowHtml(fHtml.html, InlineParts(), RemoteImages());
    HtmlShown(scrolled, fRemoteAllowed ? 0 : int(RemoteReferences(fHtml.html).size()));
}

// Laid out again as remote images arrive, where the reader was; a new message from the top.
void cPreviewPane::HtmlShown(int scrolled, int blockedItems)
{
    fBrowser->verticalScrollBar()->setValue(fHtmlShown ? scrolled : 0);
    fHtmlShown = true;
    fRemoteBar->ShowBlocked(blockedItems, fSender);
}

namespace {

struct cDeleteLater
{
    void operator()(QObject *object) const { object->deleteLater(); }
};

// What a worker made for the preview; a document nobody took goes with it.
struct cPreparedHtml
{
    std::shared_ptr<std::unique_ptr<cPreviewDocument, cDeleteLater>> document;
    int remoteItems = 0;
};

} // namespace

void cPreviewPane::PrepareHtml()
{
    const int preparation = *fLatest;
    if (!fHtmlShown)
        fBrowser->setPlainText(tr("Loading..."));
    auto *watcher = new QFutureWatcher<cPreparedHtml>(this);
    connect(watcher, &QFutureWatcher<cPreparedHtml>::finished, this, [this, watcher, preparation] {
        watcher->deleteLater();
        const cPreparedHtml prepared = watcher->result();
        if (preparation != *fLatest || !prepared.document)
            return;
        const int scrolled = fBrowser->verticalScrollBar()->value();
        fBrowser->AdoptDocument(std::unique_ptr<cPreviewDocument>(prepared.document->release()), RemoteImages());
        HtmlShown(scrolled, fRemoteAllowed ? 0 : prepared.remoteItems);
    });
    watcher->setFuture(QtConcurrent::run([html = fHtml.html, parts = InlineParts(), style = fBrowser->DocumentStyle(),
                                          latest = fLatest, preparation, home = thread()] {
        cPreparedHtml prepared;
        if (*latest != preparation)
            return prepared;
        prepared.remoteItems = int(RemoteReferences(html).size());
        if (*latest != preparation)
            return prepared;
        auto document = cPreviewBrowser::PreparedDocument(html, parts, style);
        document->moveToThread(home);
        prepared.document = std::make_shared<std::unique_ptr<cPreviewDocument, cDeleteLater>>(document.release());
        return prepared;
    }));
}

void cPreviewPane::LoadRemote()
{
    fRemoteAllowed = true;
    ShowBody();
}

void cPreviewPane::AllowSender()
{
    if (const cResult allowed = cRemoteContentSenders::Allow(fSender); !allowed)
        emit StatusNote(allowed.text());
    LoadRemote();
}

void cPreviewPane::ShowText(const QString &text)
{
    Clear();
    fBrowser->setPlainText(text);
}

QString cPreviewPane::HeaderHtml() const
{
    return lblHeader->text();
}

void cPreviewPane::Clear()
{
    lblHeader->clear();
    lblHeader->hide();
    btnPlainText->hide();
    fRemoteBar->hide();
    fRemoteImages->Forget();
    fBrowser->clear();
    fOriginal.clear();
    fSubject.clear();
    fSender.clear();
    fHtml = {};
    fMessage = {};
    fShown = false;
    fRemoteAllowed = false;
    fHtmlShown = false;
    ++*fLatest;
}
