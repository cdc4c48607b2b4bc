#include "ui/main/cPreviewPane.h"

#include "storage/DisplayText.h"
#include "storage/cRemoteContentSenders.h"
#include "transfer/MessageHtml.h"
#include "ui/main/LinkFollowing.h"
#include "ui/main/PreviewHeader.h"
#include "ui/main/RemoteContent.h"
#include "ui/main/cPreviewBrowser.h"
#include "ui/main/cRemoteContentBar.h"
#include "ui/main/cRemoteImages.h"

#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>

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
    fRemoteBar = new cRemoteContentBar(this);
    fBrowser = new cPreviewBrowser(this);
    layout->addWidget(lblHeader);
    layout->addWidget(fRemoteBar);
    layout->addWidget(fBrowser, 1);
    connect(fRemoteBar, &cRemoteContentBar::LoadClicked, this, &cPreviewPane::LoadRemote);
    connect(fRemoteBar, &cRemoteContentBar::AllowSenderClicked, this, &cPreviewPane::AllowSender);
    connect(fRemoteImages, &cRemoteImages::Arrived, this, &cPreviewPane::ShowHtml);
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
    fHtml = MessageHtml(message);
    if (!fHtml.html.isEmpty()) {
        fRemoteAllowed = cRemoteContentSenders::IsAllowed(fSender);
        ShowHtml();
        return;
    }
    fBrowser->setPlainText(DisplayBody(message.body, DeclaredCharset(message.headerLines)));
}

// Laid out again as remote images arrive, where the reader was.
void cPreviewPane::ShowHtml()
{
    const int scrolled = fBrowser->verticalScrollBar()->value();
    cInlinePartLookup inlinePart;
    if (!fHtml.inlineParts.isEmpty())
        inlinePart = [parts = fHtml.inlineParts](const QString &id) { return parts.value(id); };
    cRemoteImageLookup remoteImage;
    if (fRemoteAllowed)
        remoteImage = [images = fRemoteImages](const QUrl &url) { return images->Image(url); };
    fBrowser->ShowHtml(fHtml.html, std::move(inlinePart), std::move(remoteImage));
    fBrowser->verticalScrollBar()->setValue(scrolled);
    fRemoteBar->ShowBlocked(fRemoteAllowed ? 0 : int(RemoteReferences(fHtml.html).size()), fSender);
}

void cPreviewPane::LoadRemote()
{
    fRemoteAllowed = true;
    ShowHtml();
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
    fRemoteBar->hide();
    fRemoteImages->Forget();
    fBrowser->clear();
    fOriginal.clear();
    fSubject.clear();
    fSender.clear();
    fHtml = {};
    fRemoteAllowed = false;
}
