#pragma once
// The preview: the header block of the shown message (PreviewHeaderHtml) above its text in a
// cPreviewBrowser. It remembers which message it shows, for "View source" and "Save as .eml".
#include "storage/cMailMessage.h"

#include <QWidget>

class QLabel;
class cPreviewBrowser;

class cPreviewPane : public QWidget
{
    Q_OBJECT
public:
    explicit cPreviewPane(QWidget *parent = nullptr);

    cPreviewBrowser *Browser() const { return fBrowser; }
    // The header block and the text of message (as HTML when it is an HTML message).
    void Show(const cMailMessage &message);
    // A text in place of a message, e.g. why it could not be read.
    void ShowText(const QString &text);
    void Clear();

    // The kept original of the shown message; empty when none is kept.
    const QByteArray &Original() const { return fOriginal; }
    const QString &Subject() const { return fSubject; }
    // The header block as shown; empty when no message is.
    QString HeaderHtml() const;

private:
    QLabel *lblHeader;
    cPreviewBrowser *fBrowser;
    QByteArray fOriginal;
    QString fSubject;
};
