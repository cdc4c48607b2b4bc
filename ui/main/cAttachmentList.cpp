// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/cAttachmentList.h"

#include "storage/AtomicFile.h"
#include "ui/main/MainIcons.h"
#include "ui/wndlist/AttachmentOpening.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>

cAttachmentList::cAttachmentList(QWidget *parent) : QListWidget(parent)
{
    connect(this, &QListWidget::itemDoubleClicked, this, &cAttachmentList::OpenCurrent);
    fAskTarget = [this](const QString &suggested) {
        return QFileDialog::getSaveFileName(this, tr("Save attachment as"), suggested);
    };
}

void cAttachmentList::SetAttachments(const QStringList &paths)
{
    clear();
    // The folder says nothing to the reader; it stays at hand on hover.
    for (const QString &path : paths) {
        auto *item = new QListWidgetItem(FileTypeIcon(path), QFileInfo(path).fileName(), this);
        item->setData(Qt::UserRole, path);
        item->setToolTip(path);
    }
}

QString cAttachmentList::CurrentPath() const
{
    const QListWidgetItem *item = currentItem();
    return item && item->isSelected() ? item->data(Qt::UserRole).toString() : QString();
}

void cAttachmentList::OpenCurrent()
{
    if (const QString path = CurrentPath(); !path.isEmpty())
        OpenAttachment(this, path);
}

void cAttachmentList::SaveCurrentAs()
{
    const QString path = CurrentPath();
    if (path.isEmpty())
        return;
    const QString target = fAskTarget(QDir::home().filePath(QFileInfo(path).fileName()));
    if (target.isEmpty())
        return;
    if (const cResult copied = CopyFileAtomically(path, target); !copied)
        QMessageBox::warning(this, tr("Cannot save the attachment"), copied.text());
}

void cAttachmentList::keyPressEvent(QKeyEvent *event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && event->modifiers() == Qt::NoModifier) {
        OpenCurrent();
        return;
    }
    QListWidget::keyPressEvent(event);
}
