// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview: the header block of the shown message (PreviewHeaderHtml) above its text: HTML in
// a cHtmlView, plain text in a cPreviewBrowser. It remembers which message it shows, for "View source" and "Save as .eml".
// A message with HTML (MessageHtml) is shown as HTML with its own cid: images; its remote
// images only once the reader loads them for this message or allows its sender, and until then
// a bar says how many remote items were held back. Clicked links are followed here
// (FollowMessageLink); what the status bar should say comes out as StatusNote and LinkHovered.
// A message with HTML shows its plain text instead (PlainTextOf) when the option says so or the
// reader switches it with btnPlainText, for this message only.
//
// A message whose HTML (or the original it is read from) is longer than kPreparedAsideChars is
// read, bounded, counted, parsed and laid out, or rendered as text, on a worker thread (PreparedPreview),
// the preview saying "Loading..." meanwhile; whatever the pane shows next drops a preparation
// still on its way. Such a message is laid out again there too when the view's width, zoom or
// font changes.
#include "mime/cHtmlBody.h"
#include "storage/cMailMessage.h"
#include "ui/main/PreviewResources.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QLabel;
class QPagedPaintDevice;
class QStackedWidget;
class QTimer;
class QToolButton;
class cHtmlView;
class cPreviewBrowser;
struct cPreparedPreview;
class cRemoteContentBar;
class cRemoteImages;

class cPreviewPane : public QWidget
{
    Q_OBJECT
public:
    static constexpr qsizetype kPreparedAsideChars = 256 * 1024;
    static constexpr int kLayoutDelayMs = 150;

    explicit cPreviewPane(QWidget *parent = nullptr);

    cPreviewBrowser *Browser() const { return fBrowser; }
    cHtmlView *HtmlView() const { return fHtmlView; }
    // Whether the message's HTML is shown (in HtmlView), not text (in Browser).
    bool ShowsHtml() const;
    cRemoteContentBar *RemoteBar() const { return fRemoteBar; }
    // The header block and the text of message (as HTML when it has HTML).
    void Show(const cMailMessage &message);
    // A text in place of a message, e.g. why it could not be read.
    void ShowText(const QString &text);
    void Clear();
    // The shown message again, as the options now say.
    void Reshow();
    // Message text in the font the options name ("Use the following font to display e-mails").
    void ApplyFontOption();

    // The kept original of the shown message; empty when none is kept.
    const QByteArray &Original() const { return fOriginal; }
    const QString &Subject() const { return fSubject; }
    // The header block as shown; empty when no message is.
    QString HeaderHtml() const;
    bool RemoteAllowed() const { return fRemoteAllowed; }

    // The text shown, and what the reader selected in it, whichever view shows it.
    QString ShownText() const;
    QString SelectedText() const;
    bool HasSelection() const;
    void Copy() const;
    void SelectAll();
    // The header block above the shown text, in pages.
    void Print(QPagedPaintDevice &printer) const;

signals:
    void StatusNote(const QString &text);
    void LinkHovered(const QString &target);
    void SelectionChanged();

private:
    void ShowBody();
    void ShowHtml();
    void ShowPlainText(const QString &text);
    void ShowPage(QWidget *page);
    int LayoutWidth() const;
    void FollowLink(const QUrl &target, const QString &text);
    void FollowZoom(int zoom);
    void PrepareAside();
    void ShowPrepared(const cPreparedPreview &prepared);
    void HtmlShown(int scrolled, int blockedItems);
    cRemoteImageLookup RemoteImages() const;
    void LoadRemote();
    void AllowSender();

    QLabel *lblHeader;
    QToolButton *btnPlainText;
    cRemoteContentBar *fRemoteBar;
    QStackedWidget *fText;
    cPreviewBrowser *fBrowser;
    cHtmlView *fHtmlView;
    cRemoteImages *fRemoteImages;
    QTimer *tmrLayout;
    QByteArray fOriginal;
    QString fSubject;
    QString fSender;
    cMailMessage fMessage;
    bool fShown = false;
    cHtmlBody fHtml;
    bool fRemoteAllowed = false;
    bool fHtmlShown = false;
    bool fHtmlPending = false; // fHtml is still to be read from the original, aside
    // The newest preparation; an older one stops or is dropped when it sees a newer number.
    std::shared_ptr<std::atomic_int> fLatest = std::make_shared<std::atomic_int>(0);
};
