// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The attachments of a shown message, one item per file. Enter and a double-click open the
// current one with the desktop (asking first when it can run); SaveCurrentAs copies it to a
// place the user chooses. The main window and the read window list attachments with it.
#include <QListWidget>

#include <functional>

class cAttachmentList : public QListWidget
{
    Q_OBJECT
public:
    explicit cAttachmentList(QWidget *parent = nullptr);

    void SetAttachments(const QStringList &paths);
    // The file of the current item while it is selected; empty otherwise.
    QString CurrentPath() const;
    void OpenCurrent();
    void SaveCurrentAs();
    // Where "Save as..." asks for the target, given the suggested path; empty cancels. A file
    // dialog unless set otherwise.
    void SetTargetQuestion(std::function<QString(const QString &suggested)> ask) { fAskTarget = std::move(ask); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    std::function<QString(const QString &)> fAskTarget;
};
