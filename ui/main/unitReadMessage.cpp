// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/unitReadMessage.h"

#include "ui/icons/ThemedIcon.h"
#include "ui/main/KeyboardPopup.h"
#include "ui/main/cAttachmentList.h"
#include "ui/main/cPreviewPane.h"
#include "ui/wndlist/WindowSize.h"

#include <QAction>
#include <QMenu>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>

using namespace Qt::StringLiterals;

TfrmReadMessage::TfrmReadMessage(const cMailStore &store, QWidget *parent) : QMainWindow(parent), fStore(store)
{
    setObjectName(u"frmReadMessage"_s);
    setAttribute(Qt::WA_DeleteOnClose);
    // Its own window, not one that stays above the main window.
    setWindowFlag(Qt::Window);
    auto *toolbar = addToolBar(tr("Message"));
    toolbar->setObjectName(u"tbRead"_s);
    toolbar->setMovable(false);
    toolbar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    const auto command = [this, toolbar](const char *name, const QString &text, const char *icon,
                                         const QKeySequence &keys) {
        QAction *action = AddCommand(name, text, icon, keys);
        toolbar->addAction(action);
        return action;
    };
    connect(command("actReply", tr("Reply"), "mail-reply-sender", QKeySequence(u"Ctrl+R"_s)), &QAction::triggered, this,
            &TfrmReadMessage::ReplyRequested);
    connect(command("actForward", tr("Forward"), "mail-forward", QKeySequence(u"Ctrl+F"_s)), &QAction::triggered, this,
            &TfrmReadMessage::ForwardRequested);
    connect(command("actDelete", tr("Delete"), "edit-delete", QKeySequence::Delete), &QAction::triggered, this,
            &TfrmReadMessage::DeleteRequested);
    toolbar->addSeparator();
    actPrevious = command("actPrevious", tr("Previous"), "go-up", QKeySequence(u"Ctrl+,"_s));
    actNext = command("actNext", tr("Next"), "go-down", QKeySequence(u"Ctrl+."_s));
    connect(actPrevious, &QAction::triggered, this, &TfrmReadMessage::PreviousRequested);
    connect(actNext, &QAction::triggered, this, &TfrmReadMessage::NextRequested);

    auto *split = new QSplitter(Qt::Vertical, this);
    fPreviewPane = new cPreviewPane(split);
    fPreviewPane->ApplyFontOption();
    lstAttachments = new cAttachmentList(split);
    lstAttachments->setObjectName(u"lstAttachments"_s);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 0);
    setCentralWidget(split);
    const auto showInStatusBar = [this](const QString &text) { statusBar()->showMessage(text); };
    connect(fPreviewPane, &cPreviewPane::LinkHovered, this, showInStatusBar);
    connect(fPreviewPane, &cPreviewPane::StatusNote, this, showInStatusBar);
    BuildAttachmentPopup();
    ResizeForFont(this, 120, 40);
    // A few lines of attachments; the text takes the rest.
    split->setSizes({height(), fontMetrics().lineSpacing() * 4});
}

QAction *TfrmReadMessage::AddCommand(const char *name, const QString &text, const char *icon, const QKeySequence &keys)
{
    auto *action = new QAction(ThemedIcon(QLatin1String(icon)), text, this);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(keys);
    addAction(action);
    return action;
}

void TfrmReadMessage::BuildAttachmentPopup()
{
    auto *popup = new QMenu(this);
    popup->setObjectName(u"popAttachment"_s);
    popup->setDefaultAction(popup->addAction(tr("&Open"), lstAttachments, &cAttachmentList::OpenCurrent));
    popup->addAction(tr("Save as..."), lstAttachments, &cAttachmentList::SaveCurrentAs);
    lstAttachments->setContextMenuPolicy(Qt::CustomContextMenu);
    AddKeyboardPopup(lstAttachments);
    connect(lstAttachments, &QWidget::customContextMenuRequested, this, [this, popup](const QPoint &pos) {
        if (!lstAttachments->CurrentPath().isEmpty())
            popup->popup(lstAttachments->viewport()->mapToGlobal(pos));
    });
}

bool TfrmReadMessage::ShowMessage(const cMessageRef &message)
{
    fMessage = message;
    const cResultOf<cMailMessage> read = fStore.Read(message);
    if (!read) {
        // Not the subject of the message shown before.
        setWindowTitle(message.key);
        fPreviewPane->ShowText(read.text());
        lstAttachments->SetAttachments({});
        lstAttachments->hide();
        return false;
    }
    fPreviewPane->Show(read.value());
    setWindowTitle(fPreviewPane->Subject());
    lstAttachments->SetAttachments(read.value().attachments);
    lstAttachments->setVisible(!read.value().attachments.isEmpty());
    return true;
}

void TfrmReadMessage::SetNeighbours(bool hasPrevious, bool hasNext)
{
    actPrevious->setEnabled(hasPrevious);
    actNext->setEnabled(hasNext);
}
