#pragma once
// The message preview. Message content never makes the program fetch anything: images and
// style sheets named by a message, remote or local, are not loaded, and a clicked link is
// only reported (anchorClicked), never followed inside the preview.
#include <QTextBrowser>

class cPreviewBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit cPreviewBrowser(QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
    // The font of message text, fixed-pitch text included.
    void SetMessageFont(const QFont &font);
};
