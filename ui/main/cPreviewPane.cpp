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

#include <QHBoxLayout>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>
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

void cPreviewPane::ShowBody()
{
    if (fHtml.html.isEmpty() || btnPlainText->isChecked()) {
        fRemoteBar->hide();
        fBrowser->setPlainText(PlainTextOf(fMessage, fHtml));
        return;
    }
    ShowHtml();
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
}
