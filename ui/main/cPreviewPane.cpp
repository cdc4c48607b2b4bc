// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cPreviewPane.h"

#include "storage/DisplayText.h"
#include "storage/cOptions.h"
#include "storage/cRemoteContentSenders.h"
#include "transfer/MessageHtml.h"
#include "ui/main/LinkFollowing.h"
#include "ui/main/PlainTextView.h"
#include "ui/main/PreviewHeader.h"
#include "ui/main/PreviewPreparation.h"
#include "ui/main/PrintedMessage.h"
#include "ui/main/RemoteContent.h"
#include "ui/main/cHtmlLayout.h"
#include "ui/main/cHtmlView.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cRemoteContentBar.h"
#include "ui/main/cRemoteImages.h"

#include <QFutureWatcher>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTimer>
#include <QTextDocument>
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
    fText = new QStackedWidget(this);
    fBrowser = new cPreviewBrowser(fText);
    fHtmlView = new cHtmlView(fText);
    fHtmlView->setObjectName(u"htmlPage"_s);
    fText->addWidget(fBrowser);
    fText->addWidget(fHtmlView);
    auto *header = new QHBoxLayout;
    header->addWidget(lblHeader, 1);
    header->addWidget(btnPlainText, 0, Qt::AlignTop);
    layout->addLayout(header);
    layout->addWidget(fRemoteBar);
    layout->addWidget(fText, 1);
    connect(fRemoteBar, &cRemoteContentBar::LoadClicked, this, &cPreviewPane::LoadRemote);
    connect(fRemoteBar, &cRemoteContentBar::AllowSenderClicked, this, &cPreviewPane::AllowSender);
    connect(fRemoteImages, &cRemoteImages::Arrived, this, &cPreviewPane::ShowBody);
    connect(btnPlainText, &QToolButton::toggled, this, &cPreviewPane::ShowBody);
    connect(fBrowser, &cPreviewBrowser::ZoomChanged, this, [this] { FollowZoom(fBrowser->Zoom()); });
    connect(fHtmlView, &cHtmlView::ZoomChanged, this, [this] { FollowZoom(fHtmlView->Zoom()); });
    connect(fHtmlView, &cHtmlView::LinkHovered, this, &cPreviewPane::LinkHovered);
    connect(fHtmlView, &cHtmlView::LinkActivated, this, &cPreviewPane::FollowLink);
    connect(fBrowser, &QTextBrowser::selectionChanged, this, &cPreviewPane::SelectionChanged);
    connect(fHtmlView, &cHtmlView::SelectionChanged, this, &cPreviewPane::SelectionChanged);
    // A large message is laid out again aside, once the reader stopped resizing.
    tmrLayout = new QTimer(this);
    tmrLayout->setSingleShot(true);
    tmrLayout->setInterval(kLayoutDelayMs);
    connect(fHtmlView, &cHtmlView::LayoutWanted, tmrLayout, qOverload<>(&QTimer::start));
    connect(tmrLayout, &QTimer::timeout, this, [this] {
        if (fHtmlShown)
            ShowBody();
    });
}

void cPreviewPane::FollowLink(const QUrl &target, const QString &text)
{
    if (const QString note = FollowMessageLink(this, target, text); !note.isEmpty())
        emit StatusNote(note);
}

// One zoom for the pane, whichever view the reader zoomed in.
void cPreviewPane::FollowZoom(int zoom)
{
    fBrowser->ZoomBy(zoom - fBrowser->Zoom());
    fHtmlView->ZoomBy(zoom - fHtmlView->Zoom());
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
    // Reading a large original costs the window seconds: the preparation reads it aside.
    fHtmlPending = MessageHtmlBytes(message) > kPreparedAsideChars;
    fHtml = fHtmlPending ? cHtmlBody() : MessageHtml(message);
    fRemoteAllowed = (fHtmlPending || !fHtml.html.isEmpty()) && cRemoteContentSenders::IsAllowed(fSender);
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
    const QFont font(cOptions::read(Opt::MailDisplayFont), size > 0 ? size : kDefaultSize);
    fBrowser->SetMessageFont(font);
    fHtmlView->SetMessageFont(font);
}

void cPreviewPane::ShowBody()
{
    ++*fLatest;
    if (fHtmlPending || fHtml.html.size() > kPreparedAsideChars)
        PrepareAside();
    else if (fHtml.html.isEmpty() || btnPlainText->isChecked())
        ShowPlainText(PlainTextOf(fMessage, fHtml));
    else
        ShowHtml();
}

void cPreviewPane::ShowPlainText(const QString &text)
{
    fRemoteBar->hide();
    fHtmlShown = false;
    fHtmlView->Clear();
    fBrowser->setPlainText(text);
    ShowPage(fBrowser);
}

// Given its size at once: the stack sizes a page only once it is shown, and a view that learns its
// width later would lay the message out twice.
void cPreviewPane::ShowPage(QWidget *page)
{
    fText->setCurrentWidget(page);
    page->setGeometry(fText->contentsRect());
}

// The view may be hidden behind the browser, with no size yet; the pages are alike in frame and
// scroll bar, so the shown one's viewport tells.
int cPreviewPane::LayoutWidth() const
{
    const auto *shown = static_cast<const QAbstractScrollArea *>(fText->currentWidget());
    return fHtmlView->LayoutWidthAt(shown->viewport()->width());
}

cRemoteImageLookup cPreviewPane::RemoteImages() const
{
    if (!fRemoteAllowed)
        return {};
    return [images = fRemoteImages](const QUrl &url) { return images->Image(url); };
}

void cPreviewPane::ShowHtml()
{
    const int scrolled = fHtmlView->verticalScrollBar()->value();
    ShowPage(fHtmlView);
    fHtmlView->ShowHtml(fHtml.html, InlinePartLookup(fHtml), RemoteImages());
    HtmlShown(scrolled, fRemoteAllowed ? 0 : int(RemoteReferences(fHtml.html).size()));
}

// Laid out again as remote images arrive, where the reader was; a new message from the top.
void cPreviewPane::HtmlShown(int scrolled, int blockedItems)
{
    fBrowser->clear();
    fHtmlView->verticalScrollBar()->setValue(fHtmlShown ? scrolled : 0);
    fHtmlShown = true;
    fRemoteBar->ShowBlocked(blockedItems, fSender);
}

void cPreviewPane::PrepareAside()
{
    const int preparation = *fLatest;
    if (!fHtmlShown) {
        fBrowser->setPlainText(tr("Loading..."));
        ShowPage(fBrowser);
    }
    cPreviewJob job{fMessage, std::nullopt, btnPlainText->isChecked(), fHtmlView->MessageFont(), LayoutWidth(),
                    std::nullopt};
    if (!fHtmlPending)
        job.html = fHtml;
    if (fRemoteAllowed)
        job.remoteImages = fRemoteImages->Known();
    auto *watcher = new QFutureWatcher<cPreparedPreview>(this);
    connect(watcher, &QFutureWatcher<cPreparedPreview>::finished, this, [this, watcher, preparation] {
        watcher->deleteLater();
        if (preparation == *fLatest)
            ShowPrepared(watcher->result());
    });
    watcher->setFuture(QtConcurrent::run([job = std::move(job), latest = fLatest, preparation] {
        return PreparedPreview(job, [&latest, preparation] { return *latest != preparation; });
    }));
}

void cPreviewPane::ShowPrepared(const cPreparedPreview &prepared)
{
    if (fHtmlPending) {
        fHtmlPending = false;
        fHtml = prepared.html;
        fRemoteAllowed = fRemoteAllowed && !fHtml.html.isEmpty();
        btnPlainText->setVisible(!fHtml.html.isEmpty());
    }
    if (!prepared.layout)
        return ShowPlainText(prepared.plainText);
    const int scrolled = fHtmlView->verticalScrollBar()->value();
    ShowPage(fHtmlView);
    fHtmlView->Adopt(std::move(*prepared.layout), fHtml.html, InlinePartLookup(fHtml), RemoteImages());
    HtmlShown(scrolled, fRemoteAllowed ? 0 : prepared.remoteItems);
    for (const QUrl &url : prepared.remoteAsked)
        fRemoteImages->Image(url);
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

bool cPreviewPane::ShowsHtml() const
{
    return fText->currentWidget() == fHtmlView;
}

QString cPreviewPane::ShownText() const
{
    return ShowsHtml() ? fHtmlView->PlainText() : fBrowser->toPlainText();
}

QString cPreviewPane::SelectedText() const
{
    return ShowsHtml() ? fHtmlView->SelectedText() : fBrowser->textCursor().selectedText();
}

bool cPreviewPane::HasSelection() const
{
    return ShowsHtml() ? fHtmlView->HasSelection() : fBrowser->textCursor().hasSelection();
}

void cPreviewPane::Copy() const
{
    if (ShowsHtml())
        fHtmlView->Copy();
    else
        fBrowser->copy();
}

void cPreviewPane::SelectAll()
{
    if (ShowsHtml())
        fHtmlView->SelectAll();
    else
        fBrowser->selectAll();
}

void cPreviewPane::Print(QPagedPaintDevice &printer) const
{
    if (ShowsHtml())
        fHtmlView->Print(printer, HeaderHtml());
    else
        PrintedMessage(HeaderHtml(), *fBrowser->document())->print(&printer);
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
    fHtmlView->Clear();
    ShowPage(fBrowser);
    fOriginal.clear();
    fSubject.clear();
    fSender.clear();
    fHtml = {};
    fMessage = {};
    fShown = false;
    fRemoteAllowed = false;
    fHtmlShown = false;
    fHtmlPending = false;
    ++*fLatest;
}
