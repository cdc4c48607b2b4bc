#include "ui/main/cPreviewPane.h"

#include "storage/DisplayText.h"
#include "ui/main/PreviewHeader.h"
#include "ui/main/cPreviewBrowser.h"

#include <QLabel>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

cPreviewPane::cPreviewPane(QWidget *parent) : QWidget(parent)
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
    fBrowser = new cPreviewBrowser(this);
    layout->addWidget(lblHeader);
    layout->addWidget(fBrowser, 1);
}

void cPreviewPane::Show(const cMailMessage &message)
{
    lblHeader->setText(PreviewHeaderHtml(message));
    lblHeader->show();
    fOriginal = message.Original;
    fSubject = DisplayText(message.Subject);
    const QString body = DisplayBody(message.body, DeclaredCharset(message.headerLines));
    if (message.Html)
        fBrowser->ShowHtml(body);
    else
        fBrowser->setPlainText(body);
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
    fBrowser->clear();
    fOriginal.clear();
    fSubject.clear();
}
