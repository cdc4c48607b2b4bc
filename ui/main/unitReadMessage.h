// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message in its own window: the preview's header block and text above its attachments, and
// a toolbar of Reply, Forward, Delete, Previous and Next. It shows the message of the store it
// is given; its commands are announced as signals, and whoever opened it decides what they do
// (the main window's commands follow their list with it). A message that cannot be read shows
// why instead.
#include "storage/cMailStore.h"

#include <QMainWindow>

class QAction;
class cAttachmentList;
class cPreviewPane;

class TfrmReadMessage : public QMainWindow
{
    Q_OBJECT
public:
    explicit TfrmReadMessage(const cMailStore &store, QWidget *parent = nullptr);

    // False when the message could not be read; the window then says why.
    bool ShowMessage(const cMessageRef &message);
    const cMessageRef &Message() const { return fMessage; }
    void SetNeighbours(bool hasPrevious, bool hasNext);
    cPreviewPane *Preview() const { return fPreviewPane; }
    cAttachmentList *Attachments() const { return lstAttachments; }

signals:
    void ReplyRequested();
    void ForwardRequested();
    void DeleteRequested();
    void PreviousRequested();
    void NextRequested();

private:
    QAction *AddCommand(const char *name, const QString &text, const char *icon, const QKeySequence &keys);
    void BuildAttachmentPopup();

    cPreviewPane *fPreviewPane;
    cAttachmentList *lstAttachments;
    QAction *actPrevious = nullptr;
    QAction *actNext = nullptr;
    const cMailStore &fStore;
    cMessageRef fMessage;
};
