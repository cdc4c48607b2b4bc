// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview: the header block of the shown message (PreviewHeaderHtml) above its text in a
// cPreviewBrowser. It remembers which message it shows, for "View source" and "Save as .eml".
// A message with HTML (MessageHtml) is shown as HTML with its own cid: images; its remote
// images only once the reader loads them for this message or allows its sender, and until then
// a bar says how many remote items were held back. Clicked links are followed here
// (FollowMessageLink); what the status bar should say comes out as StatusNote and LinkHovered.
// A message with HTML shows its plain text instead (PlainTextOf) when the option says so or the
// reader switches it with btnPlainText, for this message only.
//
// A message whose HTML (or the original it is read from) is longer than kPreparedAsideChars is
// read, bounded, counted and parsed, or rendered as text, on a worker thread (PreparedPreview),
// the preview saying "Loading..." meanwhile; whatever the pane shows next drops a preparation
// still on its way.
#include "mime/cHtmlBody.h"
#include "ui/main/cPreviewDocument.h"
#include "storage/cMailMessage.h"

#include <QWidget>

#include <atomic>
#include <memory>

class QLabel;
class QToolButton;
class cPreviewBrowser;
struct cPreparedPreview;
class cRemoteContentBar;
class cRemoteImages;

class cPreviewPane : public QWidget
{
    Q_OBJECT
public:
    static constexpr qsizetype kPreparedAsideChars = 256 * 1024;

    explicit cPreviewPane(QWidget *parent = nullptr);

    cPreviewBrowser *Browser() const { return fBrowser; }
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

signals:
    void StatusNote(const QString &text);
    void LinkHovered(const QString &target);

private:
    void ShowBody();
    void ShowHtml();
    void ShowPlainText(const QString &text);
    void PrepareAside();
    void ShowPrepared(const cPreparedPreview &prepared);
    void HtmlShown(int scrolled, int blockedItems);
    cRemoteImageLookup RemoteImages() const;
    void LoadRemote();
    void AllowSender();

    QLabel *lblHeader;
    QToolButton *btnPlainText;
    cRemoteContentBar *fRemoteBar;
    cPreviewBrowser *fBrowser;
    cRemoteImages *fRemoteImages;
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
