// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preview's plain text (a text part, or HTML rendered as text), in the message font and the
// reader's zoom. It never goes to a source of its own, and asks for no resource.
#include <QTextBrowser>

class cPreviewBrowser : public QTextBrowser
{
    Q_OBJECT
public:
    explicit cPreviewBrowser(QWidget *parent = nullptr);

    QVariant loadResource(int type, const QUrl &name) override;
    // The font of message text.
    void SetMessageFont(const QFont &font);
    // Ctrl+plus, Ctrl+minus and Ctrl+0 (or Ctrl and the wheel) make message text larger,
    // smaller and as set, a point a step, within kMinZoom and kMaxZoom steps.
    void ZoomBy(int steps);
    void ZoomReset();
    int Zoom() const { return fZoom; }
    static constexpr int kMinZoom = -6;
    static constexpr int kMaxZoom = 24;

signals:
    void ZoomChanged();

protected:
    void doSetSource(const QUrl &name, QTextDocument::ResourceType type) override;
    void keyPressEvent(QKeyEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    void ApplyStyle();

    QFont fMessageFont;
    int fZoom = 0;
};
